#include "Screen.h"

#include "ScreenRegistry.h"

#include <QApplication>
#include <QCloseEvent>
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
    return target && target != box && isAncestorOf(target) && target->isVisible() ? target : nullptr;
}
