#include "MemberNavigatorLink.h"

#include "frmMemberNavigator.h"

#include "shell/ScreenRegistry.h"

namespace MemberNavigatorLink {

void loadSearchValues()
{
    if (frmMemberNavigator* navigator = ScreenRegistry::find<frmMemberNavigator>())
        navigator->LoadSearchValues();
}

} // namespace MemberNavigatorLink
