#include "IdList.h"

#include <QComboBox>
#include <QListWidget>

namespace IdList {

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
