// Each long write runs in a child process that kills itself with SIGKILL right after a chosen change to the
// database's files (kov-crashwriter, its KillingVfs). Opened again as the program opens it, the church must pass
// SQLite's integrity check and hold all of the write or none of it, at every point tried.
#include "support/ChurchChecks.h"

#include "core/MainMod.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

QString writer()
{
    return qEnvironmentVariable("KOV_CRASHWRITER");
}

struct Outcome {
    bool killed = false;
    int changes = 0;
    QByteArray output;
};

// Runs one write on a database; killAfter 0 lets it finish.
Outcome runWrite(const QString& name, const QString& path, int killAfter)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KOV_KILL_AFTER"), QString::number(killAfter));
    process.setProcessEnvironment(environment);
    process.start(writer(), {name, path});
    Outcome outcome;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        outcome.output = "did not finish";
        return outcome;
    }
    outcome.output = process.readAllStandardOutput() + process.readAllStandardError();
    outcome.killed = process.exitStatus() == QProcess::CrashExit;
    if (!outcome.killed && process.exitCode() == 0) {
        const int at = outcome.output.indexOf("CHANGES ");
        outcome.changes = at < 0 ? 0 : outcome.output.mid(at + 8).split('\n').first().toInt();
    }
    return outcome;
}

// A digest of every row of every table, sqlite_sequence included.
QByteArray contentDigest()
{
    QCryptographicHash digest(QCryptographicHash::Sha1);
    Recordset tables =
        MainDatabase.openRecordset(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    for (; !tables.Eof(); tables.MoveNext()) {
        const QString table = tables.Text(QStringLiteral("name"));
        QStringList quoted;
        Recordset columns =
            MainDatabase.openRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
        for (; !columns.Eof(); columns.MoveNext())
            quoted << QStringLiteral("quote(\"%1\")").arg(columns.Text(QStringLiteral("name")));
        const QString rows =
            MainDatabase
                .scalar(
                    QStringLiteral("SELECT group_concat(r, char(10)) FROM (SELECT %1 AS r FROM \"%2\" ORDER BY rowid)")
                        .arg(quoted.join(QStringLiteral(" || ',' || ")), table))
                .toString();
        digest.addData(table.toUtf8());
        digest.addData(rows.toUtf8());
    }
    return digest.result();
}

// Opens a database as the program does (a crashed write's journal is rolled back here), checks it and digests it.
QByteArray checkedDigest(const QString& path, QString* problem)
{
    ChurchChecks::openKov(path);
    const QString integrity = MainDatabase.scalar(QStringLiteral("PRAGMA integrity_check")).toString();
    if (integrity != QLatin1String("ok"))
        *problem = QStringLiteral("integrity check: ") + integrity;
    const QByteArray digest = contentDigest();
    MainDatabase.close();
    return digest;
}

// Every change when there are few, else the first and last few (the journal's start and the commit) and an even
// spread between.
QList<int> killPoints(int changes)
{
    QList<int> points;
    if (changes <= 24) {
        for (int k = 1; k <= changes; ++k)
            points << k;
        return points;
    }
    for (int k = 1; k <= 4; ++k)
        points << k << changes - 4 + k;
    for (int i = 1; i <= 16; ++i)
        points << 4 + i * (changes - 8) / 17;
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_church;

    QString copyOfChurch(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
        if (!QFile::copy(m_church, path))
            qFatal("could not copy the church");
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!writer().isEmpty());
        m_church = m_dir.filePath(QStringLiteral("church.db"));
        QByteArray output;
        QCOMPARE(ChurchChecks::run(qEnvironmentVariable("KOV_NEWDB"),
                                   {QStringLiteral("--demo"), QStringLiteral("--people"), QStringLiteral("1500"),
                                    QStringLiteral("--years"), QStringLiteral("2"), QStringLiteral("--password"),
                                    QStringLiteral("secret"), m_church},
                                   &output),
                 0);
    }

    void writeIsAllOrNothing_data()
    {
        QTest::addColumn<QString>("name");
        QProcess list;
        list.start(writer(), {QStringLiteral("--list")});
        QVERIFY(list.waitForFinished());
        for (const QByteArray& name : list.readAllStandardOutput().trimmed().split('\n'))
            QTest::newRow(name.constData()) << QString::fromUtf8(name);
    }

    void writeIsAllOrNothing()
    {
        QFETCH(QString, name);
        QString problem;
        const QByteArray before = checkedDigest(m_church, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const QString whole = copyOfChurch(QStringLiteral("whole.db"));
        const Outcome finished = runWrite(name, whole, 0);
        QVERIFY2(!finished.killed && finished.changes > 0, finished.output.constData());
        const QByteArray after = checkedDigest(whole, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(after != before, "the write changed nothing");

        int none = 0;
        int all = 0;
        for (int k : killPoints(finished.changes)) {
            const QString path = copyOfChurch(QStringLiteral("killed.db"));
            const Outcome killed = runWrite(name, path, k);
            const QByteArray where =
                QStringLiteral("killed after change %1 of %2").arg(k).arg(finished.changes).toUtf8();
            QVERIFY2(killed.killed, where + ": not killed: " + killed.output);
            const QByteArray digest = checkedDigest(path, &problem);
            QVERIFY2(problem.isEmpty(), where + ": " + problem.toUtf8());
            QVERIFY2(digest == before || digest == after, where + ": part of the write is stored");
            (digest == before ? none : all)++;
        }
        // Killed before its commit the write is gone; killed once the commit is on disk, it is all there.
        QVERIFY(none > 0);
        QVERIFY(all > 0);
        qInfo("%s: %d changes to the files; %d kills left none of it, %d all of it", qPrintable(name), finished.changes,
              none, all);
    }
};

QTEST_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
