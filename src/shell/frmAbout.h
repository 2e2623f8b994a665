#pragma once

#include "Screen.h"

class QLabel;
class QPushButton;

// The program's version and description, and a way to the system information tool.
class frmAbout : public Screen {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    static bool GetKeyValue(const QString& keyRoot, const QString& keyName, const QString& subKeyRef,
                            QString& keyVal);

    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
