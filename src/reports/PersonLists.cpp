// The queries of the lists of people, and their report procedures.
#include "PersonLists.h"

#include "ListingPage.h"
#include "ReportBlocks.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

namespace PersonLists {

namespace {

const QString kPersonHead = QStringLiteral(
    "Member.ID, Member.Status, Member.First_Name, Member.Middle_Name, Member.Last_Name, Member.Title, "
    "Member.Address_1, Member.Address_2, Member.City, Member.State, Member.Zip, Member.Phone, Member.Cell, "
    "Member.Work_Phone, Member.Email");

const QString kDetailsAndHistory = QStringLiteral(
    "Member.Place_Of_Work, Member.Occupation, Member.Date_Of_Birth, Member.Head_Of_Household, Member.Gender, "
    "Member.Marital_Status, Member.Anniversary_Date, Member.Hobbies, Member.Organizations, Member.Map_Section, "
    "Member.Notes, Member.Member_Active_Status, Member.Member_Since, Member.Previous_Church, Member.Came_Forward, "
    "Member.Baptized");

const QString kOrder = QStringLiteral(" ORDER BY Member.Last_Name, Member.First_Name, Member.ID");

} // namespace

QString memberListSql(const QString& moreColumns, const QString& moreJoins)
{
    return QStringLiteral("SELECT %1, %2, Sunday_School.Name AS \"Sunday_School.Name\", "
                          "Discipleship_Training.Name AS \"Discipleship_Training.Name\", "
                          "Wednesday_Night.Name AS \"Wednesday_Night.Name\", %3 AS CGLeader, %4 AS Deacon, "
                          "Member.Receive_Newsletter_Via_Mail, Member.Receive_Newsletter_Via_EMail")
               .arg(kPersonHead, kDetailsAndHistory, ReportBlocks::shortName(QStringLiteral("CGLeaderTbl")),
                    ReportBlocks::shortName(QStringLiteral("DeaconTbl"))) +
           moreColumns +
           QStringLiteral(", %1, %2, %3 "
                          "FROM Member "
                          "LEFT JOIN Care_Group ON Member.Care_Group_Assigned = Care_Group.ID "
                          "LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID "
                          "LEFT JOIN Sunday_School ON Member.Sunday_School_Class = Sunday_School.ID "
                          "LEFT JOIN Discipleship_Training ON Member.Discipleship_Training_Class = "
                          "Discipleship_Training.ID "
                          "LEFT JOIN Wednesday_Night ON Member.Wednesday_Night_Class = Wednesday_Night.ID "
                          "LEFT JOIN Member AS DeaconTbl ON Member.DeaconID = DeaconTbl.ID")
               .arg(ReportBlocks::shownNameColumns(),
                    ReportBlocks::captioned(QStringLiteral("Member.Hobbies"), QStringLiteral("Hobbies"),
                                            QStringLiteral("HobbiesText")),
                    ReportBlocks::captioned(QStringLiteral("Member.Organizations"), QStringLiteral("Organizations"),
                                            QStringLiteral("OrganizationsText"))) +
           moreJoins + QStringLiteral(" WHERE ") + Reports::inIdList(QStringLiteral("Member.ID")) + kOrder;
}

ReportEngine::Rows memberListRows(const QList<qint64>& ids)
{
    return Reports::fetchRows(memberListSql(), {Reports::idListValue(ids)});
}

namespace {

// The prospect list's columns for the people a condition picks, with further columns after them.
ReportEngine::Rows prospectRows(const QString& where, const SqlParams& params, const QString& orderBy,
                                const QString& moreColumns = {})
{
    return Reports::fetchRows(
        QStringLiteral("SELECT %1, Member.Prospect_Phase, Member.Prospect_Next_Contact_Date, "
                       "Member.Prospect_Next_Contact_Action, %2, Sunday_School.Name AS Name, %3 AS CGLeader, "
                       "Member.Receive_Newsletter_Via_Mail, Member.Receive_Newsletter_Via_EMail, "
                       "Member.Prospect_Source, Member.Prospect_Active_Status, Member.Prospect_Note, "
                       "Member.Prospect_Member_Of, %4, %6%7 "
                       "FROM Member "
                       "LEFT JOIN Care_Group ON Member.Prospect_Care_Group_Assigned = Care_Group.ID "
                       "LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID "
                       "LEFT JOIN Sunday_School ON Member.Prospect_Sunday_School_Class_Assigned = Sunday_School.ID "
                       "WHERE %5")
                .arg(kPersonHead, kDetailsAndHistory, ReportBlocks::shortName(QStringLiteral("CGLeaderTbl")),
                     ReportBlocks::shownNameColumns(), where,
                     ReportBlocks::captioned(QStringLiteral("Member.Prospect_Note"), QStringLiteral("Prospect note"),
                                             QStringLiteral("ProspectNoteText")),
                     moreColumns.isEmpty() ? QString() : QStringLiteral(", ") + moreColumns) +
            orderBy,
        params);
}

// Every contact with the people a condition on Prospect_Contact picks, newest first. Contacts of one day come
// newest entry first, so the order never changes between runs.
ReportEngine::Rows contactRows(const QString& where, const SqlParams& params)
{
    const auto visitor = [](const QString& alias) {
        return QStringLiteral("CASE WHEN %1.ID IS NULL THEN NULL ELSE IFNULL(%1.Last_Name,'') || ', ' || "
                              "IFNULL(%1.First_Name,'') || ' ' || IFNULL(%1.Middle_Name,'') END")
            .arg(alias);
    };
    return Reports::fetchRows(
        QStringLiteral("SELECT Prospect_Contact.Prospect_ID, Prospect_Contact.ID, Prospect_Contact.Contact_Date, "
                       "Prospect_Contact.Action, Prospect_Contact.Type, %1 AS Visitor1Name, %2 AS Visitor2Name, "
                       "Prospect_Contact.Rating, Prospect_Contact.Notes FROM Prospect_Contact "
                       "LEFT JOIN Member AS Visitor1Tbl ON Prospect_Contact.Visitor1 = Visitor1Tbl.ID "
                       "LEFT JOIN Member AS Visitor2Tbl ON Prospect_Contact.Visitor2 = Visitor2Tbl.ID "
                       "WHERE %3 ORDER BY Prospect_Contact.Contact_Date DESC, Prospect_Contact.ID DESC")
            .arg(visitor(QStringLiteral("Visitor1Tbl")), visitor(QStringLiteral("Visitor2Tbl")), where),
        params);
}

} // namespace

ReportEngine::Rows prospectListRows(const QList<qint64>& ids)
{
    return prospectRows(Reports::inIdList(QStringLiteral("Member.ID")), {Reports::idListValue(ids)}, kOrder);
}

ReportEngine::Rows prospectContactRows(const QList<qint64>& ids)
{
    return contactRows(Reports::inIdList(QStringLiteral("Prospect_Contact.Prospect_ID")), {Reports::idListValue(ids)});
}

ReportEngine::Rows classProspectRows(qint64 classId)
{
    return prospectRows(
        QStringLiteral("Member.Prospect_Active_Status = 'Active' AND Member.Prospect_Sunday_School_Class_Assigned = ?"),
        {classId},
        QStringLiteral(" ORDER BY SortOrder, Member.Prospect_Next_Contact_Date, Member.Prospect_Next_Contact_Action, "
                       "Member.Last_Name, Member.First_Name, Member.ID"),
        QStringLiteral("CASE WHEN Member.Prospect_Next_Contact_Date IS NULL THEN 2 ELSE 1 END AS SortOrder, "
                       "Member.Prospect_Sunday_School_Class_Assigned, ") +
            ReportBlocks::captioned(QStringLiteral("Member.Hobbies"), QStringLiteral("Hobbies"),
                                    QStringLiteral("HobbiesText")) +
            QStringLiteral(", ") +
            ReportBlocks::captioned(QStringLiteral("Member.Organizations"), QStringLiteral("Organizations"),
                                    QStringLiteral("OrganizationsText")));
}

ReportEngine::Rows classContactRows(qint64 classId)
{
    return contactRows(QStringLiteral("Prospect_Contact.Prospect_ID IN (SELECT ID FROM Member WHERE "
                                      "Prospect_Sunday_School_Class_Assigned = ?)"),
                       {classId});
}

ReportEngine::Rows mailingLabelRows(const QList<qint64>& ids)
{
    return Reports::fetchRows(
        QStringLiteral("SELECT Member.First_Name, Member.Middle_Name, Member.Last_Name, Member.Title, "
                       "Member.Address_1, Member.Address_2, Member.City, Member.State, Member.Zip FROM Member "
                       "WHERE %1 ORDER BY Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.ID")
            .arg(Reports::inIdList(QStringLiteral("Member.ID"))),
        {Reports::idListValue(ids)});
}

} // namespace PersonLists

