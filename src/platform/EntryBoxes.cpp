#include "EntryBoxes.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTimer>

PhoneEdit::PhoneEdit(QWidget* parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("(000) 000-0000;_"));
}

QString PhoneEdit::value() const
{
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
    setText(digits);
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
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            if (auto* line = qobject_cast<QLineEdit*>(watched))
                QTimer::singleShot(0, line, [line] { line->selectAll(); });
            else if (auto* text = qobject_cast<QPlainTextEdit*>(watched))
                QTimer::singleShot(0, text, [text] { text->selectAll(); });
        }
        return false;
    }
};
} // namespace

void install(QLineEdit* edit)
{
    edit->installEventFilter(new Filter(edit));
}

void install(QPlainTextEdit* edit)
{
    edit->installEventFilter(new Filter(edit));
}

} // namespace SelectAllOnFocus
