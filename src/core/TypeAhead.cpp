#include "TypeAhead.h"
#include "MainMod.h"

#include "platform/Clock.h"

#include <QComboBox>
#include <QKeyEvent>

namespace MainMod {

void ComboTypeAhead(QComboBox* combo, int& keyAscii)
{
    const double pause = Clock::monotonicSeconds() - TypeAheadState.LastKeyTime;
    const bool newPrefix = pause >= KeyPressDelay;
    const QChar typed{char16_t(keyAscii)};
    if (TypeAheadState.LastCombo != combo || newPrefix) {
        TypeAheadState.SearchText = typed;
        TypeAheadState.LastCombo = combo;
    } else {
        TypeAheadState.SearchText += typed;
    }
    const int index = combo->findText(TypeAheadState.SearchText, Qt::MatchStartsWith);
    if (index >= 0)
        combo->setCurrentIndex(index);
    keyAscii = 0;
    TypeAheadState.LastKeyTime = Clock::monotonicSeconds();
}

} // namespace MainMod

namespace TypeAhead {

namespace {
class KeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // Keys that type a character (Backspace, Enter and Escape included) count; Tab moves on, and arrows
        // and other keys without a character keep their usual meaning.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->text().isEmpty() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        int keyAscii = key->text().at(0).unicode();
        MainMod::ComboTypeAhead(static_cast<QComboBox*>(watched), keyAscii);
        return true;
    }
};
} // namespace

void install(QComboBox* combo)
{
    combo->installEventFilter(new KeyFilter(combo));
}

} // namespace TypeAhead
