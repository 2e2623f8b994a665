#pragma once

// What the member screen tells an open member navigator after it changed names or responsibilities.
namespace MemberNavigatorLink {

// Has an open member navigator refill its criteria lists (its LoadSearchValues); does nothing while it is closed.
void refresh();

} // namespace MemberNavigatorLink
