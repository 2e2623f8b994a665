#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// How dates, money, phones and names are shown, the same everywhere.
namespace Format {

// 12/7/2026
QString dateText(const QDate& date);
// 12/7/2026 3:04:05 PM
QString dateTimeText(const QDateTime& moment);
// 12/07/2026, as birth dates print on reports
QString reportDate(const QDate& date);

// $1,234.50 and ($1,234.50) in money boxes
QString money(double amount);
// $1,234.50 and -$1,234.50 in grid cells
QString moneyCell(double amount);
// Whole cents, so totals add up exactly.
qint64 cents(double amount);
// Reads a typed amount as the money boxes show it: "$1,234.50", "1234.5", "-5", "(5.00)", blanks around it
// allowed. Anything else (letters, two signs, a misplaced comma, a second point) is not an amount: ok is false.
double parseAmount(const QString& text, bool* ok);

// (555) 123-4567 from stored text; withBlank false gives (555)123-4567. Text without ten digits is
// returned as stored.
QString phone(const QString& stored, bool withBlank = true);

// Last, First Middle
QString personName(const QString& last, const QString& first, const QString& middle);
// The same name built in SQL from a table or alias, Null parts as empty text.
QString personNameSql(const QString& table);

// Reads the number at the start of a text, whatever the locale: blanks, tabs and line feeds are skipped, a
// period is the decimal point, reading stops at the first character that cannot continue the number, and
// text without a leading number reads as 0.
double leadingNumber(const QString& text);

} // namespace Format
