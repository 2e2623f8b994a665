#pragma once

#include "shell/Screen.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Adds or edits a class of one kind (Sunday School, Discipleship Training, Wednesday Night). The three kinds
// share this screen; each has its own table and its own screen class below.
class ClassEntryScreen : public Screen {
    Q_OBJECT
public:
    void Form_Load() override;
    void cmbName_Click();
    void LoadClass();
    void btnSave_Click();
    void btnExit_Click();

    const QString& tableName() const { return m_table; }

    QComboBox* cmbName;
    QLineEdit* txtName;
    QLineEdit* txtDescription;
    QComboBox* cmbTeacher;
    QComboBox* cmbAsstTeacher;
    QLineEdit* txtLocation;
    QPlainTextEdit* txtNotes;
    QPushButton* btnSave;
    QPushButton* btnExit;

protected:
    ClassEntryScreen(const QString& screenName, const QString& table, const QString& caption, QWidget* parent);

private:
    QString m_table;
};

class frmSSClassEntry : public ClassEntryScreen {
    Q_OBJECT
public:
    explicit frmSSClassEntry(QWidget* parent = nullptr);
};

class frmDTClassEntry : public ClassEntryScreen {
    Q_OBJECT
public:
    explicit frmDTClassEntry(QWidget* parent = nullptr);
};

class frmWedClassEntry : public ClassEntryScreen {
    Q_OBJECT
public:
    explicit frmWedClassEntry(QWidget* parent = nullptr);
};

// What the class and care-group screens have in common.
namespace SetupLists {

// A blank entry (no one), then every person of Member, members and prospects alike, in both lists.
void fillPeople(QComboBox* first, QComboBox* second);

} // namespace SetupLists
