// The layouts of the person sheets: the person's block and family, then the contacts made or the
// responsibilities held, and room to write.
#include "PersonSheets.h"

#include "ListingPage.h"
#include "ReportBlocks.h"

namespace PersonSheets {

using namespace ReportEngine;
using ReportBlocks::kSize;

namespace {

// "Family" and the family lines in fixed-pitch columns under the person's memos, at y; returns the y under them.
double familyBlock(Band& band, double y, double width)
{
    band.add(Element::label(0, y, 80, 12, QStringLiteral("Family")).bold().size(8.5));
    band.add(Element::label(0, y + 13, 420, 11,
                            QStringLiteral("Name                      Relationship         Gender     Born"))
                 .fixedPitch()
                 .italic()
                 .size(7.5));
    band.add(Element::textObject(0, y + 25, width, 0, QStringLiteral("txtFamily")).fixedPitch().size(7.5).growing());
    return y + 30;
}

using Captions = QVector<QPair<QString, double>>;

// The rows' section: a rule, its title and the column captions, from y; returns the y under them.
double rowsHead(Band& band, double y, double width, const QString& title, const Captions& captions)
{
    band.add(Element::make(Kind::Rule, 0, y, width, 0));
    band.add(Element::label(0, y + 3, 160, 12, title).bold().size(8.5));
    for (const auto& [caption, x] : captions)
        band.add(Element::label(x, y + 17, 90, 12, caption).bold().size(7.5));
    return y + 31;
}

// A sheet goes on over more than one page: each further page names its person and repeats the rows' section
// head; the headings of the rows go to a page with the first row at least, and the room to write with the last
// rows.
void continuedSheet(Group& person, double width, const QString& title, const Captions& captions)
{
    person.repeatHeader = true;
    person.header.keepWithNext = true;
    person.footer.keepTogether = true;
    Band& band = person.continuedHeader;
    ReportBlocks::continuedName(band);
    band.height = rowsHead(band, 22, width, title, captions) + 4;
}

// Ruled lines to write on, under a caption.
void writingRoom(Band& band, double y, double width, const QString& caption, int lines)
{
    band.add(Element::label(0, y, width, 12, caption).bold().size(8.5));
    for (int i = 1; i <= lines; ++i)
        band.add(Element::make(Kind::Rule, 0, y + 6 + i * 20, width, 0));
}

} // namespace

Definition crptProspectVisitationSheetReport()
{
    Definition d;
    d.title = QStringLiteral("Prospect Contact Sheet");
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();

    Group person;
    person.column = QStringLiteral("Member.ID");
    person.newPage = true;
    Band& b = person.header;
    ReportBlocks::prospectBlock(b, width);
    ReportBlocks::pair(b, 200, 94, 45, QStringLiteral("Next type"), 160, QStringLiteral("Prospect_Next_Contact_Type"));
    ReportBlocks::pair(b, 410, 94, 35, QStringLiteral("Church"), width - 445, QStringLiteral("Member_Active_Status"));
    ReportBlocks::memos(b, 108, width, {QStringLiteral("HobbiesText"), QStringLiteral("OrganizationsText")});
    const QString contactsTitle = QStringLiteral("Contacts made");
    const Captions captions{{"Date", 0}, {"Action", 60}, {"Type", 160}, {"Rating", 240}, {"Visitors", 330}};
    b.height = rowsHead(b, familyBlock(b, 126, width) + 10, width, contactsTitle, captions);
    continuedSheet(person, width, contactsTitle, captions);

    // One contact a line, its notes in full under it.
    d.detail.height = 14;
    d.detail.add(Element::field(0, 0, 58, 12, QStringLiteral("Contact_Date"), ReportEngine::Format::Date).size(kSize))
        .add(Element::field(60, 0, 98, 12, QStringLiteral("Action")).size(kSize))
        .add(Element::field(160, 0, 78, 12, QStringLiteral("Type")).size(kSize))
        .add(Element::field(240, 0, 88, 12, QStringLiteral("Rating")).size(kSize))
        .add(Element::field(330, 0, 105, 12, QStringLiteral("Visitor1Name")).size(kSize))
        .add(Element::field(437, 0, width - 437, 12, QStringLiteral("Visitor2Name")).size(kSize))
        .add(Element::field(0, 0, 200, 12, QStringLiteral("NoContacts")).italic().size(7.5))
        .add(Element::field(60, 12, width - 60, 0, QStringLiteral("Prospect_Contact.Notes"))
                 .size(kSize - 0.5)
                 .italic()
                 .growing());

    // The visitor writes this visit down.
    Band& visit = person.footer;
    visit.add(Element::make(Kind::Rule, 0, 8, width, 0));
    visit.add(Element::label(0, 14, width, 12, QStringLiteral("This visit")).bold().size(8.5));
    const QVector<QPair<QString, double>> blanks{{"Date", 0}, {"Visitors", 150}, {"Rating", 400}};
    for (const auto& [caption, x] : blanks) {
        visit.add(Element::label(x, 34, 45, 12, caption).italic().size(kSize));
        visit.add(Element::make(Kind::Rule, x + 45, 46, (x == 150 ? 240 : 95), 0));
    }
    writingRoom(visit, 56, width, QStringLiteral("Notes"), 5);
    visit.height = 180;
    d.groups.append(person);
    return d;
}

Definition crptMemberInfoUpdateReport()
{
    Definition d;
    d.title = kUpdateTitle;
    ListingPage::frame(d, {});
    const double width = d.bodyWidth();

    Group person;
    person.column = QStringLiteral("ID");
    person.newPage = true;
    Band& b = person.header;
    b.add(Element::label(0, 0, width, 12,
                         QStringLiteral("Please check what the church has on record, correct anything wrong or "
                                        "missing on this sheet, and return it to the church office."))
              .italic()
              .size(8));
    Band block;
    ReportBlocks::memberBlock(block, width);
    for (Element e : block.elements) {
        e.rect.translate(0, 14);
        b.add(e);
    }
    const QString responsibilitiesTitle = QStringLiteral("Church responsibilities");
    const Captions captions{{"Responsibility", 0}, {"Start", 210}, {"End", 290}};
    b.height = rowsHead(b, familyBlock(b, 140, width) + 10, width, responsibilitiesTitle, captions);
    continuedSheet(person, width, responsibilitiesTitle, captions);

    d.detail.height = 13;
    d.detail.add(Element::field(0, 0, 200, 12, QStringLiteral("Responsibility")).size(kSize))
        .add(Element::field(210, 0, 70, 12, QStringLiteral("Start"), ReportEngine::Format::Date).size(kSize))
        .add(Element::field(290, 0, 70, 12, QStringLiteral("End"), ReportEngine::Format::Date).size(kSize))
        .add(Element::field(0, 0, 200, 12, QStringLiteral("NoResponsibilities")).italic().size(7.5));
    // The member checks what is on record, so every value prints whole: a long one wraps, and what stands under
    // it moves down.
    for (Band* band : {&person.header, &person.continuedHeader, &d.detail})
        for (Element& e : band->elements)
            e.grows = e.grows || (e.kind == Kind::Field && e.format == ReportEngine::Format::Text);

    Band& corrections = person.footer;
    corrections.add(Element::make(Kind::Rule, 0, 8, width, 0));
    writingRoom(corrections, 14, width, QStringLiteral("Corrections and additions"), 8);
    corrections.height = 200;
    d.groups.append(person);
    return d;
}

} // namespace PersonSheets
