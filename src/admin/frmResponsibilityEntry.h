#pragma once

#include "shell/Screen.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// The responsibilities members can hold, each a name and a short description. The name is the key: a save
// writes the row of that name or adds one; a delete takes every member's holding of it along.
class frmResponsibilityEntry : public Screen {
    Q_OBJECT
public:
    explicit frmResponsibilityEntry(QWidget* parent = nullptr);

    void Form_Load() override;
    void cmbName_Change();
    void cmbName_Click();
    void btnSave_Click();
    void btnDelete_Click();
    void btnExit_Click();

    QComboBox* cmbName;
    QLineEdit* txtDescription;
    QPushButton* btnSave;
    QPushButton* btnExit;
    QPushButton* btnDelete;

private:
    void LoadResponsibilities();
    void LoadResponsibility();
};
