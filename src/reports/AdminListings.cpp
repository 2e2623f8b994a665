#include "AdminListings.h"

#include "ListingPage.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/Format.h"
#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

namespace AdminListings {

using namespace ReportEngine;

namespace {

QString tableOf(ClassKind kind)
{
    switch (kind) {
    case ClassKind::DiscipleshipTraining:
        return QStringLiteral("Discipleship_Training");
    case ClassKind::WednesdayNight:
        return QStringLiteral("Wednesday_Night");
    case ClassKind::SundaySchool:
        break;
    }
    return QStringLiteral("Sunday_School");
}

// Last, First as the lists show a teacher or leader; ", " when there is none.
QString shortNameSql(const QString& table)
{
    return QStringLiteral("IFNULL(%1.Last_Name,'') || ', ' || IFNULL(%1.First_Name,'')").arg(table);
}

// A memo under the line of its row, across the page from x.
Element notes(double x, double width)
{
    return Element::field(x, 14, width, 0, QStringLiteral("Notes")).growing().italic().size(8);
}

} // namespace

Rows classListingRows(ClassKind kind)
{
    const QString table = tableOf(kind);
    return Reports::fetchRows(
        QStringLiteral("SELECT %1.ID, %1.Name, %1.Description, %2 AS TeacherName, %3 AS AsstTeacherName, "
                       "%1.Location, %1.Notes FROM %1 "
                       "LEFT JOIN Member AS TeacherTbl ON %1.Teacher = TeacherTbl.ID "
                       "LEFT JOIN Member AS AsstTeacherTbl ON %1.Asst_Teacher = AsstTeacherTbl.ID "
                       "ORDER BY %1.Name, %1.ID")
            .arg(table, shortNameSql(QStringLiteral("TeacherTbl")), shortNameSql(QStringLiteral("AsstTeacherTbl"))));
}

Rows careGroupListingRows()
{
    return Reports::fetchRows(
        QStringLiteral("SELECT Care_Group.ID, %1 AS LeaderName, %2 AS AsstLeaderName, Sunday_School.Name AS SSName, "
                       "Care_Group.Notes FROM Care_Group "
                       "LEFT JOIN Member AS TeacherTbl ON Care_Group.Group_Leader = TeacherTbl.ID "
                       "LEFT JOIN Member AS AsstTeacherTbl ON Care_Group.Asst_Group_Leader = AsstTeacherTbl.ID "
                       "LEFT JOIN Sunday_School ON Care_Group.Sunday_School_Class = Sunday_School.ID "
                       "ORDER BY Sunday_School.Name, LeaderName COLLATE NOCASE, Care_Group.ID")
            .arg(shortNameSql(QStringLiteral("TeacherTbl")), shortNameSql(QStringLiteral("AsstTeacherTbl"))));
}

Rows churchRespListingRows()
{
    // A responsibility nobody holds comes once, with no holder at all rather than a stray comma.
    return Reports::fetchRows(
        QStringLiteral(
            "SELECT Responsibilities.Name, Responsibilities.Description, Member.ID, "
            "CASE WHEN Member.ID IS NULL THEN NULL ELSE %1 END AS MemberName, "
            "Member_Responsibility.\"Start\", Member_Responsibility.\"End\" FROM Responsibilities "
            "LEFT JOIN Member_Responsibility ON Member_Responsibility.Responsibility = Responsibilities.Name "
            "LEFT JOIN Member ON Member_Responsibility.Member_ID = Member.ID "
            "ORDER BY Responsibilities.Name, Responsibilities.Description, Member_Responsibility.\"End\", "
            "MemberName COLLATE NOCASE")
            .arg(Format::personNameSql(QStringLiteral("Member"))));
}

Definition crptClassListing(const QString& title)
{
    Definition d;
    d.title = title;
    ListingPage::frame(d, {{QStringLiteral("Class"), 0, 115},
                           {QStringLiteral("Description"), 118, 150},
                           {QStringLiteral("Teacher"), 272, 95},
                           {QStringLiteral("Assistant Teacher"), 370, 95},
                           {QStringLiteral("Location"), 468, 72}});
    d.detail.height = 17;
    d.detail.add(Element::field(0, 1, 115, 12, QStringLiteral("Name")).bold().growing())
        .add(Element::field(118, 1, 150, 12, QStringLiteral("Description")).growing())
        .add(Element::field(272, 1, 95, 12, QStringLiteral("TeacherName")))
        .add(Element::field(370, 1, 95, 12, QStringLiteral("AsstTeacherName")))
        .add(Element::field(468, 1, 72, 12, QStringLiteral("Location")).growing())
        .add(notes(118, 422));
    ListingPage::countFooter(d, QStringLiteral("Number of classes:"));
    return d;
}

Definition crptCareGroupListingReport()
{
    Definition d;
    d.title = QStringLiteral("Care Group Listing");
    ListingPage::frame(d, {{QStringLiteral("Leader"), 0, 175},
                           {QStringLiteral("Assistant Leader"), 180, 175},
                           {QStringLiteral("Sunday School Class"), 360, 180}});
    d.detail.height = 17;
    d.detail.add(Element::field(0, 1, 175, 12, QStringLiteral("LeaderName")).bold())
        .add(Element::field(180, 1, 175, 12, QStringLiteral("AsstLeaderName")))
        .add(Element::field(360, 1, 180, 12, QStringLiteral("SSName")).growing())
        .add(notes(20, 520));
    ListingPage::countFooter(d, QStringLiteral("Number of groups:"));
    return d;
}

Definition crptChurchRespListingReport()
{
    Definition d;
    d.title = QStringLiteral("Church Responsibility Listing");
    ListingPage::frame(d, {{QStringLiteral("Responsibility"), 0, 200},
                           {QStringLiteral("Description"), 204, 336},
                           {QStringLiteral("Held by"), 16, 260, 1},
                           {QStringLiteral("Start"), 300, 90, 1},
                           {QStringLiteral("End"), 400, 90, 1}});
    Group responsibility;
    responsibility.column = QStringLiteral("Name");
    responsibility.repeatHeader = true;
    responsibility.header.height = 17;
    responsibility.header.keepWithNext = true;
    responsibility.header.add(Element::field(0, 3, 200, 12, QStringLiteral("Name")).bold().growing())
        .add(Element::field(204, 3, 266, 12, QStringLiteral("Description")).growing())
        .add(Element::label(470, 3, 70, 12, QStringLiteral("(continued)")).right().italic().size(8).onContinuation());
    responsibility.footer.height = 5;
    d.groups.append(responsibility);
    d.detail.height = 13;
    d.detail.add(Element::field(16, 0, 260, 12, QStringLiteral("MemberName")))
        .add(Element::field(300, 0, 90, 12, QStringLiteral("Start"), ReportEngine::Format::Date))
        .add(Element::field(400, 0, 90, 12, QStringLiteral("End"), ReportEngine::Format::Date));
    return d;
}

} // namespace AdminListings

