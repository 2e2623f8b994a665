#include "MemberNavigatorLink.h"

#include "shell/ScreenRegistry.h"

namespace MemberNavigatorLink {

void refresh()
{
    if (!MainMod::MemberNavigatorOpen())
        return;
    // The member navigator screen calls its LoadSearchValues from here once it is part of the program.
}

} // namespace MemberNavigatorLink
