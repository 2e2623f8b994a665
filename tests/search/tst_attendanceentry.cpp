#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "platform/Twips.h"
#include "search/frmAttendanceEntry.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kThisWeek(2026, 12, 6); // the Sunday of the test clock's Monday

qint64 addPerson(const QString& last, const QString& first, const QVariant& churchStatus = QStringLiteral("Active"))
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Member (Last_Name, First_Name, Status, Member_Active_Status) "
                                        "VALUES (?, ?, 'Member', ?)"),
                         {last, first, churchStatus});
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

// Marks as the letters of the categories set, in column order: "SS DT".
void addMarks(qint64 person, const QDate& week, const QStringList& marks)
{
    const QStringList all{"SS", "SL", "RBD", "WS", "DT", "SE", "WN"};
    QVariantList values{week, person};
    for (const QString& c : all)
        values << int(marks.contains(c));
    MainDatabase.execute(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS, SL, RBD, WS, DT, SE, WN) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         values);
}

// A person's stored marks for a week, "-" when there is no row.
QString marksOf(qint64 person, const QDate& week)
{
    const QVariant row = MainDatabase.scalar(
        QStringLiteral("SELECT TRIM(CASE WHEN SS THEN 'SS ' ELSE '' END || CASE WHEN SL THEN 'SL ' ELSE '' END || "
                       "CASE WHEN RBD THEN 'RBD ' ELSE '' END || CASE WHEN WS THEN 'WS ' ELSE '' END || "
                       "CASE WHEN DT THEN 'DT ' ELSE '' END || CASE WHEN SE THEN 'SE ' ELSE '' END || "
                       "CASE WHEN WN THEN 'WN' ELSE '' END) FROM AttendanceData WHERE MemberID = ? AND WeekOf = ?"),
        {person, week});
    return row.isNull() ? QStringLiteral("-") : row.toString();
}

int rowsOf(qint64 person)
{
    return MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE MemberID = ?"), {person})
        .toInt();
}

// Every stored row as the person's last name, the week and the marks: "Adams 12/6: SS DT", by name and week.
QStringList storedRows()
{
    QStringList rows;
    MainDatabase.forEachRow(QStringLiteral("SELECT Member.Last_Name, AttendanceData.WeekOf, AttendanceData.MemberID "
                                           "FROM AttendanceData JOIN Member ON Member.ID = AttendanceData.MemberID "
                                           "ORDER BY Member.Last_Name, AttendanceData.WeekOf"),
                            {}, [&rows](const QSqlQuery& row) {
                                const QDate week = QDate::fromString(row.value(1).toString(), Qt::ISODate);
                                rows << QStringLiteral("%1 %2: %3")
                                            .arg(row.value(0).toString(), week.toString(QStringLiteral("M/d")),
                                                 marksOf(row.value(2).toLongLong(), week));
                            });
    return rows;
}

// Every row of the table, to see that nothing changed.
QStringList allRows()
{
    QStringList rows;
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM AttendanceData ORDER BY ID"));
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList cells;
        for (const char* c : {"ID", "WeekOf", "MemberID", "SS", "SL", "RBD", "WS", "DT", "SE", "WN"})
            cells << rs.Text(QString::fromLatin1(c));
        rows << cells.join(QLatin1Char(','));
    }
    return rows;
}

void showAllColumns()
{
    for (QString* s : {&MainMod::AttendanceShowSS, &MainMod::AttendanceShowSL, &MainMod::AttendanceShowRBD,
                       &MainMod::AttendanceShowWS, &MainMod::AttendanceShowDT, &MainMod::AttendanceShowSE,
                       &MainMod::AttendanceShowWN})
        *s = QStringLiteral("Yes");
}

frmAttendanceEntry* openEntry()
{
    MainMod::CurrentUserType = QStringLiteral("Admin");
    MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1")); // the stand-by person
    showAllColumns();
    return ScreenRegistry::load<frmAttendanceEntry>();
}

void find(frmAttendanceEntry* s)
{
    QTest::mouseClick(s->btnFind, Qt::LeftButton);
}

