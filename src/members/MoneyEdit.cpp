#include "MoneyEdit.h"

#include "core/Format.h"
#include "platform/FocusLoan.h"

MoneyEdit::MoneyEdit(QWidget* parent) : QLineEdit(parent)
{
    // Only the user's typing changes the value; what the box shows by itself does not.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { m_typed = text; });
}

void MoneyEdit::setValue(const QString& typed)
{
    m_typed = typed;
    showValue(hasFocus());
}

void MoneyEdit::showValue(bool editing)
{
    bool ok = false;
    const double amount = Format::parseAmount(m_typed, &ok);
    setText(editing || !ok ? m_typed : Format::money(amount));
}

void MoneyEdit::focusInEvent(QFocusEvent* event)
{
    // Only lent (another program, a menu, a click beside the box), the focus left the typing in view as it was.
    if (!FocusLoan::comesBack(this, event))
        showValue(true);
    QLineEdit::focusInEvent(event);
}

void MoneyEdit::focusOutEvent(QFocusEvent* event)
{
    // The shared select-on-focus filter has noted the loan already.
    const bool lent = FocusLoan::isLent(this, event);
    QLineEdit::focusOutEvent(event);
    if (!lent)
        showValue(false);
}
