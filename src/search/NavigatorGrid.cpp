#include "NavigatorGrid.h"

#include "platform/GridColumns.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

const QColor kBand(192, 192, 192);

// The position along one header nearest `position` that lies on a section the user can see: one with at least a third
// of it in the viewport, or the one pressed. A position off the viewport comes back to its edge first; a section the
// edge cuts to a sliver gives way to the nearest seen one inward. With none seen (a grid a few pixels tall), or past
// the last section, where there is no cell, the position at the edge stays.
int seenPosition(const QHeaderView* header, int position, int extent, int pressed)
{
    position = std::clamp(position, 0, std::max(extent - 1, 0));
    const int at = header->logicalIndexAt(position);
    if (at < 0)
        return position;
    const int inward = header->sectionViewportPosition(at) < 0 ? 1 : -1;
    for (int visual = header->visualIndex(at); visual >= 0 && visual < header->count(); visual += inward) {
        const int section = header->logicalIndex(visual);
        if (header->isSectionHidden(section))
            continue;
        const int top = header->sectionViewportPosition(section);
        const int start = std::max(top, 0);
        const int end = std::min(top + header->sectionSize(section), extent);
        if (end <= start)
            break;
        if (section == pressed || 3 * (end - start) >= header->sectionSize(section))
            return std::clamp(position, start, end - 1);
    }
    return position;
}

// Draws a check cell's box in the middle of the cell and toggles it on a click anywhere in the cell or on Space, but
// not on a double-click; other cells are drawn as usual.
class CheckCellDelegate : public GridColumns::CutTextDelegate {
public:
    using CutTextDelegate::CutTextDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!(index.flags() & Qt::ItemIsUserCheckable)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

        QStyleOptionViewItem box(option);
        const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget),
                         style->pixelMetric(QStyle::PM_IndicatorHeight, &option, widget));
        box.rect = QStyle::alignedRect(option.direction, Qt::AlignCenter, size, option.rect);
        box.state &= ~(QStyle::State_HasFocus | QStyle::State_On | QStyle::State_Off);
        box.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        const bool checkCell = index.flags() & Qt::ItemIsUserCheckable;
        // Every press forgets the box an earlier click changed: only a double-click's own first click, the press and
        // release just before it, is taken back, whatever cells that press and release fell on.
        if (event->type() == QEvent::MouseButtonPress)
            m_clicked = QPersistentModelIndex();
        if (event->type() == QEvent::MouseButtonDblClick) {
            // A double-click opens the person and changes no box: the tick its first click made is taken back, and
            // its second click leaves the box alone.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPersistentModelIndex clicked = std::exchange(m_clicked, {});
            if (mouse->button() == Qt::LeftButton && clicked.isValid())
                toggle(model, clicked);
            if (checkCell)
                return mouse->button() == Qt::LeftButton;
        }
        if (!checkCell)
            return QStyledItemDelegate::editorEvent(event, model, option, index);
        switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()))
                return false;
            m_clicked = index;
            return toggle(model, index);
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return (key == Qt::Key_Space || key == Qt::Key_Select) && toggle(model, index);
        }
        default:
            return false;
        }
    }

private:
    static bool toggle(QAbstractItemModel* model, const QModelIndex& index)
    {
        const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }

    // The box the click since the last press ticked or cleared: the first click of a double-click, if one follows.
    QPersistentModelIndex m_clicked;
};

} // namespace

void NavigatorModel::reset(const QStringList& headings, QList<NavigatorRow> rows)
{
    beginResetModel();
    m_headings = headings;
    m_rows = std::move(rows);
    endResetModel();
}

int NavigatorModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int NavigatorModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant NavigatorModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const NavigatorRow& r = m_rows.at(index.row());
    const int column = index.column();
    if (role == Qt::BackgroundRole)
        return m_banded && index.row() % 2 == 1 ? QVariant(kBand) : QVariant();
    if (isCheckColumn(column)) {
        if (role == Qt::CheckStateRole)
            return (r.checks >> column) & 1u ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return column < r.cells.size() ? r.cells.at(column) : QString();
    case Qt::TextAlignmentRole:
        return alignment(column);
    default:
        return {};
    }
}

bool NavigatorModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !isCheckColumn(index.column()))
        return false;
    NavigatorRow& r = m_rows[index.row()];
    const quint32 bit = 1u << index.column();
    if (value.toInt() == Qt::Checked)
        r.checks |= bit;
    else
        r.checks &= ~bit;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

int NavigatorModel::alignment(int column) const
{
    return int(m_alignments.value(column, Qt::AlignCenter));
}

Qt::ItemFlags NavigatorModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCheckColumn(index.column()))
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant NavigatorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_headings.at(section);
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return {};
}

