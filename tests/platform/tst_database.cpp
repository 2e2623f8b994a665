#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "platform/Database.h"
#include "platform/SqlValue.h"
#include "platform/Transaction.h"

#include <QFile>
#include <QtTest>
#include <chrono>
#include <future>
#include <thread>

using MainMod::MainDatabase;

class TestDatabaseLayer : public QObject {
    Q_OBJECT

private slots:
    void addNewShowsIdBeforeUpdate()
    {
        TestDatabase tdb;
        Recordset rs = MainDatabase.openTable(QStringLiteral("Sunday_School"), QStringLiteral("0"));
        rs.AddNew();
        const qint64 id = rs.Id();
        QVERIFY(id > 0);
        rs.SetField(QStringLiteral("Name"), QStringLiteral("Adults 1"));
        rs.Update();
        rs.Close();
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Name FROM Sunday_School WHERE ID = ?"), {id}).toString(),
                 QStringLiteral("Adults 1"));

        // A second AddNew abandoned without Update still uses up its number.
        Recordset again = MainDatabase.openTable(QStringLiteral("Sunday_School"), QStringLiteral("0"));
        again.AddNew();
        const qint64 abandoned = again.Id();
        again.Close();
        Recordset third = MainDatabase.openTable(QStringLiteral("Sunday_School"), QStringLiteral("0"));
        third.AddNew();
        QVERIFY(third.Id() > abandoned);
        QVERIFY(abandoned > id);
    }

    void twoProgramsNeverReserveTheSameId()
    {
        TestDatabase tdb;
        // Another program on the same file reserves a number inside its save and holds its write lock a moment.
        std::promise<qint64> reservedThere;
        std::thread other([&] {
            Database db;
            db.open(tdb.path(), MainMod::DatabasePassword);
            Transaction save(db);
            reservedThere.set_value(db.nextAutoId(QStringLiteral("Member")));
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            save.commit();
            db.close();
        });
        const qint64 there = reservedThere.get_future().get();
        Recordset rs = MainDatabase.openTable(QStringLiteral("Member"), QStringLiteral("0"));
        rs.AddNew();
        const qint64 here = rs.Id();
        rs.Close();
        other.join();
        QVERIFY2(here != there, qPrintable(QString::number(here)));
        QVERIFY(here > there);
    }

    void editChangesOnlyTheCurrentRow()
    {
        TestDatabase tdb;
        const qint64 a = TestDatabase::addMember(QStringLiteral("Adams"), QStringLiteral("Ann"));
        const qint64 b = TestDatabase::addMember(QStringLiteral("Baker"), QStringLiteral("Bob"));
        Recordset rs = MainDatabase.openTable(QStringLiteral("Member"), QStringLiteral("ID = ?"), {b});
        QVERIFY(!rs.Eof());
        rs.Edit();
        rs.SetField(QStringLiteral("city"), QStringLiteral("Springfield")); // field names ignore case
        QCOMPARE(rs.Text(QStringLiteral("CITY")), QStringLiteral("Springfield"));
        rs.Update();
        rs.Close();
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT City FROM Member WHERE ID = ?"), {b}).toString(),
                 QStringLiteral("Springfield"));
        QVERIFY(MainDatabase.scalar(QStringLiteral("SELECT City FROM Member WHERE ID = ?"), {a}).isNull());
    }

    void recordsetWalksRowsInOrder()
    {
        TestDatabase tdb;
        Recordset empty = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Titles WHERE Title = 'none'"));
        QVERIFY(empty.Eof());
        QVERIFY(empty.Bof());
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Status FROM ChurchStatus ORDER BY Status"));
        QVERIFY(!rs.Eof() && !rs.Bof());
        QStringList seen;
        while (!rs.Eof()) {
            seen << rs.Text(QStringLiteral("status"));
            rs.MoveNext();
        }
        QCOMPARE(seen, (QStringList{QStringLiteral("Active"), QStringLiteral("InActive")}));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.MoveNext());

        // A row handler may run statements new to the cache, enough to overflow it, and the loop's own statement.
        const QString numbers = QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10) SELECT i FROM n");
        QList<qint64> read;
        MainDatabase.forEachRow(numbers, {}, [&](const QSqlQuery& row) {
            for (int i = 0; i < 40; ++i)
                MainDatabase.scalar(QStringLiteral("SELECT %1").arg(read.size() * 40 + i));
            QCOMPARE(MainDatabase.scalar(numbers).toInt(), 1);
            read << row.value(0).toLongLong();
        });
        QCOMPARE(read, (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }

    void valuesRoundTripAsTyped_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophe") << QStringLiteral("O'Neil");
        QTest::newRow("semicolon and SQL") << QStringLiteral("x'; DROP TABLE Member; --");
        QTest::newRow("quotes") << QStringLiteral("\"Big\" Jim's");
        QTest::newRow("percent") << QStringLiteral("100% _sure_");
        QTest::newRow("empty") << QString();
    }
    void valuesRoundTripAsTyped()
    {
        QFETCH(QString, value);
        TestDatabase tdb;
        const qint64 id = TestDatabase::addMember(value, QStringLiteral("First"));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Last_Name FROM Member WHERE ID = ?"), {id}).toString(),
                 value);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT ID FROM Member WHERE Last_Name = ?"), {value}).toLongLong(),
                 id);
        // Empty text is stored as empty text, not Null.
        QVERIFY(!MainDatabase.scalar(QStringLiteral("SELECT Last_Name FROM Member WHERE ID = ?"), {id}).isNull());
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 2);
    }

    void datesAndYesNoAreStoredAsAgreed()
    {
        TestDatabase tdb;
        Recordset rs = MainDatabase.openTable(QStringLiteral("Member"), QStringLiteral("0"));
        rs.AddNew();
        const qint64 id = rs.Id();
        rs.SetField(QStringLiteral("Date_Of_Birth"), QDate(1961, 3, 9));
        rs.SetField(QStringLiteral("Date_Added"), QDateTime(QDate(2026, 12, 7), QTime(15, 4, 5)));
        rs.SetField(QStringLiteral("Head_Of_Household"), true);
        rs.SetField(QStringLiteral("Anniversary_Date"), QDate()); // no date: Null
        rs.Update();
        QCOMPARE(rs.Field(QStringLiteral("Receive_Newsletter_Via_Mail")).toInt(), 0); // default read back
        const QString sql = QStringLiteral("SELECT Date_Of_Birth, Date_Added, Head_Of_Household, Anniversary_Date "
                                           "FROM Member WHERE ID = ?");
        Recordset back = MainDatabase.openRecordset(sql, {id});
        QCOMPARE(back.Text(QStringLiteral("Date_Of_Birth")), QStringLiteral("1961-03-09"));
        QCOMPARE(back.Text(QStringLiteral("Date_Added")), QStringLiteral("2026-12-07 15:04:05"));
        QCOMPARE(back.Field(QStringLiteral("Head_Of_Household")).toInt(), 1);
        QVERIFY(back.Field(QStringLiteral("Anniversary_Date")).isNull());
        QCOMPARE(SqlValue::toDate(back.Field(QStringLiteral("Date_Of_Birth"))), QDate(1961, 3, 9));
        QCOMPARE(SqlValue::toDateTime(back.Field(QStringLiteral("Date_Added"))),
                 QDateTime(QDate(2026, 12, 7), QTime(15, 4, 5)));
    }

    void failingStatementNamesItself()
    {
        TestDatabase tdb;
        const QString sql = QStringLiteral("UPDATE NoSuchTable SET x = 1");
        try {
            MainDatabase.execute(sql);
            QFAIL("no error raised");
        } catch (const DbError& error) {
            QCOMPARE(error.statement(), sql);
            QVERIFY(error.driverMessage().contains(QStringLiteral("NoSuchTable")));
            QVERIFY(error.message().contains(sql));
        }
        QVERIFY_THROWS_EXCEPTION(DbError, MainDatabase.openRecordset(QStringLiteral("SELECT Nope FROM Member")));
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT ID FROM Member"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.Field(QStringLiteral("Last_Name")));
    }

    void executeCountsRowsAffected()
    {
        TestDatabase tdb;
        TestDatabase::addMember(QStringLiteral("A"), QStringLiteral("a"));
        TestDatabase::addMember(QStringLiteral("B"), QStringLiteral("b"));
        QCOMPARE(MainDatabase.execute(QStringLiteral("UPDATE Member SET City = 'X' WHERE ID > 1")), 2);
        QCOMPARE(MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 999")), 0);
    }

    void rolledBackTransactionLeavesNothing()
    {
        TestDatabase tdb;
        try {
            Transaction transaction(MainDatabase);
            TestDatabase::addMember(QStringLiteral("Gone"), QStringLiteral("Soon"));
            MainDatabase.execute(QStringLiteral("DELETE FROM Titles"));
            MainDatabase.execute(QStringLiteral("INSERT INTO Nowhere VALUES (1)"));
            transaction.commit();
        } catch (const DbError&) {
        }
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 1);
        QVERIFY(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Titles")).toInt() > 0);

        // Nested: the inner one rolls back, the outer one keeps its own work.
        {
            Transaction outer(MainDatabase);
            TestDatabase::addMember(QStringLiteral("Kept"), QStringLiteral("One"));
            {
                Transaction inner(MainDatabase);
                TestDatabase::addMember(QStringLiteral("Dropped"), QStringLiteral("Two"));
            }
            outer.commit();
        }
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 2);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Last_Name = 'Dropped'")).toInt(),
                 0);
    }

    void failureWhileRunningRollsBackEarlierStatements()
    {
        TestDatabase tdb;
        MainDatabase.execute(QStringLiteral("INSERT INTO Titles VALUES ('Sir')"));
        MainDatabase.execute(
            QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON Titles BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        try {
            Transaction transaction(MainDatabase);
            MainDatabase.execute(QStringLiteral("UPDATE Member SET Title = 'Sir'"));
            MainDatabase.execute(QStringLiteral("DELETE FROM Titles WHERE Title = ?"), {QStringLiteral("Sir")});
            transaction.commit();
            QFAIL("the trigger did not refuse");
        } catch (const DbError& error) {
            QVERIFY(error.driverMessage().contains(QStringLiteral("refused")));
        }
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Title = 'Sir'")).toInt(), 0);
    }

    void busyFileWaitsThenSaysSo()
    {
        TestDatabase tdb;
        // Another connection holds a write lock for longer than we wait.
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(tdb.path());
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            try {
                MainDatabase.execute(QStringLiteral("UPDATE Church SET Name = 'x'"));
                QFAIL("a locked file did not fail");
            } catch (const DbError& error) {
                QCOMPARE(error.kind(), DbError::Kind::Busy);
                QVERIFY(error.message().contains(QStringLiteral("in use by another program")));
            }
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QCOMPARE(MainDatabase.execute(QStringLiteral("UPDATE Church SET Name = 'x'")), 0);
    }

    void openRefusesWhatIsNotOurs()
    {
        TestDatabase tdb;
        MainDatabase.close();
        Database db;
        const QString missing = tdb.folder() + QStringLiteral("/missing.db");
        try {
            db.open(missing, MainMod::DatabasePassword);
            QFAIL("opened a missing file");
        } catch (const DbError& error) {
            QCOMPARE(error.kind(), DbError::Kind::MissingFile);
            QVERIFY(error.message().contains(missing));
        }
        QVERIFY(!QFile::exists(missing));

        const QString text = tdb.folder() + QStringLiteral("/notes.txt");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database at all, just some words of text in a file\n");
        file.close();
        try {
            db.open(text, MainMod::DatabasePassword);
            QFAIL("opened a text file");
        } catch (const DbError& error) {
            QCOMPARE(error.kind(), DbError::Kind::NotKovDatabase);
            QVERIFY(error.message().contains(text));
        }

        try {
            db.open(tdb.path(), QStringLiteral("guess"));
            QFAIL("opened with a wrong password");
        } catch (const DbError& error) {
            QCOMPARE(error.kind(), DbError::Kind::WrongPassword);
            QVERIFY(error.message().contains(tdb.path()));
        }
        QVERIFY(!db.isOpen());
        db.open(tdb.path(), MainMod::DatabasePassword);
        QVERIFY(db.isOpen());
    }
};

QTEST_MAIN(TestDatabaseLayer)
#include "tst_database.moc"
