// Family links of the member shown: Add, Remove and Clone Address.
#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "MemberEntryControls.h"

#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/Permissions.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "schema/PermissionNames.h"

#include <QComboBox>
#include <QLineEdit>

using MainMod::MainDatabase;
using MemberEntryControls::confirmed;

void frmMemberEntry::btnAddFamMember_Click()
{
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kSaveRecord))
        return;
    // A typed name that is no entry has no ID to link.
    const QVariant relative = IdList::currentId(cmbMemberAdd);
    if (m_memberId == 0 || relative.isNull() || cmbRelationship->currentText().isEmpty()) {
        Messages::show(QStringLiteral("You must have a current member, relative member, and relationship selected."),
                       QStringLiteral("Required Info"));
        return;
    }
    // A pair holds one link in this direction: adding again replaces its relationship. Both people are read under
    // the lock that writes the link: either may have been deleted since the lists were read.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction, {m_memberId, relative}))
        return;
    MainDatabase.execute(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
                         {m_memberId, relative});
    MainDatabase.execute(
        QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES (?, ?, ?)"),
        {m_memberId, cmbRelationship->currentText(), relative});
    transaction.commit();
    cmbMemberAdd->setCurrentIndex(-1);
    cmbRelationship->setCurrentIndex(-1);
    LoadFamilyMembers();
}

void frmMemberEntry::btnRemoveFamMember_Click()
{
    const int row = vsfgFamilyMembers->currentRow();
    if (row < 0)
        return;
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kRemoveRecord))
        return;
    if (!confirmed(QStringLiteral("Are you sure you want to remove the selected Relationship?"),
                   QStringLiteral("Remove Confirmation")))
        return;
    // The row is read the way the grid was loaded, whatever the head-of-household box says now.
    const QVariant other = vsfgFamilyMembers->value(row, 0);
    const QVariant head = m_familyListsRelatives ? QVariant(m_memberId) : other;
    const QVariant relative = m_familyListsRelatives ? other : QVariant(m_memberId);
    MainDatabase.execute(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
                         {head, relative});
    LoadFamilyMembers();
}

void frmMemberEntry::btnCloneHOHAddress_Click()
{
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kSaveRecord))
        return;
    if (!confirmed(QStringLiteral("Are you sure you want to overwrite all family members with the selected member's "
                                  "address?"),
                   QStringLiteral("Clone Confirmation")))
        return;
    // The screen's address as it stands, saved or not; the member shown gets it at its own save.
    const SqlParams address{txtAddress1->text(),     txtAddress2->text(), txtCity->text(),
                            cmbState->currentText(), txtZip->text(),      txtHomePhone->value()};
    Transaction transaction(MainDatabase);
    for (int row = 0; row < vsfgFamilyMembers->rows(); ++row)
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Address_1 = ?, Address_2 = ?, City = ?, State = ?, "
                                            "Zip = ?, Phone = ? WHERE ID = ?"),
                             SqlParams(address) << vsfgFamilyMembers->value(row, 0));
    transaction.commit();
    LoadFamilyMembers();
}
