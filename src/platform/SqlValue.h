#pragma once

#include <QDate>
#include <QDateTime>
#include <QVariant>

// How values cross into and out of SQLite: dates as ISO text, Yes/No as 0/1.
namespace SqlValue {

// Converts a value for binding (an invalid QVariant, date or stamp is Null): QDate -> "YYYY-MM-DD", QDateTime -> "YYYY-MM-DD HH:MM:SS", bool -> 0/1.
QVariant toSql(const QVariant& value);

// Reads a stored date (a date-only or a stamp column); invalid when Null or unreadable.
QDate toDate(const QVariant& value);
QDateTime toDateTime(const QVariant& value);

// Text of a column, Null as empty text.
QString toText(const QVariant& value);

// A Yes/No column: Null and 0 are No.
bool toBool(const QVariant& value);

} // namespace SqlValue
