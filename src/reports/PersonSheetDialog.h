#pragma once

#include "shell/Screen.h"

class QComboBox;
class QLabel;
class QPushButton;

// The option dialog of a person sheet: every person in a pick list (each entry carrying its member ID), Ok and
// Cancel. Ok checks the right and a choice, runs the sheet and closes the dialog.
class PersonSheetDialog : public Screen {
    Q_OBJECT
public:
    void Form_Load() override;
    void btnOK_Click();
    void btnCancel_Click();

    QLabel* Label1;
    QComboBox* cmbProspect;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    PersonSheetDialog(const QString& caption, const QString& label, const QString& permission,
                      const QStringList& groups, QWidget* parent);
    // Prints or shows the sheets of the entry chosen.
    virtual void runReport() = 0;

private:
    QString m_permission;
    QStringList m_groups;
};

// Shows one person's prospect contact sheet.
class frmProspectVisitationSheetReport : public PersonSheetDialog {
    Q_OBJECT
public:
    explicit frmProspectVisitationSheetReport(QWidget* parent = nullptr);

protected:
    void runReport() override;
};

// Prints the update sheets of one person or of a group: every head of household, or every active member and
// child of a member. One sheet a person, with progress and Cancel.
class frmMemberInformationUpdateReport : public PersonSheetDialog {
    Q_OBJECT
public:
    explicit frmMemberInformationUpdateReport(QWidget* parent = nullptr);

protected:
    void runReport() override;
};
