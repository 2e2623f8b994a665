#include "ListGrid.h"

#include "core/Format.h"
#include "platform/GridColumns.h"

#include <QHeaderView>

void ListGridModel::reset(const QStringList& captions, QList<QVariantList> rows)
{
    beginResetModel();
    m_captions = captions;
    m_rows = std::move(rows);
    endResetModel();
}

int ListGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ListGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QVariantList& cells = m_rows.at(index.row());
    const QVariant value = index.column() < cells.size() ? cells.at(index.column()) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return ListGrid::cellText(value);
    case Qt::UserRole:
        return value;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_captions.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_captions.at(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

ListGrid::ListGrid(QWidget* parent) : QTableView(parent), m_model(new ListGridModel(this))
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
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            emit rowPicked(current.row());
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowDoubleClicked(index.row());
    });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this] { emit rowDoubleClicked(-1); });
    setItemDelegate(new GridColumns::CutTextDelegate(this));
    horizontalHeader()->hide();
}

QString ListGrid::cellText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return Format::dateText(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return moment.time() == QTime(0, 0) ? Format::dateText(moment.date()) : Format::dateTimeText(moment);
    }
    default:
        return value.toString();
    }
}

void ListGrid::clear()
{
    m_model->reset({}, {});
    horizontalHeader()->hide();
}

void ListGrid::fill(const QStringList& captions, QList<QVariantList> rows)
{
    m_model->reset(captions, std::move(rows));
    horizontalHeader()->show();
    GridColumns::fit(this);
}

bool ListGrid::hasHeader() const
{
    return m_model->columnCount() > 0;
}

QStringList ListGrid::captions() const
{
    QStringList texts;
    for (int c = 0; c < m_model->columnCount(); ++c)
        texts << m_model->headerData(c, Qt::Horizontal).toString();
    return texts;
}

int ListGrid::rows() const
{
    return m_model->rowCount();
}

QVariant ListGrid::value(int row, int column) const
{
    return m_model->index(row, column).data(Qt::UserRole);
}

QString ListGrid::text(int row, int column) const
{
    return m_model->index(row, column).data().toString();
}

int ListGrid::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListGrid::pickRow(int row)
{
    setCurrentIndex(m_model->index(row, 0));
}
