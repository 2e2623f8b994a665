#include "IdList.h"

#include <algorithm>

#include <QAbstractListModel>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>

namespace IdList {

namespace {
// A read-only list of entries: the text shows, the ID rides along as the item data.
class EntryModel : public QAbstractListModel {
public:
    EntryModel(QList<Entry> entries, QObject* parent) : QAbstractListModel(parent), m_entries(std::move(entries)) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_entries.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_entries.size())
            return {};
        const Entry& entry = m_entries.at(index.row());
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return entry.text;
        return role == Qt::UserRole ? entry.id : QVariant();
    }

private:
    QList<Entry> m_entries;
};
} // namespace

void setEntries(const QList<QComboBox*>& combos, QList<Entry> entries)
{
    if (combos.isEmpty())
        return;
    // Owned by the screen, so it outlives every list that shows it.
    QObject* owner = combos.first()->parent() ? combos.first()->parent() : combos.first();
    auto* model = new EntryModel(std::move(entries), owner);
    QSet<QAbstractItemModel*> earlier;
    for (QComboBox* combo : combos) {
        if (dynamic_cast<EntryModel*>(combo->model()))
            earlier.insert(combo->model());
        const QSignalBlocker block(combo);
        combo->setModel(model); // drops the list's own model
        // Sized by the layout, its drop-down rows alike: no need to measure every name.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (auto* view = qobject_cast<QListView*>(combo->view()))
            view->setUniformItemSizes(true);
        combo->setCurrentIndex(-1);
    }
    // The entries of an earlier fill go once no list of the window shows them any more.
    const QList<QComboBox*> lists = combos.first()->window()->findChildren<QComboBox*>();
    for (QAbstractItemModel* old : std::as_const(earlier)) {
        if (std::none_of(lists.begin(), lists.end(), [old](const QComboBox* c) { return c->model() == old; }))
            delete old;
    }
}

void add(QComboBox* combo, const QString& text, const QVariant& id)
{
    combo->addItem(text, id);
}

void add(QListWidget* list, const QString& text, const QVariant& id)
{
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, id);
}

void select(QComboBox* combo, const QVariant& id)
{
    int index = -1;
    if (!id.isNull() && id.isValid()) {
        const qint64 wanted = id.toLongLong();
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemData(i).toLongLong() == wanted) {
                index = i;
                break;
            }
        }
    }
    combo->setCurrentIndex(index);
}

QVariant currentId(const QComboBox* combo)
{
    if (combo->currentIndex() < 0)
        return {};
    return combo->itemData(combo->currentIndex());
}

QVariant id(const QListWidget* list, int row)
{
    const QListWidgetItem* item = list->item(row);
    return item ? item->data(Qt::UserRole) : QVariant();
}

} // namespace IdList
