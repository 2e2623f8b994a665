#pragma once

#include "Definition.h"

#include <QVariant>

namespace ReportEngine {

// A value of a row as the report shows it; Null shows as empty text.
QString formatValue(const QVariant& value, Format format);
// The value to add to a sum: whole cents for money, whole units otherwise.
qint64 sumUnits(const QVariant& value, Format format);
// A sum shown in the format of its column.
QString formatSum(qint64 units, Format format);

} // namespace ReportEngine
