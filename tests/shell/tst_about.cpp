#include "support/ScriptedMessages.h"
#include "support/TestArea.h"

#include "platform/KeyStore.h"
#include "shell/ScreenRegistry.h"
#include "shell/frmAbout.h"

#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void showsVersion()
    {
        TestArea area;
        auto* about = ScreenRegistry::load<frmAbout>();
        QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 4.6 - 1/11/2013"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About Screen"));
        QVERIFY(!about->lblTitle->text().isEmpty());
        grabIfAsked(about->parentWidget(), QStringLiteral("frmAbout"));
        about->cmdOK_Click();
        QVERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmAbout")));
    }

    void systemInfoFallsBackToItsMessage_data()
    {
        QTest::addColumn<QString>("pathValue");
        QTest::addColumn<QString>("folderValue");
        QTest::newRow("nothing stored") << QString() << QString();
        QTest::newRow("path names a missing file") << "/nonexistent/msinfo32" << QString();
        QTest::newRow("folder without the tool") << QString() << "/tmp";
    }
    void systemInfoFallsBackToItsMessage()
    {
        QFETCH(QString, pathValue);
        QFETCH(QString, folderValue);
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("keystore.ini"));
        {
            QSettings settings(store, QSettings::IniFormat);
            if (!pathValue.isEmpty())
                settings.setValue(QStringLiteral("HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Shared Tools/MSINFO/PATH"),
                                  pathValue);
            if (!folderValue.isEmpty())
                settings.setValue(
                    QStringLiteral("HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Shared Tools Location/MSINFO"), folderValue);
        }
        KeyStore::setFilePath(store);
        TestArea area;
        ScriptedMessages messages;
        auto* about = ScreenRegistry::load<frmAbout>();
        about->StartSysInfo();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(messages.last().icon, Messages::Icon::None);
        QVERIFY(ScreenRegistry::isOpen(QStringLiteral("frmAbout")));
        KeyStore::setFilePath(QString());
    }

    void keyValueDropsATrailingNul()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("keystore.ini"));
        {
            QSettings settings(store, QSettings::IniFormat);
            settings.setValue(QStringLiteral("HKEY_LOCAL_MACHINE/SOFTWARE/Tool/PATH"),
                              QStringLiteral("/usr/bin/tool") + QChar(0));
        }
        KeyStore::setFilePath(store);
        QString value;
        QVERIFY(frmAbout::GetKeyValue(QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("SOFTWARE\\Tool"),
                                      QStringLiteral("PATH"), value));
        QCOMPARE(value, QStringLiteral("/usr/bin/tool"));
        QVERIFY(!frmAbout::GetKeyValue(QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("SOFTWARE\\None"),
                                       QStringLiteral("PATH"), value));
        QVERIFY(value.isEmpty());
        KeyStore::setFilePath(QString());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
