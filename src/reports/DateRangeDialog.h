#pragma once

#include "shell/Screen.h"

class QDateEdit;
class QLabel;
class QPushButton;

// The option dialog of a report over a range of days: two date pickers set to today, Ok and Cancel. Ok runs the
// report with the range and closes the dialog; a start after the end simply finds nothing.
class DateRangeDialog : public Screen {
    Q_OBJECT
public:
    void Form_Load() override;
    void btnOK_Click();
    void btnCancel_Click();

    QLabel* Label1;
    QDateEdit* dtStartDate;
    QLabel* Label2;
    QDateEdit* dtEndDate;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    // The dates stand at the given height (twips), the buttons under them.
    DateRangeDialog(const QString& caption, int datesTop, QWidget* parent);
    virtual void runReport(const QDate& fromDate, const QDate& toDate) = 0;
};
