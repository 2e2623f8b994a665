#pragma once

#include <QString>

class MDI;

namespace MainMod {

// The program's start: settings, database, church settings, the one-instance rule, the main window and log-in;
// then the event loop. Returns the exit code.
int Main();
// Main without the event loop: true when the program is up, else false with the exit code to end with.
bool Start(int& exitCode);
// Closes the main window, the database and the one-instance lock: the last step of Main on every way out.
void Shutdown();

// The main window once start-up has made it.
MDI* MainWindow();

// True when another copy of the program already runs; otherwise this copy now holds the lock.
bool AnotherInstanceRunning();
QString InstanceLockPath();
void ReleaseInstanceLock();

// Closes the database and ends the program at once, without asking.
void CloseAndExit();

} // namespace MainMod
