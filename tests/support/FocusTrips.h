#pragma once

#include <QString>

class QWidget;

// Types keys into a box that has the focus. Between two goes, "|how|" takes the focus away and back first, with the
// events a window system sends: "program" (another program is used), "menu" (the box's own menu, closed by Escape),
// "label" (a click on the label left of the box), "tab" (Tab, then Shift+Tab) or "message" (a modal window of the
// program's own, as a message box is, comes and goes).
void typeWithTrips(QWidget* box, const QString& keys);
