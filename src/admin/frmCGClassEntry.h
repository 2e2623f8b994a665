#pragma once

#include "shell/Screen.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// Adds or edits a care group. A group has no name of its own: it is listed by its leader's name.
class frmCGClassEntry : public Screen {
    Q_OBJECT
public:
    explicit frmCGClassEntry(QWidget* parent = nullptr);

    void Form_Load() override;
    void cmbName_Click();
    void LoadCareGroup();
    void btnSave_Click();
    void btnExit_Click();

    QComboBox* cmbName;
    QComboBox* cmbTeacher;     // the leader
    QComboBox* cmbAsstTeacher; // the assistant leader
    QComboBox* cmbSSClass;
    QPlainTextEdit* txtNotes;
    QPushButton* btnSave;
    QPushButton* btnExit;
};
