#include "MemberScreenLink.h"

#include "shell/ScreenRegistry.h"

#include <QMetaObject>

namespace MemberScreenLink {

void reloadListValues()
{
    if (!MainMod::MemberEntryOpen())
        return;
    // Called by name: the member screen lives apart from the setup screens.
    QMetaObject::invokeMethod(ScreenRegistry::find(QStringLiteral("frmMemberEntry")), "ReloadListValues");
}

} // namespace MemberScreenLink
