#include "MemberPicture.h"

#include "core/MainMod.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace MemberPicture {

QImage load(const QString& fileName)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    return image.isNull() ? QImage() : fit(image);
}

QImage fit(const QImage& image)
{
    if (image.height() > image.width())
        return image.scaledToHeight(kSide, Qt::SmoothTransformation);
    return image.scaledToWidth(kSide, Qt::SmoothTransformation);
}

QString extension(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.isEmpty() ? QStringLiteral("png") : suffix;
}

QString path(const QString& fileName)
{
    if (MainMod::PictureFolder.isEmpty())
        return fileName;
    return QDir(MainMod::PictureFolder).filePath(fileName);
}

bool save(const QImage& image, QSaveFile& file)
{
    const QByteArray suffix = QFileInfo(file.fileName()).suffix().toLower().toLatin1();
    const bool writable = QImageWriter::supportedImageFormats().contains(suffix);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, writable ? suffix : QByteArrayLiteral("png"));
    return writer.write(image);
}

} // namespace MemberPicture
