#include "EntryBoxes.h"

#include "FocusLoan.h"

#include <QFocusEvent>
#include <QTimer>

namespace {
const QString kPhoneMask = QStringLiteral("(000) 000-0000;_");
}

PhoneEdit::PhoneEdit(QWidget* parent) : QLineEdit(parent)
{
    setInputMask(kPhoneMask);
    // A free box the user empties takes the mask again, so a number typed afresh gets the usual shape.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (inputMask().isEmpty() && text.isEmpty()) {
            setInputMask(kPhoneMask);
            setCursorPosition(0);
        }
    });
}

QString PhoneEdit::value() const
{
    if (inputMask().isEmpty())
        return text();
    const QString shown = displayText();
    for (QChar ch : shown)
        if (ch.isDigit())
            return shown;
    return {};
}

void PhoneEdit::setValue(const QString& stored)
{
    QString digits;
    for (QChar ch : stored)
        if (ch.isDigit())
            digits += ch;
    if (inputMask().isEmpty())
        setInputMask(kPhoneMask);
    setText(digits);
    // A number stored in another shape (a leading 1, seven digits, an extension) would be bent by the mask:
    // it is shown, and saved back, as it is.
    if (!stored.isEmpty() && displayText() != stored) {
        setInputMask(QString());
        setText(stored);
        // A longer text is read from its start.
        setCursorPosition(0);
    }
}

void makePasswordBox(QLineEdit* edit)
{
    edit->setEchoMode(QLineEdit::Password);
    // The style's own mask character is a dot; the office is used to stars.
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(int(u'*')));
}

namespace SelectAllOnFocus {

namespace {
class Filter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* line = static_cast<QLineEdit*>(watched);
        // A check made on leaving the box refused its text and gave the box the focus back, entering it anew: the
        // rest of that leaving is over, and the box stays entered, its text selected. (A popup opening says
        // focus-out while the box still holds the focus; that one is a loan.)
        if (event->type() == QEvent::FocusOut && line->hasFocus() &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            return true;
        // Entered but not yet selected: a right-click gives the focus and opens the box's menu before the select
        // below runs. The entering ends first, so the menu offers Copy, and its Paste or the next keys replace.
        if ((event->type() == QEvent::ContextMenu || event->type() == QEvent::FocusOut) && m_selecting)
            selectNow(line);
        if (event->type() == QEvent::FocusOut)
            FocusLoan::lends(line, line, static_cast<QFocusEvent*>(event));
        if (event->type() == QEvent::FocusIn) {
            if (FocusLoan::comesBack(line, static_cast<QFocusEvent*>(event))) {
                FocusLoan::restore(line);
            } else { // after the click that gave the focus has placed the cursor
                m_selecting = true;
                QTimer::singleShot(0, line, [this, line] {
                    if (m_selecting)
                        selectNow(line);
                });
            }
        }
        return false;
    }

private:
    void selectNow(QLineEdit* line)
    {
        m_selecting = false;
        line->selectAll();
    }
    bool m_selecting = false;
};
} // namespace

void install(QLineEdit* edit)
{
    edit->installEventFilter(new Filter(edit));
}

} // namespace SelectAllOnFocus
