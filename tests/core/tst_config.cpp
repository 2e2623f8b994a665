#include "core/MainMod.h"
#include "core/StartupError.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QString writeConfig(const QTemporaryDir& dir, const QByteArray& text)
{
    const QString path = dir.filePath(QStringLiteral("config.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    return path;
}

const QByteArray kGood = "\"Kov settings\"\n"
                         "Database,\"/data/church, main/kov.db\"\n"
                         "   Pictures,   /data/pictures/  \n"
                         "SS,No\n"
                         "SL,no\n"
                         "RBD,\" No\"\n"
                         "WS,Yes\n"
                         "DT,\n"
                         "SE,\"No\"\n"
                         "WN,No\n";
} // namespace

class TestConfig : public QObject {
    Q_OBJECT

private slots:
    void readsValuesByPosition()
    {
        QTemporaryDir dir;
        MainMod::ReadConfig(writeConfig(dir, kGood));
        QCOMPARE(MainMod::DatabasePath, QStringLiteral("/data/church, main/kov.db"));
        QCOMPARE(MainMod::PictureFolder, QStringLiteral("/data/pictures/"));
        QCOMPARE(MainMod::AttendanceShowSS, QStringLiteral("No"));
        QCOMPARE(MainMod::AttendanceShowSL, QStringLiteral("no"));
        QCOMPARE(MainMod::AttendanceShowRBD, QStringLiteral(" No"));
        QCOMPARE(MainMod::AttendanceShowWS, QStringLiteral("Yes"));
        QCOMPARE(MainMod::AttendanceShowDT, QString());
        QCOMPARE(MainMod::AttendanceShowSE, QStringLiteral("No"));
        QCOMPARE(MainMod::AttendanceShowWN, QStringLiteral("No"));
    }

    void splitsItems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("plain") << "a,b\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("quoted comma") << "x,\"1,2\"" << QStringList{"x", "1,2"};
        QTest::newRow("blanks before") << "  a,\t b" << QStringList{"a", "b"};
        QTest::newRow("trailing comma") << "a,\nb" << QStringList{"a", "", "b"};
        QTest::newRow("text after quote") << "\"a\" junk,b" << QStringList{"a", "b"};
        QTest::newRow("blank lines and CRLF") << "a,b\r\n\r\nc,d\r\n" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("many per line") << "h,l1,v1,l2,v2" << QStringList{"h", "l1", "v1", "l2", "v2"};
    }
    void splitsItems()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, items);
        QCOMPARE(MainMod::ConfigItems(text), items);
    }

    void tooFewItemsChangeNothing()
    {
        QTemporaryDir dir;
        MainMod::DatabasePath = QStringLiteral("before");
        const QString path = writeConfig(dir, "\"Kov\"\nDatabase,/x.db\nPictures,/p/\n");
        try {
            MainMod::ReadConfig(path);
            QFAIL("accepted a short file");
        } catch (const StartupError& error) {
            QVERIFY(error.message().contains(path));
            QVERIFY(error.message().contains(QStringLiteral("5 items")));
        }
        QCOMPARE(MainMod::DatabasePath, QStringLiteral("before"));
    }

    void missingFileIsNamed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.txt"));
        try {
            MainMod::ReadConfig(path);
            QFAIL("read a missing file");
        } catch (const StartupError& error) {
            QVERIFY(error.message().contains(path));
            QVERIFY(error.message().contains(QStringLiteral("does not exist")));
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
