#pragma once

#include "NavigatorScreen.h"
#include "PersonFilters.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class SearchStatement;

// The attendance navigator: finds people by the usual criteria together with who attended a category in a week
// and who missed a category a number of times in a range of dates, lists them, and prints the member list or
// their attendance counts. It writes nothing.
class frmAttendanceNavigator : public NavigatorScreen {
    Q_OBJECT
public:
    explicit frmAttendanceNavigator(QWidget* parent = nullptr);

    void Form_Load() override;

    // Reloads the five person lists (selections are lost), empties the grid and sets the three dates to today.
    void LoadSearchValues();
    // Runs the search with the criteria shown and refills the grid and its count.
    void UpdateGrids();

    void btnFind_Click();
    void btnClear_Click();
    void btnPrintList_Click();
    void btnPrintMissed_Click();
    void btnExit_Click();

    // The categories in their order, and the attendance column of each.
    static const QStringList& categoryNames();
    static const QStringList& categoryColumns();

    QLineEdit* txtMissed;
    // The two category lists carry each category's attendance column as item data.
    QComboBox* cmbClass;
    QDateEdit* dtStart;
    QDateEdit* dtEnd;
    QComboBox* cmbClass2;
    QDateEdit* dtAttend;
    QComboBox* cmbStatus;
    QComboBox* cmbChurchStatus;
    QLineEdit* txtName;
    // The class lists carry each class's ID as item data.
    QComboBox* cmbSSClass;
    QComboBox* cmbDiscClass;
    QComboBox* cmbWedClass;
    QPushButton* btnFind;
    QPushButton* btnClear;
    QPushButton* btnPrintList;
    QPushButton* btnPrintMissed;
    QPushButton* btnExit;

private:
    void buildCriteria();
    void connectHandlers();
    void addAttended(SearchStatement& search) const;
    void addMissed(SearchStatement& search) const;

    PersonFilters m_filters;
};
