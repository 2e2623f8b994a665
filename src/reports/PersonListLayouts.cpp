// The layouts of the lists of people: a block per person, a line per person, and a sheet of labels.
#include "PersonLists.h"

#include "ListingPage.h"

namespace PersonLists {

using namespace ReportEngine;

namespace {

constexpr double kLine = 12; // one line of a block
constexpr double kSize = 8;  // the text of a block

// A caption and its value on one line of a block; the value starts where the caption ends.
void pair(Band& band, double x, double y, double captionWidth, const QString& caption, double valueWidth,
          const QString& column, ReportEngine::Format format = ReportEngine::Format::Text)
{
    band.add(Element::label(x, y, captionWidth, kLine, caption).size(kSize - 0.5).italic());
    band.add(Element::field(x + captionWidth, y, valueWidth, kLine, column, format).size(kSize));
}

void field(Band& band, double x, double y, double width, const QString& column,
           ReportEngine::Format format = ReportEngine::Format::Text)
{
    band.add(Element::field(x, y, width, kLine, column, format).size(kSize));
}

// The head of a person's block: name, status, address, phones and e-mail.
void personHead(Band& band, double width, const QString& statusColumn, const QString& statusCaption)
{
    band.add(Element::field(0, 4, 300, 14, QStringLiteral("FullName")).bold().size(10));
    band.add(Element::field(305, 5, 110, 12, QStringLiteral("Status")).size(kSize));
    pair(band, 420, 5, 45, statusCaption, width - 465, statusColumn);
    field(band, 0, 19, 250, QStringLiteral("Street"));
    field(band, 0, 31, 250, QStringLiteral("CityLine"));
    pair(band, 255, 19, 28, QStringLiteral("Home"), 67, QStringLiteral("Phone"), ReportEngine::Format::Phone);
    pair(band, 350, 19, 20, QStringLiteral("Cell"), 70, QStringLiteral("Cell"), ReportEngine::Format::Phone);
    pair(band, 440, 19, 25, QStringLiteral("Work"), width - 465, QStringLiteral("Work_Phone"),
         ReportEngine::Format::Phone);
    pair(band, 255, 31, 25, QStringLiteral("Email"), width - 280, QStringLiteral("Email"));
}

void personalLine(Band& band, double y, double width)
{
    pair(band, 0, y, 30, QStringLiteral("Born"), 60, QStringLiteral("Date_Of_Birth"), ReportEngine::Format::BirthDate);
    pair(band, 95, y, 55, QStringLiteral("Anniversary"), 60, QStringLiteral("Anniversary_Date"),
         ReportEngine::Format::BirthDate);
    pair(band, 215, y, 38, QStringLiteral("Gender"), 50, QStringLiteral("Gender"));
    pair(band, 305, y, 40, QStringLiteral("Marital"), 60, QStringLiteral("Marital_Status"));
    pair(band, 410, y, 80, QStringLiteral("Head of household"), width - 490, QStringLiteral("Head_Of_Household"),
         ReportEngine::Format::YesNo);
}

void workLine(Band& band, double y, double width)
{
    pair(band, 0, y, 50, QStringLiteral("Works at"), 160, QStringLiteral("Place_Of_Work"));
    pair(band, 215, y, 50, QStringLiteral("Occupation"), 140, QStringLiteral("Occupation"));
    pair(band, 410, y, 30, QStringLiteral("Map"), width - 440, QStringLiteral("Map_Section"));
}

void newsletterLine(Band& band, double x, double y)
{
    pair(band, x, y, 80, QStringLiteral("Newsletter by mail"), 22, QStringLiteral("Receive_Newsletter_Via_Mail"),
         ReportEngine::Format::YesNo);
    pair(band, x + 105, y, 30, QStringLiteral("e-mail"), 22, QStringLiteral("Receive_Newsletter_Via_EMail"),
         ReportEngine::Format::YesNo);
}

// The memos of a block, one under the other from y: each takes room only when it holds text.
void memos(Band& band, double y, double width, const QStringList& columns)
{
    for (const QString& column : columns)
        band.add(Element::field(0, y, width, 0, column).size(kSize - 0.5).growing());
}

} // namespace

Definition crptMemberNavigatorReport()
{
    Definition d;
    d.title = QStringLiteral("Member List");
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();
    Band& b = d.detail;
    personHead(b, width, QStringLiteral("Member_Active_Status"), QStringLiteral("Church"));
    personalLine(b, 46, width);
    pair(b, 0, 58, 60, QStringLiteral("Member since"), 60, QStringLiteral("Member_Since"), ReportEngine::Format::Date);
    pair(b, 125, 58, 62, QStringLiteral("Came forward"), 53, QStringLiteral("Came_Forward"),
         ReportEngine::Format::Date);
    pair(b, 245, 58, 45, QStringLiteral("Baptized"), 55, QStringLiteral("Baptized"), ReportEngine::Format::Date);
    pair(b, 350, 58, 75, QStringLiteral("Previous church"), width - 425, QStringLiteral("Previous_Church"));
    pair(b, 0, 70, 64, QStringLiteral("Sunday School"), 111, QStringLiteral("Sunday_School.Name"));
    pair(b, 180, 70, 60, QStringLiteral("Discipleship"), 105, QStringLiteral("Discipleship_Training.Name"));
    pair(b, 350, 70, 75, QStringLiteral("Wednesday night"), width - 425, QStringLiteral("Wednesday_Night.Name"));
    pair(b, 0, 82, 60, QStringLiteral("Care group"), 115, QStringLiteral("CGLeader"));
    pair(b, 180, 82, 60, QStringLiteral("Deacon"), 105, QStringLiteral("Deacon"));
    newsletterLine(b, 350, 82);
    workLine(b, 94, width);
    memos(b, 107, width,
          {QStringLiteral("HobbiesText"), QStringLiteral("OrganizationsText"), QStringLiteral("NotesText")});
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

Definition crptProspectNavigatorReport()
{
    Definition d;
    d.title = QStringLiteral("Prospect List");
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();
    Band& b = d.detail;
    personHead(b, width, QStringLiteral("Prospect_Active_Status"), QStringLiteral("Prospect"));
    personalLine(b, 46, width);
    pair(b, 0, 58, 64, QStringLiteral("Sunday School"), 111, QStringLiteral("Name"));
    pair(b, 180, 58, 60, QStringLiteral("Care group"), 105, QStringLiteral("CGLeader"));
    pair(b, 350, 58, 40, QStringLiteral("Source"), width - 390, QStringLiteral("Prospect_Source"));
    pair(b, 0, 70, 60, QStringLiteral("Phase"), 115, QStringLiteral("Prospect_Phase"));
    pair(b, 180, 70, 60, QStringLiteral("Next contact"), 55, QStringLiteral("Prospect_Next_Contact_Date"),
         ReportEngine::Format::Date);
    field(b, 295, 70, 115, QStringLiteral("Prospect_Next_Contact_Action"));
    pair(b, 410, 70, 45, QStringLiteral("Member of"), width - 455, QStringLiteral("Prospect_Member_Of"));
    workLine(b, 82, width);
    newsletterLine(b, 0, 94);
    memos(b, 108, width, {QStringLiteral("ProspectNoteText"), QStringLiteral("NotesText")});
    b.height = 110;

    // Every contact under its prospect, newest first.
    Subreport contacts;
    contacts.parentColumn = QStringLiteral("ID");
    contacts.childColumn = QStringLiteral("Prospect_ID");
    contacts.header.height = 13;
    const QVector<QPair<QString, double>> captions{
        {"Contact", 20}, {"Action", 80}, {"Type", 175}, {"Rating", 248}, {"Visitors", 335}};
    for (const auto& [caption, x] : captions)
        contacts.header.add(Element::label(x, 0, 90, 12, caption).bold().size(7.5));
    contacts.detail.height = 13;
    contacts.detail
        .add(Element::field(20, 0, 58, 12, QStringLiteral("Contact_Date"), ReportEngine::Format::Date).size(kSize))
        .add(Element::field(80, 0, 93, 12, QStringLiteral("Action")).size(kSize))
        .add(Element::field(175, 0, 70, 12, QStringLiteral("Type")).size(kSize))
        .add(Element::field(248, 0, 84, 12, QStringLiteral("Rating")).size(kSize))
        .add(Element::field(335, 0, 110, 12, QStringLiteral("Visitor1Name")).size(kSize))
        .add(Element::field(448, 0, width - 448, 12, QStringLiteral("Visitor2Name")).size(kSize))
        .add(Element::field(80, 12, width - 80, 0, QStringLiteral("Notes")).size(kSize - 0.5).italic().growing());
    contacts.empty.height = 13;
    contacts.empty.add(Element::label(20, 0, 200, 12, QStringLiteral("No contacts recorded.")).italic().size(7.5));
    d.subreport = contacts;
    // Each prospect ends under a rule, after its contacts.
    d.detail.add(Element::make(Kind::Rule, 0, 0, width, 0));
    ListingPage::countFooter(d, QStringLiteral("Number of prospects:"));
    return d;
}

Definition crptProspectNavigatorShortReport()
{
    Definition d;
    d.title = QStringLiteral("Short Prospect List");
    ListingPage::frame(d, {{QStringLiteral("Name"), 0, 170},
                           {QStringLiteral("Address"), 12, 158, 1},
                           {QStringLiteral("Phone"), 175, 80},
                           {QStringLiteral("Prospect"), 260, 70},
                           {QStringLiteral("Status"), 260, 70, 1},
                           {QStringLiteral("Phase"), 335, 80},
                           {QStringLiteral("Next Contact"), 420, 120},
                           {QStringLiteral("Source"), 335, 205, 1}});
    Band& b = d.detail;
    b.height = 28;
    b.add(Element::field(0, 2, 170, 12, QStringLiteral("FullName")).bold().size(kSize))
        .add(Element::field(12, 14, 158, 12, QStringLiteral("Street")).size(kSize))
        .add(Element::field(175, 2, 80, 12, QStringLiteral("Phone"), ReportEngine::Format::Phone).size(kSize))
        .add(Element::field(175, 14, 80, 12, QStringLiteral("Cell"), ReportEngine::Format::Phone).size(kSize))
        .add(Element::field(260, 2, 70, 12, QStringLiteral("Prospect_Active_Status")).size(kSize))
        .add(Element::field(335, 2, 80, 12, QStringLiteral("Prospect_Phase")).size(kSize))
        .add(Element::field(420, 2, 55, 12, QStringLiteral("Prospect_Next_Contact_Date"), ReportEngine::Format::Date)
                 .size(kSize))
        .add(Element::field(475, 2, 65, 12, QStringLiteral("Prospect_Next_Contact_Action")).size(kSize))
        .add(Element::field(335, 14, 205, 12, QStringLiteral("Prospect_Source")).size(kSize).italic());
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
