#include "Administrators.h"

#include "MainMod.h"

namespace Administrators {

bool holdsTheLastActive(qint64 memberId)
{
    // The log-in takes only active accounts, and only the type written exactly "Admin" holds every right.
    return MainMod::MainDatabase
               .scalar(QStringLiteral("SELECT COUNT(*) = 1 AND SUM(Member_ID = ?) = 1 FROM \"User\" "
                                      "WHERE Type = 'Admin' COLLATE BINARY AND Inactive = 0"),
                       {memberId})
               .toInt() == 1;
}

} // namespace Administrators
