#include "ClassRolls.h"

#include "ListingPage.h"
#include "ReportBlocks.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/Format.h"
#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

namespace ClassRolls {

using namespace ReportEngine;

const ClassKind kSundaySchool{QStringLiteral("Sunday_School"), QStringLiteral("Sunday_School_Class"),
                              QStringLiteral("Sunday School Roll")};
const ClassKind kDiscipleshipTraining{QStringLiteral("Discipleship_Training"),
                                      QStringLiteral("Discipleship_Training_Class"),
                                      QStringLiteral("Discipleship Training Roll")};
const ClassKind kWednesdayNight{QStringLiteral("Wednesday_Night"), QStringLiteral("Wednesday_Night_Class"),
                                QStringLiteral("Wednesday Night Roll")};

namespace {
const QString kRollDate = QStringLiteral("txtRollDate");
}

Rows rollRows(const ClassKind& kind)
{
    // Table and column names come from the three kinds above, never from input.
    return Reports::fetchRows(
        QStringLiteral(
            "SELECT Member.ID, Member.Status, Member.First_Name, Member.Middle_Name, Member.Last_Name, Member.Title, "
            "Member.Address_1, Member.Address_2, Member.City, Member.State, Member.Zip, Member.Phone, Member.Cell, "
            "Member.Work_Phone, Member.Email, Member.Place_Of_Work, Member.Occupation, Member.Date_Of_Birth, "
            "Member.Head_Of_Household, Member.Gender, Member.Marital_Status, Member.Anniversary_Date, "
            "Member.Hobbies, Member.Organizations, Member.Map_Section, Member.Notes, Member.Member_Active_Status, "
            "%1.Name, IFNULL(CGLeaderTbl.Last_Name,'') || ', ' || IFNULL(CGLeaderTbl.First_Name,'') AS CGLeader, "
            "Member.Receive_Newsletter_Via_Mail, Member.Receive_Newsletter_Via_EMail, %3, "
            "Member.%2 AS ClassID, %4 AS CGLeaderShown FROM Member "
            "LEFT JOIN Care_Group ON Member.Care_Group_Assigned = Care_Group.ID "
            "LEFT JOIN Member AS CGLeaderTbl ON Care_Group.Group_Leader = CGLeaderTbl.ID "
            "LEFT JOIN %1 ON Member.%2 = %1.ID "
            "WHERE Member.Member_Active_Status = 'Active' AND Member.Status <> 'Previous Member' AND "
            "Member.Status <> 'Deleted Member' AND Member.%2 IS NOT NULL "
            "ORDER BY Member.%2, Member.Last_Name, Member.First_Name, Member.ID")
            .arg(kind.table, kind.memberColumn, ReportBlocks::shownNameColumns(),
                 // The roll prints the leader only where there is one, never a lone ", ".
                 ReportBlocks::shortName(QStringLiteral("CGLeaderTbl"))));
}

Definition rollDefinition(const ClassKind& kind)
{
    Definition d;
    d.title = kind.title;
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();

    Group group;
    group.column = QStringLiteral("ClassID");
    group.newPage = true;
    group.repeatHeader = true;
    Band& h = group.header;
    h.add(Element::field(0, 0, 330, 18, QStringLiteral("Name")).bold().size(13));
    h.add(Element::label(340, 3, 60, 14, QStringLiteral("Roll date")).right().italic().size(9));
    h.add(Element::textObject(405, 3, width - 405, 14, kRollDate).bold().size(10));
    h.add(Element::label(0, 19, 100, 12, QStringLiteral("(continued)")).italic().size(8).onContinuation());
    const QVector<QPair<QString, double>> headings{{"Here", 0},    {"Name", 34},  {"Address", 188},
                                                   {"Phone", 342}, {"Born", 412}, {"Care group", 466}};
    for (const auto& [caption, x] : headings)
        h.add(Element::label(x, 34, std::min(120.0, width - x), 12, caption).bold().size(8));
    h.add(Element::make(Kind::Rule, 0, 48, width, 0));
    h.height = 52;
    h.keepWithNext = true;

    // A box to tick for each member, the name, the whole address in a column of its own, and how to reach them.
    Band& b = d.detail;
    b.height = 30;
    b.add(Element::make(Kind::Box, 4, 4, 14, 14));
    b.add(Element::field(34, 2, 150, 12, QStringLiteral("FullName")).bold().growing().size(8.5));
    b.add(Element::field(188, 2, 150, 12, QStringLiteral("Street")).growing().size(7.5));
    b.add(Element::field(188, 14, 150, 11, QStringLiteral("CityLine")).growing().size(7.5));
    b.add(Element::field(342, 2, 66, 12, QStringLiteral("Phone"), ReportEngine::Format::Phone).size(8));
    b.add(Element::field(342, 14, 66, 11, QStringLiteral("Cell"), ReportEngine::Format::Phone).size(7.5));
    b.add(Element::field(412, 2, 50, 12, QStringLiteral("Date_Of_Birth"), ReportEngine::Format::BirthDate).size(8));
    b.add(Element::field(466, 2, width - 466, 12, QStringLiteral("CGLeaderShown")).growing().size(8));
    b.add(Element::make(Kind::Rule, 0, 28, width, 0));

    // The count on the roll, and room for visitors and the day's totals.
    Band& f = group.footer;
    f.add(Element::label(0, 6, 90, 12, QStringLiteral("On the roll:")).bold().size(8.5));
    f.add(Element::make(Kind::Count, 90, 6, 40, 12).inScope(0).bold().size(8.5));
    f.add(Element::label(0, 26, 200, 12, QStringLiteral("Visitors (name, address, phone)")).bold().size(8.5));
    for (int i = 1; i <= 5; ++i) {
        f.add(Element::make(Kind::Box, 4, 28 + i * 22, 14, 14));
        f.add(Element::make(Kind::Rule, 34, 42 + i * 22, width - 34, 0));
    }
    const QVector<QPair<QString, double>> totals{{"Members present", 0}, {"Visitors", 190}, {"Total", 340}};
    for (const auto& [caption, x] : totals) {
        f.add(Element::label(x, 172, 85, 12, caption).italic().size(8.5));
        f.add(Element::make(Kind::Rule, x + 88, 184, 60, 0));
    }
    f.height = 192;
    // The teacher's sheet with the last names carries the count and the visitor lines.
    f.keepTogether = true;
    d.groups.append(group);
    return d;
}

bool print(const ClassKind& kind, bool preview, const QDate& rollDate)
{
    static const QHash<QString, QString> rights{
        {kSundaySchool.table, PermissionNames::kSundaySchoolRollReport},
        {kDiscipleshipTraining.table, PermissionNames::kDiscipleshipTrainingRollReport},
        {kWednesdayNight.table, PermissionNames::kWednesdayNightRollReport}};
    return Reports::produce(kind.title, {rights.value(kind.table)}, Reports::modeOf(preview), [&] {
        Definition d = rollDefinition(kind);
        ListingPage::stamp(d);
        d.texts.insert(kRollDate, ::Format::dateText(rollDate));
        return layout(d, rollRows(kind));
    });
}

} // namespace ClassRolls

namespace Reports {

bool PrintSundaySchoolRollReport(bool preview, const QDate& rollDate)
{
    return ClassRolls::print(ClassRolls::kSundaySchool, preview, rollDate);
}

bool PrintDiscipleshipTrainingRollReport(bool preview, const QDate& rollDate)
{
    return ClassRolls::print(ClassRolls::kDiscipleshipTraining, preview, rollDate);
}

bool PrintWednesdayNightRollReport(bool preview, const QDate& rollDate)
{
    return ClassRolls::print(ClassRolls::kWednesdayNight, preview, rollDate);
}

} // namespace Reports
