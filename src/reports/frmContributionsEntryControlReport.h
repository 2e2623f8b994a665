#pragma once

#include "DateRangeDialog.h"

// Asks for the days whose entered gifts the entry control report lists.
class frmContributionsEntryControlReport : public DateRangeDialog {
    Q_OBJECT
public:
    explicit frmContributionsEntryControlReport(QWidget* parent = nullptr);

protected:
    void runReport(const QDate& fromDate, const QDate& toDate) override;
};
