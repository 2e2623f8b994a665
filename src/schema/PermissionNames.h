#pragma once

#include <QStringList>

// The names the program uses for the rights it checks.
namespace PermissionNames {

inline const QString kAdministrativeReport = QStringLiteral("Administrative Report");
inline const QString kAttendanceEntryEdit = QStringLiteral("Attendance Entry/Edit");
inline const QString kAttendanceNavigator = QStringLiteral("Attendance Navigator");
inline const QString kAttendanceNavigatorReport = QStringLiteral("Attendance Navigator Report");
inline const QString kCareGroupEntryEdit = QStringLiteral("Care Group Entry/Edit");
inline const QString kChurchInfo = QStringLiteral("Church Info");
inline const QString kChurchResponsibilityEntryEdit = QStringLiteral("Church Responsibility Entry/Edit");
inline const QString kDefinedValues = QStringLiteral("Defined Values");
inline const QString kDiscipleshipTrainingClassEntryEdit = QStringLiteral("Discipleship Training Class Entry/Edit");
inline const QString kDiscipleshipTrainingRollReport = QStringLiteral("Discipleship Training Roll Report");
inline const QString kMailingLabelsReport = QStringLiteral("Mailing Labels Report");
inline const QString kMemberContributions = QStringLiteral("Member Contributions");
inline const QString kMemberEntryEdit = QStringLiteral("Member Entry/Edit");
inline const QString kMemberInformationUpdateReport = QStringLiteral("Member Information Update Report");
inline const QString kMemberNavigatorReport = QStringLiteral("Member Navigator Report");
inline const QString kMemberView = QStringLiteral("Member View");
inline const QString kOutreachPhaseEntryEdit = QStringLiteral("Outreach Phase Entry/Edit");
inline const QString kProspectContactEntryEdit = QStringLiteral("Prospect Contact Entry/Edit");
inline const QString kProspectNavigatorReport = QStringLiteral("Prospect Navigator Report");
inline const QString kProspectVisitationSheetReport = QStringLiteral("Prospect Visitation Sheet Report");
inline const QString kSundaySchoolClassEntryEdit = QStringLiteral("Sunday School Class Entry/Edit");
inline const QString kSundaySchoolProspectListing = QStringLiteral("Sunday School Prospect Listing");
inline const QString kSundaySchoolRollReport = QStringLiteral("Sunday School Roll Report");
inline const QString kUserPermissions = QStringLiteral("User Permissions");
inline const QString kWednesdayNightClassEntryEdit = QStringLiteral("Wednesday Night Class Entry/Edit");
inline const QString kWednesdayNightRollReport = QStringLiteral("Wednesday Night Roll Report");

inline const QStringList All = {
    QStringLiteral("Administrative Report"),
    QStringLiteral("Attendance Entry/Edit"),
    QStringLiteral("Attendance Navigator"),
    QStringLiteral("Attendance Navigator Report"),
    QStringLiteral("Care Group Entry/Edit"),
    QStringLiteral("Church Info"),
    QStringLiteral("Church Responsibility Entry/Edit"),
    QStringLiteral("Defined Values"),
    QStringLiteral("Discipleship Training Class Entry/Edit"),
    QStringLiteral("Discipleship Training Roll Report"),
    QStringLiteral("Mailing Labels Report"),
    QStringLiteral("Member Contributions"),
    QStringLiteral("Member Entry/Edit"),
    QStringLiteral("Member Information Update Report"),
    QStringLiteral("Member Navigator Report"),
    QStringLiteral("Member View"),
    QStringLiteral("Outreach Phase Entry/Edit"),
    QStringLiteral("Prospect Contact Entry/Edit"),
    QStringLiteral("Prospect Navigator Report"),
    QStringLiteral("Prospect Visitation Sheet Report"),
    QStringLiteral("Sunday School Class Entry/Edit"),
    QStringLiteral("Sunday School Prospect Listing"),
    QStringLiteral("Sunday School Roll Report"),
    QStringLiteral("User Permissions"),
    QStringLiteral("Wednesday Night Class Entry/Edit"),
    QStringLiteral("Wednesday Night Roll Report"),
};

} // namespace PermissionNames
