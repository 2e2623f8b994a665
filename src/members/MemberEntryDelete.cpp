// Deleting the member shown, with everything that belongs to them.
#include "frmMemberEntry.h"

#include "MemberDeletion.h"
#include "MemberEntryControls.h"

#include "core/Administrators.h"
#include "core/MainMod.h"
#include "core/Permissions.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
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
    // The cascade takes the member's account with them: the office must keep someone who can administer it.
    const auto refuseLastAdministrator = [] {
        Messages::show(QStringLiteral("This member holds the only active administrator account. Make another user an "
                                      "administrator first."),
                       QStringLiteral("Delete Not Allowed"), Messages::Icon::Exclamation);
    };
    if (Administrators::holdsTheLastActive(m_memberId)) {
        refuseLastAdministrator();
        return;
    }
    if (!MemberEntryControls::confirmed(QStringLiteral("Are you sure you want to delete the selected member?"),
                                        QStringLiteral("Delete Confirmation")))
        return;
    // Asked again under the lock that deletes: another desk may have changed the other accounts meanwhile.
    Transaction transaction(MainMod::MainDatabase, Transaction::Lock::Immediate);
    if (Administrators::holdsTheLastActive(m_memberId)) {
        transaction.rollback();
        refuseLastAdministrator();
        return;
    }
    MemberDeletion::deleteMember(m_memberId);
    transaction.commit();
    ClearForm();
    // No list may still offer the person: names, relatives, deacons, care groups by their leaders.
    ReloadListValues();
}
