#pragma once

#include "shell/Screen.h"

class PhoneEdit;
class QComboBox;
class QLineEdit;
class QPushButton;

// The church's own data: the single Church row, with the type-ahead pause.
class frmChurchInfo : public Screen {
    Q_OBJECT
public:
    explicit frmChurchInfo(QWidget* parent = nullptr);

    void Form_Load() override;
    void btnSave_Click();
    void btnExit_Click();
    // The pause rule; false when the pause was refused.
    bool txtKeyPressDelay_LostFocus();

    QLineEdit* txtCompany;
    QLineEdit* txtAddress1;
    QLineEdit* txtAddress2;
    QLineEdit* txtCity;
    QComboBox* cmbState;
    QLineEdit* txtZip;
    PhoneEdit* txtPhone;
    PhoneEdit* txtFax;
    QLineEdit* txtEmail;
    QLineEdit* txtWebsite;
    QLineEdit* txtKeyPressDelay;
    QPushButton* btnSave;
    QPushButton* btnExit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowChurchInfo();
    bool m_checkingDelay = false;
};
