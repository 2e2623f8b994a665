// Tab "Attendance Info": one month of the shown person's weeks as seven small calendars, one per attendance
// category, with the Sunday of each attended week painted yellow.
#include "frmMemberEntry.h"

#include "core/MainMod.h"
#include "platform/Controls.h"
#include "platform/SqlValue.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

using Controls::make;
using MainMod::MainDatabase;

namespace {

// The designed tops count from the tab control's top edge; the page starts under the tab strip.
constexpr int kTabStrip = 480;
constexpr int kCalendarWidth = 2160;
constexpr int kCalendarHeight = 1695;
constexpr int kHeadingHeight = 255;

struct CalendarDesign {
    const char* name;
    const char* label;
    const char* caption;
    const char* flag;
    int left;
    int top;
    int width;
};

// In the order cal to cal7: the second shows daily Bible reading, the third the studied lesson.
const CalendarDesign kCalendars[] = {
    {"cal", "Label57", "Sunday School Attendance", "SS", 240, 1560, kCalendarWidth + 3},
    {"cal2", "Label58", "Daily Bible Reading", "RBD", 3120, 1560, kCalendarWidth},
    {"cal3", "Label59", "Studied SS Lesson", "SL", 6000, 1560, kCalendarWidth},
    {"cal4", "Label60", "Worship Service Attendance", "WS", 8880, 1560, kCalendarWidth},
    {"cal5", "Label61", "Discipleship Training", "DT", 240, 3720, kCalendarWidth},
    {"cal6", "Label62", "Sunday Eve Service", "SE", 3120, 3720, kCalendarWidth},
    {"cal7", "Label63", "Wednesday Night", "WN", 6000, 3720, kCalendarWidth},
};

const QColor kMarked(255, 255, 0);

// Where the days of a month stand: a heading row, then one row per calendar week, Sunday in column 0.
struct MonthLayout {
    explicit MonthLayout(const QDate& anyDay)
        : first(anyDay.year(), anyDay.month(), 1), days(first.daysInMonth()), offset(first.dayOfWeek() % 7),
          weekRows((days + offset + 6) / 7)
    {
    }
    int row(int day) const { return 1 + (day - 1 + offset) / 7; }
    int column(int day) const { return (day - 1 + offset) % 7; }

    QDate first;
    int days;
    int offset;   // 0 when the 1st is a Sunday, 6 when a Saturday
    int weekRows; // 4, 5 or 6
};

} // namespace

void frmMemberEntry::buildAttendanceTab(QWidget* tab)
{
    btnPrevMonth = make<QPushButton>(tab, "btnPrevMonth", 240, 720 - kTabStrip, 1575, 375);
    btnPrevMonth->setText(QStringLiteral("<<"));
    lblDate = make<QLabel>(tab, "lblDate", 2160, 720 - kTabStrip, 6255, 375);
    lblDate->setAlignment(Qt::AlignCenter);
    QFont monthFont = lblDate->font();
    monthFont.setBold(true);
    monthFont.setPointSize(monthFont.pointSize() + 2);
    lblDate->setFont(monthFont);
    btnNextMonth = make<QPushButton>(tab, "btnNextMonth", 9480, 720 - kTabStrip, 1575, 375);
    btnNextMonth->setText(QStringLiteral(">>"));

    QFont small = font();
    small.setPointSize(small.pointSize() - 1);
    for (const CalendarDesign& design : kCalendars) {
        const int top = design.top - kTabStrip;
        // In the calendars' small font, so the captions fit their designed width.
        QLabel* caption = Controls::label(tab, QString::fromLatin1(design.caption), design.left, top - 240, 2175, 255);
        caption->setObjectName(QString::fromLatin1(design.label));
        caption->setFont(small);
        auto* grid = make<QTableWidget>(tab, design.name, design.left, top, design.width, kCalendarHeight);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        grid->setFocusPolicy(Qt::NoFocus);
        grid->setTextElideMode(Qt::ElideNone);
        grid->setFont(small);
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->horizontalHeader()->setMinimumSectionSize(1);
        calendars << grid;
    }
}

void frmMemberEntry::DrawCalendars(const QDate& shownMonth)
{
    const MonthLayout month(shownMonth);
    const QTableWidget* cal = calendars.first();
    const int rows = 1 + month.weekRows;
    // Every grid takes its sizes from the first.
    const int columnWidth = int(std::lround((cal->width() - Twips::toPixels(42)) / 7.0));
    const int headingHeight = Twips::toPixels(kHeadingHeight);
    const int rowHeight =
        int(std::lround(double(cal->height() - headingHeight - Twips::toPixels(80)) / double(rows - 1)));
    const QStringList heading{QStringLiteral("S"), QStringLiteral("M"), QStringLiteral("T"), QStringLiteral("W"),
                              QStringLiteral("T"), QStringLiteral("F"), QStringLiteral("S")};

    for (QTableWidget* grid : std::as_const(calendars)) {
        grid->clear();
        grid->setRowCount(0);
        grid->setColumnCount(7);
        grid->setRowCount(rows);
        for (int c = 0; c < 7; ++c) {
            auto* cell = new QTableWidgetItem(heading[c]);
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setBackground(grid->palette().button());
            grid->setItem(0, c, cell);
            grid->setColumnWidth(c, columnWidth);
        }
        for (int day = 1; day <= month.days; ++day) {
            auto* cell = new QTableWidgetItem(QString::number(day));
            cell->setTextAlignment(Qt::AlignCenter);
            grid->setItem(month.row(day), month.column(day), cell);
        }
        grid->setRowHeight(0, headingHeight);
        for (int r = 1; r < rows; ++r)
            grid->setRowHeight(r, rowHeight);
    }
    lblDate->setText(QLocale(QLocale::English, QLocale::UnitedStates).toString(month.first, QStringLiteral("MMMM yyyy")));
}

void frmMemberEntry::ShowAttendanceMarks(const QDate& shownMonth)
{
    if (m_memberId == 0)
        return;
    const MonthLayout month(shownMonth);
    // The weeks whose Sunday lies in the month on show; each flag marks that Sunday in its own calendar.
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT WeekOf, SS, SL, RBD, WS, DT, SE, WN FROM AttendanceData WHERE MemberID = ? AND "
                       "WeekOf >= ? AND WeekOf < ? ORDER BY WeekOf"),
        {m_memberId, month.first, month.first.addMonths(1)});
    for (; !rs.Eof(); rs.MoveNext()) {
        const QDate week = SqlValue::toDate(rs.Field(QStringLiteral("WeekOf")));
        if (!week.isValid())
            continue;
        for (int i = 0; i < calendars.size(); ++i) {
            if (!SqlValue::toBool(rs.Field(QString::fromLatin1(kCalendars[i].flag))))
                continue;
            if (QTableWidgetItem* cell = calendars[i]->item(month.row(week.day()), month.column(week.day())))
                cell->setBackground(kMarked);
        }
    }
    rs.Close();
}

void frmMemberEntry::btnNextMonth_Click()
{
    m_calendarMonth = m_calendarMonth.addMonths(1);
    DrawCalendars(m_calendarMonth);
    ShowAttendanceMarks(m_calendarMonth);
}

void frmMemberEntry::btnPrevMonth_Click()
{
    m_calendarMonth = m_calendarMonth.addMonths(-1);
    DrawCalendars(m_calendarMonth);
    ShowAttendanceMarks(m_calendarMonth);
}
