#include "ReportRunner.h"

#include "core/MainMod.h"
#include "platform/DbError.h"
#include "platform/WaitCursor.h"

#include <QSqlRecord>

namespace Reports {

ReportEngine::Rows fetchRows(const QString& sql, const SqlParams& params)
{
    ReportEngine::Rows rows;
    int columns = -1;
    const QSqlRecord record = MainMod::MainDatabase.forEachRow(sql, params, [&rows, &columns](const QSqlQuery& query) {
        if (columns < 0)
            columns = query.record().count();
        QVector<QVariant> row(columns);
        for (int i = 0; i < columns; ++i)
            row[i] = query.value(i);
        rows.values.append(std::move(row));
    });
    for (int i = 0; i < record.count(); ++i)
        rows.columns.append(record.fieldName(i));
    return rows;
}

QString inIdList(const QString& column)
{
    return column + QStringLiteral(" IN (SELECT value FROM json_each(?))");
}

QVariant idListValue(const QList<qint64>& ids)
{
    QString list = QStringLiteral("[");
    for (qint64 id : ids) {
        if (list.size() > 1)
            list += QLatin1Char(',');
        list += QString::number(id);
    }
    return list + QLatin1Char(']');
}

std::shared_ptr<const ReportEngine::Document> build(const QString& title,
                                                    const std::function<ReportEngine::Document()>& make)
{
    WaitCursor wait;
    QString failure;
    try {
        return std::make_shared<const ReportEngine::Document>(make());
    } catch (const DbError& error) {
        failure = error.message();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    ReportOutput::tell(QStringLiteral("The report \"%1\" could not be produced.\n\n%2").arg(title, failure),
                       QStringLiteral("Report Error"));
    return {};
}

bool produce(const QString& title, const QStringList& rights, ReportOutput::Mode mode,
             const std::function<ReportEngine::Document()>& make)
{
    WaitCursor wait;
    const auto document = build(title, make);
    return document && ReportOutput::deliver({document, rights}, mode);
}

} // namespace Reports
