#pragma once

#include "shell/Screen.h"

#include <QVariant>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Log-in accounts of members: type, user name, password, inactive flag and, for type "User", the granted
// permissions. Each permission list entry carries its Permission.ID; each name its Member.ID.
class frmUserEntry : public Screen {
    Q_OBJECT
public:
    explicit frmUserEntry(QWidget* parent = nullptr);

    void Form_Load() override;
    void cmbName_Click();
    void cmbType_Click();
    // The uniqueness rule for the user name; false when the name was refused.
    bool txtUsername_LostFocus();
    void btnAdd_Click();
    void btnRemove_Click();
    void btnAddAll_Click();
    void btnRemoveAll_Click();
    void btnSave_Click();
    void btnExit_Click();

    QComboBox* cmbName;
    QComboBox* cmbType;
    QCheckBox* chkInactive;
    QLineEdit* txtUsername;
    QLineEdit* txtPassword;
    QGroupBox* fraPermissions;
    QListWidget* lstAllPermissions;
    QListWidget* lstUserPermissions;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QPushButton* btnAddAll;
    QPushButton* btnRemoveAll;
    QPushButton* btnSave;
    QPushButton* btnExit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DisablePermissionLists();
    void EnablePermissionLists();
    void SetPermissionListsEnabled(bool enabled);
    void LoadAllPermissions();
    void LoadUser();
    void ClearUser();
    void MoveEntries(QListWidget* source, QListWidget* target, bool selectedOnly);
    // The member ID of the chosen name; Null when no name is chosen.
    QVariant MemberId() const;

    bool m_checkingUsername = false;
};
