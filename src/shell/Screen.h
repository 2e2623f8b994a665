#pragma once

#include "platform/Guard.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QMdiSubWindow;

// A screen of the program: one instance at a time, shown as a child window of the main window.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(QWidget* parent = nullptr);

    // Runs once when the registry loads the screen, before it shows.
    virtual void Form_Load() {}
    // Closes the screen; it is deleted with its window.
    void Unload();

    // The rights, any one of which lets a user have this screen open (none: anybody). The menu command that
    // opens a screen sets them; a screen that shows other things by turns (the report viewer) sets its own.
    const QStringList& rights() const { return m_rights; }
    void setRights(const QStringList& rights) { m_rights = rights; }
    // Runs on every screen left open at each log-in: a screen that shows parts by the user's rights shows them anew.
    virtual void UserChanged() {}

protected:
    void closeEvent(QCloseEvent* event) override;
    // For a focus-loss check of a box: the other control of this visible screen that the focus moves to, or null
    // when the focus is only lent (FocusLoan.h), leaves the screen for another window or the screen is closing.
    QWidget* focusMovesTo(const QWidget* box, const QEvent* event) const;
    QMdiSubWindow* subWindow() const;
    // Puts the screen at the top left corner of the main window's work area.
    void placeTopLeft();
    // Connects a signal to a handler that runs behind the error guard.
    template <typename Sender, typename Signal>
    void on(Sender* sender, Signal signal, std::function<void()> handler)
    {
        connect(sender, signal, this, Guard::wrap(std::move(handler)));
    }

private:
    QStringList m_rights;
};
