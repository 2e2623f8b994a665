#pragma once

#include "NavigatorScreen.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// The member navigator: finds members and prospects by any combination of seventeen criteria, lists them, opens
// one on the member screen with a double-click, and prints the people listed. It writes nothing.
class frmMemberNavigator : public NavigatorScreen {
    Q_OBJECT
public:
    explicit frmMemberNavigator(QWidget* parent = nullptr);

    void Form_Load() override;

    // Reloads every pick list (selections are lost), empties the grid and sets both dates to today. The text
    // boxes, the Member Since box and the grid frame's caption keep what they hold.
    void LoadSearchValues();
    // Runs the search with the criteria shown and refills the grid and its count.
    void UpdateGrids();

    void btnFind_Click();
    void btnClear_Click();
    void btnExit_Click();
    void btnPrintMailingLabels_Click();
    void btnPrintList_Click();
    void btnPrintListDOBAnniv_Click();

    QLineEdit* txtName;
    QCheckBox* chkMemberSince;
    QDateEdit* dtStartDate;
    QDateEdit* dtEndDate;
    QLineEdit* txtSearch;
    QLineEdit* txtMapSection;
    QComboBox* cmbStatus;
    QComboBox* cmbChurchStatus;
    QComboBox* cmbProspectStatus;
    QComboBox* cmbDobAnniv;
    QComboBox* cmbResponsibility;
    QComboBox* cmbReceiveNL;
    QComboBox* cmbOrganization;
    // The four lists below and the deacon list carry each entry's row ID as item data.
    QComboBox* cmbSSClass;
    QComboBox* cmbCG;
    QComboBox* cmbDiscClass;
    QComboBox* cmbWedClass;
    QComboBox* cmbDeacon;
    QComboBox* cmbHOH;
    QPushButton* btnFind;
    QPushButton* btnClear;
    QPushButton* btnExit;
    QPushButton* btnPrintMailingLabels;
    QPushButton* btnPrintList;
    QPushButton* btnPrintListDOBAnniv;

private:
    void buildCriteria();
    void connectHandlers();
};
