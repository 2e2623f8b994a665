#include "Guard.h"
#include "DbError.h"
#include "Messages.h"

#include <QApplication>

namespace Guard {

bool run(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const DbError& error) {
        QApplication::restoreOverrideCursor();
        Messages::show(error.message(), QStringLiteral("Database Error"), Messages::Icon::Critical);
    } catch (const std::exception& error) {
        QApplication::restoreOverrideCursor();
        Messages::show(QString::fromUtf8(error.what()), QStringLiteral("Error"), Messages::Icon::Critical);
    }
    return false;
}

} // namespace Guard
