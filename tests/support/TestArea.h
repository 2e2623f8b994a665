#pragma once

#include <QMdiArea>
#include <QString>

class QWidget;

// A main-window work area for screens under test: the registry opens screens in it. Closes them all at the end.
class TestArea {
public:
    TestArea();
    ~TestArea();
    QMdiArea* area() { return &m_area; }

private:
    QMdiArea m_area;
};

// Saves a picture of a widget as NAME.png into the folder named by KOV_GRAB_DIR, when that is set.
void grabIfAsked(QWidget* widget, const QString& name);

// Types keys into a box that has the focus. Between two goes, "|how|" takes the focus away and back first, with the
// events a window system sends: "program" (another program is used), "menu" (a right-click on the box, Escape from
// its menu), "right" (the same after Tab away), "alt" (Alt into the menu bar, Escape), "alt>NAME" (Alt, then a click
// on the control NAME of the box's window), "label" (a click on the label
// left of the box), "tab" (Tab, then Shift+Tab) or "message" (a modal window of the program's own, as a message box
// is, comes and goes). The keys after a trip go where the focus then is.
void typeWithTrips(QWidget* box, const QString& keys);
