#pragma once

#include <QtGlobal>

class Database;

namespace DemoData {

// Fills a new database with a small living church; returns the member ID of the office administrator, who
// gets the first log-in account.
qint64 fill(Database& db);

} // namespace DemoData
