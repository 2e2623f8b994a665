#pragma once

#include "shell/Screen.h"

class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

// Prints, for each class ticked, its listing of active prospects, then the contact sheets of its prospects whose
// next action is ticked and due between the two days; all straight to the printer, with progress and Cancel.
class frmSundaySchoolProspectListingReport : public Screen {
    Q_OBJECT
public:
    explicit frmSundaySchoolProspectListingReport(QWidget* parent = nullptr);

    void Form_Load() override;
    void btnOK_Click();
    void btnCancel_Click();
    void btnSelectAll_Click();
    void btnSelectNone_Click();

    QLabel* Label2;
    // Class names, each item carrying its class ID.
    QListWidget* lstSSClass;
    QPushButton* btnSelectAll;
    QPushButton* btnSelectNone;
    QLabel* Label1;
    QDateEdit* dtStart;
    QDateEdit* dtEnd;
    QLabel* Label3;
    QListWidget* lstAction;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void tickAll(bool ticked);
};
