#pragma once

#include "platform/Database.h"

#include <QString>
#include <QVariant>

class QAbstractItemModel;
class QComboBox;
class QObject;
class QStandardItemModel;

// Pick-list operations of the member screen.
namespace PickLists {

// Replaces a pick list's entries with the rows of a query of (display text, ID) in one model, built apart and
// set at once: lists of every person hold tens of thousands of entries. Rows whose ID is Null are skipped; a
// Null text shows as empty. Leaves no selection and raises no signal.
void fillWithIds(QComboBox* combo, const QString& sql, const SqlParams& params = {});
// The same in two steps, so several lists can share one model of (display text, ID) rows.
QStandardItemModel* modelWithIds(const QString& sql, const SqlParams& params, QObject* parent);
// Shows a model in a pick list with no selection and no signal.
void useModel(QComboBox* combo, QAbstractItemModel* model);

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