namespace Reports {

namespace {
void previewListing(const QString& title, const std::function<ReportEngine::Definition()>& define,
                    const std::function<ReportEngine::Rows()>& fetch)
{
    produce(title, {PermissionNames::kAdministrativeReport}, ReportOutput::Mode::Preview, [&] {
        ReportEngine::Definition d = define();
        ListingPage::stamp(d);
        return ReportEngine::layout(d, fetch());
    });
}

void previewClassListing(const QString& title, AdminListings::ClassKind kind)
{
    previewListing(
        title, [&] { return AdminListings::crptClassListing(title); },
        [kind] { return AdminListings::classListingRows(kind); });
}
} // namespace

void PrintSundaySchoolListingReport()
{
    previewClassListing(QStringLiteral("Sunday School Class Listing"), AdminListings::ClassKind::SundaySchool);
}

void PrintDiscipleshipTrainingClassListingReport()
{
    previewClassListing(QStringLiteral("Discipleship Training Class Listing"),
                        AdminListings::ClassKind::DiscipleshipTraining);
}

void PrintWednesdayNightClassListingReport()
{
    previewClassListing(QStringLiteral("Wednesday Night Class Listing"), AdminListings::ClassKind::WednesdayNight);
}

void PrintCareGroupListingReport()
{
    previewListing(QStringLiteral("Care Group Listing"), AdminListings::crptCareGroupListingReport,
                   AdminListings::careGroupListingRows);
}

void PrintChurchRespListingReport()
{
    previewListing(QStringLiteral("Church Responsibility Listing"), AdminListings::crptChurchRespListingReport,
                   AdminListings::churchRespListingRows);
}

} // namespace Reports
