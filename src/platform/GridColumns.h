#pragma once

#include <QStyledItemDelegate>

class QTableView;

// Column widths of the read-only grids: fitted to their text, yet never wider than the part of the grid the user
// sees, so one very long value cannot push a column (and everything after it) out of sight. A cut text ends in
// "..." and shows whole as the cell's tool tip.
namespace GridColumns {

// Fits every column to its contents, then narrows any column wider than the grid's visible width.
void fit(QTableView* grid);
// The width a column may take at most: the grid's inside, less a vertical scroll bar.
int widest(const QTableView* grid);

// Draws cells as usual; a cell whose text does not fit shows the whole text as its tool tip.
class CutTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

} // namespace GridColumns