void save(frmAttendanceEntry* s)
{
    QTest::mouseClick(s->btnSave, Qt::LeftButton);
}

int rowOf(frmAttendanceEntry* s, qint64 person)
{
    const QList<qint64> ids = s->vsfgMembers->ids();
    return int(ids.indexOf(person));
}

// A click as the user makes it, away from the middle of the cell where the box is drawn. A double-click comes as the
// window system sends it (press, release, press, double-click, release) and opens the person on the member screen.
// "slid twice" releases its first click 5 px lower, in the next row. "half-shown …" cuts the grid half-way down the
// person's row and "thin …" 5 px into it; "… again" clicks there, and clicks the same place again once the view's
// delayed scroll would be over; "… dragged off" releases 10 px below the grid and "… slid" 1 px lower, then Space
// follows; "… released below" lets go 2 px below the grid, over the hidden part of the row.
void clickCell(frmAttendanceEntry* s, qint64 person, int column, const QString& how = {})
{
    NavigatorGrid* grid = s->vsfgMembers;
    const QRect cell = grid->visualRect(grid->model()->index(rowOf(s, person), column));
    QVERIFY(cell.isValid());
    const int cut = how.startsWith("half-shown") ? cell.center().y() : how.startsWith("thin") ? cell.top() + 5 : 0;
    for (int settle = 0; cut > 0 && settle < 2; ++settle) { // scroll bars come and go as it shrinks
        grid->resize(grid->width(), grid->height() - grid->viewport()->height() + cut);
        QCoreApplication::processEvents();
    }
    const QPoint at = how == "slid twice" ? cell.bottomLeft() + QPoint(2, -1) : cell.topLeft() + QPoint(2, 2);
    if (how.isEmpty()) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    QWindow* window = grid->window()->windowHandle();
    const QPoint press = window->mapFromGlobal(grid->viewport()->mapToGlobal(at));
    if (how == "half-shown again") {
        QTest::mouseClick(window, Qt::LeftButton, {}, press);
        QTest::qWait(QApplication::doubleClickInterval() + 300);
        return QTest::mouseClick(window, Qt::LeftButton, {}, press);
    }
    const QString gesture = how.section(' ', 1);
    if (gesture == "dragged off" || gesture == "slid" || gesture == "released below") {
        const int below = grid->viewport()->height() - at.y() + (gesture == "dragged off" ? 10 : 2);
        const QPoint release = press + QPoint(0, gesture == "slid" ? 1 : below);
        QTest::mousePress(window, Qt::LeftButton, {}, press);
        QTest::mouseMove(window, release);
        QTest::mouseRelease(window, Qt::LeftButton, {}, release);
        if (gesture != "released below")
            QTest::keyClick(window, Qt::Key_Space);
        return;
    }
    s->parentWidget()->raise(); // above the member screen a double-click opened
    // A hand double-clicks soon after the click before, inside the double-click interval that QTest waits out.
    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 100;
    QTest::mousePress(window, Qt::LeftButton, {}, press);
    QTest::mouseRelease(window, Qt::LeftButton, {}, press + QPoint(0, how == "slid twice" ? 5 : 0));
    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
    QTest::mouseClick(window, Qt::LeftButton, {}, press);
    QCOMPARE(ScreenRegistry::find<frmMemberEntry>()->MemberId(), person);
}

bool ticked(frmAttendanceEntry* s, qint64 person, int column)
{
    return s->vsfgMembers->isChecked(rowOf(s, person), column);
}

} // namespace

