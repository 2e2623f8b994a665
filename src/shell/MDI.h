#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QMdiArea;
class QMenu;
class Screen;

// The main window: every screen opens inside it, and its menus are the way into every screen and listing.
class MDI : public QMainWindow {
    Q_OBJECT
public:
    // One menu command: its control name, the rights that let it run (any one will do; none for the free
    // commands), the refusal text, and what it does.
    struct Command {
        QString control;
        QString caption;
        QStringList permissions;
        QString refusal;
        std::function<void()> action;
    };

    explicit MDI(QWidget* parent = nullptr);

    QMdiArea* area() const { return m_area; }
    const QList<Command>& commands() const { return m_commands; }
    // Runs a command as its menu entry would.
    void runCommand(const QString& control);

    // Logged off: only the File menu and Exit are usable. Logged in: every entry (DB Maint stays hidden).
    void setLoggedIn(bool loggedIn);

    void LogOff_Click();
    void Exit_Click();

private:
    QMenu* addMenu(QMenu* parent, const QString& control, const QString& caption);
    void addCommand(QMenu* menu, const QString& control, const QString& caption, const QStringList& permissions,
                    const QString& refusal, std::function<void()> action);
    // A command that opens a screen.
    void addScreen(QMenu* menu, const QString& control, const QString& caption, const QStringList& permissions,
                   const QString& refusal, std::function<Screen*()> opens);
    void buildMenus();

    QMdiArea* m_area;
    QList<Command> m_commands;
};
