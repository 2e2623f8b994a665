#pragma once

#include "DateRangeDialog.h"

class QComboBox;

// Asks for the days and the giver ("***All***" or one person) of the giving statements.
class frmMemberContributionsReport : public DateRangeDialog {
    Q_OBJECT
public:
    explicit frmMemberContributionsReport(QWidget* parent = nullptr);
    void Form_Load() override;

    QLabel* Label3;
    // Every person, each entry carrying its member ID; "***All***" first, carrying Reports::kAllMembers.
    QComboBox* cmbMember;

protected:
    void runReport(const QDate& fromDate, const QDate& toDate) override;
};
