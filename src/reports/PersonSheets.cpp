// The queries of the person sheets, their family lines, and their report procedures.
#include "PersonSheets.h"

#include "ListingPage.h"
#include "ReportBlocks.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/SqlValue.h"
#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

#include <QSqlQuery>

namespace PersonSheets {

namespace {

const QString kFamilyText = QStringLiteral("txtFamily");

// The family: the relatives of a head, or the heads of anyone else. Ties of one relationship keep the order the
// links were made in.
QString familySql(bool head)
{
    return QStringLiteral("SELECT Member.First_Name, Member.Last_Name, Family_Connection.Relationship, "
                          "Member.Gender, Member.Date_Of_Birth FROM Family_Connection "
                          "LEFT JOIN Member ON Family_Connection.%1 = Member.ID WHERE Family_Connection.%2 = ? "
                          "ORDER BY Family_Connection.Relationship, Family_Connection.rowid")
        .arg(head ? QStringLiteral("Relative_Member_ID") : QStringLiteral("Member_ID"),
             head ? QStringLiteral("Member_ID") : QStringLiteral("Relative_Member_ID"));
}

// The person's memos in full, each captioned, taking no room when empty.
QString memoColumns()
{
    return ReportBlocks::captioned(QStringLiteral("Member.Hobbies"), QStringLiteral("Hobbies"),
                                   QStringLiteral("HobbiesText")) +
           QStringLiteral(", ") +
           ReportBlocks::captioned(QStringLiteral("Member.Organizations"), QStringLiteral("Organizations"),
                                   QStringLiteral("OrganizationsText"));
}

const QString kPersonColumns = QStringLiteral(
    "Member.Status, Member.First_Name, Member.Middle_Name, Member.Last_Name, Member.Title, Member.Address_1, "
    "Member.Address_2, Member.City, Member.State, Member.Zip, Member.Phone, Member.Cell, Member.Work_Phone, "
    "Member.Email, Member.Place_Of_Work, Member.Occupation, Member.Date_Of_Birth, Member.Head_Of_Household, "
    "Member.Gender, Member.Marital_Status, Member.Anniversary_Date, Member.Hobbies, Member.Organizations, "
    "Member.Map_Section, Member.Notes, Member.Member_Active_Status");

// The first row's head-of-household flag (Null is No) and ID give the family lines of the sheet.
void addFamily(ReportEngine::Definition& d, const ReportEngine::Rows& rows, const QString& idColumn)
{
    if (rows.size() == 0)
        return;
    const QVector<QVariant>& first = rows.values.first();
    const bool head = first.at(rows.column(QStringLiteral("Head_Of_Household"))).toLongLong() != 0;
    d.texts.insert(kFamilyText, familyText(first.at(rows.column(idColumn)).toLongLong(), head));
}

} // namespace

QString familyText(qint64 memberId, bool headOfHousehold)
{
    const QString sql = familySql(headOfHousehold);
    QString text;
    MainMod::MainDatabase.forEachRow(sql, {memberId}, [&](const QSqlQuery& query) {
        const QString name = query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
        const QString relationship = headOfHousehold ? query.value(2).toString() : QStringLiteral("Head of Household");
        const QDate born = SqlValue::toDate(query.value(4));
        text += MainMod::PadRight(name, 25) + QLatin1Char(' ') + MainMod::PadRight(relationship, 20) +
                QLatin1Char(' ') + MainMod::PadRight(query.value(3).toString(), 10) + QLatin1Char(' ') +
                MainMod::PadRight(born.isValid() ? Format::reportDate(born) : QString(), 12) + QStringLiteral("\r\n");
    });
    return text;
}

ReportEngine::Rows visitationRows(qint64 memberId)
{
    // Contacts of one day in the order they were entered.
    return Reports::fetchRows(
        QStringLiteral(
            "SELECT Member.ID AS \"Member.ID\", %1, Member.Prospect_Source, Member.Prospect_Active_Status, "
            "Member.Prospect_Note, Sunday_School.Name, %2 AS CGLeader, Member.Prospect_Member_Of, "
            "Member.Prospect_Next_Contact_Date, Member.Prospect_Next_Contact_Action, "
            "Member.Prospect_Next_Contact_Type, Prospect_Contact.ID AS \"Prospect_Contact.ID\", "
            "Prospect_Contact.Contact_Date, Prospect_Contact.Action, Prospect_Contact.Type, "
            "CASE WHEN Visitor1Tbl.ID IS NULL THEN NULL ELSE %3 END AS Visitor1Name, "
            "CASE WHEN Visitor2Tbl.ID IS NULL THEN NULL ELSE %4 END AS Visitor2Name, "
            "Prospect_Contact.Notes AS \"Prospect_Contact.Notes\", Prospect_Contact.Rating, %5, %6, %7, "
            "Member.Prospect_Phase, Member.Receive_Newsletter_Via_Mail, Member.Receive_Newsletter_Via_EMail, "
            "CASE WHEN Prospect_Contact.ID IS NULL THEN 'No contacts recorded.' END AS NoContacts "
            "FROM Member "
            "LEFT JOIN Care_Group ON Member.Prospect_Care_Group_Assigned = Care_Group.ID "
            "LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID "
            "LEFT JOIN Sunday_School ON Member.Prospect_Sunday_School_Class_Assigned = Sunday_School.ID "
            "LEFT JOIN Prospect_Contact ON Member.ID = Prospect_Contact.Prospect_ID "
            "LEFT JOIN Member AS Visitor1Tbl ON Visitor1Tbl.ID = Prospect_Contact.Visitor1 "
            "LEFT JOIN Member AS Visitor2Tbl ON Visitor2Tbl.ID = Prospect_Contact.Visitor2 "
            "WHERE Member.ID = ? ORDER BY Prospect_Contact.Contact_Date, Prospect_Contact.ID")
            .arg(kPersonColumns, ReportBlocks::shortName(QStringLiteral("CGLeaderTbl")),
                 Format::personNameSql(QStringLiteral("Visitor1Tbl")),
                 Format::personNameSql(QStringLiteral("Visitor2Tbl")), ReportBlocks::shownNameColumns(), memoColumns(),
                 ReportBlocks::captioned(QStringLiteral("Member.Prospect_Note"), QStringLiteral("Prospect note"),
                                         QStringLiteral("ProspectNoteText"))),
        {memberId});
}

ReportEngine::Rows updateRows(qint64 memberId)
{
    return Reports::fetchRows(
        QStringLiteral(
            "SELECT Member.ID, %1, Member.Member_Since, Member.Previous_Church, Member.Came_Forward, "
            "Member.Baptized, Sunday_School.Name AS \"Sunday_School.Name\", "
            "Discipleship_Training.Name AS \"Discipleship_Training.Name\", "
            "Wednesday_Night.Name AS \"Wednesday_Night.Name\", %2 AS CGLeader, %3 AS Deacon, "
            "Member.Receive_Newsletter_Via_Mail, Member.Receive_Newsletter_Via_EMail, "
            "Member_Responsibility.Responsibility, Member_Responsibility.Start, Member_Responsibility.\"End\", %4, %5, "
            "CASE WHEN Member_Responsibility.Member_ID IS NULL THEN 'None recorded.' END AS NoResponsibilities "
            "FROM Member "
            "LEFT JOIN Care_Group ON Member.Care_Group_Assigned = Care_Group.ID "
            "LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID "
            "LEFT JOIN Sunday_School ON Member.Sunday_School_Class = Sunday_School.ID "
            "LEFT JOIN Discipleship_Training ON Member.Discipleship_Training_Class = Discipleship_Training.ID "
            "LEFT JOIN Wednesday_Night ON Member.Wednesday_Night_Class = Wednesday_Night.ID "
            "LEFT JOIN Member_Responsibility ON Member.ID = Member_Responsibility.Member_ID "
            "LEFT JOIN Member AS DeaconTbl ON Member.DeaconID = DeaconTbl.ID "
            "WHERE Member.ID = ? ORDER BY Member.ID, Member_Responsibility.\"End\" IS NULL, "
            "Member_Responsibility.\"End\" DESC, Member_Responsibility.Responsibility, Member_Responsibility.rowid")
            .arg(kPersonColumns, ReportBlocks::shortName(QStringLiteral("CGLeaderTbl")),
                 ReportBlocks::shortName(QStringLiteral("DeaconTbl")), ReportBlocks::shownNameColumns(), memoColumns()),
        {memberId});
}

QList<qint64> groupIds(const QString& group)
{
    QString where;
    if (group == kAllHeads)
        where = QStringLiteral("Status = 'Member' AND Head_Of_Household <> 0");
    else if (group == kAllMembers)
        where = QStringLiteral("(Status = 'Member' OR Status = 'Child Of Member') AND Member_Active_Status = 'Active'");
    else
        return {};
    const QString sql =
        QStringLiteral("SELECT ID FROM Member WHERE %1 ORDER BY Last_Name, First_Name, Middle_Name, ID").arg(where);
    QList<qint64> ids;
    MainMod::MainDatabase.forEachRow(sql, {}, [&ids](const QSqlQuery& query) { ids << query.value(0).toLongLong(); });
    return ids;
}

ReportEngine::Document updateSheet(qint64 memberId)
{
    ReportEngine::Definition d = crptMemberInfoUpdateReport();
    ListingPage::stamp(d);
    const ReportEngine::Rows rows = updateRows(memberId);
    addFamily(d, rows, QStringLiteral("ID"));
    return ReportEngine::layout(d, rows);
}

} // namespace PersonSheets

namespace Reports {

bool PrintProspectVisitationSheetReport(qint64 memberId, bool preview)
{
    return produce(QStringLiteral("Prospect Contact Sheet"), {PermissionNames::kProspectVisitationSheetReport},
                   modeOf(preview), [memberId] {
                       ReportEngine::Definition d = PersonSheets::crptProspectVisitationSheetReport();
                       ListingPage::stamp(d);
                       const ReportEngine::Rows rows = PersonSheets::visitationRows(memberId);
                       PersonSheets::addFamily(d, rows, QStringLiteral("Member.ID"));
                       return ReportEngine::layout(d, rows);
                   });
}

bool PrintMemberInfoUpdateReport(qint64 memberId, bool preview)
{
    return produce(PersonSheets::kUpdateTitle, {PermissionNames::kMemberInformationUpdateReport}, modeOf(preview),
                   [memberId] { return PersonSheets::updateSheet(memberId); });
}

} // namespace Reports
