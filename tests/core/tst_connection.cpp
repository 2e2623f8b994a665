#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "core/Passwords.h"

#include <QFile>
#include <QtTest>

using MainMod::MainDatabase;

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void connectsThroughThePasswordGate()
    {
        TestDatabase tdb;
        MainDatabase.close();
        MainMod::DatabasePath = tdb.path();
        MainMod::ConnectDatabase();
        QVERIFY(MainDatabase.isOpen());
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM UserType")).toInt(), 2);
    }

    void opensWithARollbackJournalSyncedInFull()
    {
        // A file another tool left in WAL mode comes back to a journal that needs no files kept beside it.
        TestDatabase tdb;
        QCOMPARE(MainDatabase.scalar(QStringLiteral("PRAGMA journal_mode = WAL")).toString(), QStringLiteral("wal"));
        MainDatabase.close();
        MainMod::ConnectDatabase();
        QCOMPARE(MainDatabase.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2);
        MainDatabase.execute(QStringLiteral("UPDATE Church SET Name = 'x'"));
        QVERIFY(!QFile::exists(tdb.path() + QStringLiteral("-wal")));
    }

    void refusalsNameTheFileAndCreateNothing()
    {
        TestDatabase tdb;
        MainDatabase.close();
        MainMod::DatabasePath = tdb.folder() + QStringLiteral("/elsewhere.db");
        QVERIFY_THROWS_EXCEPTION(DbError, MainMod::ConnectDatabase());
        QVERIFY(!QFile::exists(MainMod::DatabasePath));
        QVERIFY(!MainDatabase.isOpen());

        // A plain SQLite file without our gate is refused and left unchanged.
        const QString plain = tdb.folder() + QStringLiteral("/plain.db");
        {
            Database other;
            other.create(plain);
            other.execute(QStringLiteral("CREATE TABLE t (x)"));
        }
        const QByteArray before = [&] {
            QFile f(plain);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        MainMod::DatabasePath = plain;
        try {
            MainMod::ConnectDatabase();
            QFAIL("opened a foreign database");
        } catch (const DbError& error) {
            QCOMPARE(error.kind(), DbError::Kind::NotKovDatabase);
            QVERIFY(error.message().contains(plain));
        }
        QFile f(plain);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), before);
    }

    void loadsChurchSettings()
    {
        TestDatabase tdb;
        int opened = 0;
        MainMod::NoChurchRow = [&] { ++opened; };
        MainMod::ChurchName = QStringLiteral("unchanged");
        QVERIFY(!MainMod::LoadChurchInfo());
        QCOMPARE(opened, 1);
        QCOMPARE(MainMod::ChurchName, QStringLiteral("unchanged"));
        QCOMPARE(MainMod::KeyPressDelay, 0.0);

        // Nulls from a row made outside the program load as empty text and 0.
        MainDatabase.execute(QStringLiteral("INSERT INTO Church (Name, City) VALUES ('First Church', NULL)"));
        QVERIFY(MainMod::LoadChurchInfo());
        QCOMPARE(MainMod::ChurchName, QStringLiteral("First Church"));
        QCOMPARE(MainMod::ChurchCity, QString());
        QCOMPARE(MainMod::KeyPressDelay, 0.0);

        MainDatabase.execute(
            QStringLiteral("UPDATE Church SET KeyPressDelay = 1.5, State = 'TN', Phone = '(615) 555-0100'"));
        QVERIFY(MainMod::LoadChurchInfo());
        QCOMPARE(MainMod::KeyPressDelay, 1.5);
        QCOMPARE(MainMod::ChurchState, QStringLiteral("TN"));
        QCOMPARE(MainMod::ChurchPhone, QStringLiteral("(615) 555-0100"));
        QCOMPARE(opened, 1);
        MainMod::NoChurchRow = nullptr;
    }

    void passwordsAreHashedAndIgnoreCaseAndBlanks()
    {
        const QString stored = Passwords::hash(QStringLiteral("Secret Word"));
        QVERIFY(Passwords::isHashed(stored));
        QVERIFY(!stored.contains(QStringLiteral("Secret")));
        QVERIFY(Passwords::matches(QStringLiteral("  secret WORD "), stored));
        QVERIFY(!Passwords::matches(QStringLiteral("secret"), stored));
        QVERIFY(Passwords::hash(QStringLiteral("x")) != Passwords::hash(QStringLiteral("x"))); // salted
        // An old plain value still matches as the old program compared it.
        QVERIFY(!Passwords::isHashed(QStringLiteral("plain")));
        QVERIFY(Passwords::matches(QStringLiteral("PLAIN "), QStringLiteral("plain")));
        QVERIFY(!Passwords::matches(QStringLiteral("plane"), QStringLiteral("plain")));
    }

    void padRightAndFileExists()
    {
        QCOMPARE(MainMod::PadRight(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
        QCOMPARE(MainMod::PadRight(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
        QCOMPARE(MainMod::PadRight(QStringLiteral("ab"), 0), QString());
        QTemporaryDir dir;
        QVERIFY(!MainMod::FileExists(dir.filePath(QStringLiteral("none.jpg"))));
        QVERIFY(!MainMod::FileExists(dir.path())); // a folder is no file
        QFile file(dir.filePath(QStringLiteral("12.jpg")));
        file.open(QIODevice::WriteOnly);
        file.close();
        QVERIFY(MainMod::FileExists(dir.filePath(QStringLiteral("12.jpg"))));
    }
};

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
