#include "support/TestDatabase.h"

#include "core/MainMod.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

// Reads what the program writes until a line appears; false at once when the program ends first or the driver
// could not be loaded into it.
bool waitForLine(QProcess& process, const QByteArray& line, QByteArray& output)
{
    QElapsedTimer waited;
    waited.start();
    while (!output.contains(line) && waited.elapsed() < 30000) {
        process.waitForReadyRead(200);
        output += process.readAllStandardError();
        if (process.state() == QProcess::NotRunning || output.contains("cannot be preloaded"))
            break;
    }
    return output.contains(line);
}

// A copy of the program in a folder of its own, with its settings file beside it, started as a real process with
// the test driver loaded into it.
class Installed {
public:
    explicit Installed(const QString& databasePath)
    {
        m_program = m_dir.filePath(QStringLiteral("kov"));
        QFile::copy(qEnvironmentVariable("KOV_PROGRAM"), m_program);
        // The loader splits its preload list at blanks, so the driver goes where the path has none.
        m_driver = m_dir.filePath(QStringLiteral("libkovdriver.so"));
        QFile::copy(qEnvironmentVariable("KOV_DRIVER"), m_driver);
        QFile config(m_dir.filePath(QStringLiteral("config.txt")));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("\"Kov\"\nDatabase,\"%1\"\nPictures,/tmp/\nSS,Yes\nSL,Yes\nRBD,Yes\nWS,Yes\n"
                                    "DT,Yes\nSE,Yes\nWN,Yes\n")
                         .arg(databasePath)
                         .toUtf8());
    }

    // Starts the program and waits for the driver inside it to say so. False when either is missing.
    bool start(QProcess& process, QByteArray& output) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), m_driver);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("KOV_DRIVER_CLOSE_ON"), closeSignal());
        process.setProcessEnvironment(environment);
        process.setReadChannel(QProcess::StandardError);
        process.start(m_program, {});
        return process.waitForStarted(30000) && waitForLine(process, "DRIVER", output);
    }

    // Once this file exists, the driver closes the program's main window by its close button, or ends the program
    // with exit() as Qt does when the display goes away.
    QString closeSignal() const { return m_dir.filePath(QStringLiteral("close-now")); }
    void closeMainWindow(bool byExit = false) const
    {
        QFile signal(closeSignal());
        signal.open(QIODevice::WriteOnly);
        signal.write(byExit ? "exit" : "");
    }

private:
    QTemporaryDir m_dir;
    QString m_program;
    QString m_driver;
};

QStringList messagesOf(const QByteArray& output)
{
    QStringList shown;
    for (const QString& line : QString::fromUtf8(output).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("MESSAGE ")))
            shown << line.mid(8);
    return shown;
}

} // namespace

class TestExit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(qEnvironmentVariable("KOV_PROGRAM")), "KOV_PROGRAM names no program");
        QVERIFY2(QFile::exists(qEnvironmentVariable("KOV_DRIVER")), "KOV_DRIVER names no library");
    }

    void endsCleanly_data()
    {
        QTest::addColumn<bool>("churchTable");
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("main window closed by its close button") << true << false << 0 << QString();
        QTest::newRow("start-up failure after the connection opened") << false << false << 1 << "Kov|";
        QTest::newRow("display gone: Qt's exit(1) from the event loop") << true << true << 1 << QString();
    }
    void endsCleanly()
    {
        QFETCH(bool, churchTable);
        QFETCH(bool, byExit);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestDatabase tdb;
        if (!churchTable)
            MainDatabase.execute(QStringLiteral("DROP TABLE Church"));
        MainDatabase.close();
        Installed kov(tdb.path());
        kov.closeMainWindow(byExit);
        QProcess process;
        QByteArray output;
        QVERIFY2(kov.start(process, output), output.constData());
        QVERIFY(process.waitForFinished(30000));
        output += process.readAllStandardError();
        QVERIFY2(process.exitStatus() == QProcess::NormalExit, output.constData());
        QCOMPARE(process.exitCode(), exitCode);
        const QStringList shown = messagesOf(output);
        if (message.isEmpty()) {
            QVERIFY(output.contains("READY"));
            QCOMPARE(shown, QStringList());
        } else {
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown.first().startsWith(message));
        }
    }

    void secondCopyIsRefusedAndEndsCleanly()
    {
        TestDatabase tdb;
        MainDatabase.close();
        Installed kov(tdb.path());
        QProcess first;
        QByteArray firstOutput;
        QVERIFY2(kov.start(first, firstOutput), firstOutput.constData());
        QVERIFY2(waitForLine(first, "READY", firstOutput), firstOutput.constData());

        QProcess second;
        QByteArray output;
        QVERIFY2(kov.start(second, output), output.constData());
        QVERIFY(second.waitForFinished(30000));
        output += second.readAllStandardError();
        QVERIFY2(second.exitStatus() == QProcess::NormalExit, output.constData());
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(messagesOf(output), QStringList{"Application Already Running|This application is already running."});

        // The first copy runs on, until its main window is closed.
        QCOMPARE(first.state(), QProcess::Running);
        kov.closeMainWindow();
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
