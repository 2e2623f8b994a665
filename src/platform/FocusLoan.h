#pragma once

class QFocusEvent;
class QLineEdit;
class QWidget;

// The focus is only lent, not taken from a box, when it goes to another program, to a menu or other popup, to the
// menu bar (Alt, F10, a click on a menu title), or to the screen the box lies on (a click on a label or the bare
// background, which the screen hands straight back). A box the focus comes back to from such a loan is as the user
// left it: its text, cursor and selection stand, and the next keys go on from there. Every other arrival enters the
// box: Tab, a click from another control, the code moving the focus there, and the return from one of Kov's own
// message boxes or dialogs.
//
// A loan can also end in a leaving: the focus goes on from the menu bar (or wherever it was lent) to another control
// of the box's window without coming back to the box first, a click on a button after Alt, say. The box then hears
// a focus-out, with the reason of that arrival, just as if the focus had gone there from the box itself: a cell
// being typed is ended and every check made on leaving the box runs, before the control clicked acts.
//
// This is the one rule: the boxes that select on entering, the cells of a grid and every check made on leaving a
// box ask it, so that they cannot disagree.
namespace FocusLoan {

// At the box's FocusOut: true when the focus is only lent. The loan is then watched until the focus comes back or
// goes on to another control.
bool isLent(const QWidget* box, const QFocusEvent* event);
// At the box's FocusOut: true when the box is really left, for another control of its window. Neither a loan nor
// one of Kov's own message boxes or dialogs over it is a leaving: its checks wait for a real leaving or the Save.
bool leaves(const QWidget* box, const QFocusEvent* event);

// At the box's FocusOut, before the box handles it: true when the focus is only lent. The cursor and selection of
// the box's text are kept for its return.
bool lends(QWidget* box, QLineEdit* text, const QFocusEvent* event);
// At its FocusIn: true when the focus comes back from a loan of this box.
bool comesBack(const QWidget* box, const QFocusEvent* event);
// Puts the cursor and selection back as they were when the focus was lent, if the text is still the same.
void restore(QLineEdit* text);
// The box's text was refused and is to be typed over: its next arrival is an entering, whatever the loans before.
void forget(const QWidget* box);

} // namespace FocusLoan
