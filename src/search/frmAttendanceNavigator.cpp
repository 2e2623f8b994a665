#include "frmAttendanceNavigator.h"

#include "AttendanceWeeks.h"
#include "SearchStatement.h"

#include "core/Format.h"
#include "core/TypeAhead.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/IdList.h"
#include "platform/WaitCursor.h"
#include "reports/Reports.h"
#include "schema/PermissionNames.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

using Controls::label;
using Controls::rightLabel;

namespace {

constexpr int kWidth = 11835; // twips, as every navigator opens
constexpr int kButtonWidth = 1095;

const QStringList kHeadings{"ID", "Name", "Status", "Member Status"};
const QString kBase = QStringLiteral("SELECT Member.ID, ") + SearchStatement::gridName() +
                      QStringLiteral(", Member.Status, Member.Member_Active_Status FROM Member");
const QString kOrderBy = QStringLiteral(" ORDER BY Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.ID");

// The number at the start of the missed box as whole weeks: 2.5 means missing at least 3. Text without a number
// reads as 0; a number beyond any range of weeks is held at a bound that means the same.
qint64 missedWeeks(const QString& typed)
{
    constexpr double kBound = 1e9;
    const double n = std::ceil(Format::leadingNumber(typed));
    if (std::isnan(n))
        return 0;
    return qint64(std::clamp(n, -kBound, kBound));
}

// The attendance column of the category chosen in a list, taken only from the fixed list of columns; empty when
// nothing is chosen.
QString chosenColumn(const QComboBox* combo)
{
    const QString column = IdList::currentId(combo).toString();
    return frmAttendanceNavigator::categoryColumns().contains(column) ? column : QString();
}

} // namespace

const QStringList& frmAttendanceNavigator::categoryNames()
{
    static const QStringList names{"Sunday School",         "Studied Lesson", "Daily Bible Reading", "Worship Service",
                                   "Discipleship Training", "Sunday Evening", "Wednesday Night"};
    return names;
}

const QStringList& frmAttendanceNavigator::categoryColumns()
{
    static const QStringList columns{"SS", "SL", "RBD", "WS", "DT", "SE", "WN"};
    return columns;
}

frmAttendanceNavigator::frmAttendanceNavigator(QWidget* parent)
    : NavigatorScreen({0, {}, true, QStringLiteral("Names - Matching Records: "), false}, parent)
{
    setObjectName(QStringLiteral("frmAttendanceNavigator"));
    setWindowTitle(QStringLiteral("Attendance Navigator"));
    buildFrames(QRect(120, 120, 9855, 2655), QStringLiteral("Names"), QRect(120, 2880, 10935, 4215));
    buildCriteria();
    connectHandlers();
}