class TestAttendanceEntry : public QObject {
    Q_OBJECT

private slots:
    // Any day of a week lists and saves the marks of its Sunday, also in a week that spans the new year.
    void weekOfTheDatePicked_data()
    {
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QDate>("sunday");
        for (int d = 0; d < 7; ++d)
            QTest::addRow("%s", qPrintable(QDate(2026, 12, 6).addDays(d).toString("ddd")))
                << QDate(2026, 12, 6).addDays(d) << QDate(2026, 12, 6);
        QTest::newRow("New Year's Day, a Friday") << QDate(2027, 1, 1) << QDate(2026, 12, 27);
        QTest::newRow("the Saturday after") << QDate(2027, 1, 2) << QDate(2026, 12, 27);
        QTest::newRow("the Sunday after") << QDate(2027, 1, 3) << QDate(2027, 1, 3);
    }
    void weekOfTheDatePicked()
    {
        QFETCH(QDate, picked);
        QFETCH(QDate, sunday);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        const qint64 ann = addPerson("Adams", "Ann");
        addMarks(ann, sunday, {"SS"});
        addMarks(ann, sunday.addDays(-7), {"WS"});
        addMarks(ann, sunday.addDays(7), {"WN"});
        s->dtWeekOf->setDate(picked);
        find(s);
        QVERIFY(ticked(s, ann, 0));
        QVERIFY(!ticked(s, ann, 3));
        QVERIFY(!ticked(s, ann, 6));
        clickCell(s, ann, 1);
        save(s);
        QCOMPARE(marksOf(ann, sunday), QStringLiteral("SS SL"));
        QCOMPARE(marksOf(ann, sunday.addDays(-7)), QStringLiteral("WS"));
        QCOMPARE(marksOf(ann, sunday.addDays(7)), QStringLiteral("WN"));
        QCOMPARE(rowsOf(ann), 3);
        QCOMPARE(messages.count(), 0);
    }

