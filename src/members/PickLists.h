#pragma once

#include "platform/Database.h"

#include <QList>
#include <QString>
#include <QVariant>

class QAbstractItemModel;
class QComboBox;
class QObject;
class QStandardItem;
class QStandardItemModel;

// Pick-list operations of the member screen.
namespace PickLists {

// The entries of a long pick list (every person), gathered apart and set into the list at once in one model,
// not an entry at a time. Each entry carries its row ID as item data, as IdList expects.
class LongList {
public:
    LongList() = default;
    ~LongList();
    LongList(const LongList&) = delete;
    LongList& operator=(const LongList&) = delete;

    void add(const QString& text, qint64 id);
    // Replaces the list's entries; leaves no selection and raises no signal.
    void setInto(QComboBox* combo);

private:
    QList<QStandardItem*> m_items;
};

// A model of (display text, ID) rows from a query, built apart so several lists can share it: lists of every
// person hold tens of thousands of entries. Rows whose ID is Null are skipped; a Null text shows as empty.
QStandardItemModel* modelWithIds(const QString& sql, const SqlParams& params, QObject* parent);
// Shows a model in a pick list with no selection and no signal.
void useModel(QComboBox* combo, QAbstractItemModel* model);
// The two together, for a list of its own.
void fillWithIds(QComboBox* combo, const QString& sql, const SqlParams& params = {});

// Selects the first entry whose text equals the text exactly (letter case included); none: no selection.
void selectText(QComboBox* combo, const QString& text);

// What a pick list had chosen, so a refill can choose it again: by ID where the entries carry IDs, else by text.
struct Choice {
    bool chosen = false;
    QVariant id;
    QString text;
};
Choice choice(const QComboBox* combo);
// Chooses it again without raising the list's handler.
void restore(QComboBox* combo, const Choice& choice);

} // namespace PickLists
