#pragma once

#include "platform/Database.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// Checks that hold for every church kov-newdb makes, small or generated.
namespace ChurchChecks {

// A column that names a row elsewhere, by ID or by a list value.
struct Reference {
    const char* table;
    const char* column;
    const char* parent;
    const char* key;
};

inline const Reference kReferences[] = {
    {"Member", "Sunday_School_Class", "Sunday_School", "ID"},
    {"Member", "Prospect_Sunday_School_Class_Assigned", "Sunday_School", "ID"},
    {"Member", "Care_Group_Assigned", "Care_Group", "ID"},
    {"Member", "Prospect_Care_Group_Assigned", "Care_Group", "ID"},
    {"Member", "Discipleship_Training_Class", "Discipleship_Training", "ID"},
    {"Member", "Wednesday_Night_Class", "Wednesday_Night", "ID"},
    {"Member", "DeaconID", "Member", "ID"},
    {"Sunday_School", "Teacher", "Member", "ID"},
    {"Sunday_School", "Asst_Teacher", "Member", "ID"},
    {"Discipleship_Training", "Teacher", "Member", "ID"},
    {"Discipleship_Training", "Asst_Teacher", "Member", "ID"},
    {"Wednesday_Night", "Teacher", "Member", "ID"},
    {"Wednesday_Night", "Asst_Teacher", "Member", "ID"},
    {"Care_Group", "Group_Leader", "Member", "ID"},
    {"Care_Group", "Asst_Group_Leader", "Member", "ID"},
    {"Care_Group", "Sunday_School_Class", "Sunday_School", "ID"},
    {"Family_Connection", "Member_ID", "Member", "ID"},
    {"Family_Connection", "Relative_Member_ID", "Member", "ID"},
    {"Member_Responsibility", "Member_ID", "Member", "ID"},
    {"Member_Organizations", "MemberID", "Member", "ID"},
    {"AttendanceData", "MemberID", "Member", "ID"},
    {"Member_Contributions", "MemberID", "Member", "ID"},
    {"Prospect_Contact", "Prospect_ID", "Member", "ID"},
    {"Prospect_Contact", "Visitor1", "Member", "ID"},
    {"Prospect_Contact", "Visitor2", "Member", "ID"},
    {"User", "Member_ID", "Member", "ID"},
    {"UserPermission", "MemberID", "Member", "ID"},
    {"UserPermission", "PermissionID", "Permission", "ID"},
    {"Member_Responsibility", "Responsibility", "Responsibilities", "Name"},
    {"Member_Organizations", "Organization", "Church_Organizations", "Name"},
    {"Member_Contributions", "Designation", "ContributionDesignation", "Name"},
    {"Family_Connection", "Relationship", "Relationships", "Relationships"},
    {"Member", "Status", "MemberStatus", "Status"},
    {"Member", "Member_Active_Status", "ChurchStatus", "Status"},
    {"Member", "Prospect_Active_Status", "ProspectStatus", "Status"},
    {"Member", "Title", "Titles", "Title"},
    {"Member", "State", "State", "State"},
    {"Member", "Prospect_Phase", "Outreach_Phase", "Phase"},
    {"Member", "Prospect_Next_Contact_Action", "Prospect_Action", "Action"},
    {"Member", "Sunday_School_Attendance_Level", "AttendanceLevels", "Levels"},
    {"Member", "Worship_Service_Attendance_Level", "AttendanceLevels", "Levels"},
    {"Member", "Discipleship_Training_Attendance_Level", "AttendanceLevels", "Levels"},
    {"Member", "Sunday_Evening_Service_Attendance_Level", "AttendanceLevels", "Levels"},
    {"Member", "Wednesday_Night_Attendance_Level", "AttendanceLevels", "Levels"},
    {"Prospect_Contact", "Action", "Prospect_Action", "Action"},
    {"Prospect_Contact", "Rating", "Prospect_Contact_Rating", "Rating"},
};

// Runs a program to its end; returns its exit code, or -1 when it crashed or hung. Its output goes to output.
int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
// Runs kov-newdb once for each list of arguments (each ends with the file it makes), all on one day. The tool dates
// its church by the real clock, so when midnight passes meanwhile every file is made again. Returns that day, or no
// date when a run fails.
QDate makeOnOneDay(const QList<QStringList>& runs);
QByteArray fileBytes(const QString& path);
// Opens a Kov database as the program does, as MainMod::MainDatabase.
void openKov(const QString& path);
// The first column of the first row, as a number.
int count(const QString& sql, const SqlParams& params = {});

// One row per reference for a data-driven test: column "sql" counts the rows whose reference points nowhere
// (and one that counts people missing a field the member screen requires).
void addReferenceRows();

} // namespace ChurchChecks
