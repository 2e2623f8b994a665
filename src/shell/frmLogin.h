#pragma once

#include "Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Identifies the person at the keyboard as one account of the User table.
class frmLogin : public Screen {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);

    void Form_Load() override;
    void btnLogin_Click();
    void btnCancel_Click();

    QLabel* lblUsername;
    QLabel* Label1;
    QLineEdit* txtUsername;
    QLineEdit* txtPassword;
    QPushButton* btnLogin;
    QPushButton* btnCancel;
};
