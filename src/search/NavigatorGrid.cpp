#include "NavigatorGrid.h"

#include <QHeaderView>

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
        return int(Qt::AlignCenter);
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
        return int(Qt::AlignCenter);
    return {};
}

NavigatorGrid::NavigatorGrid(QWidget* parent) : QTableView(parent), m_model(new NavigatorModel(this))
{
    setModel(m_model);
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
}

void NavigatorGrid::clear()
{
    m_model->reset({}, {});
}

void NavigatorGrid::fill(const QStringList& headings, QList<NavigatorRow> rows)
{
    m_model->reset(headings, std::move(rows));
    resizeColumnsToContents();
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
