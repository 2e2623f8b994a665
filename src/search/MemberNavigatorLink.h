#pragma once

// What the member screen tells an open member navigator after it saves or changes a responsibility.
namespace MemberNavigatorLink {

// Has an open member navigator reload its pick lists (LoadSearchValues); does nothing while it is closed.
void loadSearchValues();

} // namespace MemberNavigatorLink
