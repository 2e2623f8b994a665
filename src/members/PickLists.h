#pragma once

#include "platform/Database.h"
#include "platform/IdList.h"

#include <QList>
#include <QString>
#include <QVariant>

class QComboBox;

// Pick-list operations of the member screen.
namespace PickLists {

// The entries of a long pick list (every person), gathered apart and given to the list at once through
// IdList::setEntries, not an entry at a time. Each entry carries its row ID as item data.
class LongList {
public:
    void add(const QString& text, qint64 id) { m_entries.append({text, id}); }
    // Replaces the list's entries; leaves no selection and raises no signal.
    void setInto(QComboBox* combo);

private:
    QList<IdList::Entry> m_entries;
};

// The (display text, ID) rows of a query as pick-list entries. Rows whose ID is Null are skipped; a Null text
// shows as empty.
QList<IdList::Entry> entriesWithIds(const QString& sql, const SqlParams& params = {});
// The same given to one list, which may take further entries; no selection, no signal.
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
