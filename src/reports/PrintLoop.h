#pragma once

#include <QString>
#include <functional>

namespace Reports {

// Prints count documents one after the other under a progress dialog with Cancel; printOne(i) prints the
// i-th and says whether it was printed. It stops at Cancel or at the first one not printed, and then says how
// many were printed. Returns the number printed.
int printEach(const QString& title, int count, const std::function<bool(int)>& printOne);

} // namespace Reports
