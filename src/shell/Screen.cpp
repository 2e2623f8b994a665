#include "Screen.h"

#include "ScreenRegistry.h"
#include "platform/FocusLoan.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QMdiSubWindow>

Screen::Screen(QWidget* parent) : QWidget(parent)
{
}

QMdiSubWindow* Screen::subWindow() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void Screen::placeTopLeft()
{
    if (QMdiSubWindow* sub = subWindow())
        sub->move(0, 0);
}

void Screen::Unload()
{
    if (QMdiSubWindow* sub = subWindow())
        sub->close();
    else
        close();
}

void Screen::closeEvent(QCloseEvent* event)
{
    // A box or dialog waits (on this screen or another): whoever opened it goes on with itself once it is answered,
    // so a close that reaches the screen meanwhile (Ctrl+W typed ahead of the box) is refused rather than deleting
    // the screen under it. A screen that is itself the modal window still closes.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && !modal->isAncestorOf(this)) {
        event->ignore();
        return;
    }
    // Closed means gone: the next load makes a new instance even before this one is deleted.
    ScreenRegistry::release(this);
    QWidget::closeEvent(event);
}

QWidget* Screen::focusMovesTo(const QWidget* box, const QEvent* event) const
{
    if (event->type() != QEvent::FocusOut || !isVisible())
        return nullptr;
    // While the focus-out is delivered, the application's focus widget is already the one taking the focus.
    QWidget* target = QApplication::focusWidget();
    return FocusLoan::leaves(box, static_cast<const QFocusEvent*>(event)) && isAncestorOf(target) &&
                   target->isVisible()
               ? target
               : nullptr;
}
