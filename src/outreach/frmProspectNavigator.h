#pragma once

#include "search/NavigatorScreen.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// The prospect navigator: finds people by where they stand in the outreach plan (phase, next contact, contacts
// made) and by most of the member navigator's criteria, shows the contact history of the row picked, and prints
// lists, labels and contact sheets of the people found. It writes nothing.
class frmProspectNavigator : public NavigatorScreen {
    Q_OBJECT
public:
    explicit frmProspectNavigator(QWidget* parent = nullptr);

    void Form_Load() override;

    // Reloads every pick list (selections are lost), empties both grids and both text boxes of the search and the
    // map, sets the four dates to today and unticks both range boxes. The name box keeps what it holds.
    void LoadSearchValues();
    // Runs the search with the criteria shown, refills the prospects grid and its count, empties the contacts.
    void UpdateGrids();

    void btnFind_Click();
    void btnClear_Click();
    void btnExit_Click();
    void btnPrintList_Click();
    void btnPrintListShort_Click();
    void btnPrintMailingLabels_Click();
    void btnPrintPS_Click();
    // The contact history of the person on the current row, newest first; a row above the data does nothing.
    void vsfgMembers_AfterRowColChange();
    // Opens a contact on the contact screen; the right is asked first, even on the heading (row -1).
    void vsfgContact_DblClick(int row);

    // The data rows of the prospects grid in the selected block, top to bottom.
    QList<int> selectedRows() const;

    QGroupBox* Frame3;
    NavigatorGrid* vsfgContact;

    QComboBox* cmbPhase;
    QCheckBox* chkNextDate;
    QDateEdit* dtStartDate;
    QDateEdit* dtEndDate;
    QComboBox* cmbNextAction;
    QCheckBox* chkPrevDate;
    QDateEdit* dtStartDatePrev;
    QDateEdit* dtEndDatePrev;
    QComboBox* cmbPrevAction;
    QComboBox* cmbStatus;
    QComboBox* cmbChurchStatus;
    QComboBox* cmbProspectStatus;
    QLineEdit* txtSearch;
    QLineEdit* txtName;
    // The class and care-group lists carry each entry's row ID as item data.
    QComboBox* cmbSSClass;
    QComboBox* cmbCG;
    QComboBox* cmbDobAnniv;
    QLineEdit* txtMapSection;
    QPushButton* btnPrintMailingLabels;
    QPushButton* btnPrintListShort;
    QPushButton* btnPrintList;
    QPushButton* btnPrintPS;
    QPushButton* btnFind;
    QPushButton* btnClear;
    QPushButton* btnExit;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildCriteria();
    void connectHandlers();
    // The two grid frames share the height under the criteria frame.
    void Form_Resize();
};
