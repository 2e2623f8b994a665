// Deleting the member shown, with everything that belongs to them.
#include "frmMemberEntry.h"

#include "MemberDeletion.h"
#include "MemberEntryControls.h"

#include "core/MainMod.h"
#include "core/Permissions.h"
#include "platform/Messages.h"
#include "schema/PermissionNames.h"

void frmMemberEntry::btnDelete_Click()
{
    if (m_memberId == 0)
        return;
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kRemoveRecord))
        return;
    if (m_memberId == MemberDeletion::kStandByMember) {
        Messages::show(QStringLiteral("The stand-by member cannot be deleted."), QStringLiteral("Delete Not Allowed"),
                       Messages::Icon::Exclamation);
        return;
    }
    if (!MemberEntryControls::confirmed(QStringLiteral("Are you sure you want to delete the selected member?"),
                                        QStringLiteral("Delete Confirmation")))
        return;
    MemberDeletion::deleteMember(m_memberId);
    ClearForm();
    // No list may still offer the person: names, relatives, deacons, care groups by their leaders.
    ReloadListValues();
}
