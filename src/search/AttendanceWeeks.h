#pragma once

#include <QDate>

// Attendance is kept by the week, and a week is known by its Sunday.
namespace AttendanceWeeks {

// The Sunday on or before the date.
QDate weekOf(const QDate& date);

// The weeks a range of dates spans: the whole seven-day periods from the first date to the last, plus one.
// Dates 0 to 6 days apart span 1 week, 7 to 13 days 2, whatever their weekdays; a last date 1 to 13 days
// before the first gives 0, and further back less.
int weeksIn(const QDate& from, const QDate& to);

} // namespace AttendanceWeeks
