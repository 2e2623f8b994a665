// The layouts of the lists of people: a block per person, a line per person, and a sheet of labels.
#include "PersonLists.h"

#include "ListingPage.h"
#include "ReportBlocks.h"

namespace PersonLists {

using namespace ReportEngine;
using ReportBlocks::field;
using ReportBlocks::kSize;
using ReportBlocks::memos;

Definition crptMemberNavigatorReport()
{
    Definition d;
    d.title = QStringLiteral("Member List");
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();
    Band& b = d.detail;
    ReportBlocks::memberBlock(b, width);
    b.add(Element::make(Kind::Rule, 0, 109, width, 0));
    b.height = 112;
    ListingPage::countFooter(d, QStringLiteral("Number of people:"));
    return d;
}

Definition crptMemberNavigatorDOBAnnivReport()
{
    Definition d;
    d.title = QStringLiteral("Birthday and Anniversary List");
    ListingPage::frame(d, {{QStringLiteral("Name"), 0, 190},
                           {QStringLiteral("Birth Date"), 195, 62, 0, Align::Center},
                           {QStringLiteral("Anniversary"), 262, 62, 0, Align::Center},
                           {QStringLiteral("Phone"), 332, 78},
                           {QStringLiteral("Email"), 415, 125}});
    d.detail.height = 13;
    d.detail.add(Element::field(0, 0, 190, 12, QStringLiteral("FullName")))
        .add(Element::field(195, 0, 62, 12, QStringLiteral("Date_Of_Birth"), ReportEngine::Format::BirthDate).center())
        .add(Element::field(262, 0, 62, 12, QStringLiteral("Anniversary_Date"), ReportEngine::Format::BirthDate)
                 .center())
        .add(Element::field(332, 0, 78, 12, QStringLiteral("Phone"), ReportEngine::Format::Phone))
        .add(Element::field(415, 0, 125, 12, QStringLiteral("Email")).size(7.5));
    ListingPage::countFooter(d, QStringLiteral("Number of people:"));
    return d;
}

namespace {

// A block per prospect with every contact under it.
Definition prospectsWithContacts(const QString& title)
{
    Definition d;
    d.title = title;
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();
    Band& b = d.detail;
    ReportBlocks::prospectBlock(b, width);
    b.height = 110;
    b.keepWithNext = true;

    // Every contact under its prospect, newest first.
    Subreport contacts;
    contacts.parentColumn = QStringLiteral("ID");
    contacts.childColumn = QStringLiteral("Prospect_ID");
    contacts.header.height = 13;
    contacts.header.keepWithNext = true;
    const QVector<QPair<QString, double>> captions{
        {"Contact", 20}, {"Action", 80}, {"Type", 175}, {"Rating", 248}, {"Visitors", 335}};
    for (const auto& [caption, x] : captions)
        contacts.header.add(Element::label(x, 0, 90, 12, caption).bold().size(7.5));
    contacts.detail.height = 13;
    // A prospect and all its contacts share a page when they fit on one.
    contacts.detail.keepWithNext = true;
    contacts.detail
        .add(Element::field(20, 0, 58, 12, QStringLiteral("Contact_Date"), ReportEngine::Format::Date).size(kSize))
        .add(Element::field(80, 0, 93, 12, QStringLiteral("Action")).size(kSize))
        .add(Element::field(175, 0, 70, 12, QStringLiteral("Type")).size(kSize))
        .add(Element::field(248, 0, 84, 12, QStringLiteral("Rating")).size(kSize))
        .add(Element::field(335, 0, 110, 12, QStringLiteral("Visitor1Name")).size(kSize))
        .add(Element::field(448, 0, width - 448, 12, QStringLiteral("Visitor2Name")).size(kSize))
        .add(Element::field(80, 12, width - 80, 0, QStringLiteral("Notes")).size(kSize - 0.5).italic().growing());
    // A prospect whose contacts go on to another page is named again there, above their headings.
    ReportBlocks::continuedName(contacts.continuedHeader);
    for (Element e : contacts.header.elements) {
        e.rect.translate(0, 22);
        contacts.continuedHeader.add(e);
    }
    contacts.continuedHeader.height = 22 + contacts.header.height;
    contacts.empty.height = 13;
    contacts.empty.add(Element::label(20, 0, 200, 12, QStringLiteral("No contacts recorded.")).italic().size(7.5));
    d.subreport = contacts;
    // Each prospect ends under a rule, after its contacts.
    d.detail.add(Element::make(Kind::Rule, 0, 0, width, 0));
    ListingPage::countFooter(d, QStringLiteral("Number of prospects:"));
    return d;
}

} // namespace

Definition crptProspectNavigatorReport()
{
    return prospectsWithContacts(QStringLiteral("Prospect List"));
}

Definition crptSundaySchoolProspectListingReport()
{
    Definition d = prospectsWithContacts(QStringLiteral("Sunday School Prospect Listing"));
    // Hobbies and organizations in full after the notes.
    memos(d.detail, 108, d.bodyWidth(), {QStringLiteral("HobbiesText"), QStringLiteral("OrganizationsText")});
    Group group;
    group.column = QStringLiteral("Prospect_Sunday_School_Class_Assigned");
    group.repeatHeader = true;
    group.header.height = 22;
    group.header.keepWithNext = true;
    group.header.add(Element::label(0, 2, 40, 16, QStringLiteral("Class")).italic().size(10));
    group.header.add(Element::field(42, 2, 300, 16, QStringLiteral("Name")).bold().size(12));
    group.header.add(Element::label(345, 4, 100, 14, QStringLiteral("(continued)")).italic().size(8).onContinuation());
    d.groups.append(group);
    return d;
}

Definition crptProspectNavigatorShortReport()
{
    Definition d;
    d.title = QStringLiteral("Short Prospect List");
    ListingPage::frame(d, {{QStringLiteral("Name"), 0, 138},
                           {QStringLiteral("Address"), 142, 124},
                           {QStringLiteral("Phone"), 270, 64},
                           {QStringLiteral("Prospect"), 338, 42},
                           {QStringLiteral("Status"), 338, 42, 1},
                           {QStringLiteral("Phase"), 384, 86},
                           {QStringLiteral("Source"), 384, 86, 1},
                           {QStringLiteral("Next Contact"), 474, 66}});
    // The whole address in a column of its own: streets repeat from town to town.
    Band& b = d.detail;
    b.height = 28;
    b.add(Element::field(0, 2, 138, 12, QStringLiteral("FullName")).bold().growing().size(kSize))
        .add(Element::field(142, 2, 124, 12, QStringLiteral("Street")).growing().size(kSize))
        .add(Element::field(142, 14, 124, 12, QStringLiteral("CityLine")).growing().size(kSize))
        .add(Element::field(270, 2, 64, 12, QStringLiteral("Phone"), ReportEngine::Format::Phone).size(kSize))
        .add(Element::field(270, 14, 64, 12, QStringLiteral("Cell"), ReportEngine::Format::Phone).size(kSize))
        .add(Element::field(338, 2, 42, 12, QStringLiteral("Prospect_Active_Status")).size(kSize))
        .add(Element::field(384, 2, 86, 12, QStringLiteral("Prospect_Phase")).size(kSize))
        .add(Element::field(384, 14, 86, 12, QStringLiteral("Prospect_Source")).growing().size(kSize).italic())
        .add(Element::field(474, 2, 66, 12, QStringLiteral("Prospect_Next_Contact_Date"), ReportEngine::Format::Date)
                 .size(kSize))
        .add(Element::field(474, 14, 66, 12, QStringLiteral("Prospect_Next_Contact_Action")).growing().size(kSize));
    ListingPage::countFooter(d, QStringLiteral("Number of prospects:"));
    return d;
}

Definition crptMailingLabels()
{
    // Letter sheets of 30 labels, 2 5/8 by 1 inch, three across and ten down.
    Definition d;
    d.title = QStringLiteral("Mailing Labels");
    d.margins = QMarginsF(0, 0, 0, 0);
    LabelSheet sheet;
    sheet.columns = 3;
    sheet.rows = 10;
    sheet.origin = QPointF(13.5, 36);
    sheet.pitch = QSizeF(198, 72);
    sheet.size = QSizeF(189, 72);
    sheet.padding = 9;
    sheet.font.size = 10;
    sheet.lines = {QStringLiteral("{Title} {First_Name} {Middle_Name} {Last_Name}"), QStringLiteral("{Address_1}"),
                   QStringLiteral("{Address_2}"), QStringLiteral("{City}, {State} {Zip}")};
    d.labels = sheet;
    return d;
}

} // namespace PersonLists
