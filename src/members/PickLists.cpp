#include "PickLists.h"

#include "core/MainMod.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStandardItemModel>

namespace PickLists {

QList<IdList::Entry> entriesWithIds(const QString& sql, const SqlParams& params)
{
    QList<IdList::Entry> entries;
    MainMod::MainDatabase.forEachRow(sql, params, [&entries](const QSqlQuery& query) {
        const QVariant id = query.value(1);
        if (!id.isNull())
            entries.append({SqlValue::toText(query.value(0)), id.toLongLong()});
    });
    return entries;
}

void fillWithIds(QComboBox* combo, const QString& sql, const SqlParams& params)
{
    // A model of its own that takes further entries (some lists put a choice of "all" first).
    auto* model = new QStandardItemModel(combo);
    for (const IdList::Entry& entry : entriesWithIds(sql, params)) {
        auto* item = new QStandardItem(entry.text);
        item->setData(entry.id, Qt::UserRole);
        model->appendRow(item);
    }
    const QSignalBlocker block(combo);
    combo->setModel(model); // the list's earlier model goes with it
    combo->setCurrentIndex(-1);
}

void LongList::setInto(QComboBox* combo)
{
    IdList::setEntries({combo}, std::move(m_entries));
    m_entries.clear();
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
