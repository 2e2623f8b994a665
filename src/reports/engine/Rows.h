#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

namespace ReportEngine {

// The rows a report shows, copied out of their query so the report outlives it.
struct Rows {
    QStringList columns;
    QVector<QVector<QVariant>> values;

    int size() const { return values.size(); }
    // The position of a column by name, ignoring case; -1 when there is none.
    int column(const QString& name) const
    {
        for (int i = 0; i < columns.size(); ++i)
            if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
};

} // namespace ReportEngine
