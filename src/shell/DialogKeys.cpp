#include "DialogKeys.h"

#include "platform/DateBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace DialogKeys {

namespace {

class Filter : public QObject {
public:
    Filter(QWidget* dialog, QPushButton* defaultButton, QPushButton* cancelButton)
        : QObject(dialog), m_dialog(dialog), m_default(defaultButton), m_cancel(cancelButton)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* target = static_cast<QWidget*>(watched);
        // Not in this dialog; or in a list or calendar that popped up, a window of its own with its own keys.
        if (target != m_dialog && !m_dialog->isAncestorOf(target))
            return false;
        QPushButton* button = nullptr;
        if (key->key() == Qt::Key_Escape)
            button = m_cancel;
        else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            button = qobject_cast<QPushButton*>(target) ? static_cast<QPushButton*>(target) : m_default.data();
        if (!button || !button->isEnabled() || !button->isVisible())
            return false;
        // Ok takes the date being typed, not the one the box held before; a date that does not exist stops it.
        if (button == m_default && !DateBox::acceptAllTyped(m_dialog))
            return true;
        button->click();
        return true;
    }

private:
    QWidget* m_dialog;
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
};

} // namespace

void install(QWidget* dialog, QPushButton* defaultButton, QPushButton* cancelButton)
{
    if (defaultButton)
        defaultButton->setDefault(true);
    // On the application, so that it sees the key before any control's own filter (type-ahead) does; it goes
    // with the dialog.
    qApp->installEventFilter(new Filter(dialog, defaultButton, cancelButton));
}

} // namespace DialogKeys
