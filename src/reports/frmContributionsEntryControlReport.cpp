#include "frmContributionsEntryControlReport.h"

#include "Reports.h"

frmContributionsEntryControlReport::frmContributionsEntryControlReport(QWidget* parent)
    : DateRangeDialog(QStringLiteral("Contributions Entry Control Report"), 240, parent)
{
    setObjectName(QStringLiteral("frmContributionsEntryControlReport"));
}

void frmContributionsEntryControlReport::runReport(const QDate& fromDate, const QDate& toDate)
{
    Reports::PrintContributionsEntryControlReport(fromDate, toDate);
}
