#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTableView>

// One row of a navigator grid: the person's ID as an integer, the cell texts, and the ticks of the check columns.
struct NavigatorRow {
    qint64 id = 0;
    QStringList cells;
    quint32 checks = 0; // bit c set: the check box of column c is ticked
};

// The rows of a navigator grid, replaced whole in one reset. Text cells are read-only; the check columns, when the
// screen has any, are the only cells the user can change.
class NavigatorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setCheckColumns(const QList<int>& columns) { m_checkColumns = columns; }
    // Every second data row on a light grey ground, so a long row is easy to follow across the grid.
    void setBanded(bool banded) { m_banded = banded; }
    // Cells and heading of a column are centred unless set otherwise here.
    void setColumnAlignment(int column, Qt::Alignment alignment) { m_alignments.insert(column, alignment); }
    void reset(const QStringList& headings, QList<NavigatorRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const NavigatorRow& row(int r) const { return m_rows.at(r); }
    const QList<NavigatorRow>& rows() const { return m_rows; }
    bool isCheckColumn(int column) const { return m_checkColumns.contains(column); }

private:
    int alignment(int column) const;

    QStringList m_headings;
    QList<NavigatorRow> m_rows;
    QList<int> m_checkColumns;
    bool m_banded = false;
    QHash<int, Qt::Alignment> m_alignments;
};

// The result grid of a navigator. Empty, it has no heading row either; filled, it shows the headings over one row
// per person, every cell centred and the columns fitted to their text (none wider than the grid). A check cell shows
// its box in the middle and is ticked or cleared by a click anywhere in it, or by Space when it is the current cell; a
// double-click, which opens the person, leaves it as it was. The mouse never scrolls the grid; the scroll bars, the
// keyboard and the wheel do, the wheel not while the button is held on the cells. Whatever the mouse does, the current
// cell stays on a row and column the user can see.
class NavigatorGrid : public QTableView {
    Q_OBJECT
public:
    explicit NavigatorGrid(QWidget* parent = nullptr);

    NavigatorModel* navigatorModel() const { return m_model; }
    void clear();
    void fill(const QStringList& headings, QList<NavigatorRow> rows);

    bool hasHeading() const { return m_model->columnCount() > 0; }
    int dataRows() const { return m_model->rowCount(); }
    QString text(int row, int column) const;
    qint64 id(int row) const { return m_model->row(row).id; }
    bool isChecked(int row, int column) const;
    // The IDs of every data row, in grid order.
    QList<qint64> ids() const;
    // The data row picked, or -1.
    int currentRow() const;
    void pickRow(int row);
    void pickCell(int row, int column);
    QModelIndex indexAt(const QPoint& point) const override;

signals:
    // A data row was double-clicked.
    void rowDoubleClicked(int row);

protected:
    bool viewportEvent(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mouseEventOnCells(QMouseEvent* event);
    // The left button went down on the cells and is still held.
    bool dragging() const;
    QPoint seenPoint(const QPoint& point) const;

    NavigatorModel* m_model;
    // The cell the button went down on, while it is held: it counts as seen however little of it shows.
    bool m_pressing = false;
    int m_pressedRow = -1;
    int m_pressedColumn = -1;
    // Set while a release off the cells the user can see is handled: the view finds no cell under it, and changes no
    // selection.
    bool m_releasedUnseen = false;
};
