#include "support/ChurchChecks.h"

#include "core/MainMod.h"
#include "core/Passwords.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using MainMod::MainDatabase;

using ChurchChecks::count;
using ChurchChecks::fileBytes;
using ChurchChecks::openKov;

namespace {

int runNewDb(const QStringList& arguments)
{
    return ChurchChecks::run(qEnvironmentVariable("KOV_NEWDB"), arguments);
}

} // namespace

class TestNewDb : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(qEnvironmentVariable("KOV_NEWDB")), "KOV_NEWDB names no program");
        QVERIFY(m_dir.isValid());
        m_demo = m_dir.filePath(QStringLiteral("demo.db"));
        m_again = m_dir.filePath(QStringLiteral("again.db"));
        m_today = ChurchChecks::makeOnOneDay(
            {{QStringLiteral("--demo"), QStringLiteral("--user"), QStringLiteral("admin"), QStringLiteral("--password"),
              QStringLiteral("secret"), m_demo},
             {QStringLiteral("--demo"), QStringLiteral("--password"), QStringLiteral("x"), m_again}});
        QVERIFY(m_today.isValid());
    }

    void cleanup() { MainDatabase.close(); }

    void createsADatabaseWithOneAdministrator()
    {
        const QString path = m_dir.filePath(QStringLiteral("plain.db"));
        QCOMPARE(runNewDb({QStringLiteral("--user"), QStringLiteral("admin"), QStringLiteral("--password"),
                           QStringLiteral("secret"), path}),
                 0);
        openKov(path);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM User")), 1);
        Recordset user = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM User"));
        QCOMPARE(user.Text(QStringLiteral("Type")), QStringLiteral("Admin"));
        QCOMPARE(user.Text(QStringLiteral("Username")), QStringLiteral("admin"));
        const QString stored = user.Text(QStringLiteral("Password"));
        QVERIFY(Passwords::isHashed(stored));
        QVERIFY(Passwords::matches(QStringLiteral("secret"), stored));
        QVERIFY(!Passwords::matches(QStringLiteral("secrets"), stored));
        const qint64 memberId = user.Id(QStringLiteral("Member_ID"));
        QVERIFY(memberId != 1); // not the stand-by person
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE ID = ?"), {memberId}), 1);
    }

    void refusesToOverwriteOrToStartWithoutAPassword()
    {
        const QByteArray before = fileBytes(m_demo);
        QVERIFY(!before.isEmpty());
        QVERIFY(runNewDb({QStringLiteral("--password"), QStringLiteral("other"), m_demo}) != 0);
        QVERIFY(runNewDb({QStringLiteral("--demo"), QStringLiteral("--password"), QStringLiteral("other"), m_demo}) !=
                0);
        QCOMPARE(fileBytes(m_demo), before);

        const QString path = m_dir.filePath(QStringLiteral("nopassword.db"));
        QVERIFY(runNewDb({QStringLiteral("--user"), QStringLiteral("admin"), path}) != 0);
        QVERIFY(!QFile::exists(path));
        QVERIFY(runNewDb({QStringLiteral("--password"), QStringLiteral("   "), path}) != 0);
        QVERIFY(!QFile::exists(path));
    }

    void demoIsASmallLivingChurch()
    {
        openKov(m_demo);
        QVERIFY(MainMod::LoadChurchInfo());
        QVERIFY(!MainMod::ChurchName.isEmpty());
        QVERIFY(MainMod::KeyPressDelay > 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Church")), 1);

        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member")) >= 50);
        for (const char* status : {"Member", "Child Of Member", "Previous Member"})
            QVERIFY2(
                count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Status = ?"), {QString::fromUtf8(status)}) > 0,
                status);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Status = 'Prospect' "
                                     "AND Prospect_Active_Status = 'Active'")) >= 5);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Head_Of_Household = 1")) >= 12);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Family_Connection")) >= 20);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Sunday_School")) >= 4);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Discipleship_Training")) >= 2);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Wednesday_Night")) >= 2);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Care_Group")) >= 3);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Sunday_School_Class IS NOT NULL")) >= 20);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Care_Group_Assigned IS NOT NULL")) >= 20);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Responsibility = 'Deacon'")) >=
                3);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE DeaconID IS NOT NULL")) >= 20);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member_Organizations")) > 0);
        QVERIFY(count(QStringLiteral("SELECT COUNT(DISTINCT WeekOf) FROM AttendanceData")) >= 12);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions")) >= 50);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact")) >= 10);

        // Every class and group has its teachers or leaders.
        for (const char* table : {"Sunday_School", "Discipleship_Training", "Wednesday_Night"})
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Teacher IS NULL OR Asst_Teacher IS NULL")
                               .arg(QLatin1String(table))),
                     0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Care_Group WHERE Group_Leader IS NULL "
                                      "OR Asst_Group_Leader IS NULL OR Sunday_School_Class IS NULL")),
                 0);

        // The administrator's account belongs to an active member of the church.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM User u JOIN Member m ON m.ID = u.Member_ID WHERE "
                                      "u.Type = 'Admin' AND m.ID <> 1 AND m.Status = 'Member' "
                                      "AND m.Member_Active_Status = 'Active'")),
                 1);
    }

    void demoReferencesResolve_data() { ChurchChecks::addReferenceRows(); }

    void demoReferencesResolve()
    {
        QFETCH(QString, sql);
        openKov(m_demo);
        QCOMPARE(count(sql), 0);
    }

    void demoRowsKeepTheirRules()
    {
        openKov(m_demo);
        const QDate today = m_today;
        // Households are cared for by serving deacons.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE DeaconID IS NOT NULL AND DeaconID NOT IN "
                                      "(SELECT Member_ID FROM Member_Responsibility WHERE Responsibility = 'Deacon' "
                                      "AND \"Start\" <= ? AND \"End\" >= ?)"),
                       {today, today}),
                 0);
        // Attendance: one row per member and Sunday, none empty, none ahead of today.
        QCOMPARE(
            count(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE SS + SL + RBD + WS + DT + SE + WN = 0")),
            0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE strftime('%w', WeekOf) <> '0' "
                                      "OR WeekOf > ?"),
                       {today}),
                 0);
        // Prospects: the next step is whole or absent, and everyone we are pursuing has been contacted.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE (Prospect_Phase IS NULL) "
                                      "+ (Prospect_Next_Contact_Date IS NULL) + (Prospect_Next_Contact_Action IS NULL) "
                                      "+ (Prospect_Next_Contact_Type IS NULL) NOT IN (0, 4)")),
                 0);
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Status = 'Prospect' "
                                     "AND Prospect_Next_Contact_Date IS NOT NULL")) > 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Status = 'Prospect' AND ID NOT IN "
                                      "(SELECT Prospect_ID FROM Prospect_Contact)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact WHERE Contact_Date > ? "
                                      "OR Visitor1 = Visitor2 OR Prospect_ID NOT IN "
                                      "(SELECT ID FROM Member WHERE Status = 'Prospect')"),
                       {today}),
                 0);
        // Giving: envelopes are unique and every gift carries its giver's envelope.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT Envelope FROM Member WHERE Envelope <> '' "
                                      "GROUP BY Envelope HAVING COUNT(*) > 1)")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions c JOIN Member m ON m.ID = c.MemberID "
                                      "WHERE c.EnvelopeNumber <> m.Envelope OR m.ShowInContributionList <> 1 "
                                      "OR c.Amount <= 0 OR c.ContributionDate > ?"),
                       {today}),
                 0);
        // Relatives hang off their head of household, never off themselves.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Family_Connection WHERE Member_ID = Relative_Member_ID "
                                      "OR Member_ID NOT IN (SELECT ID FROM Member WHERE Head_Of_Household = 1)")),
                 0);
    }

    // Same seed, same day: the same church, whatever the order a hash happens to iterate in.
    void demoIsRepeatable()
    {
        const QString fingerprint = QStringLiteral(
            "SELECT (SELECT group_concat(ID || Last_Name || First_Name || ifnull(Sunday_School_Class, '') "
            "|| ifnull(Care_Group_Assigned, '') || ifnull(DeaconID, '') || Envelope || ifnull(Date_Of_Birth, ''), ',') "
            "FROM Member) || (SELECT group_concat(MemberID || WeekOf || SS || WS || WN, ',') FROM AttendanceData) "
            "|| (SELECT SUM(Amount) FROM Member_Contributions) "
            "|| (SELECT group_concat(Prospect_ID || Contact_Date || Rating, ',') FROM Prospect_Contact)");
        openKov(m_demo);
        const QString first = MainDatabase.scalar(fingerprint).toString();
        openKov(m_again);
        QCOMPARE(MainDatabase.scalar(fingerprint).toString(), first);
    }

private:
    QTemporaryDir m_dir;
    QString m_demo;
    QString m_again; // the demo made again on the same day
    QDate m_today;   // the day both were made
};

QTEST_MAIN(TestNewDb)
#include "tst_newdb.moc"
