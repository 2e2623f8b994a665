#include "frmOutreachPhaseEntry.h"

#include "core/MainMod.h"
#include "platform/CellEditDelegate.h"
#include "platform/CellEditGrid.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>
#include <limits>

using Controls::make;
using MainMod::MainDatabase;

namespace {

constexpr int kLoadedRole = Qt::UserRole;    // on the Name cell: index of the stored phase, absent for new rows
constexpr int kOrderRole = Qt::UserRole + 1; // on the Order cell: the order as a number

// The Action column is edited through a drop-down list of the defined actions; the others as free text.
class ActionListDelegate : public CellEditDelegate {
public:
    ActionListDelegate(const QStringList* actions, QObject* parent) : CellEditDelegate(parent), m_actions(actions) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        combo->addItems(*m_actions);
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* combo = static_cast<QComboBox*>(editor);
        combo->setCurrentIndex(combo->findText(index.data().toString(), Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        // Leaving the list without a choice keeps what the cell held.
        auto* combo = static_cast<QComboBox*>(editor);
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentText());
    }

private:
    const QStringList* m_actions;
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height)
{
    auto* b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

} // namespace

frmOutreachPhaseEntry::frmOutreachPhaseEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmOutreachPhaseEntry"));
    setWindowTitle(QStringLiteral("Outreach Phase Entry"));
    Twips::setFixedClientSize(this, 5025, 5520);

    vsfgPhase = make<CellEditGrid>(this, "vsfgPhase", 120, 120, 4335, 3615);
    vsfgPhase->setColumnCount(4);
    vsfgPhase->setHorizontalHeaderLabels(
        {QStringLiteral("Order"), QStringLiteral("Name"), QStringLiteral("Action"), QStringLiteral("Weeks")});
    vsfgPhase->verticalHeader()->hide();
    vsfgPhase->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    vsfgPhase->setSelectionMode(QAbstractItemView::SingleSelection);
    vsfgPhase->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    vsfgPhase->setItemDelegate(new CellEditDelegate(vsfgPhase));
    vsfgPhase->setItemDelegateForColumn(kAction, new ActionListDelegate(&m_actionList, vsfgPhase));

    btnMoveUp = button(this, "btnMoveUp", QStringLiteral("/\\"), 4560, 840, 375, 855);
    btnMoveDown = button(this, "btnMoveDown", QStringLiteral("\\/"), 4560, 1920, 375, 855);
    btnAddPhase = button(this, "btnAddPhase", QStringLiteral("Add Phase"), 1440, 3840, 1455, 375);
    btnDelete = button(this, "btnDelete", QStringLiteral("Delete Phase"), 3000, 3840, 1455, 375);
    Label1 = Controls::label(this,
                             QStringLiteral("Make all changes before clicking Save and Close. Any phases that are "
                                            "deleted will affect Prospect Current Phases."),
                             120, 4440, 4335, 585, Qt::AlignLeft | Qt::AlignTop);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    btnSave = button(this, "btnSave", QStringLiteral("Save And Close"), 720, 5040, 1455, 375);
    btnExit = button(this, "btnExit", QStringLiteral("Exit"), 2280, 5040, 1455, 375);