namespace Reports {

namespace {

using Fetch = ReportEngine::Rows (*)(const QList<qint64>&);

void printList(const QString& title, const QStringList& rights, ReportOutput::Mode mode,
               ReportEngine::Definition (*define)(), Fetch fetch, const QList<qint64>& ids)
{
    produce(title, rights, mode, [&] {
        ReportEngine::Definition d = define();
        if (!d.labels)
            ListingPage::stamp(d);
        return ReportEngine::layout(d, fetch(ids));
    });
}

// The member list goes out from the member and the attendance navigators.
const QStringList kMemberListRights{PermissionNames::kMemberNavigatorReport,
                                    PermissionNames::kAttendanceNavigatorReport};

} // namespace

void PrintMemberNavigatorReport(const QList<qint64>& ids, bool preview)
{
    printList(QStringLiteral("Member List"), kMemberListRights, modeOf(preview), PersonLists::crptMemberNavigatorReport,
              PersonLists::memberListRows, ids);
}

void PrintMemberNavigatorDOBAnnivReport(const QList<qint64>& ids, bool preview)
{
    printList(QStringLiteral("Birthday and Anniversary List"), {PermissionNames::kMemberNavigatorReport},
              modeOf(preview), PersonLists::crptMemberNavigatorDOBAnnivReport, PersonLists::memberListRows, ids);
}

void PrintProspectNavigatorReport(const QList<qint64>& ids, bool preview)
{
    produce(QStringLiteral("Prospect List"), {PermissionNames::kProspectNavigatorReport}, modeOf(preview), [&] {
        ReportEngine::Definition d = PersonLists::crptProspectNavigatorReport();
        ListingPage::stamp(d);
        return ReportEngine::layout(d, PersonLists::prospectListRows(ids), PersonLists::prospectContactRows(ids));
    });
}

void PrintProspectNavigatorShortReport(const QList<qint64>& ids, bool preview)
{
    printList(QStringLiteral("Short Prospect List"), {PermissionNames::kProspectNavigatorReport}, modeOf(preview),
              PersonLists::crptProspectNavigatorShortReport, PersonLists::prospectListRows, ids);
}

void PrintMailingLabels(const QList<qint64>& ids)
{
    printList(QStringLiteral("Mailing Labels"), {PermissionNames::kMailingLabelsReport}, ReportOutput::Mode::Preview,
              PersonLists::crptMailingLabels, PersonLists::mailingLabelRows, ids);
}

} // namespace Reports
