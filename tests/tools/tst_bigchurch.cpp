#include "support/ChurchChecks.h"

#include "core/MainMod.h"
#include "core/Passwords.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using ChurchChecks::count;
using ChurchChecks::fileBytes;
using ChurchChecks::openKov;
using MainMod::MainDatabase;

namespace {

const QString kPassword = QStringLiteral("secret");

int runNewDb(const QStringList& arguments)
{
    return ChurchChecks::run(qEnvironmentVariable("KOV_NEWDB"), arguments);
}

QStringList church(const QString& path, int people, const QString& seed, const QString& years = QStringLiteral("10"))
{
    return {QStringLiteral("--demo"),
            QStringLiteral("--people"),
            QString::number(people),
            QStringLiteral("--seed"),
            seed,
            QStringLiteral("--years"),
            years,
            QStringLiteral("--password"),
            kPassword,
            path};
}

int makeChurch(const QString& path, int people, const QString& seed)
{
    return runNewDb(church(path, people, seed));
}

// Every row that makes up the church, passwords aside (their salt is new on every run).
QString fingerprint()
{
    const char* const tables[] = {
        "Member",          "Family_Connection",    "Sunday_School",         "Discipleship_Training",
        "Wednesday_Night", "Care_Group",           "Member_Responsibility", "Member_Organizations",
        "AttendanceData",  "Member_Contributions", "Prospect_Contact",      "UserPermission"};
    QString all;
    for (const char* table : tables) {
        QStringList quoted;
        Recordset columns = MainDatabase.openRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"),
                                                       {QString::fromLatin1(table)});
        for (; !columns.Eof(); columns.MoveNext())
            quoted << QStringLiteral("quote(\"%1\")").arg(columns.Text(QStringLiteral("name")));
        all +=
            MainDatabase
                .scalar(QStringLiteral("SELECT group_concat(r, '|') FROM (SELECT %1 AS r FROM \"%2\" ORDER BY rowid)")
                            .arg(quoted.join(QStringLiteral(" || ',' || ")), QLatin1String(table)))
                .toString();
    }
    all += MainDatabase.scalar(QStringLiteral("SELECT group_concat(Member_ID || Username || Type, '|') FROM User"))
               .toString();
    return all;
}

// The head of household of a person: themselves when they head one, else the head of their link.
const QString kHeadOf =
    QStringLiteral("(SELECT CASE WHEN h.Head_Of_Household <> 0 THEN h.ID ELSE "
                   "(SELECT f.Member_ID FROM Family_Connection f WHERE f.Relative_Member_ID = h.ID) "
                   "END FROM Member h WHERE h.ID = %1)");

} // namespace

