#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "reports/ReportOutput.h"
#include "reports/Viewer.h"
#include "schema/PermissionNames.h"
#include "search/frmAttendanceNavigator.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kToday(2026, 12, 7);  // the test clock, a Monday
const QDate kFirst(2026, 11, 15); // four Sundays: 11/15, 11/22, 11/29, 12/6
const QDate kLast(2026, 12, 6);

qint64 addPerson(const QString& last, const QString& first, const QString& churchStatus = QStringLiteral("Active"))
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Member (Last_Name, First_Name, Status, Member_Active_Status) "
                                        "VALUES (?, ?, 'Member', ?)"),
                         {last, first, churchStatus});
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

void addMarks(qint64 person, const QDate& week, const QStringList& marks)
{
    QVariantList values{week, person};
    for (const QString& c : frmAttendanceNavigator::categoryColumns())
        values << int(marks.contains(c));
    MainDatabase.execute(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS, SL, RBD, WS, DT, SE, WN) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         values);
}

void choose(QComboBox* combo, const QString& text)
{
    const int at = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(at >= 0, qPrintable(text));
    combo->setCurrentIndex(at);
}

void type(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

QList<qint64> found(frmAttendanceNavigator* s)
{
    QTest::mouseClick(s->btnFind, Qt::LeftButton);
    return s->vsfgMembers->ids();
}

frmAttendanceNavigator* openNavigator()
{
    MainMod::CurrentUserType = QStringLiteral("Admin");
    MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1")); // the stand-by person
    return ScreenRegistry::load<frmAttendanceNavigator>();
}

// People with Sunday School in a number of the four weeks, and one with other marks only.
struct Church {
    qint64 ann, bob, cy, dee, eve;
};

Church seed()
{
    Church c{};
    c.ann = addPerson("Adams", "Ann"); // two of the four weeks: missed 2
    c.bob = addPerson("Baker", "Bob"); // three of the four: missed 1
    c.cy = addPerson("Cole", "Cy");    // no row at all
    c.dee = addPerson("Dane", "Dee");  // rows in the range, but never Sunday School
    c.eve = addPerson("Evans", "Eve"); // every week, but only outside the range
    addMarks(c.ann, kFirst, {"SS", "WS"});
    addMarks(c.ann, kLast, {"SS"});
    addMarks(c.ann, kFirst.addDays(7), {"WS"});
    for (int w = 0; w < 3; ++w)
        addMarks(c.bob, kFirst.addDays(7 * w), {"SS"});
    for (int w = 0; w < 4; ++w)
        addMarks(c.dee, kFirst.addDays(7 * w), {"WS", "WN"});
    addMarks(c.eve, kFirst.addDays(-7), {"SS"});
    addMarks(c.eve, kLast.addDays(7), {"SS"});
    // A stray row that names nobody must not hide everyone from the missed search.
    MainDatabase.execute(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS) VALUES (?, NULL, 1)"),
                         {kFirst});
    return c;
}

void setRange(frmAttendanceNavigator* s, const QDate& from, const QDate& to)
{
    s->dtStart->setDate(from);
    s->dtEnd->setDate(to);
}

} // namespace

