#pragma once

#include <functional>
#include <vector>

// The long writes the crash test breaks off part-way. Each runs in a child process on a copy of a generated church
// (MainMod::MainDatabase open, a work area for screens, message boxes answered Yes/OK) and must change the
// database in one piece.
namespace CrashWrites {

struct Write {
    const char* name;
    std::function<void()> run;
};

const std::vector<Write>& all();

} // namespace CrashWrites