class TestBigChurch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(qEnvironmentVariable("KOV_NEWDB")), "KOV_NEWDB names no program");
        QVERIFY(m_dir.isValid());
        m_church = m_dir.filePath(QStringLiteral("church.db"));
        m_again = m_dir.filePath(QStringLiteral("again.db"));
        m_other = m_dir.filePath(QStringLiteral("other.db"));
        // The same seed again, and another seed over a shorter span.
        m_today = ChurchChecks::makeOnOneDay({church(m_church, kPeople, QStringLiteral("7")),
                                              church(m_again, kPeople, QStringLiteral("7")),
                                              church(m_other, kPeople, QStringLiteral("8"), QStringLiteral("2"))});
        QVERIFY(m_today.isValid());
    }

    void cleanup() { MainDatabase.close(); }

    void referencesResolve_data() { ChurchChecks::addReferenceRows(); }

    void referencesResolve()
    {
        QFETCH(QString, sql);
        openKov(m_church);
        QCOMPARE(count(sql), 0);
    }

    void holdsTheWholeChurch()
    {
        openKov(m_church);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE ID <> 1")), kPeople);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Church")), 1);
        for (const char* status : {"Member", "Child Of Member", "Previous Member", "Prospect"})
            QVERIFY2(
                count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Status = ?"), {QString::fromUtf8(status)}) > 0,
                status);
        for (const char* status : {"Active", "InActive", "Joined"})
            QVERIFY2(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Prospect_Active_Status = ?"),
                           {QString::fromUtf8(status)}) > 0,
                     status);
        // About one class of each kind per 40 people, each with its teachers, who are active members.
        for (const char* table : {"Sunday_School", "Discipleship_Training", "Wednesday_Night"}) {
            const int classes = count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
            QVERIFY2(classes >= kPeople / 80 && classes <= kPeople / 20, table);
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM %1 c WHERE NOT EXISTS (SELECT 1 FROM Member m WHERE "
                                          "m.ID = c.Teacher AND m.Member_Active_Status = 'Active') OR c.Asst_Teacher "
                                          "IS NULL OR c.Teacher = c.Asst_Teacher")
                               .arg(QLatin1String(table))),
                     0);
        }
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Care_Group")) > 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Care_Group WHERE Group_Leader IS NULL "
                                      "OR Asst_Group_Leader IS NULL OR Group_Leader = Asst_Group_Leader")),
                 0);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member_Organizations")) > 0);
        // The administrator and the office helpers log in with the password given.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM User WHERE Type = 'Admin'")), 1);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM User u WHERE Type = 'User' AND EXISTS "
                                     "(SELECT 1 FROM UserPermission p WHERE p.MemberID = u.Member_ID)")) > 0);
        for (Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Password FROM User")); !rs.Eof();
             rs.MoveNext())
            QVERIFY(Passwords::matches(kPassword, rs.Text(QStringLiteral("Password"))));
    }

    void familiesLinkToTheirHead()
    {
        openKov(m_church);
        // Every relative has exactly one link, made on the head of the household.
        QCOMPARE(
            count(QStringLiteral("SELECT COUNT(*) FROM Member m WHERE m.ID <> 1 AND m.Head_Of_Household = 0 AND "
                                 "(SELECT COUNT(*) FROM Family_Connection f WHERE f.Relative_Member_ID = m.ID) <> 1")),
            0);
        QCOMPARE(
            count(QStringLiteral("SELECT COUNT(*) FROM Family_Connection f WHERE f.Member_ID = f.Relative_Member_ID "
                                 "OR f.Member_ID NOT IN (SELECT ID FROM Member WHERE Head_Of_Household <> 0) "
                                 "OR f.Relative_Member_ID IN (SELECT ID FROM Member WHERE Head_Of_Household <> 0)")),
            0);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Family_Connection")) > kPeople / 3);
    }

    void attendanceIsWeeklyForTenYears()
    {
        openKov(m_church);
        const QDate today = m_today;
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE strftime('%w', WeekOf) <> '0' "
                                      "OR WeekOf > ?"),
                       {today}),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM AttendanceData GROUP BY MemberID, WeekOf "
                                      "HAVING COUNT(*) > 1)")),
                 0);
        // The searches' indexes are in place after the load.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name IN "
                                      "('AttendanceData_MemberWeek', 'AttendanceData_Week')")),
                 2);
        QCOMPARE(
            count(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE SS + SL + RBD + WS + DT + SE + WN = 0")),
            0);
        // Marks in every category, and classes' marks only for those in a class of that kind.
        for (const char* mark : {"SS", "SL", "RBD", "WS", "DT", "SE", "WN"})
            QVERIFY2(
                count(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE %1 <> 0").arg(QLatin1String(mark))) > 0,
                mark);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AttendanceData a JOIN Member m ON m.ID = a.MemberID "
                                      "WHERE (a.DT <> 0 AND m.Discipleship_Training_Class IS NULL) "
                                      "OR (a.WN <> 0 AND m.Wednesday_Night_Class IS NULL)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT WeekOf) FROM AttendanceData")), 520);
        const QDate sunday = today.addDays(-(today.dayOfWeek() % 7));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT MIN(WeekOf) FROM AttendanceData")).toString(),
                 sunday.addDays(-7 * 519).toString(Qt::ISODate));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT MAX(WeekOf) FROM AttendanceData")).toString(),
                 sunday.toString(Qt::ISODate));
        const double share =
            count(QStringLiteral("SELECT COUNT(DISTINCT MemberID) FROM AttendanceData")) / double(kPeople);
        QVERIFY2(share > 0.5 && share < 0.8, qPrintable(QString::number(share)));
    }

    void givingHasOneEnvelopePerGiver()
    {
        openKov(m_church);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Envelope FROM Member WHERE Envelope <> '' "
                                      "GROUP BY Envelope HAVING COUNT(*) > 1)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions c JOIN Member m ON m.ID = c.MemberID "
                                      "WHERE c.EnvelopeNumber <> m.Envelope OR m.ShowInContributionList <> 1 "
                                      "OR c.Amount <= 0 OR c.ContributionDate > ?"),
                       {m_today}),
                 0);
        QVERIFY(count(QStringLiteral("SELECT COUNT(DISTINCT Designation) FROM Member_Contributions")) >= 3);
        // About ten gifts a year from each giver.
        const double perYear = count(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions")) /
                               double(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Envelope <> ''"))) / 10;
        QVERIFY2(perYear > 6 && perYear < 14, qPrintable(QString::number(perYear)));
    }

    void deaconsAndProspectsKeepTheirRules()
    {
        openKov(m_church);
        const QDate today = m_today;
        // Member households are cared for by a serving deacon from another household.
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE DeaconID IS NOT NULL")) > kPeople / 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE DeaconID IS NOT NULL AND DeaconID NOT IN "
                                      "(SELECT Member_ID FROM Member_Responsibility WHERE Responsibility = 'Deacon' "
                                      "AND \"Start\" <= ? AND \"End\" >= ?)"),
                       {today, today}),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member m WHERE m.DeaconID IS NOT NULL AND %1 = %2")
                           .arg(kHeadOf.arg(QStringLiteral("m.ID")), kHeadOf.arg(QStringLiteral("m.DeaconID")))),
                 0);
        // The next step is whole or absent; active prospects have one; contacts lie in the past.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE (Prospect_Phase IS NULL) "
                                      "+ (Prospect_Next_Contact_Date IS NULL) + (Prospect_Next_Contact_Action IS NULL) "
                                      "+ (Prospect_Next_Contact_Type IS NULL) NOT IN (0, 4)")),
                 0);
        QVERIFY(count(QStringLiteral(
                    "SELECT COUNT(*) FROM Member WHERE Status = 'Prospect' "
                    "AND Prospect_Active_Status = 'Active' AND Prospect_Next_Contact_Date IS NOT NULL")) > 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Prospect_Next_Contact_Date IS NOT NULL AND "
                                      "(Status <> 'Prospect' OR Prospect_Active_Status <> 'Active')")),
                 0);
        QCOMPARE(
            // Prospects, and members who joined through outreach, have their contacts.
            count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE (Status = 'Prospect' OR Prospect_Active_Status "
                                 "IN ('Active', 'Joined')) AND ID NOT IN (SELECT Prospect_ID FROM Prospect_Contact)")),
            0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact WHERE Contact_Date > ? "
                                      "OR Visitor1 = Visitor2 OR (Action = 'Visit') <> (Visitor2 IS NOT NULL)"),
                       {today}),
                 0);
    }

    // The same seed gives the same rows; another seed and a shorter span give another church.
    void seedMakesTheChurch()
    {
        openKov(m_church);
        const QString first = fingerprint();
        QVERIFY(first.size() > 100000);
        openKov(m_again);
        QVERIFY(fingerprint() == first);
        openKov(m_other);
        QVERIFY(fingerprint() != first);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT WeekOf) FROM AttendanceData")), 104);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions WHERE ContributionDate < ?"),
                       {m_today.addYears(-2)}),
                 0);
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList demo{QStringLiteral("--demo"), QStringLiteral("--password"), kPassword};
        QTest::newRow("no people") << demo + QStringList{QStringLiteral("--people"), QStringLiteral("0")};
        QTest::newRow("negative people") << demo + QStringList{QStringLiteral("--people=-5")};
        QTest::newRow("negative people, apart") << demo + QStringList{QStringLiteral("--people"), QStringLiteral("-5")};
        QTest::newRow("words for people") << demo + QStringList{QStringLiteral("--people"), QStringLiteral("many")};
        QTest::newRow("people and words") << demo + QStringList{QStringLiteral("--people"), QStringLiteral("12x")};
        QTest::newRow("no years") << demo + QStringList{QStringLiteral("--people"), QStringLiteral("10"),
                                                        QStringLiteral("--years"), QStringLiteral("0")};
        QTest::newRow("words for a seed") << demo + QStringList{QStringLiteral("--people"), QStringLiteral("10"),
                                                                QStringLiteral("--seed"), QStringLiteral("abc")};
        QTest::newRow("people without demo")
            << QStringList{QStringLiteral("--password"), kPassword, QStringLiteral("--people"), QStringLiteral("10")};
        QTest::newRow("years without people") << demo + QStringList{QStringLiteral("--years"), QStringLiteral("3")};
    }

    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        const QString path = m_dir.filePath(QStringLiteral("refused.db"));
        QCOMPARE(runNewDb(arguments << path), 2);
        QVERIFY(!QFile::exists(path));
    }

    void leavesAnExistingFileAlone()
    {
        const QByteArray before = fileBytes(m_church);
        QCOMPARE(makeChurch(m_church, 20, QStringLiteral("1")), 2);
        QCOMPARE(fileBytes(m_church), before);
    }

    // The benchmark runs every operation on a small church without failing; its figures are not judged here.
    void benchmarkRunsEndToEnd()
    {
        const QString bench = qEnvironmentVariable("KOV_BENCH");
        QVERIFY2(QFile::exists(bench), "KOV_BENCH names no program");
        const QByteArray before = fileBytes(m_church);
        QByteArray output;
        QCOMPARE(ChurchChecks::run(bench, {QStringLiteral("--runs"), QStringLiteral("2"), m_church}, &output), 0);
        for (const char* operation :
             {"Start-up to the log-in window", "Log-in", "Open User Entry", "Open Sunday School Class Entry",
              "Open Care Group Entry", "Delete an attendance level in use"})
            QVERIFY2(output.contains(operation), operation);
        QVERIFY2(!output.contains("FAILED"), output.constData());
        QVERIFY(output.contains("Median ms"));
        // It works on a copy.
        QCOMPARE(fileBytes(m_church), before);
    }

    void benchmarkRefusesOtherFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("says");
        QTest::newRow("text") << QByteArray("not a database\n") << QStringLiteral("is not a Kov database");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
    }

    void benchmarkRefusesOtherFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, says);
        const QString path = m_dir.filePath(QStringLiteral("other.txt"));
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QByteArray output;
        QCOMPARE(ChurchChecks::run(qEnvironmentVariable("KOV_BENCH"), {path}, &output), 2);
        QVERIFY2(output.contains(says.toUtf8()), output.constData());
    }

    void benchmarkRefusesAnotherSqliteDatabase()
    {
        const QString path = m_dir.filePath(QStringLiteral("plain.sqlite"));
        {
            Database db;
            db.create(path);
            db.execute(QStringLiteral("CREATE TABLE t (x)"));
        }
        QByteArray output;
        QCOMPARE(ChurchChecks::run(qEnvironmentVariable("KOV_BENCH"), {path}, &output), 2);
        QVERIFY2(output.contains("is not a Kov database"), output.constData());
    }

private:
    static constexpr int kPeople = 300;
    QTemporaryDir m_dir;
    QString m_church;
    QString m_again;
    QString m_other;
    QDate m_today; // the day the churches were made
};

QTEST_MAIN(TestBigChurch)
#include "tst_bigchurch.moc"
