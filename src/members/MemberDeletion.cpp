#include "MemberDeletion.h"

#include "core/MainMod.h"
#include "platform/Transaction.h"

using MainMod::MainDatabase;

namespace MemberDeletion {

void deleteMember(qint64 memberId)
{
    // Each statement names the member once, as its only bound value.
    static const char* const statements[] = {
        "DELETE FROM AttendanceData WHERE MemberID = ?",
        "UPDATE Care_Group SET Group_Leader = 1 WHERE Group_Leader = ?",
        "UPDATE Care_Group SET Asst_Group_Leader = 1 WHERE Asst_Group_Leader = ?",
        "UPDATE Discipleship_Training SET Teacher = 1 WHERE Teacher = ?",
        "UPDATE Discipleship_Training SET Asst_Teacher = 1 WHERE Asst_Teacher = ?",
        "DELETE FROM Family_Connection WHERE Member_ID = ?",
        "DELETE FROM Family_Connection WHERE Relative_Member_ID = ?",
        "UPDATE Member SET DeaconID = NULL WHERE DeaconID = ?",
        "DELETE FROM Member_Responsibility WHERE Member_ID = ?",
        "DELETE FROM Member_Organizations WHERE MemberID = ?",
        "DELETE FROM Prospect_Contact WHERE Prospect_ID = ?",
        "UPDATE Prospect_Contact SET Visitor1 = 1 WHERE Visitor1 = ?",
        "UPDATE Prospect_Contact SET Visitor2 = 1 WHERE Visitor2 = ?",
        "UPDATE Sunday_School SET Teacher = 1 WHERE Teacher = ?",
        "UPDATE Sunday_School SET Asst_Teacher = 1 WHERE Asst_Teacher = ?",
        "DELETE FROM \"User\" WHERE Member_ID = ?",
        "DELETE FROM UserPermission WHERE MemberID = ?",
        "UPDATE Wednesday_Night SET Teacher = 1 WHERE Teacher = ?",
        "UPDATE Wednesday_Night SET Asst_Teacher = 1 WHERE Asst_Teacher = ?",
        "DELETE FROM Member_Contributions WHERE MemberID = ?",
        "DELETE FROM Member WHERE ID = ?",
    };
    Transaction transaction(MainDatabase);
    for (const char* statement : statements)
        MainDatabase.execute(QString::fromLatin1(statement), {memberId});
    transaction.commit();
}

} // namespace MemberDeletion
