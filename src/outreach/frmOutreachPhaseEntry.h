#pragma once

#include "OutreachPlanLink.h"

#include "shell/Screen.h"

#include <QList>
#include <QStringList>
#include <QVariant>

class QLabel;
class QPushButton;
class QTableWidget;

// The outreach plan in one grid: order, name, action and weeks of each phase. Edits stay in the grid until Save
// rewrites the plan and carries renamed phases over to their prospects. Each row that came from the stored plan
// remembers which phase it was (item data of its Name cell), and that travels with the row when it moves.
class frmOutreachPhaseEntry : public Screen {
    Q_OBJECT
public:
    explicit frmOutreachPhaseEntry(QWidget* parent = nullptr);

    void Form_Load() override;
    void btnAddPhase_Click();
    void btnDelete_Click();
    void btnMoveUp_Click();
    void btnMoveDown_Click();
    void btnSave_Click();
    void btnExit_Click();

    // Grid columns.
    enum Column { kOrder, kName, kAction, kWeeks };

    QTableWidget* vsfgPhase;
    QPushButton* btnMoveUp;
    QPushButton* btnMoveDown;
    QPushButton* btnAddPhase;
    QPushButton* btnDelete;
    QLabel* Label1;
    QPushButton* btnSave;
    QPushButton* btnExit;

    // The number of weeks a Weeks cell holds: what converts after trimming ("2", "2.5", "1,000") and rounds
    // to a 16-bit value. False for anything else.
    static bool WeeksValue(const QString& text, double* weeks);

private:
    void AddRow(const QVariant& order, const QString& phase, const QString& action, const QString& weeks, int loaded);
    void FitColumns();
    void SetOrder(int row, const QVariant& order);
    QString Cell(int row, int column) const;
    // Exchanges the Name, Action and Weeks cells of two rows, with the phase identity they carry.
    void SwapPhases(int row, int other);
    // Moves the prospects of renamed phases; returns the renames.
    OutreachPlanLink::Renames RenameProspects();

    QStringList m_actionList;
    QStringList m_loadedNames; // the names of the phases as loaded
};
