#include "Format.h"

#include <QLocale>
#include <QRegularExpression>
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

double parseAmount(const QString& text, bool* ok)
{
    *ok = false;
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    } else if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t = t.mid(1).trimmed();
    } else if (t.startsWith(QLatin1Char('+'))) {
        t = t.mid(1).trimmed();
    }
    if (t.startsWith(QLatin1Char('$')))
        t = t.mid(1).trimmed();
    // Digits with thousands separated by commas in threes (or none at all), then at most one point and digits.
    static const QRegularExpression amount(QStringLiteral("^(?:(\\d{1,3}(?:,\\d{3})+)|(\\d*))(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = amount.match(t);
    if (!match.hasMatch())
        return 0;
    QString whole = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    whole.remove(QLatin1Char(','));
    const QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return 0;
    if (whole.size() > 12) // beyond any gift, and beyond exact cents in a double
        return 0;
    const double value = (whole.isEmpty() ? QStringLiteral("0") : whole).toDouble() +
                         (fraction.isEmpty() ? 0.0 : (QStringLiteral("0.") + fraction).toDouble());
    *ok = true;
    return negative ? -value : value;
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
