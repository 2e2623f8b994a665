#include "frmAbout.h"

#include "platform/KeyStore.h"
#include "platform/Messages.h"
#include "platform/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

namespace {
const QString kRoot = QStringLiteral("HKEY_LOCAL_MACHINE");

bool startProgram(const QString& path)
{
    return !path.isEmpty() && QProcess::startDetached(path, {});
}
} // namespace

frmAbout::frmAbout(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    Twips::setFixedClientSize(this, 5790, 3675);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setWordWrap(true);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    Twips::place(lblTitle, 240, 240, 5300, 720);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    Twips::place(lblVersion, 240, 1000, 5300, 285);
    lblDescription = new QLabel(QStringLiteral("Designed and Written By:"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    Twips::place(lblDescription, 240, 1500, 5300, 285);
    auto* authors = new QLabel(QStringLiteral("The Kov developers\nFor the church office, by people who work in one."),
                               this);
    authors->setObjectName(QStringLiteral("lblAuthors"));
    Twips::place(authors, 480, 1800, 5060, 600);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    Twips::place(cmdOK, 4200, 2640, 1335, 375);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    Twips::place(cmdSysInfo, 4200, 3120, 1335, 375);

    on(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
    on(cmdSysInfo, &QPushButton::clicked, [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load()
{
    placeTopLeft();
    setWindowTitle(QStringLiteral("About Screen"));
    lblVersion->setText(QStringLiteral("Version 4.6 - 1/11/2013"));
    lblTitle->setText(QStringLiteral("Kov - members, prospects, attendance, outreach and contributions for the "
                                     "church office"));
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // OK is both the default and the cancel button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        cmdOK->click();
        return;
    }
    Screen::keyPressEvent(event);
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

bool frmAbout::GetKeyValue(const QString& keyRoot, const QString& keyName, const QString& subKeyRef,
                           QString& keyVal)
{
    return KeyStore::read(keyRoot, keyName, subKeyRef, keyVal);
}

void frmAbout::StartSysInfo()
{
    QString path;
    if (GetKeyValue(kRoot, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"), path)) {
        if (startProgram(path))
            return;
    } else if (GetKeyValue(kRoot, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QStringLiteral("MSINFO"), path)) {
        const QString tool = QDir(path).filePath(QStringLiteral("MSINFO32.EXE"));
        if (QFileInfo(tool).isFile() && startProgram(tool))
            return;
    }
    Messages::show(QStringLiteral("System Information Is Unavailable At This Time"), QStringLiteral("Kov"));
}
