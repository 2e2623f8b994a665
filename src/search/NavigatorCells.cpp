#include "NavigatorCells.h"

#include "core/Format.h"
#include "platform/SqlValue.h"

#include <QDate>

namespace NavigatorCells {

namespace {

// The date of a stored value, read straight from the ISO text it is usually stored as.
QDate storedDate(const QVariant& stored)
{
    const QString text = stored.toString();
    if (text.size() >= 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-')) {
        bool okYear = false;
        bool okMonth = false;
        bool okDay = false;
        const int year = QStringView(text).left(4).toInt(&okYear);
        const int month = QStringView(text).mid(5, 2).toInt(&okMonth);
        const int day = QStringView(text).mid(8, 2).toInt(&okDay);
        if (okYear && okMonth && okDay && QDate::isValid(year, month, day))
            return QDate(year, month, day);
    }
    return SqlValue::toDate(stored);
}

QString dateText(const QDate& d, int digits)
{
    if (!d.isValid())
        return {};
    const QLatin1Char zero('0');
    return QStringLiteral("%1/%2/%3").arg(d.month(), digits, 10, zero).arg(d.day(), digits, 10, zero).arg(d.year());
}

} // namespace

QString date(const QVariant& stored)
{
    return dateText(storedDate(stored), 1);
}

QString paddedDate(const QVariant& stored)
{
    return dateText(storedDate(stored), 2);
}

QString phone(const QVariant& stored)
{
    const QString text = stored.toString();
    if (text.isEmpty() || (text.size() == 14 && text.at(0) == QLatin1Char('(') && text.at(4) == QLatin1Char(')') &&
                           text.at(5) == QLatin1Char(' ') && text.at(9) == QLatin1Char('-')))
        return text;
    return Format::phone(text);
}

} // namespace NavigatorCells
