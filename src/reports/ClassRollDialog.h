#pragma once

#include "shell/Screen.h"

#include <QDate>

class QDateEdit;
class QLabel;
class QPushButton;

// The option dialog of the class rolls: the roll date (today at first), Ok and Cancel. Ok previews the rolls of
// the dialog's kind of class with that date and closes the dialog.
class ClassRollDialog : public Screen {
    Q_OBJECT
public:
    void Form_Load() override;
    void btnOK_Click();
    void btnCancel_Click();

    QLabel* Label1;
    QDateEdit* dtDate;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    using PrintRoll = bool (*)(bool preview, const QDate& rollDate);
    ClassRollDialog(const char* objectName, const QString& caption, const QString& permission, PrintRoll print,
                    QWidget* parent);

private:
    PrintRoll m_print;
};

// One dialog a kind, so each opens once.
class frmSundaySchoolRollReport : public ClassRollDialog {
    Q_OBJECT
public:
    explicit frmSundaySchoolRollReport(QWidget* parent = nullptr);
};

class frmDiscipleshipTrainingRollReport : public ClassRollDialog {
    Q_OBJECT
public:
    explicit frmDiscipleshipTrainingRollReport(QWidget* parent = nullptr);
};

class frmWednesdayNightRollReport : public ClassRollDialog {
    Q_OBJECT
public:
    explicit frmWednesdayNightRollReport(QWidget* parent = nullptr);
};
