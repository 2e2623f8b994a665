#include "ChurchChecks.h"

#include "core/MainMod.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace ChurchChecks {

int run(const QString& program, const QStringList& arguments, QByteArray* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(240000);
    if (output)
        *output = process.readAll();
    if (!finished || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

QDate makeOnOneDay(const QList<QStringList>& runs)
{
    for (;;) {
        for (const QStringList& arguments : runs)
            QFile::remove(arguments.last());
        const QDate day = QDate::currentDate();
        for (const QStringList& arguments : runs)
            if (run(qEnvironmentVariable("KOV_NEWDB"), arguments) != 0)
                return QDate();
        if (QDate::currentDate() == day)
            return day;
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void openKov(const QString& path)
{
    MainMod::MainDatabase.close();
    MainMod::DatabasePath = path;
    MainMod::ConnectDatabase();
}

int count(const QString& sql, const SqlParams& params)
{
    return MainMod::MainDatabase.scalar(sql, params).toInt();
}

void addReferenceRows()
{
    QTest::addColumn<QString>("sql");
    for (const Reference& r : kReferences) {
        const QString sql =
            QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" IS NOT NULL "
                           "AND \"%2\" NOT IN (SELECT \"%4\" FROM \"%3\")")
                .arg(QLatin1String(r.table), QLatin1String(r.column), QLatin1String(r.parent), QLatin1String(r.key));
        QTest::addRow("%s.%s", r.table, r.column) << sql;
    }
    // Every person as the member screen would save them: the fields it requires are all filled.
    QTest::addRow("Member required fields")
        << QStringLiteral("SELECT COUNT(*) FROM Member WHERE IFNULL(Status, '') = '' OR IFNULL(Last_Name, '') = '' "
                          "OR IFNULL(First_Name, '') = '' OR IFNULL(Member_Active_Status, '') = '' "
                          "OR IFNULL(Prospect_Active_Status, '') = ''");
}

} // namespace ChurchChecks
