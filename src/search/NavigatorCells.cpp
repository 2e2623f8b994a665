#include "NavigatorCells.h"

#include "core/Format.h"
#include "platform/SqlValue.h"

#include <QDate>

namespace NavigatorCells {

QString date(const QVariant& stored)
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
            return QString::number(month) + QLatin1Char('/') + QString::number(day) + QLatin1Char('/') +
                   QString::number(year);
    }
    return Format::dateText(SqlValue::toDate(stored));
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
