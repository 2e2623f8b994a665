#pragma once

#include <QString>
#include <QtGlobal>

class Database;

// A generated church of any size, for trying the program at scale and for the benchmark.
namespace BigChurch {

struct Options {
    int people = 0;   // everyone in the register, the stand-by person aside
    int years = 10;   // the span of the attendance and giving history, ending this week
    quint64 seed = 1; // the same seed on the same day gives the same church
};

// Fills a new database with households of members, children, former members and prospects, their classes,
// care groups, duties, organizations, attendance, gifts, outreach contacts and a few office accounts (with the
// given password). Returns the member ID of the church secretary, who gets the administrator account.
qint64 fill(Database& db, const Options& options, const QString& adminName, const QString& password);

} // namespace BigChurch