    void gridHeadingsBandsAndCells()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        QCOMPARE(s->windowTitle(), QStringLiteral("Attendance Entry/Edit"));
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(s->dtWeekOf->date(), QDate(2026, 12, 7));
        for (const char* last : {"Cole", "Adams", "Baker"})
            addPerson(QString::fromLatin1(last), QStringLiteral("X"));
        MainDatabase.execute(
            QStringLiteral("UPDATE Member SET Middle_Name = 'Q', Title = 'Dr.' WHERE Last_Name = 'Cole'"));
        find(s);
        NavigatorGrid* grid = s->vsfgMembers;
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sunday\nSchool"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Read Bible\nDaily"));
        QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Wed.\nNight"));
        QCOMPARE(model->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Member Status"));
        QCOMPARE(grid->text(0, 8), QStringLiteral("Adams, X  "));
        QCOMPARE(grid->text(2, 8), QStringLiteral("Cole, X Q Dr."));
        QCOMPARE(grid->text(1, 10), QStringLiteral("Active"));
        QCOMPARE(s->Frame2->title(), QStringLiteral("Names")); // no count here
        QVERIFY(grid->horizontalHeader()->height() >= Twips::toPixels(450));
        // Data rows 2, 4 … are grey.
        QVERIFY(!model->index(0, 8).data(Qt::BackgroundRole).isValid());
        QCOMPARE(model->index(1, 8).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192));
        QVERIFY(!model->index(2, 0).data(Qt::BackgroundRole).isValid());
        // Only the check cells can change.
        for (int c = 7; c <= 10; ++c)
            QVERIFY(!(model->flags(model->index(0, c)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)));
        QVERIFY(model->flags(model->index(0, 4)) & Qt::ItemIsUserCheckable);
        // Space ticks the current check cell and clears it again.
        grid->setCurrentIndex(model->index(1, 4));
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(grid->isChecked(1, 4));
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(!grid->isChecked(1, 4));
        grabIfAsked(s, QStringLiteral("attendance-entry-small"));

        s->btnClear->click();
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(messages.count(), 0);
    }

    // Save writes whom the user changed since the week was found or last saved, and nobody else: what another desk
    // stored for the week meanwhile stays. Saved to another week, every listed person is written, and that week is
    // then the one found.
    void saveWritesOneRowPerMarkedPersonAndNoOther_data()
    {
        QTest::addColumn<QStringList>("firstClicks"); // "Cole WN": his Wed. Night box; "Cole name"; "... twice"
        QTest::addColumn<int>("moveDays");            // the date moved before the first save, answered Yes
        QTest::addColumn<int>("deskSaves");           // before which save the other desk works: 1, 2 or none (0)
        QTest::addColumn<QString>("deskClears");      // the mark the other desk clears, besides adding Noah's
        QTest::addColumn<QStringList>("secondClicks");
        QTest::addColumn<QStringList>("stored"); // every row after the second save
        QTest::newRow("boxes ticked and cleared, a hidden column kept")
            << QStringList{"Adams SL", "Cole WS", "Cole WN", "Dane SE", "Dane WS"} << 0 << 0 << QString()
            << QStringList{} << QStringList{"Adams 12/6: SS SL DT", "Dane 11/29: SS", "Dane 12/6: WS"};
        QTest::newRow("another desk's rows survive a box cleared")
            << QStringList{"Adams SS"} << 0 << 1 << "Cole WN" << QStringList{}
            << QStringList{"Adams 12/6: DT", "Cole 12/6: WS", "Dane 11/29: SS", "Dane 12/6: SE",
                           "Thompson 12/6: SS WS"};
        QTest::newRow("only the boxes changed are written")
            << QStringList{"Thompson SL", "Cole WS"} << 0 << 1 << "Cole WN" << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Dane 11/29: SS", "Dane 12/6: SE", "Thompson 12/6: SS SL WS"};
        QTest::newRow("a box ticked and cleared again is no change")
            << QStringList{"Thompson RBD", "Thompson RBD", "Cole WN", "Cole WN", "Baker SS"} << 0 << 1 << "Cole WN"
            << QStringList{} << QStringList{"Adams 12/6: SS DT", "Baker 12/6: SS", "Cole 12/6: WS",
                                            "Dane 11/29: SS",    "Dane 12/6: SE",  "Thompson 12/6: SS WS"};
        QTest::newRow("a double-click opens the person and changes no box")
            << QStringList{"Cole WN twice", "Baker SS twice"} << 0 << 0 << QString() << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Cole 12/6: WS WN", "Dane 11/29: SS", "Dane 12/6: SE"};
        QTest::newRow("a box clicked just before a double-click elsewhere keeps its click")
            << QStringList{"Adams SS", "Baker name twice", "Cole WN", "Cole name twice", "Dane SE", "Dane WS twice"}
            << 0 << 0 << QString() << QStringList{} << QStringList{"Adams 12/6: DT", "Cole 12/6: WS", "Dane 11/29: SS"};
        QTest::newRow("a double-click whose first click slid to the next row keeps the click before")
            << QStringList{"Dane SE", "Baker name slid twice"} << 0 << 0 << QString() << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Cole 12/6: WS WN", "Dane 11/29: SS"};
        QTest::newRow("a click on the half-shown last row leaves the grid where it was for the next click")
            << QStringList{"Cole WN half-shown again"} << 0 << 0 << QString() << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Cole 12/6: WS WN", "Dane 11/29: SS", "Dane 12/6: SE"};
        QTest::newRow("Space after a drag from the half-shown last row off the grid acts on that row, not the next")
            << QStringList{"Cole WN half-shown dragged off"} << 0 << 0 << QString() << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Cole 12/6: WS", "Dane 11/29: SS", "Dane 12/6: SE"};
        QTest::newRow("a press on the half-shown last row let go below the grid is no click")
            << QStringList{"Cole WN half-shown released below"} << 0 << 0 << QString() << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Cole 12/6: WS WN", "Dane 11/29: SS", "Dane 12/6: SE"};
        QTest::newRow("a click that slid on a last row showing 5 px is the box Space takes back")
            << QStringList{"Cole WN thin slid"} << 0 << 0 << QString() << QStringList{}
            << QStringList{"Adams 12/6: SS DT", "Cole 12/6: WS WN", "Dane 11/29: SS", "Dane 12/6: SE"};
        QTest::newRow("saved to another week, then only changes there")
            << QStringList{"Adams SL"} << -7 << 2 << "Cole WN" << QStringList{"Baker SE"}
            << QStringList{"Adams 11/29: SS SL DT", "Adams 12/6: SS DT", "Baker 11/29: SE", "Cole 11/29: WS",
                           "Cole 12/6: WS WN",      "Dane 11/29: SE",    "Dane 12/6: SE",   "Thompson 11/29: SS WS"};
        QTest::newRow("a second save starts from what the first wrote")
            << QStringList{"Adams SL"} << 0 << 2 << "Adams SL" << QStringList{"Baker WS"}
            << QStringList{"Adams 12/6: SS DT", "Baker 12/6: WS", "Cole 12/6: WS WN",
                           "Dane 11/29: SS",    "Dane 12/6: SE",  "Thompson 12/6: SS WS"};
    }
    void saveWritesOneRowPerMarkedPersonAndNoOther()
    {
        QFETCH(QStringList, firstClicks);
        QFETCH(int, moveDays);
        QFETCH(int, deskSaves);
        QFETCH(QString, deskClears);
        QFETCH(QStringList, secondClicks);
        QFETCH(QStringList, stored);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        QHash<QString, qint64> people;
        for (const char* name : {"Adams Ann", "Baker Bob", "Cole Cy", "Dane Dee", "Thompson Noah"}) {
            const QStringList parts = QString::fromLatin1(name).split(' ');
            people.insert(parts.first(), addPerson(parts.first(), parts.last()));
        }
        addMarks(people["Adams"], kThisWeek, {"SS", "DT"});
        addMarks(people["Cole"], kThisWeek, {"WS", "WN"});
        addMarks(people["Dane"], kThisWeek, {"SE"});
        addMarks(people["Dane"], kThisWeek.addDays(-7), {"SS"});
        // Disc. Training is switched off in config.txt: hidden, but its marks are kept.
        MainMod::AttendanceShowDT = QStringLiteral("No");
        MainMod::AttendanceShowRBD = QStringLiteral("no"); // only "No" hides
        find(s);
        QVERIFY(s->vsfgMembers->isColumnHidden(4));
        QVERIFY(!s->vsfgMembers->isColumnHidden(2));
        QVERIFY(ticked(s, people["Adams"], 4));

        const QStringList categories{"SS", "SL", "RBD", "WS", "DT", "SE", "WN"};
        const auto click = [&](const QStringList& clicks) {
            for (const QString& c : clicks)
                clickCell(s, people.value(c.section(' ', 0, 0)),
                          c.section(' ', 1, 1) == "name" ? frmAttendanceEntry::kIdColumn + 1
                                                         : int(categories.indexOf(c.section(' ', 1, 1))),
                          c.section(' ', 2));
        };
        // Another desk adds Noah's marks to the week about to be saved and clears one mark of someone else.
        const QDate savedWeek = kThisWeek.addDays(moveDays);
        OtherDesk desk(tdb.path());
        const auto otherDeskWorks = [&] {
            QVERIFY(
                desk.save(QStringLiteral("INSERT INTO AttendanceData (WeekOf, MemberID, SS, WS) VALUES (?, ?, 1, 1)"),
                          {savedWeek, people["Thompson"]}));
            const QString column = deskClears.section(' ', 1);
            QVERIFY(categories.contains(column));
            QVERIFY(desk.save(
                QStringLiteral("UPDATE AttendanceData SET %1 = 0 WHERE MemberID = ? AND WeekOf = ?").arg(column),
                {people.value(deskClears.section(' ', 0, 0)), savedWeek}));
        };

        click(firstClicks);
        if (deskSaves == 1)
            otherDeskWorks();
        bool deskFree = false;
        messages.whileShown([&](const Messages::Message&) { deskFree = desk.canSave(); });
        s->dtWeekOf->setDate(s->dtWeekOf->date().addDays(moveDays));
        save(s);
        QCOMPARE(messages.count(), moveDays == 0 ? 0 : 1); // the question, asked before anything is written
        QCOMPARE(deskFree, moveDays != 0);
        if (deskSaves == 2)
            otherDeskWorks();
        click(secondClicks);
        save(s);
        QCOMPARE(messages.count(), moveDays == 0 ? 0 : 1);
        QCOMPARE(storedRows(), stored);
        QCOMPARE(MainDatabase.scalar("SELECT COUNT(*) FROM AttendanceData WHERE SS + SL + RBD + WS + DT + SE + WN = 0")
                     .toInt(),
                 0);
        // The grid stays as it was.
        QCOMPARE(ticked(s, people["Adams"], 1), firstClicks.contains("Adams SL"));
        QCOMPARE(ticked(s, people["Thompson"], 0), false);
        grabIfAsked(s, QStringLiteral("attendance-entry-saved-") + QTest::currentDataTag());
    }

    // Someone opened from the week and deleted on the member screen gets no row when the week is saved; the rest
    // of the week is saved as ticked.
    void peopleDeletedSinceFindAreSkipped_data()
    {
        QTest::addColumn<QStringList>("marks"); // Bob's, stored before Find
        QTest::addColumn<int>("tick");          // the box of Bob's ticked after his delete, or -1
        QTest::newRow("marks loaded for the week") << QStringList{"WS"} << -1;
        QTest::newRow("a box ticked after the delete") << QStringList{} << 3;
        QTest::newRow("both") << QStringList{"SS", "SE"} << 3;
    }
    void peopleDeletedSinceFindAreSkipped()
    {
        QFETCH(QStringList, marks);
        QFETCH(int, tick);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        const qint64 ann = addPerson("Adams", "Ann");
        const qint64 bob = addPerson("Baker", "Bob");
        if (!marks.isEmpty())
            addMarks(bob, kThisWeek, marks);
        find(s);
        NavigatorGrid* grid = s->vsfgMembers;
        const QRect name = grid->visualRect(grid->model()->index(rowOf(s, bob), frmAttendanceEntry::kIdColumn + 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, name.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, name.center());
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QVERIFY(member);
        QCOMPARE(member->MemberId(), bob);
        QTest::mouseClick(member->btnDelete, Qt::LeftButton); // answered Yes
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE ID = ?"), {bob}).toInt(), 0);
        messages.clear();

        if (tick >= 0)
            clickCell(s, bob, tick);
        clickCell(s, ann, 0);
        save(s);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(rowsOf(bob), 0);
        QCOMPARE(marksOf(ann, kThisWeek), QStringLiteral("SS"));
    }

    void aFailureMidwayChangesNothing()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        const qint64 ann = addPerson("Adams", "Ann");
        const qint64 bob = addPerson("Baker", "Bob");
        const qint64 cy = addPerson("Cole", "Cy");
        addMarks(ann, kThisWeek, {"SS"});
        addMarks(cy, kThisWeek, {"WS"});
        find(s);
        clickCell(s, ann, 0); // cleared: Ann's row would go
        clickCell(s, bob, 1);
        clickCell(s, cy, 2);
        // Ann's row goes first, then Bob's new row fails.
        MainDatabase.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON AttendanceData WHEN NEW.MemberID = "
                                            "%1 BEGIN SELECT RAISE(ABORT, 'the disk is full'); END")
                                 .arg(bob));
        const QStringList before = allRows();
        save(s);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QVERIFY(messages.last().text.startsWith(
            QStringLiteral("The marks were not saved: the week of 12/6/2026 is as it was before.")));
        QVERIFY(messages.last().text.contains(QStringLiteral("the disk is full")));
        QCOMPARE(allRows(), before);
        QVERIFY(ticked(s, bob, 1)); // the marks typed stay on the screen
        // Mended, the same grid saves.
        MainDatabase.execute(QStringLiteral("DROP TRIGGER refuse"));
        save(s);
        QCOMPARE(marksOf(ann, kThisWeek), QStringLiteral("-"));
        QCOMPARE(marksOf(bob, kThisWeek), QStringLiteral("SL"));
        QCOMPARE(marksOf(cy, kThisWeek), QStringLiteral("RBD WS"));
    }

    // A date changed after Find would write the marks into another week: the user is asked first.
    void savingToAnotherWeekAsksFirst()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        const qint64 ann = addPerson("Adams", "Ann");
        const qint64 bob = addPerson("Baker", "Bob");
        const QDate earlier = kThisWeek.addDays(-7);
        addMarks(ann, kThisWeek, {"SS"});
        addMarks(bob, earlier, {"WN"});
        find(s);
        // Another day of the same week asks nothing.
        s->dtWeekOf->setDate(QDate(2026, 12, 12));
        save(s);
        QCOMPARE(messages.count(), 0);

        s->dtWeekOf->setDate(QDate(2026, 12, 2));
        messages.answer(Messages::Answer::No);
        save(s);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("The marks shown were loaded for the week of 12/6/2026. Save "
                                                      "them to the week of 11/29/2026?"));
        QCOMPARE(messages.last().title, QStringLiteral("Attendance Entry/Edit"));
        QCOMPARE(messages.last().buttons, Messages::Buttons::YesNo);
        QCOMPARE(marksOf(ann, earlier), QStringLiteral("-"));
        QCOMPARE(marksOf(bob, earlier), QStringLiteral("WN"));

        messages.answer(Messages::Answer::Yes);
        save(s);
        QCOMPARE(messages.count(), 2);
        QCOMPARE(marksOf(ann, earlier), QStringLiteral("SS"));
        QCOMPARE(marksOf(bob, earlier), QStringLiteral("-"));
        QCOMPARE(marksOf(ann, kThisWeek), QStringLiteral("SS"));
        // The grid now belongs to that week: saving again asks nothing.
        save(s);
        QCOMPARE(messages.count(), 2);
    }

    // "InActive" exactly, or no church status, is left out; every other spelling is listed.
    void inactivePeopleAreLeftOut()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmAttendanceEntry* s = openEntry();
        const qint64 active = addPerson("Adams", "Active");
        const qint64 inactive = addPerson("Baker", "InActive", QStringLiteral("InActive"));
        const qint64 lower = addPerson("Cole", "lower", QStringLiteral("inactive"));
        const qint64 none = addPerson("Dane", "Null", QVariant());
        const qint64 empty = addPerson("Evans", "Empty", QString(""));
        addMarks(inactive, kThisWeek, {"SS"});
        find(s);
        QCOMPARE(s->vsfgMembers->ids(), (QList<qint64>{active, lower, empty}));
        Q_UNUSED(none);
        save(s);
        QCOMPARE(marksOf(inactive, kThisWeek), QStringLiteral("SS")); // never touched

        // The filters narrow the list further.
        const int at = s->cmbChurchStatus->findText(QStringLiteral("InActive"));
        QVERIFY(at >= 0);
        s->cmbChurchStatus->setCurrentIndex(at);
        find(s);
        QCOMPARE(s->vsfgMembers->ids(), QList<qint64>{lower}); // the list compares without regard to case
        s->btnClear->click();
        QTest::keyClicks(s->txtName, QStringLiteral("mpt"));
        find(s);
        QCOMPARE(s->vsfgMembers->ids(), QList<qint64>{empty});
        QCOMPARE(messages.count(), 0);
    }

    void opensFromTheMenuOnTheDemoChurch()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserID = DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        showAllColumns();
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        area.area()->resize(1100, 760);
        mdi.runCommand(QStringLiteral("AttendanceEntry"));
        auto* s = ScreenRegistry::find<frmAttendanceEntry>();
        QVERIFY(s);
        find(s);
        const int listed = s->vsfgMembers->dataRows();
        QVERIFY(listed > 20);
        const qint64 first = s->vsfgMembers->ids().first();
        const bool wasTicked = ticked(s, first, 3);
        clickCell(s, first, 3);
        save(s);
        // Reopened, the week shows what was saved.
        s->btnClear->click();
        find(s);
        QCOMPARE(ticked(s, first, 3), !wasTicked);
        grabIfAsked(area.area(), QStringLiteral("attendance-entry"));
        QCOMPARE(messages.count(), 0);
        ScreenRegistry::setArea(nullptr);
    }
};

QTEST_MAIN(TestAttendanceEntry)
#include "tst_attendanceentry.moc"
