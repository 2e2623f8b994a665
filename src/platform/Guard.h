#pragma once

#include <functional>

// Every event handler runs behind this: a database error (or any other failure) is shown, open transactions
// have rolled back on the way out, and the screen stays open with what the user typed.
namespace Guard {

// Runs the handler; returns false when it failed.
bool run(const std::function<void()>& handler);

// A handler ready to connect to a signal.
inline auto wrap(std::function<void()> handler)
{
    return [handler = std::move(handler)] { run(handler); };
}

} // namespace Guard