void frmAttendanceNavigator::buildCriteria()
{
    QGroupBox* f = Frame1;
    // Today's fonts need a little more room than designed: some lists are narrower and the labels wider.
    // "Missed n or more <category> between <date> and <date>"
    rightLabel(f, QStringLiteral("Missed"), 120, 360, 660);
    txtMissed = textBox(f, "txtMissed", 840, 360, 615);
    label(f, QStringLiteral("or more"), 1515, 360, 720);
    // The category lists are wider than designed, so that "Discipleship Training" shows whole.
    cmbClass = pickList(f, "cmbClass", 2280, 360, 2205);
    rightLabel(f, QStringLiteral("between"), 4530, 360, 780);
    dtStart = datePicker(f, "dtStart", 5330, 360, 1455);
    rightLabel(f, QStringLiteral("and"), 6790, 360, 330);
    dtEnd = datePicker(f, "dtEnd", 7130, 360, 1455);
    // "Attended <category> Week of <date>"
    rightLabel(f, QStringLiteral("Attended"), 1320, 840, 900);
    cmbClass2 = pickList(f, "cmbClass2", 2280, 840, 2205);
    rightLabel(f, QStringLiteral("Week of"), 4530, 840, 780);
    dtAttend = datePicker(f, "dtAttend", 5330, 840, 1455);

    rightLabel(f, QStringLiteral("Member Status"), 60, 1320, 1400);
    cmbStatus = pickList(f, "cmbStatus", 1520, 1320, 2400);
    rightLabel(f, QStringLiteral("Church Status"), 60, 1680, 1400);
    cmbChurchStatus = pickList(f, "cmbChurchStatus", 1520, 1680, 2400);
    rightLabel(f, QStringLiteral("Name"), 60, 2040, 1400);
    txtName = textBox(f, "txtName", 1520, 2040, 2400);
    rightLabel(f, QStringLiteral("SS Class"), 4140, 1320, 1080);
    cmbSSClass = pickList(f, "cmbSSClass", 5280, 1320, 2895);
    rightLabel(f, QStringLiteral("Disc Class"), 4140, 1680, 1080);
    cmbDiscClass = pickList(f, "cmbDiscClass", 5280, 1680, 2895);
    rightLabel(f, QStringLiteral("Wed Class"), 4140, 2040, 1080);
    cmbWedClass = pickList(f, "cmbWedClass", 5280, 2040, 2895);

    btnFind = button(f, "btnFind", QStringLiteral("Find"), 8640, 240, kButtonWidth);
    btnClear = button(f, "btnClear", QStringLiteral("Clear"), 8640, 720, kButtonWidth);
    btnPrintList = button(f, "btnPrintList", QStringLiteral("Print List"), 8640, 1200, kButtonWidth);
    btnPrintMissed = button(f, "btnPrintMissed", QStringLiteral("Print Count"), 8640, 1680, kButtonWidth);
    btnExit = button(f, "btnExit", QStringLiteral("Exit"), 8640, 2160, kButtonWidth);
    m_filters = {txtName, cmbStatus, cmbChurchStatus, cmbSSClass, cmbDiscClass, cmbWedClass};

    const QList<QWidget*> order{txtMissed, cmbClass,        dtStart,      dtEnd,          cmbClass2,    dtAttend,
                                cmbStatus, cmbChurchStatus, txtName,      cmbSSClass,     cmbDiscClass, cmbWedClass,
                                btnFind,   btnClear,        btnPrintList, btnPrintMissed, btnExit,      vsfgMembers};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmAttendanceNavigator::connectHandlers()
{
    // The attended list keeps the list's own keys.
    m_filters.installTypeAhead();
    TypeAhead::install(cmbClass);
    on(btnFind, &QPushButton::clicked, [this] { btnFind_Click(); });
    on(btnClear, &QPushButton::clicked, [this] { btnClear_Click(); });
    on(btnPrintList, &QPushButton::clicked, [this] { btnPrintList_Click(); });
    on(btnPrintMissed, &QPushButton::clicked, [this] { btnPrintMissed_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmAttendanceNavigator::Form_Load()
{
    placeOnLoad(kWidth);
    LoadSearchValues();
}

void frmAttendanceNavigator::LoadSearchValues()
{
    WaitCursor wait;
    m_filters.load();
    clearGrid();
    const QDate today = Clock::today();
    for (QDateEdit* picker : {dtStart, dtEnd, dtAttend})
        setDateQuietly(picker, today);
    // The categories never change: they are listed once.
    for (QComboBox* combo : {cmbClass, cmbClass2}) {
        if (combo->count() > 0)
            continue;
        const QSignalBlocker quiet(combo);
        for (int i = 0; i < categoryNames().size(); ++i)
            IdList::add(combo, categoryNames().at(i), categoryColumns().at(i));
        combo->setCurrentIndex(-1);
    }
}

void frmAttendanceNavigator::addAttended(SearchStatement& search) const
{
    const QString column = chosenColumn(cmbClass2);
    if (column.isEmpty())
        return;
    search.add(
        QStringLiteral("Member.ID IN (SELECT MemberID FROM AttendanceData WHERE WeekOf = ? AND %1 <> 0)").arg(column),
        {AttendanceWeeks::weekOf(dtAttend->date())});
}

void frmAttendanceNavigator::addMissed(SearchStatement& search) const
{
    // Both halves are needed: a number without a category, or a category without a number, adds nothing.
    const QString column = chosenColumn(cmbClass);
    if (column.isEmpty() || txtMissed->text().isEmpty())
        return;
    // Missing n of the T weeks is attending at most T - n: whoever attended T - n + 1 weeks or more is left out,
    // and whoever has no row in the range always stays.
    const qint64 weeks = AttendanceWeeks::weeksIn(dtStart->date(), dtEnd->date());
    const qint64 attendedTooOften = weeks - missedWeeks(txtMissed->text()) + 1;
    search.add(QStringLiteral("Member.ID NOT IN (SELECT MemberID FROM AttendanceData WHERE WeekOf >= ? AND "
                              "WeekOf <= ? AND %1 <> 0 AND MemberID IS NOT NULL GROUP BY MemberID "
                              "HAVING COUNT(*) >= ?)")
                   .arg(column),
               {dtStart->date(), dtEnd->date(), attendedTooOften});
}

void frmAttendanceNavigator::UpdateGrids()
{
    WaitCursor wait;
    SearchStatement search(kBase);
    m_filters.addTo(search);
    addAttended(search);
    addMissed(search);

    QList<NavigatorRow> rows;
    search.forEachRow(kOrderBy, [&rows](const QSqlQuery& query) {
        NavigatorRow row;
        row.id = query.value(0).toLongLong();
        row.cells = {query.value(1).toString(), query.value(2).toString(), query.value(3).toString()};
        rows.append(std::move(row));
    });
    showResults(kHeadings, std::move(rows));
}

void frmAttendanceNavigator::btnFind_Click()
{
    UpdateGrids();
}

void frmAttendanceNavigator::btnClear_Click()
{
    m_filters.clear();
    txtMissed->clear();
    const QDate today = Clock::today();
    for (QDateEdit* picker : {dtStart, dtEnd, dtAttend})
        setDateQuietly(picker, today);
    cmbClass->setCurrentIndex(-1);
    cmbClass2->setCurrentIndex(-1);
    clearGrid();
}

void frmAttendanceNavigator::btnPrintList_Click()
{
    printListed(PermissionNames::kAttendanceNavigatorReport,
                [](const QList<qint64>& ids) { Reports::PrintMemberNavigatorReport(ids, true); });
}

void frmAttendanceNavigator::btnPrintMissed_Click()
{
    // The counts cover every category over the range, whatever the categories chosen.
    const QDate from = dtStart->date();
    const QDate to = dtEnd->date();
    printListed(PermissionNames::kAttendanceNavigatorReport, [from, to](const QList<qint64>& ids) {
        Reports::PrintAttendanceNavigatorCountReport(ids, from, to, AttendanceWeeks::weeksIn(from, to), true);
    });
}

void frmAttendanceNavigator::btnExit_Click()
{
    Unload();
}
