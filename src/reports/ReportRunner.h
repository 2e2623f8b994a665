#pragma once

#include "ReportOutput.h"

#include "platform/Database.h"
#include "reports/engine/Document.h"
#include "reports/engine/Rows.h"

#include <functional>

namespace Reports {

// Copies the rows of a query out of the database, so a report outlives it. Values are bound, never joined
// into the statement.
ReportEngine::Rows fetchRows(const QString& sql, const SqlParams& params = {});

// The people of a print request as one bound value, so a list of any length reaches no statement or variable
// limit: the condition "column IN (SELECT value FROM json_each(?))" with idListValue(ids) bound to it.
QString inIdList(const QString& column);
QVariant idListValue(const QList<qint64>& ids);

// Previewed, or printed without a dialog.
inline ReportOutput::Mode modeOf(bool preview)
{
    return preview ? ReportOutput::Mode::Preview : ReportOutput::Mode::Print;
}

// Fetches and lays out a report with the hourglass held; a report that cannot be produced shows one message
// naming it and gives null.
std::shared_ptr<const ReportEngine::Document> build(const QString& title,
                                                    const std::function<ReportEngine::Document()>& make);

// The frame of every report: with the hourglass held, make fetches and lays out the pages, which then go to
// the viewer or the printer. A report that cannot be produced shows one message naming it, and the program
// goes on. Returns true when the report was shown or printed.
bool produce(const QString& title, const QStringList& rights, ReportOutput::Mode mode,
             const std::function<ReportEngine::Document()>& make);

} // namespace Reports
