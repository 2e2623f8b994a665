#include "core/Format.h"

#include <QtTest>

class TestFormat : public QObject {
    Q_OBJECT

private slots:
    void dates()
    {
        QCOMPARE(Format::dateText(QDate(2026, 1, 5)), QStringLiteral("1/5/2026"));
        QCOMPARE(Format::dateText(QDate()), QString());
        QCOMPARE(Format::dateTimeText(QDateTime(QDate(2026, 12, 7), QTime(15, 4, 5))),
                 QStringLiteral("12/7/2026 3:04:05 PM"));
        QCOMPARE(Format::reportDate(QDate(1961, 3, 9)), QStringLiteral("03/09/1961"));
    }

    void money_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("cell");
        QTest::newRow("zero") << 0.0 << "$0.00" << "$0.00";
        QTest::newRow("thousands") << 1234567.5 << "$1,234,567.50" << "$1,234,567.50";
        QTest::newRow("negative") << -25.1 << "($25.10)" << "-$25.10";
        QTest::newRow("rounding") << 0.125 << "$0.13" << "$0.13";
    }
    void money()
    {
        QFETCH(double, amount);
        QFETCH(QString, box);
        QFETCH(QString, cell);
        QCOMPARE(Format::money(amount), box);
        QCOMPARE(Format::moneyCell(amount), cell);
    }

    void centsAddUpExactly()
    {
        qint64 total = 0;
        for (int i = 0; i < 1000; ++i)
            total += Format::cents(0.1);
        QCOMPARE(total, qint64(10000));
    }

    void phones()
    {
        QCOMPARE(Format::phone(QStringLiteral("6155550100")), QStringLiteral("(615) 555-0100"));
        QCOMPARE(Format::phone(QStringLiteral("(615) 555-0100"), false), QStringLiteral("(615)555-0100"));
        QCOMPARE(Format::phone(QString()), QString());
        QCOMPARE(Format::phone(QStringLiteral("555-0100")), QStringLiteral("555-0100"));
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("one") << "1" << 1.0;
        QTest::newRow("half") << "0.5" << 0.5;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("digits then letters") << "2abc" << 2.0;
        QTest::newRow("blanks inside") << " 1 2" << 12.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Format::leadingNumber(text), value);
    }

    void personName()
    {
        QCOMPARE(Format::personName(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("Lee")),
                 QStringLiteral("Smith, Ann Lee"));
    }
};

QTEST_MAIN(TestFormat)
#include "tst_format.moc"
