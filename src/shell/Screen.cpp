#include "Screen.h"

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
