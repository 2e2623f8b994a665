#pragma once

#include <QRect>

class QWidget;

// Designed positions and sizes are in twips: 1440 to the logical inch.
namespace Twips {

int toPixels(int twips);
QRect rect(int left, int top, int width, int height);
// Places a control at its designed rectangle.
void place(QWidget* widget, int left, int top, int width, int height);
// Gives a fixed-size screen its designed inner size.
void setFixedClientSize(QWidget* widget, int width, int height);

// The screens were designed for a small 8-point dialog font; the whole program uses one of that size so the
// designed sizes hold their text.
void applyDesignFont();

} // namespace Twips
