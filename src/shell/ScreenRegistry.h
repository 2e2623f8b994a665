#pragma once

#include "Screen.h"

class QMdiArea;

// Finds or creates the one instance of each screen class as a child window of the main window. Loading an open
// screen brings it forward as it is; closing a screen deletes it.
namespace ScreenRegistry {

void setArea(QMdiArea* area);
QMdiArea* area();

Screen* find(const QString& className);
// Forgets a screen that is closing.
void release(Screen* screen);
bool isOpen(const QString& className);

// Closes every open screen that the logged-in user could not have opened: it has rights and the user holds none
// of them. Unsaved input in those screens is dropped, as when they are closed by hand.
void closeScreensWithoutRights();
// Tells every open screen that a user has logged in, whose rights may differ from those it was shown with.
void userChanged();

// Adds a new screen, runs its load and shows it in front; returns null when its load failed (the error was shown).
Screen* show(Screen* screen);
// Puts an open screen in front and gives it the focus: restored when minimised, otherwise at its size and place.
// A maximised screen behind it goes back to its normal size.
void bringForward(Screen* screen);

template <class T> T* find()
{
    return qobject_cast<T*>(find(QString::fromLatin1(T::staticMetaObject.className())));
}

template <class T> T* load()
{
    if (T* open = find<T>()) {
        bringForward(open);
        return open;
    }
    return qobject_cast<T*>(show(new T));
}

} // namespace ScreenRegistry

namespace MainMod {
// Set while the member screen or the member navigator is open.
bool MemberEntryOpen();
bool MemberNavigatorOpen();
} // namespace MainMod
