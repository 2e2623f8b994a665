#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QComboBox;
class QListWidget;

// A pick list whose entries name rows of a table: each entry's row ID rides along as its item data, in place
// of a hidden twin list. No selection means no reference (Null).
namespace IdList {

// Appends an entry with its row ID.
void add(QComboBox* combo, const QString& text, const QVariant& id);
void add(QListWidget* list, const QString& text, const QVariant& id);

// One entry of a long pick list: its text and its row ID (Null for the blank entry).
struct Entry {
    QString text;
    QVariant id;
};
// Gives the lists all their entries at once, through one shared model: thousands of people load without an item
// or a signal per entry. The lists are left with no selection, and take no further entries one by one.
void setEntries(const QList<QComboBox*>& combos, QList<Entry> entries);

// Selects the entry of that ID; an ID no entry holds, or Null, leaves no selection.
void select(QComboBox* combo, const QVariant& id);

// The chosen row's ID, or an invalid QVariant (Null) when nothing is chosen.
QVariant currentId(const QComboBox* combo);
QVariant id(const QListWidget* list, int row);

} // namespace IdList
