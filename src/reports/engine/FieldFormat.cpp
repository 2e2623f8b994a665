#include "FieldFormat.h"

#include "core/Format.h"

#include <cmath>

namespace ReportEngine {

namespace {
QDate dateOf(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

QDateTime dateTimeOf(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime();
    const QString text = value.toString();
    QDateTime moment = QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!moment.isValid())
        moment = QDateTime(dateOf(value), QTime());
    return moment;
}
} // namespace

QString formatValue(const QVariant& value, Format format)
{
    if (value.isNull())
        return {};
    switch (format) {
    case Format::Text:
        return value.toString();
    case Format::Integer:
        return QString::number(value.toLongLong());
    case Format::Money:
        return ::Format::moneyCell(value.toDouble());
    case Format::Date:
        return ::Format::dateText(dateOf(value));
    case Format::BirthDate:
        return ::Format::reportDate(dateOf(value));
    case Format::DateTime: {
        const QDateTime moment = dateTimeOf(value);
        return moment.time() == QTime(0, 0) && value.toString().size() <= 10 ? ::Format::dateText(moment.date())
                                                                             : ::Format::dateTimeText(moment);
    }
    case Format::YesNo:
        return value.toLongLong() != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
    case Format::Phone:
        return ::Format::phone(value.toString());
    }
    return value.toString();
}

qint64 sumUnits(const QVariant& value, Format format)
{
    if (value.isNull())
        return 0;
    if (format == Format::Money)
        return ::Format::cents(value.toDouble());
    return std::llround(value.toDouble());
}

QString formatSum(qint64 units, Format format)
{
    if (format == Format::Money)
        return ::Format::moneyCell(double(units) / 100.0);
    return QString::number(units);
}

} // namespace ReportEngine