class TestAttendanceNavigator : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsListsAndTodaysDates()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceNavigator* s = openNavigator();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Attendance Navigator"));
        QCOMPARE(s->Frame2->title(), QStringLiteral("Names"));
        for (QDateEdit* d : {s->dtStart, s->dtEnd, s->dtAttend})
            QCOMPARE(d->date(), kToday);
        const QStringList names{"Sunday School",         "Studied Lesson", "Daily Bible Reading", "Worship Service",
                                "Discipleship Training", "Sunday Evening", "Wednesday Night"};
        for (QComboBox* combo : {s->cmbClass, s->cmbClass2}) {
            QCOMPARE(combo->count(), 7);
            for (int i = 0; i < 7; ++i)
                QCOMPARE(combo->itemText(i), names.at(i));
            QCOMPARE(combo->currentIndex(), -1);
        }
        QVERIFY(s->cmbChurchStatus->findText(QStringLiteral("InActive")) >= 0);
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(messages.count(), 0);
    }

    // Missed n or more Sunday School over the four Sundays 11/15 to 12/6.
    void missedOverFourWeeks_data()
    {
        QTest::addColumn<QString>("missed");
        QTest::addColumn<bool>("category");
        QTest::addColumn<QStringList>("listed");
        const QStringList everyone{"Ann", "Bob", "Cy", "Dee", "Eve"};
        QTest::newRow("2 or more") << "2" << true << QStringList{"Ann", "Cy", "Dee", "Eve"};
        QTest::newRow("1 or more") << "1" << true << everyone;
        QTest::newRow("3 or more") << "3" << true << QStringList{"Cy", "Dee", "Eve"};
        QTest::newRow("0: everyone") << "0" << true << everyone;
        QTest::newRow("no number: as 0") << "several" << true << everyone;
        QTest::newRow("a number and more") << " 2 weeks" << true << QStringList{"Ann", "Cy", "Dee", "Eve"};
        QTest::newRow("a fraction: whole weeks") << "1.5" << true << QStringList{"Ann", "Cy", "Dee", "Eve"};
        QTest::newRow("very large") << QString(400, QLatin1Char('9')) << true << QStringList{"Cy", "Dee", "Eve"};
        QTest::newRow("very negative") << "-99999999999999999999" << true << everyone;
        QTest::newRow("no category") << "2" << false << everyone;
        QTest::newRow("a category, no number") << "" << true << everyone;
    }
    void missedOverFourWeeks()
    {
        QFETCH(QString, missed);
        QFETCH(bool, category);
        QFETCH(QStringList, listed);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceNavigator* s = openNavigator();
        seed();
        setRange(s, kFirst, kLast);
        type(s->txtMissed, missed);
        if (category)
            choose(s->cmbClass, QStringLiteral("Sunday School"));
        QStringList names;
        for (qint64 id : found(s))
            names << MainDatabase.scalar("SELECT First_Name FROM Member WHERE ID = ?", {id}).toString();
        QCOMPARE(names, listed);
        QCOMPARE(s->Frame2->title(), QStringLiteral("Names - Matching Records: %1").arg(listed.size()));
        QCOMPARE(messages.count(), 0);
    }

    void attendedTheWeekOfTheDate()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceNavigator* s = openNavigator();
        const Church c = seed();
        choose(s->cmbClass2, QStringLiteral("Sunday School"));
        s->dtAttend->setDate(QDate(2026, 11, 18)); // a Wednesday: the week of 11/15
        QCOMPARE(found(s), (QList<qint64>{c.ann, c.bob}));
        s->dtAttend->setDate(QDate(2026, 11, 22)); // a Sunday: its own week
        QCOMPARE(found(s), QList<qint64>{c.bob});
        choose(s->cmbClass2, QStringLiteral("Wednesday Night"));
        QCOMPARE(found(s), QList<qint64>{c.dee});

        // Both conditions together, with a person criterion.
        choose(s->cmbClass2, QStringLiteral("Worship Service"));
        s->dtAttend->setDate(QDate(2026, 11, 15));
        setRange(s, kFirst, kLast);
        choose(s->cmbClass, QStringLiteral("Sunday School"));
        type(s->txtMissed, QStringLiteral("2"));
        QCOMPARE(found(s), (QList<qint64>{c.ann, c.dee}));
        type(s->txtName, QStringLiteral("ee"));
        QCOMPARE(found(s), QList<qint64>{c.dee});

        // Clear: every criterion gone, dates today, grid empty, caption as it was.
        s->btnClear->click();
        QVERIFY(s->txtMissed->text().isEmpty());
        QVERIFY(s->txtName->text().isEmpty());
        for (QComboBox* combo : {s->cmbClass, s->cmbClass2, s->cmbStatus, s->cmbChurchStatus})
            QCOMPARE(combo->currentIndex(), -1);
        for (QDateEdit* d : {s->dtStart, s->dtEnd, s->dtAttend})
            QCOMPARE(d->date(), kToday);
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(s->Frame2->title(), QStringLiteral("Names - Matching Records: 1"));
        QCOMPARE(found(s).size(), 5); // inactive people too
        QCOMPARE(messages.count(), 0);
    }

    // The weeks a range spans, as Print Count hands them to the report.
    void weekCountOfTheRange_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("weeks");
        QTest::newRow("same day") << 0 << 1;
        QTest::newRow("6 days") << 6 << 1;
        QTest::newRow("7 days") << 7 << 2;
        QTest::newRow("13 days") << 13 << 2;
        QTest::newRow("10 days back") << -10 << 0;
    }
    void weekCountOfTheRange()
    {
        QFETCH(int, days);
        QFETCH(int, weeks);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        RecordingOutput output;
        frmAttendanceNavigator* s = openNavigator();
        const Church c = seed();
        // From a Wednesday: the weekdays do not matter.
        const QDate from(2026, 11, 18);
        setRange(s, from, from.addDays(days));
        found(s);
        QTest::mouseClick(s->btnPrintMissed, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        const QStringList texts = output.last().pageTexts(0);
        QVERIFY2(texts.contains(QStringLiteral("%1 %2 counted, from %3 to %4")
                                    .arg(weeks)
                                    .arg(weeks == 1 ? "week" : "weeks")
                                    .arg(from.toString("M/d/yyyy"), from.addDays(days).toString("M/d/yyyy"))),
                 qPrintable(texts.join('|')));
        Q_UNUSED(c);
        QCOMPARE(messages.count(), 0);
    }

    void printButtonsNeedTheirRightAndPeople()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        RecordingOutput output;
        frmAttendanceNavigator* s = openNavigator();
        const Church c = seed();
        const qint64 user = TestDatabase::addMember(QStringLiteral("Clerk"), QStringLiteral("Carl"));
        MainMod::CurrentUserID = user;
        MainMod::CurrentUserType = QStringLiteral("User");
        for (QPushButton* button : {s->btnPrintList, s->btnPrintMissed}) {
            messages.clear();
            QTest::mouseClick(button, Qt::LeftButton); // refused even on an empty grid
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
            QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to view this report."));
        }
        TestDatabase::grant(user, PermissionNames::kAttendanceNavigatorReport);
        messages.clear();
        for (QPushButton* button : {s->btnPrintList, s->btnPrintMissed})
            QTest::mouseClick(button, Qt::LeftButton); // nobody listed: nothing
        type(s->txtName, QStringLiteral("nobody"));
        found(s);
        for (QPushButton* button : {s->btnPrintList, s->btnPrintMissed})
            QTest::mouseClick(button, Qt::LeftButton); // the heading only: nothing
        QCOMPARE(output.deliveries.size(), 0);
        QCOMPARE(messages.count(), 0);

        type(s->txtName, QStringLiteral("an"));
        QCOMPARE(found(s), (QList<qint64>{c.ann, c.dee, c.eve}));
        QTest::mouseClick(s->btnPrintList, Qt::LeftButton);
        QTest::mouseClick(s->btnPrintMissed, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 2);
        QCOMPARE(output.deliveries.at(0).report.document->title, QStringLiteral("Member List"));
        QCOMPARE(output.deliveries.at(1).report.document->title, QStringLiteral("Attendance Count"));
        QCOMPARE(output.deliveries.at(1).mode, ReportOutput::Mode::Preview);
        const QStringList texts = output.last().pageTexts(0);
        QVERIFY(texts.contains(QStringLiteral("Adams, Ann")));
        QVERIFY(!texts.contains(QStringLiteral("Cole, Cy")));
        QCOMPARE(messages.count(), 0);
    }

    void doubleClickOpensThePerson()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceNavigator* s = openNavigator();
        const Church c = seed();
        found(s);
        NavigatorGrid* grid = s->vsfgMembers;
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable));
        const QPoint at = grid->visualRect(grid->model()->index(1, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QVERIFY(member);
        QCOMPARE(member->MemberId(), c.bob);
        QCOMPARE(messages.count(), 0);
    }

    // The demonstration church from the menu: who missed two or more of the last four weeks of Sunday School,
    // then both reports. With KOV_GRAB_DIR set, the screen is grabbed and the count report written to a PDF.
    void demoChurchFromTheMenu()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserID = DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        MainMod::LoadChurchInfo();
        area.area()->resize(1100, 760);
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        mdi.runCommand(QStringLiteral("AttendanceNavigator"));
        auto* s = ScreenRegistry::find<frmAttendanceNavigator>();
        QVERIFY(s);
        type(s->txtMissed, QStringLiteral("2"));
        choose(s->cmbClass, QStringLiteral("Sunday School"));
        setRange(s, QDate(2026, 11, 15), QDate(2026, 12, 6));
        choose(s->cmbChurchStatus, QStringLiteral("Active"));
        const QList<qint64> missing = found(s);
        const int active =
            MainDatabase.scalar("SELECT COUNT(*) FROM Member WHERE Member_Active_Status = 'Active'").toInt();
        QVERIFY(!missing.isEmpty());
        QVERIFY(missing.size() < active);
        grabIfAsked(area.area(), QStringLiteral("attendance-navigator"));
        const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
        const QStringList files{"attendance-member-list", "attendance-count"};
        const QList<QPushButton*> buttons{s->btnPrintList, s->btnPrintMissed};
        for (int i = 0; i < buttons.size(); ++i) {
            QTest::mouseClick(buttons.at(i), Qt::LeftButton);
            QCOMPARE(messages.count(), 0);
            auto* viewer = ScreenRegistry::find<Viewer>();
            QVERIFY(viewer);
            QVERIFY(viewer->document()->pageCount() >= 1);
            if (!folder.isEmpty())
                QVERIFY(ReportOutput::writePdf(*viewer->document(), QDir(folder).filePath(files.at(i) + ".pdf")));
        }
        ScreenRegistry::setArea(nullptr);
    }
};

QTEST_MAIN(TestAttendanceNavigator)
#include "tst_attendancenavigator.moc"
