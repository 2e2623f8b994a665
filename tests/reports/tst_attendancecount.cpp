#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "reports/AttendanceCount.h"
#include "reports/Reports.h"

#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kFrom(2026, 11, 1); // five Sundays: 11/1 to 11/29
const QDate kTo(2026, 11, 29);

qint64 addPerson(const QString& last, const QString& first)
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Member (Last_Name, First_Name) VALUES (?, ?)"), {last, first});
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

void addMarks(qint64 person, const QDate& week, const QStringList& marks)
{
    QVariantList values{week, person};
    for (const QString& c : AttendanceCount::categoryColumns())
        values << int(marks.contains(c));
    MainDatabase.execute(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS, SL, RBD, WS, DT, SE, WN) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         values);
}

// A row's values of the named columns, as text.
QStringList values(const ReportEngine::Rows& rows, int row, const QStringList& columns)
{
    QStringList texts;
    for (const QString& c : columns) {
        const int at = rows.column(c);
        texts << (at < 0 ? QStringLiteral("<none>") : rows.values.at(row).at(at).toString());
    }
    return texts;
}

const QStringList kCounts{"TotalWeeks", "SS", "SL", "RBD", "WS", "DT", "SE", "WN"};
const QStringList kShares{"SSPercent", "SLPercent", "WSPercent", "WNPercent"};

} // namespace

class TestAttendanceCount : public QObject {
    Q_OBJECT

private slots:
    void countsOverTheRangeBothBoundsIncluded()
    {
        TestDatabase tdb;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member"));
        const qint64 zoe = addPerson("Zorn", "Zoe");
        const qint64 amy2 = addPerson("Abel", "Amy");
        const qint64 amy1 = addPerson("Abel", "Amy");
        const qint64 out = addPerson("Olds", "Otto");
        const qint64 unlisted = addPerson("Nash", "Ned");
        // Zoe: Sunday School in three weeks of the range, the first and the last among them.
        addMarks(zoe, kFrom, {"SS"});
        addMarks(zoe, kFrom.addDays(14), {"SS", "WN"});
        addMarks(zoe, kTo, {"SS", "SL"});
        addMarks(zoe, kTo.addDays(7), {"SS"});    // after the range
        addMarks(zoe, kFrom.addDays(-7), {"WS"}); // before it
        addMarks(amy1, kFrom.addDays(7), {"WS", "WN"});
        addMarks(out, kFrom.addDays(-7), {"SS", "SL", "RBD", "WS", "DT", "SE", "WN"});
        addMarks(unlisted, kFrom, {"SS"});

        const ReportEngine::Rows rows = AttendanceCount::countRows({zoe, out, amy2, amy1, zoe}, kFrom, kTo, 5);
        QCOMPARE(rows.size(), 4);
        // By last name, first name, then ID.
        QCOMPARE(values(rows, 0, {"ID"}), QStringList{QString::number(amy2)});
        QCOMPARE(values(rows, 1, {"ID"}), QStringList{QString::number(amy1)});
        QCOMPARE(values(rows, 2, {"ID"}), QStringList{QString::number(out)});
        QCOMPARE(values(rows, 3, {"ID"}), QStringList{QString::number(zoe)});
        QCOMPARE(values(rows, 3, kCounts), (QStringList{"5", "3", "1", "0", "0", "0", "0", "1"}));
        QCOMPARE(values(rows, 1, kCounts), (QStringList{"5", "0", "0", "0", "1", "0", "0", "1"}));
        QCOMPARE(values(rows, 2, kCounts), (QStringList{"5", "0", "0", "0", "0", "0", "0", "0"})); // only outside
        QCOMPARE(values(rows, 0, kCounts), (QStringList{"5", "0", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(values(rows, 3, kShares), (QStringList{"60%", "20%", "0%", "20%"}));
        // The member list's columns come along.
        for (const char* c : {"Status", "Date_Of_Birth", "CGLeader", "Deacon", "Receive_Newsletter_Via_EMail"})
            QVERIFY2(rows.column(QString::fromLatin1(c)) >= 0, c);
    }

    // A week count of zero or less has no share to show, and nothing is divided by it.
    void noWeeksNoShare_data()
    {
        QTest::addColumn<int>("weeks");
        QTest::newRow("zero") << 0;
        QTest::newRow("less") << -1;
    }
    void noWeeksNoShare()
    {
        QFETCH(int, weeks);
        TestDatabase tdb;
        ScriptedMessages messages;
        RecordingOutput output;
        const qint64 zoe = addPerson("Zorn", "Zoe");
        addMarks(zoe, kFrom, {"SS"});
        // The last date before the first: no week of the range has a row.
        const ReportEngine::Rows rows = AttendanceCount::countRows({zoe}, kTo, kFrom, weeks);
        QCOMPARE(values(rows, 0, kCounts), (QStringList{QString::number(weeks), "0", "0", "0", "0", "0", "0", "0"}));
        QVERIFY(rows.values.at(0).at(rows.column("SSPercent")).isNull());
        Reports::PrintAttendanceNavigatorCountReport({zoe}, kTo, kFrom, weeks, true);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(messages.count(), 0);
        QVERIFY(output.last().pageTexts(0).contains(QStringLiteral("Zorn, Zoe")));
    }

    // A line per person with the counts and shares under their headings; printed straight when asked.
    void laidOutALinePerPerson()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        RecordingOutput output;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member"));
        QList<qint64> people;
        for (int i = 0; i < 120; ++i) {
            people << addPerson(QStringLiteral("Person%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("P"));
            addMarks(people.last(), kFrom, i % 2 ? QStringList{"WS"} : QStringList{"WS", "SE"});
        }
        Reports::PrintAttendanceNavigatorCountReport(people, kFrom, kTo, 5, false);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Print);
        const ReportEngine::Document& doc = output.last();
        QVERIFY(doc.pageCount() >= 3);
        const QStringList first = doc.pageTexts(0);
        QVERIFY(first.contains(QStringLiteral("5 weeks counted, from 11/1/2026 to 11/29/2026")));
        for (const char* heading : {"Sunday", "School", "Read Bible", "Daily", "Wed.", "Night"})
            QVERIFY2(first.contains(QString::fromLatin1(heading)), heading);
        QVERIFY(first.contains(QStringLiteral("Person000, P")));
        QVERIFY(first.contains(QStringLiteral("20%")));
        // Every person once, and the headings on every page.
        int listed = 0;
        for (int p = 0; p < doc.pageCount(); ++p) {
            QVERIFY(doc.pageTexts(p).contains(QStringLiteral("Worship")));
            listed += int(doc.pageTexts(p).filter(QRegularExpression("^Person\\d{3}, P$")).size());
        }
        QCOMPARE(listed, 120);
        QVERIFY(doc.pageTexts(doc.pageCount() - 1).contains(QStringLiteral("120")));
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_MAIN(TestAttendanceCount)
#include "tst_attendancecount.moc"
