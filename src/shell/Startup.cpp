#include "Startup.h"

#include "MDI.h"
#include "ScreenRegistry.h"
#include "frmLogin.h"

#include "admin/frmChurchInfo.h"
#include "core/MainMod.h"
#include "core/StartupError.h"
#include "platform/Messages.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLockFile>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Kov's own icon on the main window and every screen's title bar. Outside any namespace, as the resource
// initialiser must be.
static void useKovIcon()
{
    Q_INIT_RESOURCE(kov);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 256})
        icon.addFile(QStringLiteral(":/kov/kov-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

// Qt ends the program with exit() when its display goes away, and exit() destroys globals in the reverse order of
// their making. The holders of the connection and of the lock are made before the Qt globals they use, so they would
// be destroyed after them and call into what is gone. A handler registered as soon as each is held runs before any
// global made earlier is destroyed, and lets it go in time. On the other ways out Shutdown has let both go already.
namespace MainMod {

namespace {
QPointer<MDI>& mainWindow()
{
    static QPointer<MDI> window;
    return window;
}

std::unique_ptr<QLockFile>& instanceLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

// Started before main runs, so the start-up time includes making the application object.
struct StartupClock {
    StartupClock() { timer.start(); }
    QElapsedTimer timer;
} startupClock;

// With KOV_STARTUP_TIMING set, the program prints how long it took to paint the log-in window, then ends: the
// benchmark starts it as a user would and reads the figure.
class StartupTiming : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            std::printf("kov: log-in window shown after %.1f ms\n", startupClock.timer.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            QMetaObject::invokeMethod(
                qApp, [] { CloseAndExit(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_reported = false;
};

void startupFailed(const QString& message)
{
    Messages::show(message, QStringLiteral("Kov"), Messages::Icon::Critical);
}
} // namespace

MDI* MainWindow()
{
    return mainWindow();
}

QString InstanceLockPath()
{
    // One lock per installed program, like the old one-instance test.
    const QByteArray key =
        QCryptographicHash::hash(QCoreApplication::applicationFilePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(QDir::tempPath()).filePath(QStringLiteral("kov-%1.lock").arg(QString::fromLatin1(key.left(16))));
}

bool AnotherInstanceRunning()
{
    if (instanceLock())
        return false;
    auto lock = std::make_unique<QLockFile>(InstanceLockPath());
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return true;
    instanceLock() = std::move(lock);
    static const int releasing = std::atexit([] { ReleaseInstanceLock(); });
    Q_UNUSED(releasing);
    return false;
}

void ReleaseInstanceLock()
{
    instanceLock().reset();
}

void Shutdown()
{
    // The connection is a global that outlives the application object; Qt's SQL globals are gone by the time its
    // destructor would close it. So everything ends here, on every way out, while the application still lives.
    delete mainWindow();
    ScreenRegistry::setArea(nullptr);
    MainDatabase.close();
    ReleaseInstanceLock();
}

int Main()
{
    int exitCode = 0;
    if (Start(exitCode))
        exitCode = QApplication::exec();
    Shutdown();
    return exitCode;
}

bool Start(int& exitCode)
{
    exitCode = 1;
    Twips::applyDesignFont();
    useKovIcon();
    try {
        ReadConfig();
        ConnectDatabase();
        static const int closing = std::atexit([] { MainDatabase.close(); });
        Q_UNUSED(closing);
    } catch (const StartupError& error) {
        startupFailed(error.message());
        return false;
    } catch (const DbError& error) {
        startupFailed(error.message());
        return false;
    }

    // The church screen opens as a child of the main window, so the window exists before the church row is read.
    auto* mdi = new MDI;
    mdi->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow() = mdi;
    ScreenRegistry::setArea(mdi->area());
    NoChurchRow = [] { ScreenRegistry::load<frmChurchInfo>(); };
    try {
        LoadChurchInfo();
    } catch (const DbError& error) {
        startupFailed(error.message());
        delete mdi;
        return false;
    }

    if (AnotherInstanceRunning()) {
        Messages::show(QStringLiteral("This application is already running."),
                       QStringLiteral("Application Already Running"));
        delete mdi;
        exitCode = 0;
        return false;
    }

    mdi->show();
    mdi->setLoggedIn(false);
    frmLogin* login = ScreenRegistry::load<frmLogin>();
    if (login && qEnvironmentVariableIsSet("KOV_STARTUP_TIMING"))
        login->installEventFilter(new StartupTiming(login));
    exitCode = 0;
    return true;
}

void CloseAndExit()
{
    MainDatabase.close();
    QCoreApplication::exit(0);
}

} // namespace MainMod
