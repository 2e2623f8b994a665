#pragma once

#include <QStringList>

// The 29 tables of a Kov database.
namespace TableNames {

inline const QStringList All = {
    QStringLiteral("Member"),
    QStringLiteral("Family_Connection"),
    QStringLiteral("Sunday_School"),
    QStringLiteral("Discipleship_Training"),
    QStringLiteral("Wednesday_Night"),
    QStringLiteral("Care_Group"),
    QStringLiteral("Responsibilities"),
    QStringLiteral("Member_Responsibility"),
    QStringLiteral("Church_Organizations"),
    QStringLiteral("Member_Organizations"),
    QStringLiteral("AttendanceData"),
    QStringLiteral("Member_Contributions"),
    QStringLiteral("Prospect_Contact"),
    QStringLiteral("Outreach_Phase"),
    QStringLiteral("Church"),
    QStringLiteral("User"),
    QStringLiteral("Permission"),
    QStringLiteral("UserPermission"),
    QStringLiteral("Titles"),
    QStringLiteral("State"),
    QStringLiteral("ChurchStatus"),
    QStringLiteral("MemberStatus"),
    QStringLiteral("AttendanceLevels"),
    QStringLiteral("ProspectStatus"),
    QStringLiteral("Prospect_Action"),
    QStringLiteral("Prospect_Contact_Rating"),
    QStringLiteral("Relationships"),
    QStringLiteral("ContributionDesignation"),
    QStringLiteral("UserType"),
};

} // namespace TableNames
