#pragma once

#include <functional>
#include <vector>

// The long writes the crash test (tests/crash/tst_crashsafety) breaks off part-way. Each runs in a child process,
// kov-crashwriter, on a copy of a generated church: MainMod::MainDatabase open as the program opens it, a work area
// for screens, message boxes answered Yes/OK. It must change the database, in one piece; a message box with the
// critical icon counts as a failed write. To add a write: a function in CrashWrites.cpp that does it as a user
// would (open the screen, fill it, click Save) and a row {"name", function} in all(); the test picks it up.
namespace CrashWrites {

struct Write {
    const char* name;
    std::function<void()> run;
};

const std::vector<Write>& all();

} // namespace CrashWrites
