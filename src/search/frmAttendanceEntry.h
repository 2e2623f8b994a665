#pragma once

#include "NavigatorScreen.h"
#include "PersonFilters.h"

#include <QDate>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// Attendance entry: lists the active people matching the criteria with their marks for the week of the date
// picked, lets the user tick the seven categories, and saves the week.
class frmAttendanceEntry : public NavigatorScreen {
    Q_OBJECT
public:
    explicit frmAttendanceEntry(QWidget* parent = nullptr);

    void Form_Load() override;

    // Reloads the five pick lists (selections are lost), empties the grid and sets the date to today.
    void LoadSearchValues();
    // Lists the people matching the criteria with their marks for the week of the date shown.
    void UpdateGrids();

    void btnFind_Click();
    void btnClear_Click();
    void btnSave_Click();
    void btnExit_Click();

    // The grid's columns: the seven categories first, then the person.
    static constexpr int kCategories = 7;
    static constexpr int kIdColumn = 7;

    QDateEdit* dtWeekOf;
    QComboBox* cmbStatus;
    QComboBox* cmbChurchStatus;
    QLineEdit* txtName;
    // The class lists carry each class's ID as item data.
    QComboBox* cmbSSClass;
    QComboBox* cmbDiscClass;
    QComboBox* cmbWedClass;
    QPushButton* btnFind;
    QPushButton* btnClear;
    QPushButton* btnSave;
    QPushButton* btnExit;

private:
    void buildCriteria();
    void connectHandlers();
    // Hides each category column whose setting in config.txt is "No".
    void hideColumnsSwitchedOff();
    void pickFirstMark();
    // Each grid row's seven marks as ticked now, in grid order.
    QList<quint32> marksShown() const;
    // A listed person to write, and which of the seven boxes: the others keep what the week holds at the save.
    struct Change {
        const NavigatorRow* row;
        quint32 boxes;
    };
    // Writes the given boxes of each person's marks to the week: all of it or nothing.
    void saveWeek(const QDate& week, QList<Change> people);

    PersonFilters m_filters;
    QDate m_loadedWeek; // the week the grid's marks were read for, or last saved to
    // Each grid row's marks as that week held them at Find or the last save, in grid order: only the boxes that
    // differ from these are written, so what another desk stored meanwhile in any other box stays.
    QList<quint32> m_savedMarks;
};
