#include "SqlValue.h"

namespace SqlValue {

QVariant toSql(const QVariant& value)
{
    if (!value.isValid())
        return value;
    switch (value.typeId()) {
    case QMetaType::QDate:
        if (!value.toDate().isValid())
            return {};
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        if (!value.toDateTime().isValid())
            return {};
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QString:
        // Empty text stays empty text; only an invalid QVariant writes Null.
        return value.toString().isNull() ? QVariant(QStringLiteral("")) : value;
    default:
        return value;
    }
}

QDate toDate(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    return QDate::fromString(value.toString().left(10), QStringLiteral("yyyy-MM-dd"));
}

QDateTime toDateTime(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString();
    if (text.size() <= 10)
        return toDate(value).startOfDay();
    return QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString toText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

bool toBool(const QVariant& value)
{
    return !value.isNull() && value.toLongLong() != 0;
}

} // namespace SqlValue
