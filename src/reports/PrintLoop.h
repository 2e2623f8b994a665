#pragma once

#include "reports/engine/Document.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace Reports {

// Prints count documents one after the other under a progress dialog with Cancel; printOne(i) prints the
// i-th and says whether it was printed. It stops at Cancel or at the first one not printed, and then says how
// many were printed. Returns the number printed.
int printEach(const QString& title, int count, const std::function<bool(int)>& printOne);

// The same for thousands of sheets: makeOne(i) lays out the i-th (null when it could not be produced, which
// stops the loop), and the sheets go to the printer perJob at a time, each job one document of their pages.
// Painting a document for the printer costs far more than laying a sheet out, so jobs keep a long run short.
// Only sheets of jobs the printer took count as printed.
int printInJobs(const QString& title, const QStringList& rights, int count, int perJob,
                const std::function<std::shared_ptr<const ReportEngine::Document>(int)>& makeOne);

} // namespace Reports
