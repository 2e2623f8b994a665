#pragma once

#include <QString>

// Makes reading one column of one table fail at one row, with an SQLite result code (5 busy, 8 read-only, 1 an
// error), on the connection of MainMod::MainDatabase. The table gives way to a view of its name that reads the
// stored rows, so statements run unchanged and fail only when they reach that row.
namespace FailingRead {

void install(const QString& table, const QString& column, qint64 id, int code);

} // namespace FailingRead
