#pragma once

#include <QString>
#include <QStringList>

namespace MainMod {
// True when the logged-in user holds the right: type "Admin" (exact letter case) holds every right.
bool HasPermission(const QString& permissionName);
} // namespace MainMod

// The refusal box shown when a right is missing, and its texts.
namespace Refusal {

extern const QString kViewRecord;
extern const QString kViewReport;
extern const QString kViewScreen;
extern const QString kSaveRecord;
extern const QString kRemoveRecord;
extern const QString kEditRecord;
extern const QString kRunReport;

void show(const QString& text);
// Checks the right; shows the refusal box and returns false when it is missing.
bool check(const QString& permissionName, const QString& refusalText);
// The same for rights of which any one will do, asked in the order given.
bool checkAny(const QStringList& permissionNames, const QString& refusalText);

} // namespace Refusal
