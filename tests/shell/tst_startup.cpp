#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"
#include "shell/Startup.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using MainMod::MainDatabase;

namespace {
void writeConfig(const QString& configPath, const QString& databasePath)
{
    QFile file(configPath);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QStringLiteral("\"Kov\"\nDatabase,\"%1\"\nPictures,/tmp/\nSS,Yes\nSL,Yes\nRBD,Yes\nWS,Yes\nDT,Yes\n"
                              "SE,Yes\nWN,Yes\n")
                   .arg(databasePath)
                   .toUtf8());
}

QStringList openScreens()
{
    QStringList names;
    if (MDI* mdi = MainMod::MainWindow())
        for (QMdiSubWindow* sub : mdi->area()->subWindowList())
            names << QString::fromLatin1(sub->widget()->metaObject()->className());
    names.sort();
    return names;
}

bool enabled(const QString& control)
{
    for (QAction* action : MainMod::MainWindow()->findChildren<QAction*>())
        if (action->objectName() == control)
            return action->isEnabled();
    return false;
}

// Where an icon drawn at a size Kov ships differs from that size's picture by more than 1 in a channel (the way
// into a pixmap rounds differently on some processors); empty when it differs nowhere.
QString iconDifference(const QIcon& icon)
{
    const QStringList shipped = QDir(QStringLiteral(":/kov")).entryList({QStringLiteral("kov-*.png")});
    if (shipped.isEmpty())
        return QStringLiteral("no icon is shipped");
    for (const QString& name : shipped) {
        const QImage expected =
            QImage(QStringLiteral(":/kov/") + name).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage drawn =
            icon.pixmap(expected.size()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (drawn.size() != expected.size())
            return QStringLiteral("%1 drawn %2x%3").arg(name).arg(drawn.width()).arg(drawn.height());
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb a = expected.pixel(x, y);
                const QRgb b = drawn.pixel(x, y);
                if (qAbs(qRed(a) - qRed(b)) > 1 || qAbs(qGreen(a) - qGreen(b)) > 1 || qAbs(qBlue(a) - qBlue(b)) > 1 ||
                    qAbs(qAlpha(a) - qAlpha(b)) > 1)
                    return QStringLiteral("%1 at %2,%3").arg(name).arg(x).arg(y);
            }
    }
    return QString();
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // Each case ends the program, the way it ended or failed, so that the next starts from nothing.
    void cleanup() { MainMod::Shutdown(); }

    void startsLoggedOffWithTheChurchScreenOnAnEmptyChurchTable()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        const QString config = tdb.folder() + QStringLiteral("/config.txt");
        writeConfig(config, tdb.path());
        MainMod::SetConfigFilePath(config);
        MainDatabase.close();
        int code = -1;
        QVERIFY(MainMod::Start(code));
        QCOMPARE(messages.count(), 0);
        QCOMPARE(openScreens(), (QStringList{"frmChurchInfo", "frmLogin"}));
        QVERIFY(enabled(QStringLiteral("File")));
        QVERIFY(enabled(QStringLiteral("Exit")));
        QVERIFY(!enabled(QStringLiteral("LogOff")));
        QVERIFY(!enabled(QStringLiteral("CompanyInfo")));
        QVERIFY(!enabled(QStringLiteral("Names")));
        QCOMPARE(MainMod::KeyPressDelay, 0.0);
        grabIfAsked(MainMod::MainWindow(), QStringLiteral("mdi-start"));
        // Kov's own icon, at every size it ships, on the main window and on the screens' title bars.
        QCOMPARE(iconDifference(MainMod::MainWindow()->windowIcon()), QString());
        for (QMdiSubWindow* sub : MainMod::MainWindow()->area()->subWindowList())
            QCOMPARE(iconDifference(sub->windowIcon()), QString());

        // Log in as the administrator: every command is usable; Log Off reverses it and reopens the log-in.
        const qint64 admin = TestDatabase::addMember(QStringLiteral("Admin"), QStringLiteral("A"));
        TestDatabase::addUser(admin, QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("Admin"));
        auto* login = ScreenRegistry::find(QStringLiteral("frmLogin"));
        login->findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(QStringLiteral("admin"));
        login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("pw"));
        QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("btnLogin")), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QVERIFY(enabled(QStringLiteral("Names")));
        QVERIFY(enabled(QStringLiteral("LogOff")));
        QCOMPARE(openScreens(), QStringList{"frmChurchInfo"});
        grabIfAsked(MainMod::MainWindow(), QStringLiteral("mdi-loggedin"));
        for (QMenu* menu : MainMod::MainWindow()->findChildren<QMenu*>()) {
            menu->popup(QPoint(0, 0));
            grabIfAsked(menu, QStringLiteral("menu-") + menu->objectName());
            menu->hide();
        }
        MainMod::MainWindow()->runCommand(QStringLiteral("LogOff"));
        QVERIFY(!enabled(QStringLiteral("Names")));
        QCOMPARE(openScreens(), (QStringList{"frmChurchInfo", "frmLogin"})); // open screens stay
        QCOMPARE(MainMod::CurrentUsername, QStringLiteral("admin"));
    }

    void secondInstanceIsRefused()
    {
        TestDatabase tdb;
        MainDatabase.execute(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES ('First', 1)"));
        ScriptedMessages messages;
        const QString config = tdb.folder() + QStringLiteral("/config.txt");
        writeConfig(config, tdb.path());
        MainMod::SetConfigFilePath(config);
        MainDatabase.close();
        QLockFile running(MainMod::InstanceLockPath()); // the copy already running
        QVERIFY(running.tryLock(0));
        int code = -1;
        QVERIFY(!MainMod::Start(code));
        QCOMPARE(code, 0);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("This application is already running."));
        QCOMPARE(messages.last().title, QStringLiteral("Application Already Running"));
        QCOMPARE(messages.last().icon, Messages::Icon::None);
        QCOMPARE(MainMod::KeyPressDelay, 1.0); // the steps before the check ran all the same
        running.unlock();
    }

    void startUpFailuresNameTheFile()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        const QString config = tdb.folder() + QStringLiteral("/config.txt");
        MainMod::SetConfigFilePath(config);
        MainDatabase.close();
        int code = 0;
        QVERIFY(!MainMod::Start(code)); // no config.txt
        QCOMPARE(code, 1);
        QVERIFY(messages.last().text.contains(config));

        const QString missing = tdb.folder() + QStringLiteral("/moved.db");
        writeConfig(config, missing);
        QVERIFY(!MainMod::Start(code));
        QVERIFY(messages.last().text.contains(missing));
        QCOMPARE(messages.last().icon, Messages::Icon::Critical);
        QVERIFY(!QFile::exists(missing));
        QVERIFY(MainMod::MainWindow() == nullptr);
    }

    void closeAndExitClosesTheDatabase()
    {
        TestDatabase tdb;
        MainMod::CloseAndExit();
        QVERIFY(!MainDatabase.isOpen());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
