#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "schema/PermissionNames.h"
#include "schema/TableNames.h"

#include <QtTest>

using MainMod::MainDatabase;

class TestSchema : public QObject {
    Q_OBJECT

private:
    static QStringList columns(const QString& table)
    {
        QStringList names;
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
        for (; !rs.Eof(); rs.MoveNext())
            names << rs.Text(QStringLiteral("name"));
        return names;
    }

private slots:
    void holdsTheTwentyNineTables()
    {
        TestDatabase tdb;
        QCOMPARE(TableNames::All.size(), 29);
        for (const QString& table : TableNames::All)
            QVERIFY2(!columns(table).isEmpty(), qPrintable(table));
    }

    void positionalTablesHaveExactlyTheirColumns()
    {
        TestDatabase tdb;
        QCOMPARE(columns(QStringLiteral("Family_Connection")),
                 (QStringList{"Member_ID", "Relationship", "Relative_Member_ID"}));
        QCOMPARE(columns(QStringLiteral("Member_Responsibility")),
                 (QStringList{"Member_ID", "Responsibility", "Start", "End"}));
        QCOMPARE(columns(QStringLiteral("AttendanceData")),
                 (QStringList{"ID", "WeekOf", "MemberID", "SS", "SL", "RBD", "WS", "DT", "SE", "WN"}));
        QCOMPARE(columns(QStringLiteral("Outreach_Phase")), (QStringList{"PhaseOrder", "Phase", "Action", "TimePeriod"}));
        for (const char* table : {"Titles", "Relationships", "AttendanceLevels", "Prospect_Action",
                                     "Prospect_Contact_Rating"})
            QCOMPARE(columns(QString::fromLatin1(table)).size(), 1);
    }

    void textComparesWithoutCase()
    {
        TestDatabase tdb;
        TestDatabase::addMember(QStringLiteral("McDonald"), QStringLiteral("Ann"));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Last_Name = 'MCDONALD'")).toInt(), 1);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT ID FROM Permission WHERE Name = 'member view'")).toInt(),
                 MainDatabase.scalar(QStringLiteral("SELECT ID FROM Permission WHERE Name = 'Member View'")).toInt());
        // Sorted without regard to case as well.
        MainDatabase.execute(QStringLiteral("INSERT INTO Titles VALUES ('aaa')"));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Title FROM Titles ORDER BY Title LIMIT 1")).toString(),
                 QStringLiteral("aaa"));
    }

    void deletedIdsAreNeverReused()
    {
        TestDatabase tdb;
        const qint64 first = TestDatabase::addMember(QStringLiteral("A"), QStringLiteral("a"));
        MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = ?"), {first});
        const qint64 second = TestDatabase::addMember(QStringLiteral("B"), QStringLiteral("b"));
        QVERIFY(second > first);
    }

    void uniquenessRules()
    {
        TestDatabase tdb;
        const qint64 a = TestDatabase::addMember(QStringLiteral("A"), QStringLiteral("a"));
        const qint64 b = TestDatabase::addMember(QStringLiteral("B"), QStringLiteral("b"));
        TestDatabase::addUser(a, QStringLiteral("pat"), QStringLiteral("x"));
        QVERIFY_THROWS_EXCEPTION(DbError, TestDatabase::addUser(b, QStringLiteral("PAT"), QStringLiteral("y")));
        QVERIFY_THROWS_EXCEPTION(DbError, TestDatabase::addUser(a, QStringLiteral("other"), QStringLiteral("y")));
        // Editable lists may hold values that differ only in letter case, never the same value twice.
        MainDatabase.execute(QStringLiteral("INSERT INTO Titles VALUES ('MR.')"));
        QVERIFY_THROWS_EXCEPTION(DbError, MainDatabase.execute(QStringLiteral("INSERT INTO Titles VALUES ('Mr.')")));
        MainDatabase.execute(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Spouse', ?)"), {a, b});
        QVERIFY_THROWS_EXCEPTION(
            DbError, MainDatabase.execute(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Son', ?)"), {a, b}));
        MainDatabase.execute(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS) VALUES ('2026-12-06', ?, 1)"), {a});
        QVERIFY_THROWS_EXCEPTION(
            DbError, MainDatabase.execute(
                         QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, WS) VALUES ('2026-12-06', ?, 1)"), {a}));
    }

    void suppliedRows()
    {
        TestDatabase tdb;
        QStringList permissions;
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Name FROM Permission ORDER BY ID"));
        for (; !rs.Eof(); rs.MoveNext())
            permissions << rs.Text(QStringLiteral("Name"));
        QCOMPARE(permissions, PermissionNames::All);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM State")).toInt(), 51);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Last_Name FROM Member WHERE ID = 1")).toString(),
                 QStringLiteral("Person"));
        for (const char* status : {"Member", "Child Of Member", "Previous Member", "Deleted Member"})
            QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM MemberStatus WHERE Status = ?"),
                                         {QString::fromLatin1(status)}).toInt(), 1);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM UserType WHERE Name IN ('Admin','User')")).toInt(), 2);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 0);
        QVERIFY(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Outreach_Phase")).toInt() > 0);
    }
};

QTEST_MAIN(TestSchema)
#include "tst_schema.moc"
