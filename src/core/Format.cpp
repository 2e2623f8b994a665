#include "Format.h"

#include <QLocale>
#include <cmath>

namespace Format {

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("M/d/yyyy")) : QString();
}

QString dateTimeText(const QDateTime& moment)
{
    if (!moment.isValid())
        return {};
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(moment, QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

QString reportDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

qint64 cents(double amount)
{
    return std::llround(amount * 100.0);
}

namespace {
QString unsignedMoney(qint64 wholeCents)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    return QStringLiteral("$") + us.toString(wholeCents / 100) +
           QStringLiteral(".%1").arg(wholeCents % 100, 2, 10, QLatin1Char('0'));
}
} // namespace

QString money(double amount)
{
    const qint64 c = cents(amount);
    return c < 0 ? QStringLiteral("(") + unsignedMoney(-c) + QStringLiteral(")") : unsignedMoney(c);
}

QString moneyCell(double amount)
{
    const qint64 c = cents(amount);
    return c < 0 ? QStringLiteral("-") + unsignedMoney(-c) : unsignedMoney(c);
}

QString phone(const QString& stored, bool withBlank)
{
    QString digits;
    for (QChar ch : stored)
        if (ch.isDigit())
            digits += ch;
    if (digits.size() != 10)
        return stored;
    return QStringLiteral("(%1)%2%3-%4")
        .arg(digits.left(3), withBlank ? QStringLiteral(" ") : QString(), digits.mid(3, 3), digits.mid(6));
}

QString personName(const QString& last, const QString& first, const QString& middle)
{
    return last + QStringLiteral(", ") + first + QLatin1Char(' ') + middle;
}

QString personNameSql(const QString& table)
{
    return QStringLiteral("IFNULL(%1.Last_Name,'') || ', ' || IFNULL(%1.First_Name,'') || ' ' || "
                          "IFNULL(%1.Middle_Name,'')")
        .arg(table);
}

double leadingNumber(const QString& text)
{
    QString number;
    bool seenDigit = false;
    bool seenPoint = false;
    for (QChar ch : text) {
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            continue;
        if ((ch == QLatin1Char('-') || ch == QLatin1Char('+')) && number.isEmpty()) {
            number += ch;
        } else if (ch.isDigit() && ch.unicode() < 128) {
            number += ch;
            seenDigit = true;
        } else if (ch == QLatin1Char('.') && !seenPoint) {
            number += ch;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    return number.toDouble();
}

} // namespace Format
