// The member's picture: chosen and fitted by Load Picture, written by the save, shown with the member.
#include "frmMemberEntry.h"

#include "MemberPicture.h"

#include "core/MainMod.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

void frmMemberEntry::btnLoadPic_Click()
{
    const QStringList filters{
        QStringLiteral("Bitmap Files (*.bmp)"),
        QStringLiteral("JPEG Files (*.jpg *.jpeg)"),
        QStringLiteral("PCX Files (*.pcx)"),
        QStringLiteral("PNG Files (*.png)"),
        QStringLiteral("GIF Files (*.gif)"),
        QStringLiteral("Wireless Bitmap Files (*.wbm *.wbmp)"),
        QStringLiteral("Adobe Photoshop Files (*.psd)"),
        QStringLiteral("TIFF Files (*.tif *.tiff)"),
        QStringLiteral("All Image Files (*.bmp *.jpg *.jpeg *.pcx *.png *.gif *.wbm *.wbmp *.psd *.tif *.tiff)"),
    };
    QString chosenFilter = filters.last();
    const QString fileName = QFileDialog::getOpenFileName(this, QStringLiteral("Select Image"), QString(),
                                                          filters.join(QStringLiteral(";;")), &chosenFilter);
    if (!fileName.isEmpty())
        LoadPicture(fileName);
}

bool frmMemberEntry::LoadPicture(const QString& fileName)
{
    QImage image;
    {
        WaitCursor wait;
        image = MemberPicture::load(fileName);
    }
    if (image.isNull()) {
        Messages::show(QStringLiteral("The file \"%1\" could not be read as a picture.").arg(fileName),
                       QStringLiteral("Picture Not Loaded"), Messages::Icon::Exclamation);
        return false;
    }
    m_picture = image;
    txtFileType->setText(MemberPicture::extension(fileName));
    ShowImage(m_picture);
    return true;
}

void frmMemberEntry::ShowPicture(const QString& picture)
{
    if (picture.isEmpty())
        return;
    const QString path = MemberPicture::path(picture);
    if (!MainMod::FileExists(path))
        return;
    const QImage image(path);
    if (!image.isNull()) // a file that is no picture shows none
        ShowImage(image);
}

void frmMemberEntry::ShowImage(const QImage& image)
{
    QPixmap shown = QPixmap::fromImage(image);
    const QSize room = imgPic->contentsRect().size();
    if (shown.width() > room.width() || shown.height() > room.height())
        shown = shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgPic->setPixmap(shown);
}
