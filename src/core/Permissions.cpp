#include "MainMod.h"
#include "Permissions.h"

#include "platform/Messages.h"

namespace MainMod {

bool HasPermission(const QString& permissionName)
{
    if (CurrentUserType == QLatin1String("Admin"))
        return true;
    // The grant joined to the right by its name; the name matches without regard to letter case.
    const QVariant granted = MainDatabase.scalar(
        QStringLiteral("SELECT 1 FROM UserPermission INNER JOIN Permission ON UserPermission.PermissionID = "
                       "Permission.ID WHERE UserPermission.MemberID = ? AND Permission.Name = ? LIMIT 1"),
        {CurrentUserID, permissionName});
    return granted.isValid() && !granted.isNull();
}

} // namespace MainMod

namespace Refusal {

const QString kViewRecord = QStringLiteral("You do not have permission to view this record.");
const QString kViewReport = QStringLiteral("You do not have permission to view this report.");
const QString kViewScreen = QStringLiteral("You do not have permission to view this screen.");
const QString kSaveRecord = QStringLiteral("You do not have permission to save this record.");
const QString kRemoveRecord = QStringLiteral("You do not have permission to remove this record.");
const QString kEditRecord = QStringLiteral("You do not have permission to edit this record.");
const QString kRunReport = QStringLiteral("You do not have permission to run this report.");

void show(const QString& text)
{
    Messages::show(text, QStringLiteral("Invalid Permission"), Messages::Icon::Exclamation);
}

bool check(const QString& permissionName, const QString& refusalText)
{
    if (MainMod::HasPermission(permissionName))
        return true;
    show(refusalText);
    return false;
}

bool checkAny(const QStringList& permissionNames, const QString& refusalText)
{
    for (const QString& permissionName : permissionNames)
        if (MainMod::HasPermission(permissionName))
            return true;
    show(refusalText);
    return false;
}

} // namespace Refusal
