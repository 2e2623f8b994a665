#pragma once

#include <QImage>
#include <QSaveFile>
#include <QString>

// Member pictures: read from the file the user picks, fitted to the size they are kept at, and kept in the picture
// folder under the member's ID.
namespace MemberPicture {

// The longer side of a kept picture, in pixels.
constexpr int kSide = 165;

// The image of a picture file scaled so that its longer side is kSide (a square one to kSide by kSide); a null
// image when the file cannot be read as a picture.
QImage load(const QString& fileName);
QImage fit(const QImage& image);

// The extension a chosen file is kept under: its suffix as spelled, "png" when it has none.
QString extension(const QString& fileName);

// The full path of a kept picture: the picture folder and the file name joined by one separator, whether or not
// the folder as configured ends with one.
QString path(const QString& fileName);

// Writes the picture into the file (opened here, made for path(fileName)): the file takes the place of the one of
// that name only at its commit(), so a save that fails before it leaves the picture that was there. An extension no
// image writer handles gets PNG data, which reads back by its content. False when it could not be written.
bool save(const QImage& image, QSaveFile& file);

} // namespace MemberPicture
