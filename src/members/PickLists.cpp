#include "PickLists.h"

#include "core/MainMod.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListView>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStandardItemModel>

namespace PickLists {

QStandardItemModel* modelWithIds(const QString& sql, const SqlParams& params, QObject* parent)
{
    QList<QStandardItem*> items;
    QSqlQuery& query = MainMod::MainDatabase.run(sql, params);
    while (query.next()) {
        const QVariant id = query.value(1);
        if (id.isNull())
            continue;
        auto* item = new QStandardItem(SqlValue::toText(query.value(0)));
        item->setData(id.toLongLong(), Qt::UserRole);
        items.append(item);
    }
    query.finish();

    auto* model = new QStandardItemModel(parent);
    if (!items.isEmpty())
        model->appendColumn(items);
    return model;
}

LongList::~LongList()
{
    qDeleteAll(m_items);
}

void LongList::add(const QString& text, qint64 id)
{
    auto* item = new QStandardItem(text);
    item->setData(id, Qt::UserRole);
    m_items.append(item);
}

void LongList::setInto(QComboBox* combo)
{
    auto* model = new QStandardItemModel(combo);
    if (!m_items.isEmpty())
        model->appendColumn(m_items);
    m_items.clear();
    useModel(combo, model);
}

void useModel(QComboBox* combo, QAbstractItemModel* model)
{
    const QSignalBlocker block(combo);
    // The list sizes itself to a short text and lays out its drop-down rows alike, not by measuring every name.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    combo->setModel(model); // the old model goes with it when the list owned it
    combo->setCurrentIndex(-1);
}

void fillWithIds(QComboBox* combo, const QString& sql, const SqlParams& params)
{
    useModel(combo, modelWithIds(sql, params, combo));
}

void selectText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

Choice choice(const QComboBox* combo)
{
    Choice c;
    if (combo->currentIndex() < 0)
        return c;
    c.chosen = true;
    c.id = IdList::currentId(combo);
    c.text = combo->currentText();
    return c;
}

void restore(QComboBox* combo, const Choice& choice)
{
    const QSignalBlocker block(combo);
    if (!choice.chosen)
        combo->setCurrentIndex(-1);
    else if (choice.id.isValid() && !choice.id.isNull())
        IdList::select(combo, choice.id);
    else
        selectText(combo, choice.text);
}

} // namespace PickLists
