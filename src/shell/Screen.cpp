#include "Screen.h"

#include "ScreenRegistry.h"

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
