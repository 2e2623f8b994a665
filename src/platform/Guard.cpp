#include "Guard.h"
#include "DbError.h"
#include "Messages.h"

namespace Guard {

bool run(const std::function<void()>& handler)
{
    // A busy pointer that the handler showed has been restored by its WaitCursor on the way out; restoring here
    // as well would take away a pointer that the handler did not set.
    try {
        handler();
        return true;
    } catch (const DbError& error) {
        Messages::show(error.message(), QStringLiteral("Database Error"), Messages::Icon::Critical);
    } catch (const std::exception& error) {
        Messages::show(QString::fromUtf8(error.what()), QStringLiteral("Error"), Messages::Icon::Critical);
    }
    return false;
}

} // namespace Guard
