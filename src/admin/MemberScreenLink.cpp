#include "MemberScreenLink.h"

#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

namespace MemberScreenLink {

void reloadListValues()
{
    if (frmMemberEntry* member = ScreenRegistry::find<frmMemberEntry>())
        member->ReloadListValues();
}

} // namespace MemberScreenLink
