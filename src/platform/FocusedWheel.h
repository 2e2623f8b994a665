#pragma once

class QWidget;

// Pick lists and date boxes step with the mouse wheel only while they have the focus (clicked, or reached with Tab).
// Turned over any other, on the way down a screen or by accident, the wheel changes nothing there and goes on to what
// holds the box, so a scrolling view still scrolls: a value the user never picked is never saved.
namespace FocusedWheel {
void install(QWidget* box);
} // namespace FocusedWheel