NavigatorGrid::NavigatorGrid(QWidget* parent) : QTableView(parent), m_model(new NavigatorModel(this))
{
    setModel(m_model);
    setItemDelegate(new CheckCellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(verticalHeader()->minimumSectionSize());
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Column widths follow the first rows only: fitting twenty thousand rows would keep the user waiting.
    horizontalHeader()->setResizeContentsPrecision(200);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowDoubleClicked(index.row());
    });
    horizontalHeader()->hide();
    viewport()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
}

bool NavigatorGrid::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return mouseEventOnCells(static_cast<QMouseEvent*>(event));
    default:
        return QTableView::viewportEvent(event);
    }
}

bool NavigatorGrid::mouseEventOnCells(QMouseEvent* event)
{
    // The mouse never scrolls the grid: left to itself, the view brings a clicked half-shown row into view half a
    // second later, or scrolls while the button is held near an edge, and the next click lands on the person below.
    setAutoScroll(false);
    const auto restore = qScopeGuard([this] {
        setAutoScroll(true);
        m_releasedUnseen = false;
    });
    const QPoint at = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A second button pressed off the grid during a drag reaches the grid too, and would make the row under it
        // current, seen or not.
        if ((event->buttons() & ~event->button()) && !viewport()->rect().contains(at)) {
            event->accept();
            return true;
        }
        m_pressing = true;
        m_pressedRow = rowAt(at.y());
        m_pressedColumn = columnAt(at.x());
        break;
    case QEvent::MouseButtonRelease:
        // A release off the cells the user can see is no click, even where the pressed row, cut by the edge, lies
        // under the pointer; and it leaves the highlight where the drag left it, on the current cell.
        m_releasedUnseen = seenPoint(at) != at;
        m_pressing = event->buttons() != Qt::NoButton;
        break;
    case QEvent::MouseMove: {
        // A drag goes no further than the cells the user can see: the view makes the cell under the pointer current,
        // and off the grid or on a sliver at its edge that would be a person nobody sees, whom Space would then mark.
        const QPoint seen = seenPoint(at);
        if (event->buttons() == Qt::NoButton || seen == at)
            break;
        QMouseEvent moved(event->type(), seen, event->globalPosition() + (seen - at), event->button(), event->buttons(),
                          event->modifiers(), event->pointingDevice());
        const bool handled = QTableView::viewportEvent(&moved);
        event->setAccepted(moved.isAccepted());
        return handled;
    }
    default:
        break;
    }
    return QTableView::viewportEvent(event);
}

bool NavigatorGrid::eventFilter(QObject* watched, QEvent* event)
{
    // While the button is held on the cells the grid holds still: scrolled under the hand, the pressed cell and the
    // rows of the drag would go out of sight. The wheel reaches the cells, or a scroll bar itself.
    if (event->type() == QEvent::Wheel && dragging()) {
        event->accept();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool NavigatorGrid::dragging() const
{
    return m_pressing && (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

QPoint NavigatorGrid::seenPoint(const QPoint& point) const
{
    const QSize extent = viewport()->size();
    return {seenPosition(horizontalHeader(), point.x(), extent.width(), m_pressing ? m_pressedColumn : -1),
            seenPosition(verticalHeader(), point.y(), extent.height(), m_pressing ? m_pressedRow : -1)};
}

QModelIndex NavigatorGrid::indexAt(const QPoint& point) const
{
    return m_releasedUnseen ? QModelIndex() : QTableView::indexAt(point);
}

QItemSelectionModel::SelectionFlags NavigatorGrid::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    return m_releasedUnseen ? QItemSelectionModel::NoUpdate : QTableView::selectionCommand(index, event);
}

void NavigatorGrid::clear()
{
    m_model->reset({}, {});
    horizontalHeader()->hide();
}

void NavigatorGrid::fill(const QStringList& headings, QList<NavigatorRow> rows)
{
    m_model->reset(headings, std::move(rows));
    horizontalHeader()->show();
    GridColumns::fit(this);
}

QString NavigatorGrid::text(int row, int column) const
{
    return m_model->index(row, column).data().toString();
}

bool NavigatorGrid::isChecked(int row, int column) const
{
    return m_model->index(row, column).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

QList<qint64> NavigatorGrid::ids() const
{
    QList<qint64> list;
    list.reserve(m_model->rowCount());
    for (const NavigatorRow& r : m_model->rows())
        list.append(r.id);
    return list;
}

int NavigatorGrid::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NavigatorGrid::pickRow(int row)
{
    setCurrentIndex(m_model->index(row, 0));
}

void NavigatorGrid::pickCell(int row, int column)
{
    setCurrentIndex(m_model->index(row, column));
}
