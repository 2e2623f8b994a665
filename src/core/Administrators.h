#pragma once

#include <QtGlobal>

// The register must keep someone who can administer it: an active account of type "Admin" (the type that holds
// every right, written exactly so).
namespace Administrators {

// True when the member's account is the one active "Admin" account left.
bool holdsTheLastActive(qint64 memberId);

} // namespace Administrators
