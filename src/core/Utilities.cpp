#include "MainMod.h"

#include <QFileInfo>

namespace MainMod {

bool FileExists(const QString& fileName)
{
    return QFileInfo(fileName).isFile();
}

QString PadRight(const QString& text, int width)
{
    if (width <= 0)
        return {};
    if (text.size() > width)
        return text.left(width);
    return text.leftJustified(width, QLatin1Char(' '));
}

} // namespace MainMod