    on(btnAddPhase, &QPushButton::clicked, [this] { btnAddPhase_Click(); });
    on(btnDelete, &QPushButton::clicked, [this] { btnDelete_Click(); });
    on(btnMoveUp, &QPushButton::clicked, [this] { btnMoveUp_Click(); });
    on(btnMoveDown, &QPushButton::clicked, [this] { btnMoveDown_Click(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmOutreachPhaseEntry::Form_Load()
{
    placeTopLeft();
    WaitCursor wait;

    m_actionList.clear();
    Recordset actions =
        MainDatabase.openRecordset(QStringLiteral("SELECT Action FROM Prospect_Action ORDER BY Action"));
    for (; !actions.Eof(); actions.MoveNext())
        m_actionList << actions.Text(QStringLiteral("Action"));
    actions.Close();

    vsfgPhase->setRowCount(0);
    m_loadedNames.clear();
    Recordset plan = MainDatabase.openRecordset(
        QStringLiteral("SELECT PhaseOrder, Phase, Action, TimePeriod FROM Outreach_Phase ORDER BY PhaseOrder, rowid"));
    for (; !plan.Eof(); plan.MoveNext()) {
        const QVariant weeks = plan.Field(QStringLiteral("TimePeriod"));
        m_loadedNames << plan.Text(QStringLiteral("Phase"));
        AddRow(plan.Field(QStringLiteral("PhaseOrder")), plan.Text(QStringLiteral("Phase")),
               plan.Text(QStringLiteral("Action")), weeks.isNull() ? QString() : QString::number(weeks.toDouble()),
               int(m_loadedNames.size() - 1));
    }
    plan.Close();

    FitColumns();
}

void frmOutreachPhaseEntry::FitColumns()
{
    vsfgPhase->resizeColumnsToContents();
    // The Action column is given room for the longer actions, as far as the grid shows every column.
    int others = 0;
    for (int column : {kOrder, kName, kWeeks})
        others += vsfgPhase->columnWidth(column);
    const int spare = vsfgPhase->viewport()->width() - others;
    vsfgPhase->setColumnWidth(kAction, qMax(vsfgPhase->columnWidth(kAction), qMin(Twips::toPixels(2000), spare)));
}

void frmOutreachPhaseEntry::AddRow(const QVariant& order, const QString& phase, const QString& action,
                                   const QString& weeks, int loaded)
{
    const int row = vsfgPhase->rowCount();
    vsfgPhase->insertRow(row);
    auto* orderCell = new QTableWidgetItem;
    // The order column is a heading of its row: shown like one, never edited.
    orderCell->setFlags(Qt::ItemIsEnabled);
    orderCell->setBackground(palette().button());
    orderCell->setTextAlignment(Qt::AlignCenter);
    vsfgPhase->setItem(row, kOrder, orderCell);
    SetOrder(row, order);
    const QStringList texts{phase, action, weeks};
    for (int column = kName; column <= kWeeks; ++column) {
        auto* cell = new QTableWidgetItem(texts[column - kName]);
        cell->setTextAlignment(Qt::AlignCenter);
        vsfgPhase->setItem(row, column, cell);
    }
    if (loaded >= 0)
        vsfgPhase->item(row, kName)->setData(kLoadedRole, loaded);
}

void frmOutreachPhaseEntry::SetOrder(int row, const QVariant& order)
{
    QTableWidgetItem* cell = vsfgPhase->item(row, kOrder);
    cell->setData(kOrderRole, order);
    cell->setText(order.isNull() ? QString() : QString::number(order.toDouble()));
}

QString frmOutreachPhaseEntry::Cell(int row, int column) const
{
    const QTableWidgetItem* cell = vsfgPhase->item(row, column);
    return cell ? cell->text() : QString();
}

void frmOutreachPhaseEntry::btnAddPhase_Click()
{
    const int row = vsfgPhase->rowCount();
    AddRow(row + 1, QString(), QString(), QString(), -1);
    vsfgPhase->setCurrentCell(row, kName);
}

void frmOutreachPhaseEntry::btnDelete_Click()
{
    const int row = vsfgPhase->currentRow();
    if (row < 0)
        return;
    if (Messages::show(QStringLiteral("Are you sure you want to remove Phase %1?").arg(Cell(row, kOrder)),
                       QStringLiteral("Delete Confirmation"), Messages::Icon::None,
                       Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return;
    vsfgPhase->removeRow(row);
    for (int r = 0; r < vsfgPhase->rowCount(); ++r)
        SetOrder(r, r + 1);
}

void frmOutreachPhaseEntry::SwapPhases(int row, int other)
{
    for (int column = kName; column <= kWeeks; ++column) {
        QTableWidgetItem* first = vsfgPhase->takeItem(row, column);
        QTableWidgetItem* second = vsfgPhase->takeItem(other, column);
        vsfgPhase->setItem(row, column, second);
        vsfgPhase->setItem(other, column, first);
    }
    vsfgPhase->clearSelection();
    vsfgPhase->setCurrentCell(other, kName);
    vsfgPhase->setRangeSelected(QTableWidgetSelectionRange(other, kName, other, kWeeks), true);
}

void frmOutreachPhaseEntry::btnMoveUp_Click()
{
    const int row = vsfgPhase->currentRow();
    if (row > 0)
        SwapPhases(row, row - 1);
}

void frmOutreachPhaseEntry::btnMoveDown_Click()
{
    const int row = vsfgPhase->currentRow();
    if (row >= 0 && row < vsfgPhase->rowCount() - 1)
        SwapPhases(row, row + 1);
}

bool frmOutreachPhaseEntry::WeeksValue(const QString& text, double* weeks)
{
    bool ok = false;
    const double value = QLocale(QLocale::English, QLocale::UnitedStates).toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return false;
    // The plan's weeks are whole 16-bit numbers where they are used.
    const double whole = std::nearbyint(value);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return false;
    *weeks = value;
    return true;
}

void frmOutreachPhaseEntry::btnSave_Click()
{
    QList<double> weeks;
    bool valid = true;
    for (int row = 0; row < vsfgPhase->rowCount(); ++row) {
        double value = 0;
        if (Cell(row, kName).isEmpty() || Cell(row, kAction).isEmpty() || !WeeksValue(Cell(row, kWeeks), &value))
            valid = false;
        weeks << value;
    }
    if (!valid) {
        Messages::show(QStringLiteral("All fields in the grid are required. Weeks collumn must be numeric. Please "
                                      "check your data and try again."),
                       QStringLiteral("Invalid Data Fields"));
        return;
    }

    // The renames and the new plan stand or fall together.
    Transaction transaction(MainDatabase);
    const OutreachPlanLink::Renames renames = RenameProspects();
    MainDatabase.execute(QStringLiteral("DELETE FROM Outreach_Phase"));
    for (int row = 0; row < vsfgPhase->rowCount(); ++row)
        MainDatabase.execute(
            QStringLiteral("INSERT INTO Outreach_Phase VALUES (?, ?, ?, ?)"),
            {vsfgPhase->item(row, kOrder)->data(kOrderRole), Cell(row, kName), Cell(row, kAction), weeks[row]});
    transaction.commit();
    // Open screens that list the phases would otherwise write old names back.
    OutreachPlanLink::planSaved(renames);
    Unload();
}

OutreachPlanLink::Renames frmOutreachPhaseEntry::RenameProspects()
{
    // One statement, so each prospect moves once, by the phase it had before: two phases that swap names keep
    // their people apart. A stored name that two phases shared goes with the first of them.
    QStringList whens;
    QStringList marks;
    SqlParams cases;
    SqlParams olds;
    OutreachPlanLink::Renames renames;
    for (int row = 0; row < vsfgPhase->rowCount(); ++row) {
        const QVariant loaded = vsfgPhase->item(row, kName)->data(kLoadedRole);
        if (!loaded.isValid())
            continue;
        const QString before = m_loadedNames.at(loaded.toInt());
        const QString after = Cell(row, kName);
        if (before == after)
            continue;
        renames.append({before, after});
        whens << QStringLiteral("WHEN ? THEN ?");
        cases << before << after;
        marks << QStringLiteral("?");
        olds << before;
    }
    if (whens.isEmpty())
        return renames;
    MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = CASE Prospect_Phase %1 END "
                                        "WHERE Prospect_Phase IN (%2)")
                             .arg(whens.join(QLatin1Char(' ')), marks.join(QLatin1Char(','))),
                         cases + olds);
    return renames;
}

void frmOutreachPhaseEntry::btnExit_Click()
{
    Unload();
}
