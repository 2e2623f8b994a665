#include "ReportBlocks.h"

namespace ReportBlocks {

using namespace ReportEngine;

QString shortName(const QString& alias)
{
    return QStringLiteral("CASE WHEN %1.ID IS NULL THEN NULL ELSE IFNULL(%1.Last_Name,'') || ', ' || "
                          "IFNULL(%1.First_Name,'') END")
        .arg(alias);
}

QString captioned(const QString& column, const QString& caption, const QString& name)
{
    return QStringLiteral("CASE WHEN IFNULL(%1,'') = '' THEN NULL ELSE '%2: ' || %1 END AS %3")
        .arg(column, caption, name);
}

QString shownNameColumns()
{
    return QStringLiteral(
               "TRIM(IFNULL(Member.Last_Name,'') || ', ' || IFNULL(Member.First_Name,'') || ' ' || "
               "IFNULL(Member.Middle_Name,'') || ' ' || IFNULL(Member.Title,'')) AS FullName, "
               "IFNULL(Member.Address_1,'') || CASE WHEN IFNULL(Member.Address_2,'') = '' THEN '' "
               "ELSE ', ' || Member.Address_2 END AS Street, "
               "TRIM(IFNULL(Member.City,'') || CASE WHEN IFNULL(Member.City,'') <> '' AND IFNULL(Member.State,'') || "
               "IFNULL(Member.Zip,'') <> '' THEN ', ' ELSE '' END || IFNULL(Member.State,'') || ' ' || "
               "IFNULL(Member.Zip,'')) AS CityLine, ") +
           captioned(QStringLiteral("Member.Notes"), QStringLiteral("Notes"), QStringLiteral("NotesText"));
}

void pair(Band& band, double x, double y, double captionWidth, const QString& caption, double valueWidth,
          const QString& column, ReportEngine::Format format)
{
    band.add(Element::label(x, y, captionWidth, kLine, caption).size(kSize - 0.5).italic());
    band.add(Element::field(x + captionWidth, y, valueWidth, kLine, column, format).size(kSize));
}

void continuedName(Band& band)
{
    band.add(Element::field(0, 4, 300, 14, QStringLiteral("FullName")).bold().size(10));
    band.add(Element::label(305, 6, 100, 12, QStringLiteral("(continued)")).italic().size(8));
}

void field(Band& band, double x, double y, double width, const QString& column, ReportEngine::Format format)
{
    band.add(Element::field(x, y, width, kLine, column, format).size(kSize));
}

void memos(Band& band, double y, double width, const QStringList& columns)
{
    for (const QString& column : columns)
        band.add(Element::field(0, y, width, 0, column).size(kSize - 0.5).growing());
}

// The head of a person's block: name, status, address, phones and e-mail.
void personHead(Band& band, double width, const QString& statusColumn, const QString& statusCaption)
{
    band.add(Element::field(0, 4, 300, 14, QStringLiteral("FullName")).bold().size(10));
    band.add(Element::field(305, 5, 110, 12, QStringLiteral("Status")).size(kSize));
    pair(band, 420, 5, 45, statusCaption, width - 465, statusColumn);
    // A long address wraps; what stands under it moves down.
    band.add(Element::field(0, 19, 250, kLine, QStringLiteral("Street")).growing().size(kSize));
    band.add(Element::field(0, 31, 250, kLine, QStringLiteral("CityLine")).growing().size(kSize));
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

void memberBlock(Band& b, double width)
{
    personHead(b, width, QStringLiteral("Member_Active_Status"), QStringLiteral("Church"));
    personalLine(b, 46, width);
    pair(b, 0, 58, 60, QStringLiteral("Member since"), 60, QStringLiteral("Member_Since"), Format::Date);
    pair(b, 125, 58, 62, QStringLiteral("Came forward"), 53, QStringLiteral("Came_Forward"), Format::Date);
    pair(b, 245, 58, 45, QStringLiteral("Baptized"), 55, QStringLiteral("Baptized"), Format::Date);
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
}

void prospectBlock(Band& b, double width)
{
    personHead(b, width, QStringLiteral("Prospect_Active_Status"), QStringLiteral("Prospect"));
    personalLine(b, 46, width);
    pair(b, 0, 58, 64, QStringLiteral("Sunday School"), 111, QStringLiteral("Name"));
    pair(b, 180, 58, 60, QStringLiteral("Care group"), 105, QStringLiteral("CGLeader"));
    pair(b, 350, 58, 40, QStringLiteral("Source"), width - 390, QStringLiteral("Prospect_Source"));
    pair(b, 0, 70, 60, QStringLiteral("Phase"), 115, QStringLiteral("Prospect_Phase"));
    pair(b, 180, 70, 60, QStringLiteral("Next contact"), 55, QStringLiteral("Prospect_Next_Contact_Date"),
         Format::Date);
    field(b, 295, 70, 115, QStringLiteral("Prospect_Next_Contact_Action"));
    pair(b, 410, 70, 45, QStringLiteral("Member of"), width - 455, QStringLiteral("Prospect_Member_Of"));
    workLine(b, 82, width);
    newsletterLine(b, 0, 94);
    memos(b, 108, width, {QStringLiteral("ProspectNoteText"), QStringLiteral("NotesText")});
}

} // namespace ReportBlocks
