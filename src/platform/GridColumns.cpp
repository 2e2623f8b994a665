#include "GridColumns.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolTip>

namespace GridColumns {

int widest(const QTableView* grid)
{
    int room = grid->maximumViewportSize().width();
    if (grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        room -= grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    return qMax(room, 1);
}

void fit(QTableView* grid)
{
    grid->resizeColumnsToContents();
    const int room = widest(grid);
    QHeaderView* header = grid->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        if (header->sectionSize(c) > room)
            header->resizeSection(c, room);
}

bool CutTextDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QStyle* style = view ? view->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
    // The style leaves a margin on each side of the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, view) + 1;
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && cell.fontMetrics.horizontalAdvance(text) > textRect.width() - 2 * margin) {
        QToolTip::showText(event->globalPos(), text, view, cell.rect);
        return true;
    }
    QToolTip::hideText();
    return false;
}

} // namespace GridColumns
