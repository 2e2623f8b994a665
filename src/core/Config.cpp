#include "MainMod.h"
#include "StartupError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace MainMod {

namespace {
// The leading item, then nine label/value pairs.
constexpr int kConfigItems = 19;
} // namespace

static QString& configOverride()
{
    static QString path;
    return path;
}

QString ConfigFilePath()
{
    if (!configOverride().isEmpty())
        return configOverride();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("config.txt"));
}

QStringList ConfigItems(const QString& text)
{
    // An item ends at a comma or a line end; blanks before it are skipped; a quoted item runs to the next
    // quote and may hold commas. Blank lines hold no item.
    QStringList items;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        int pos = 0;
        const int length = line.size();
        while (true) {
            while (pos < length && (line[pos] == QLatin1Char(' ') || line[pos] == QLatin1Char('\t')))
                ++pos;
            QString item;
            if (pos < length && line[pos] == QLatin1Char('"')) {
                const int close = line.indexOf(QLatin1Char('"'), pos + 1);
                const int end = close < 0 ? length : close;
                item = line.mid(pos + 1, end - pos - 1);
                pos = close < 0 ? length : close + 1;
                const int comma = line.indexOf(QLatin1Char(','), pos);
                pos = comma < 0 ? length : comma;
            } else {
                const int comma = line.indexOf(QLatin1Char(','), pos);
                const int end = comma < 0 ? length : comma;
                item = line.mid(pos, end - pos);
                while (item.endsWith(QLatin1Char(' ')) || item.endsWith(QLatin1Char('\t')))
                    item.chop(1);
                pos = end;
            }
            items << item;
            if (pos >= length)
                break;
            ++pos; // past the comma: a line ending in a comma ends with an empty item
        }
    }
    return items;
}

void SetConfigFilePath(const QString& path)
{
    configOverride() = path;
}

void ReadConfig()
{
    ReadConfig(ConfigFilePath());
}

void ReadConfig(const QString& configPath)
{
    QFile file(configPath);
    if (!file.exists())
        throw StartupError(QStringLiteral("The settings file \"%1\" does not exist.").arg(configPath));
    if (!file.open(QIODevice::ReadOnly))
        throw StartupError(
            QStringLiteral("The settings file \"%1\" cannot be read: %2").arg(configPath, file.errorString()));
    const QStringList items = ConfigItems(QString::fromUtf8(file.readAll()));
    if (items.size() < kConfigItems)
        throw StartupError(QStringLiteral("The settings file \"%1\" holds %2 items; it needs %3: a first line, then "
                                          "nine lines of a label and a value.")
                               .arg(configPath)
                               .arg(items.size())
                               .arg(kConfigItems));
    QString* const values[] = {&DatabasePath,      &PictureFolder,     &AttendanceShowSS,
                               &AttendanceShowSL,  &AttendanceShowRBD, &AttendanceShowWS,
                               &AttendanceShowDT,  &AttendanceShowSE,  &AttendanceShowWN};
    for (int i = 0; i < 9; ++i)
        *values[i] = items.at(2 + 2 * i);
}

} // namespace MainMod
