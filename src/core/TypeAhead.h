#pragma once

#include <QPointer>
#include <QString>

class QComboBox;

namespace MainMod {

// One state shared by every pick list: typing in quick succession builds one prefix.
struct TypeAheadStateRecord {
    double LastKeyTime = 0; // monotonic seconds of the last key handled
    QString SearchText;
    QPointer<QComboBox> LastCombo;
};
inline TypeAheadStateRecord TypeAheadState;

// Handles one typed character on a pick list: selects the first entry that begins with the prefix (ignoring
// case), which runs the list's own selection handler. The key is always consumed (keyAscii set to 0).
void ComboTypeAhead(QComboBox* combo, int& keyAscii);

} // namespace MainMod

namespace TypeAhead {
// Hooks the shared type-ahead on a pick list: its typed keys go to ComboTypeAhead and nowhere else.
void install(QComboBox* combo);
} // namespace TypeAhead
