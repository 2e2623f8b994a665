#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmProspectNavigator.h"
#include "search/frmAttendanceEntry.h"
#include "search/frmAttendanceNavigator.h"
#include "search/frmMemberNavigator.h"
#include "shell/ScreenRegistry.h"

#include <QHeaderView>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

// What a tool tip over the middle of a cell shows; empty when none comes up.
QString tipOver(QTableView* grid, const QModelIndex& index)
{
    QToolTip::hideText();
    const QPoint at = grid->visualRect(index).center();
    QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

int columnOf(const QTableView* grid, const QString& heading)
{
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (grid->model()->headerData(c, Qt::Horizontal).toString() == heading)
            return c;
    return -1;
}

void showAllCategories()
{
    for (QString* s : {&MainMod::AttendanceShowSS, &MainMod::AttendanceShowSL, &MainMod::AttendanceShowRBD,
                       &MainMod::AttendanceShowWS, &MainMod::AttendanceShowDT, &MainMod::AttendanceShowSE,
                       &MainMod::AttendanceShowWN})
        *s = QStringLiteral("Yes");
}

} // namespace

class TestGridLooks : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MainMod::CurrentUserType = QStringLiteral("Admin");
        showAllCategories();
    }

    // One person with a very long first name: every column of the grid stays in sight, the long name is cut
    // short in its cell and shown whole as the cell's tool tip, and the short cells beside it keep theirs.
    void aVeryLongNameLeavesEveryColumnInSight_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("attendance navigator") << "frmAttendanceNavigator";
        QTest::newRow("member navigator") << "frmMemberNavigator";
        QTest::newRow("attendance entry") << "frmAttendanceEntry";
        QTest::newRow("prospect navigator") << "frmProspectNavigator";
        QTest::newRow("member screen's family") << "frmMemberEntry";
    }
    void aVeryLongNameLeavesEveryColumnInSight()
    {
        QFETCH(QString, screen);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const QString longName = QString(QStringLiteral("Bartholomew")).repeated(28).left(300);
        const qint64 head = addPerson(QStringLiteral("Abbott"), QStringLiteral("Ann"),
                                      {{"Member_Active_Status", "Active"}, {"Head_Of_Household", 1}});
        const qint64 relative =
            addPerson(QStringLiteral("Abbott"), longName, {{"Member_Active_Status", "Active"}, {"Status", "Member"}});
        addRow("Family_Connection", {{"Member_ID", head}, {"Relative_Member_ID", relative}, {"Relationship", "Son"}});

        QTableView* grid = nullptr;
        if (screen == QLatin1String("frmMemberEntry")) {
            auto* s = ScreenRegistry::load<frmMemberEntry>();
            s->LoadMember(head);
            grid = s->vsfgFamilyMembers;
        } else {
            NavigatorScreen* s = nullptr;
            if (screen == QLatin1String("frmAttendanceNavigator"))
                s = ScreenRegistry::load<frmAttendanceNavigator>();
            else if (screen == QLatin1String("frmMemberNavigator"))
                s = ScreenRegistry::load<frmMemberNavigator>();
            else if (screen == QLatin1String("frmAttendanceEntry"))
                s = ScreenRegistry::load<frmAttendanceEntry>();
            else
                s = ScreenRegistry::load<frmProspectNavigator>();
            QVERIFY(s);
            auto* find = s->findChild<QPushButton*>(QStringLiteral("btnFind"));
            QTest::mouseClick(find, Qt::LeftButton);
            grid = s->vsfgMembers;
        }
        QVERIFY(grid && grid->isVisible());
        grabIfAsked(grid->window(), QStringLiteral("long-name-") + screen);

        const int name = columnOf(grid, QStringLiteral("Name"));
        QVERIFY(name >= 0);
        int row = -1;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            if (grid->model()->index(r, name).data().toString().contains(longName))
                row = r;
        QVERIFY(row >= 0);
        const int visible = grid->viewport()->width();
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            QVERIFY2(grid->columnWidth(c) <= visible, qPrintable(QString::number(c)));
        // The name's cell starts inside the grid, as it did before any scrolling.
        const QRect cell = grid->visualRect(grid->model()->index(row, name));
        QVERIFY(cell.left() >= 0 && cell.left() < visible);
        const int id = columnOf(grid, QStringLiteral("ID"));
        if (id >= 0)
            QCOMPARE(tipOver(grid, grid->model()->index(row, id)), QString());
        QVERIFY(tipOver(grid, grid->model()->index(row, name)).contains(longName));
    }

    // Attendance entry has no heading row until a search fills the grid, and none again after Clear.
    void attendanceHeadingComesWithTheRows_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("heading");
        QTest::newRow("opened") << QStringList{} << false;
        QTest::newRow("found") << QStringList{"btnFind"} << true;
        QTest::newRow("cleared") << QStringList{"btnFind", "btnClear"} << false;
    }
    void attendanceHeadingComesWithTheRows()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, heading);
        TestDatabase tdb;
        TestArea area;
        addPerson(QStringLiteral("Baker"), QStringLiteral("Bo"), {{"Member_Active_Status", "Active"}});
        auto* s = ScreenRegistry::load<frmAttendanceEntry>();
        for (const QString& button : clicks)
            QTest::mouseClick(s->findChild<QPushButton*>(button), Qt::LeftButton);
        grabIfAsked(s->window(), QStringLiteral("attendance-heading-") + QTest::currentDataTag());
        QCOMPARE(s->vsfgMembers->horizontalHeader()->isVisible(), heading);
    }

    // After Find the current cell is a category the user can see, shown picked; Space ticks that one.
    void attendanceCurrentCellIsAShownCategory_data()
    {
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<int>("column");
        QTest::newRow("every category shown") << QStringList{} << 0;
        QTest::newRow("Sunday School hidden") << QStringList{"SS"} << 1;
        QTest::newRow("first three hidden") << QStringList{"SS", "SL", "RBD"} << 3;
    }
    void attendanceCurrentCellIsAShownCategory()
    {
        QFETCH(QStringList, hidden);
        QFETCH(int, column);
        TestDatabase tdb;
        TestArea area;
        const QMap<QString, QString*> settings{{"SS", &MainMod::AttendanceShowSS},
                                               {"SL", &MainMod::AttendanceShowSL},
                                               {"RBD", &MainMod::AttendanceShowRBD}};
        for (const QString& category : hidden)
            *settings.value(category) = QStringLiteral("No");
        addPerson(QStringLiteral("Baker"), QStringLiteral("Bo"), {{"Member_Active_Status", "Active"}});
        addPerson(QStringLiteral("Cole"), QStringLiteral("Cy"), {{"Member_Active_Status", "Active"}});
        auto* s = ScreenRegistry::load<frmAttendanceEntry>();
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        NavigatorGrid* grid = s->vsfgMembers;
        grid->setFocus(Qt::TabFocusReason);
        const QModelIndex current = grid->currentIndex();
        QVERIFY(current.isValid());
        QCOMPARE(current.row(), 0);
        QCOMPARE(current.column(), column);
        // Picked: the one cell is highlighted, so the user sees where Space lands.
        QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{current});
        grabIfAsked(s->window(), QStringLiteral("attendance-current-") + QTest::currentDataTag());
        QTest::keyClick(grid, Qt::Key_Space);
        for (int c = 0; c < frmAttendanceEntry::kCategories; ++c)
            QCOMPARE(grid->isChecked(0, c), c == column);
    }

    // The prospect navigator's Next Date reads mm/dd/yyyy; the contact history's Notes read from the left while
    // the other columns stay centred.
    void prospectGridsShowTheirDesignedForms_data()
    {
        QTest::addColumn<QVariant>("nextDate");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one-digit day") << QVariant("2026-12-08") << "12/08/2026";
        QTest::newRow("one-digit month") << QVariant("2027-01-15") << "01/15/2027";
        QTest::newRow("none") << QVariant() << "";
    }
    void prospectGridsShowTheirDesignedForms()
    {
        QFETCH(QVariant, nextDate);
        QFETCH(QString, shown);
        TestDatabase tdb;
        TestArea area;
        const qint64 prospect =
            addPerson(QStringLiteral("Price"), QStringLiteral("Pat"),
                      {{"Prospect_Phase", "First Visit"}, {"Prospect_Next_Contact_Date", nextDate}});
        addRow("Prospect_Contact", {{"Prospect_ID", prospect},
                                    {"Contact_Date", "2026-11-29"},
                                    {"Action", "Visit"},
                                    {"Notes", "Asked about the youth choir."}});
        auto* s = ScreenRegistry::load<frmProspectNavigator>();
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        const int row = int(s->vsfgMembers->ids().indexOf(prospect));
        QVERIFY(row >= 0);
        QCOMPARE(s->vsfgMembers->text(row, 4), shown);
        QTest::mouseClick(s->vsfgMembers->viewport(), Qt::LeftButton, {},
                          s->vsfgMembers->visualRect(s->vsfgMembers->model()->index(row, 1)).center());
        QCOMPARE(s->vsfgContact->dataRows(), 1);
        grabIfAsked(s->window(), QStringLiteral("prospect-grids-") + QTest::currentDataTag());
        const QAbstractItemModel* contacts = s->vsfgContact->model();
        const auto horizontal = [](const QVariant& alignment) {
            return Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(horizontal(contacts->index(0, 7).data(Qt::TextAlignmentRole)), Qt::AlignLeft);
        for (int c = 0; c < 7; ++c)
            QCOMPARE(horizontal(contacts->index(0, c).data(Qt::TextAlignmentRole)), Qt::AlignHCenter);
    }
};

QTEST_MAIN(TestGridLooks)
#include "tst_gridlooks.moc"
