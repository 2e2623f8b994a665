// Start-up and log-in.

#include "Bench.h"

#include "core/MainMod.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"
#include "shell/frmLogin.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <memory>

namespace {

// The program runs from a folder of its own with a config.txt naming the benchmark's database, as an office
// installs it; the settings beside the real program are never touched.
QString installedCopy()
{
    const Bench::Context& c = Bench::context();
    const QDir folder(QDir(c.folder).filePath(QStringLiteral("kov")));
    const QString program = folder.filePath(QStringLiteral("kov"));
    if (QFile::exists(program))
        return program;
    if (!QFile::exists(c.program))
        throw Bench::Failure(QStringLiteral("no program at %1").arg(c.program));
    QDir().mkpath(folder.path());
    if (!QFile::copy(c.program, program))
        throw Bench::Failure(QStringLiteral("cannot copy %1").arg(c.program));
    QFile config(folder.filePath(QStringLiteral("config.txt")));
    if (!config.open(QIODevice::WriteOnly))
        throw Bench::Failure(QStringLiteral("cannot write %1").arg(config.fileName()));
    QString text =
        QStringLiteral("\"Kov settings\"\nDatabase,\"%1\"\nPictures,\"%2/\"\n").arg(c.databasePath, folder.path());
    for (const char* show : {"SS", "SL", "RBD", "WS", "DT", "SE", "WN"})
        text += QStringLiteral("Show %1,Yes\n").arg(QLatin1String(show));
    config.write(text.toUtf8());
    return program;
}

std::unique_ptr<QProcess> started; // the program of the run under way

const bool startUp = Bench::add({
    .name = QStringLiteral("Start-up to the log-in window"),
    .kind = Bench::Kind::Absolute,
    .budgetMs = 1000,
    .setUp =
        [] {
            auto p = std::make_unique<QProcess>();
            p->setProgram(installedCopy());
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("KOV_STARTUP_TIMING"), QStringLiteral("1"));
            if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
                env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            p->setProcessEnvironment(env);
            p->setProcessChannelMode(QProcess::SeparateChannels);
            started = std::move(p);
        },
    // From starting the program to the moment it says the log-in window is painted.
    .run =
        [] {
            QProcess& p = *started;
            p.start();
            QByteArray out;
            while (!out.contains("log-in window shown")) {
                if (!p.waitForReadyRead(10000))
                    throw Bench::Failure(QStringLiteral("kov did not show its log-in window: %1")
                                             .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed()));
                out += p.readAllStandardOutput();
            }
        },
    .raw = {},
    .tearDown =
        [] {
            QProcess& p = *started;
            if (!p.waitForFinished(10000))
                p.kill();
            p.waitForFinished();
            started.reset();
        },
});

frmLogin* login()
{
    return ScreenRegistry::find<frmLogin>();
}

const bool logIn = Bench::add({
    .name = QStringLiteral("Log-in"),
    .kind = Bench::Kind::Absolute,
    .budgetMs = 100,
    .setUp =
        [] {
            Bench::closeScreens();
            Bench::context().mdi->LogOff_Click();
            if (!login())
                throw Bench::Failure(QStringLiteral("Log Off did not show the log-in window"));
            login()->findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(Bench::context().userName);
            login()->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(Bench::context().password);
            MainMod::CurrentUserID = 0;
            Bench::context().messages.clear();
        },
    .run =
        [] {
            login()->findChild<QPushButton*>(QStringLiteral("btnLogin"))->click();
            if (MainMod::CurrentUserID == 0 || !Bench::context().messages.isEmpty())
                throw Bench::Failure(QStringLiteral("log-in failed: %1").arg(Bench::context().messages.join(u' ')));
        },
    .raw =
        [] {
            Bench::fetchAll(QStringLiteral("SELECT Member_ID, Type, Username, Password FROM User WHERE Username = ? "
                                           "AND Inactive = 0"),
                            {Bench::context().userName});
        },
    .tearDown = [] { Bench::closeScreens(); },
});

} // namespace
