#include "AttendanceWeeks.h"

namespace AttendanceWeeks {

QDate weekOf(const QDate& date)
{
    // Qt numbers Monday 1 to Sunday 7, so a Sunday goes back 0 days and a Saturday 6.
    return date.addDays(-(date.dayOfWeek() % 7));
}

int weeksIn(const QDate& from, const QDate& to)
{
    // Whole periods, the remainder dropped toward zero.
    return int(from.daysTo(to) / 7) + 1;
}

} // namespace AttendanceWeeks
