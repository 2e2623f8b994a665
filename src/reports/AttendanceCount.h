#pragma once

#include "reports/engine/Definition.h"
#include "reports/engine/Rows.h"

#include <QDate>
#include <QList>

// The attendance count report: for each listed person, how many weeks of a range they were marked in each of the
// seven categories, and what share of the range's weeks that is.
namespace AttendanceCount {

// The categories' columns, in their order.
const QStringList& categoryColumns();

// The member-list rows of the listed people, then TotalWeeks (the number given, on every row), the seven counts
// over the weeks from the first date to the last, both included (0 without a mark), and each count's share of the
// weeks as text ("75%"; empty when the weeks come to zero or less). By last name, first name, ID.
ReportEngine::Rows countRows(const QList<qint64>& ids, const QDate& fromDate, const QDate& toDate, int totalWeeks);

// A line per person: the name, then each category's count and share. The text object "Range" heads the columns.
ReportEngine::Definition crptAttendanceNavigatorCountReport();

// The heading text of the range: how many weeks, from which date to which.
QString rangeText(const QDate& fromDate, const QDate& toDate, int totalWeeks);

} // namespace AttendanceCount
