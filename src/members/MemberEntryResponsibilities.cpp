// The member's church responsibilities (written at once) and organizations (moved on screen, written by Save).
#include "frmMemberEntry.h"

#include "MemberEntryControls.h"
#include "search/MemberNavigatorLink.h"

#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/Permissions.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "schema/PermissionNames.h"

#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>

using MainMod::MainDatabase;
using MemberEntryControls::confirmed;

namespace {

// Moves entries from the last to the first, each appended to the target: they arrive in reverse order.
void moveEntries(QListWidget* from, QListWidget* to, bool selectedOnly)
{
    if (selectedOnly && from->currentRow() < 0)
        return;
    for (int i = from->count() - 1; i >= 0; --i) {
        if (selectedOnly && !from->item(i)->isSelected())
            continue;
        to->addItem(from->takeItem(i));
    }
}

} // namespace

bool frmMemberEntry::ResponsibilityChosen()
{
    if (m_memberId != 0 && !cmbResp->currentText().isEmpty())
        return true;
    Messages::show(QStringLiteral("You must have a current member and responsibility selected."),
                   QStringLiteral("Required Info"));
    return false;
}

void frmMemberEntry::ResponsibilitiesChanged()
{
    cmbResp->setCurrentIndex(-1);
    dtRespStart->setDate(Clock::today());
    dtRespEnd->setDate(Clock::today());
    LoadResponsibilities();
    // The navigator's lists, its deacons among them.
    MemberNavigatorLink::loadSearchValues();
}

void frmMemberEntry::btnAddResp_Click()
{
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kSaveRecord))
        return;
    if (!ResponsibilityChosen())
        return;
    // The member may have been deleted at another desk since being shown: a row for nobody would print as a holder
    // with no name.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction, {m_memberId}))
        return;
    MainDatabase.execute(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", "
                                        "\"End\") VALUES (?, ?, ?, ?)"),
                         {m_memberId, cmbResp->currentText(), dtRespStart->date(), dtRespEnd->date()});
    transaction.commit();
    ResponsibilitiesChanged();
}

void frmMemberEntry::btnRemoveResp_Click()
{
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kRemoveRecord))
        return;
    if (!ResponsibilityChosen())
        return;
    if (!confirmed(QStringLiteral("Are you sure you want to remove the selected Responsibility?"),
                   QStringLiteral("Remove Confirmation")))
        return;
    const QString responsibility = cmbResp->currentText();
    const bool deacon = responsibility == QLatin1String("Deacon");
    if (deacon && !confirmed(QStringLiteral("By removing the Deacon Responsibility from this member, you will remove "
                                            "it from all Member files as the assigned Deacon. Are you sure you wish "
                                            "to continue?"),
                             QStringLiteral("Deacon Removal")))
        return;
    // The row is the one whose four values the editor holds, its dates as dates.
    Transaction transaction(MainDatabase);
    if (deacon)
        MainDatabase.execute(QStringLiteral("UPDATE Member SET DeaconID = NULL WHERE DeaconID = ?"), {m_memberId});
    MainDatabase.execute(QStringLiteral("DELETE FROM Member_Responsibility WHERE Member_ID = ? AND Responsibility = ? "
                                        "AND \"Start\" = ? AND \"End\" = ?"),
                         {m_memberId, responsibility, dtRespStart->date(), dtRespEnd->date()});
    transaction.commit();
    ResponsibilitiesChanged();
}

void frmMemberEntry::btnAdd_Click()
{
    moveEntries(lstAllOrganizations, lstMemberOrganizations, true);
}

void frmMemberEntry::btnRemove_Click()
{
    moveEntries(lstMemberOrganizations, lstAllOrganizations, true);
}

void frmMemberEntry::btnAddAll_Click()
{
    moveEntries(lstAllOrganizations, lstMemberOrganizations, false);
}

void frmMemberEntry::btnRemoveAll_Click()
{
    moveEntries(lstMemberOrganizations, lstAllOrganizations, false);
}
