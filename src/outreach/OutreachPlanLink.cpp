#include "OutreachPlanLink.h"

#include "frmProspectContactEntry.h"

#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

namespace OutreachPlanLink {

QString renamed(const Renames& renames, const QString& phase)
{
    for (const auto& [before, after] : renames)
        if (before == phase)
            return after;
    return phase;
}

void planSaved(const Renames& renames)
{
    if (frmMemberEntry* member = ScreenRegistry::find<frmMemberEntry>())
        member->ReloadPhases(renames);
    if (frmProspectContactEntry* contact = ScreenRegistry::find<frmProspectContactEntry>())
        contact->ReloadPhases(renames);
}

} // namespace OutreachPlanLink
