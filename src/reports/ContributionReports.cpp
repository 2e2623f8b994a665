#include "ContributionReports.h"

#include "ListingPage.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/Clock.h"
#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

namespace ContributionReports {

using namespace ReportEngine;

namespace {

const QString kPeriod = QStringLiteral("txtPeriod");
const QString kPeriod2 = QStringLiteral("txtPeriod2");
const QString kChurchName = QStringLiteral("ChurchName");
const QString kChurchAddress = QStringLiteral("ChurchAddress");

// "City, ST 12345", leaving out what is missing.
QString cityLine(const QString& city, const QString& state, const QString& zip)
{
    const QString stateZip = QStringList{state.trimmed(), zip.trimmed()}.join(QLatin1Char(' ')).trimmed();
    if (city.trimmed().isEmpty())
        return stateZip;
    return stateZip.isEmpty() ? city.trimmed() : city.trimmed() + QStringLiteral(", ") + stateZip;
}

QString text(const QVector<QVariant>& row, int column)
{
    return row.at(column).isNull() ? QString() : row.at(column).toString().trimmed();
}

// What the letter shows of its giver: the name and address as the window of the envelope shows them, one line
// each, empty lines left out; and "Envelope No. 12" when the giver has a number.
void addLetterColumns(Rows& rows)
{
    const int envelope = rows.column(QStringLiteral("MemberEnvelope"));
    const int name = rows.column(QStringLiteral("AddressName"));
    const int address1 = rows.column(QStringLiteral("Address_1"));
    const int address2 = rows.column(QStringLiteral("Address_2"));
    const int city = rows.column(QStringLiteral("City"));
    const int state = rows.column(QStringLiteral("State"));
    const int zip = rows.column(QStringLiteral("Zip"));
    rows.columns << QStringLiteral("AddressBlock") << QStringLiteral("EnvelopeLine");
    QString block;
    QString envelopeLine;
    for (int r = 0; r < rows.size(); ++r) {
        QVector<QVariant>& row = rows.values[r];
        // The rows of one giver share them; they are built once per giver.
        if (r == 0 || rows.values.at(r - 1).at(0) != row.at(0)) {
            QStringList lines{text(row, name), text(row, address1), text(row, address2),
                              cityLine(text(row, city), text(row, state), text(row, zip))};
            lines.removeAll(QString());
            block = lines.join(QLatin1Char('\n'));
            const QString number = text(row, envelope);
            envelopeLine = number.isEmpty() ? QString() : QStringLiteral("Envelope No. ") + number;
        }
        row << block << envelopeLine;
    }
}

// The statement's columns, under a rule.
void statementHeadings(Band& band, double y)
{
    const struct {
        const char* text;
        double x;
        double width;
        bool right;
    } headings[] = {{"Date", 18, 80, false},
                    {"Envelope No.", 110, 80, false},
                    {"Ref. No.", 200, 90, false},
                    {"Amount", 404, 100, true}};
    for (const auto& h : headings) {
        Element e = Element::label(h.x, y, h.width, 12, QString::fromLatin1(h.text)).bold().size(8.5);
        band.add(h.right ? e.right() : e);
    }
    band.add(Element::make(Kind::Rule, 0, y + 14, 504, 0));
}

} // namespace

Rows entryControlRows(const QDate& fromDate, const QDate& toDate)
{
    // Every gift saved in the range, a gift whose giver is gone included: the list is checked against the cash.
    // Stamps are ISO text, so the range is a text range: from the first day to before the day after the last.
    return Reports::fetchRows(
        QStringLiteral("SELECT Member.ID AS MemberID, CASE WHEN Member.ID IS NULL THEN NULL ELSE %1 END AS MemberName, "
                       "Member_Contributions.ContributionDate, "
                       "Member_Contributions.EnvelopeNumber, Member_Contributions.Amount, "
                       "Member_Contributions.RefNumber, Member_Contributions.Designation, "
                       "Member_Contributions.UserName, Member_Contributions.DateEntered, "
                       "Member_Contributions.ID AS ContributionID "
                       "FROM Member_Contributions LEFT JOIN Member ON Member.ID = Member_Contributions.MemberID "
                       "WHERE Member_Contributions.DateEntered >= ? AND Member_Contributions.DateEntered < ? "
                       "ORDER BY Member_Contributions.ID")
            .arg(::Format::personNameSql(QStringLiteral("Member"))),
        {fromDate, toDate.addDays(1)});
}

Rows memberContributionRows(qint64 member, const QDate& fromDate, const QDate& toDate)
{
    QString sql =
        QStringLiteral(
            "SELECT Member.ID, %1 AS MemberName, Member.Address_1, Member.Address_2, Member.City, Member.State, "
            "Member.Zip, Member.Envelope AS MemberEnvelope, Member_Contributions.ContributionDate, "
            "Member_Contributions.EnvelopeNumber, Member_Contributions.Amount, Member_Contributions.RefNumber, "
            "Member_Contributions.Designation, TRIM(IFNULL(Member.First_Name,'') || ' ' || "
            "CASE WHEN TRIM(IFNULL(Member.Middle_Name,'')) = '' THEN '' ELSE TRIM(Member.Middle_Name) || ' ' END || "
            "IFNULL(Member.Last_Name,'')) AS AddressName "
            "FROM Member_Contributions JOIN Member ON Member.ID = Member_Contributions.MemberID "
            "WHERE Member_Contributions.ContributionDate >= ? AND Member_Contributions.ContributionDate < ?")
            .arg(::Format::personNameSql(QStringLiteral("Member")));
    SqlParams params{fromDate, toDate.addDays(1)};
    if (member != Reports::kAllMembers) {
        sql += QStringLiteral(" AND Member.ID = ?");
        params << member;
    }
    sql += QStringLiteral(" ORDER BY MemberName COLLATE NOCASE, Member.ID, Member_Contributions.Designation, "
                          "Member_Contributions.ContributionDate, Member_Contributions.ID");
    Rows rows = Reports::fetchRows(sql, params);
    addLetterColumns(rows);
    return rows;
}

QStringList churchHeader()
{
    return {MainMod::ChurchName, MainMod::ChurchAddress1,
            MainMod::ChurchCity + QStringLiteral(", ") + MainMod::ChurchState + QLatin1Char(' ') + MainMod::ChurchZip,
            QStringLiteral("Tel: ") + MainMod::ChurchPhone};
}

QString periodText(const QDate& fromDate, const QDate& toDate)
{
    return QStringLiteral("For %1 to %2").arg(::Format::dateText(fromDate), ::Format::dateText(toDate));
}

Definition crptContributionsEntryControlReport()
{
    Definition d;
    d.title = QStringLiteral("Contributions Entry Control Report");
    d.landscape = true;
    // Amounts have room for a year's total of a large church; references and envelope numbers wrap when long.
    ListingPage::frame(d, {{QStringLiteral("No."), 0, 36, 0, Align::Right},
                           {QStringLiteral("Member"), 42, 150},
                           {QStringLiteral("Date"), 196, 52},
                           {QStringLiteral("Env. No."), 252, 40},
                           {QStringLiteral("Ref. No."), 296, 56},
                           {QStringLiteral("Designation"), 356, 94},
                           {QStringLiteral("Amount"), 454, 90, 0, Align::Right},
                           {QStringLiteral("Entered By"), 550, 64},
                           {QStringLiteral("Entered"), 618, 102}});
    d.pageHeader.add(Element::label(0, 19, 48, 15, QStringLiteral("Entered")).bold().size(9));
    d.pageHeader.add(Element::textObject(50, 19, 200, 15, kPeriod).bold().size(9));

    d.detail.height = 13;
    d.detail
        .add(Element::field(0, 0, 36, 12, QStringLiteral("ContributionID"), ReportEngine::Format::Integer)
                 .right()
                 .size(8))
        .add(Element::field(42, 0, 150, 12, QStringLiteral("MemberName")).size(8))
        .add(Element::field(196, 0, 52, 12, QStringLiteral("ContributionDate"), ReportEngine::Format::Date).size(8))
        .add(Element::field(252, 0, 40, 12, QStringLiteral("EnvelopeNumber")).growing().size(8))
        .add(Element::field(296, 0, 56, 12, QStringLiteral("RefNumber")).growing().size(8))
        .add(Element::field(356, 0, 94, 12, QStringLiteral("Designation")).size(8))
        .add(Element::field(454, 0, 90, 12, QStringLiteral("Amount"), ReportEngine::Format::Money).right().size(8))
        .add(Element::field(550, 0, 64, 12, QStringLiteral("UserName")).size(8))
        .add(Element::field(618, 0, 102, 12, QStringLiteral("DateEntered"), ReportEngine::Format::DateTime).size(8));

    SummaryByKey summary;
    summary.keyColumn = QStringLiteral("Designation");
    summary.header.height = 30;
    summary.header.keepWithNext = true;
    summary.header.add(Element::make(Kind::Rule, 0, 6, d.bodyWidth(), 0));
    summary.header.add(Element::label(196, 12, 160, 12, QStringLiteral("Totals by designation")).bold().size(9));
    summary.header.add(Element::label(356, 12, 94, 12, QStringLiteral("Gifts")).right().bold().size(8));
    summary.header.add(Element::label(454, 12, 90, 12, QStringLiteral("Amount")).right().bold().size(8));
    summary.line.height = 13;
    summary.line.add(Element::make(Kind::SummaryKey, 196, 0, 156, 12).size(8.5))
        .add(Element::make(Kind::Count, 356, 0, 94, 12).inScope(kKeyScope).right().size(8.5))
        .add(Element::make(Kind::Sum, 454, 0, 90, 12).inScope(kKeyScope).right().size(8.5));
    summary.line.elements.last().text = QStringLiteral("Amount");
    summary.line.elements.last().format = ReportEngine::Format::Money;
    d.summary = summary;

    d.reportFooter.height = 26;
    d.reportFooter.keepTogether = true;
    d.reportFooter.add(Element::make(Kind::Rule, 196, 6, 348, 0));
    d.reportFooter.add(Element::label(196, 10, 160, 13, QStringLiteral("Total of all contributions")).bold().size(9));
    Element count = Element::make(Kind::Count, 356, 10, 94, 13).right().bold().size(9);
    Element sum = Element::make(Kind::Sum, 454, 10, 90, 13).right().bold().size(9);
    sum.text = QStringLiteral("Amount");
    sum.format = ReportEngine::Format::Money;
    d.reportFooter.add(count).add(sum);
    return d;
}

Definition crptMemberContributionsReport()
{
    Definition d;
    d.title = QStringLiteral("Member Contributions Report");
    // The page number stands in the foot margin, so that the letter keeps its room.
    d.margins = QMarginsF(54, 36, 54, 20);
    const double width = d.bodyWidth();

    // The letterhead on every page.
    d.pageHeader.height = 62;
    d.pageHeader.add(Element::textObject(0, 0, width, 22, kChurchName).center().bold().size(16))
        .add(Element::textObject(0, 24, width, 12, kChurchAddress).center().growing().size(9))
        .add(Element::make(Kind::Rule, 0, 54, width, 0));

    auto money = [](double x, double y, double w, double h, const QString& column) {
        return Element::field(x, y, w, h, column, ReportEngine::Format::Money).right();
    };
    auto sum = [](double x, double y, double w, double h, int scope) {
        Element e = Element::make(Kind::Sum, x, y, w, h).inScope(scope).right();
        e.text = QStringLiteral("Amount");
        e.format = ReportEngine::Format::Money;
        return e;
    };

    // One letter per giver: address block for the envelope window, the statement's title, a word of thanks.
    Group giver;
    giver.column = QStringLiteral("ID");
    giver.newPage = true;
    giver.repeatHeader = true;
    giver.ownPageNumbers = true;
    giver.header.height = 178;
    giver.header.keepWithNext = true;
    giver.header.add(Element::label(264, 8, 240, 18, QStringLiteral("Contribution Statement")).right().bold().size(14))
        .add(Element::textObject(264, 28, 240, 12, kPeriod).right().size(9))
        .add(Element::make(Kind::PrintDate, 264, 42, 240, 12).right().size(9))
        .add(Element::field(264, 56, 240, 12, QStringLiteral("EnvelopeLine")).right().size(9))
        .add(Element::field(0, 84, 260, 13, QStringLiteral("AddressBlock")).growing().size(10))
        .add(Element::label(0, 124, width, 12,
                            QStringLiteral("Thank you for your faithful giving. This statement lists the contributions "
                                           "the church office recorded from you in the period shown. Please keep it "
                                           "for your records."))
                 .growing()
                 .size(9.5));
    statementHeadings(giver.header, 158);
    // A page the statement continues on names the giver and the envelope again.
    giver.continuedHeader.height = 52;
    giver.continuedHeader.add(Element::field(0, 4, 250, 13, QStringLiteral("AddressName")).bold().size(10))
        .add(Element::textObject(254, 4, 250, 13, kPeriod2).right().size(9))
        .add(Element::field(0, 18, 250, 12, QStringLiteral("EnvelopeLine")).size(9));
    statementHeadings(giver.continuedHeader, 34);
    giver.footer.height = 86;
    giver.footer.keepTogether = true;
    giver.footer.add(Element::make(Kind::Rule, 300, 6, 204, 0))
        .add(Element::label(150, 11, 250, 14, QStringLiteral("Total contributions")).right().bold().size(10))
        .add(sum(404, 11, 100, 14, 0).bold().size(10))
        .add(Element::label(0, 48, 300, 13, QStringLiteral("With gratitude,")).size(9.5))
        .add(Element::textObject(0, 62, 300, 13, kChurchName).italic().size(9.5));
    d.groups.append(giver);

    Group designation;
    designation.column = QStringLiteral("Designation");
    designation.repeatHeader = true;
    designation.header.height = 21;
    designation.header.keepWithNext = true;
    designation.header.add(Element::field(0, 6, 300, 13, QStringLiteral("Designation")).bold().size(10))
        .add(Element::label(304, 6, 200, 13, QStringLiteral("(continued)")).right().italic().size(8).onContinuation());
    designation.footer.height = 22;
    designation.footer.keepTogether = true;
    designation.footer.add(Element::make(Kind::Rule, 404, 2, 100, 0))
        .add(Element::label(200, 4, 196, 12, QStringLiteral("Subtotal")).right().italic().size(9))
        .add(sum(404, 4, 100, 12, 1).size(9));
    d.groups.append(designation);

    // Each statement counts its own pages.
    d.pageFooter.height = 16;
    d.pageFooter.add(Element::make(Kind::PageNofM, width - 150, 4, 150, 11).right().size(8));

    d.detail.height = 13;
    d.detail.add(Element::field(18, 0, 80, 12, QStringLiteral("ContributionDate"), ReportEngine::Format::Date).size(9))
        .add(Element::field(110, 0, 80, 12, QStringLiteral("EnvelopeNumber")).growing().size(9))
        .add(Element::field(200, 0, 190, 12, QStringLiteral("RefNumber")).growing().size(9))
        .add(money(404, 0, 100, 12, QStringLiteral("Amount")).size(9));
    return d;
}

} // namespace ContributionReports

namespace Reports {

using namespace ContributionReports;

void PrintContributionsEntryControlReport(const QDate& fromDate, const QDate& toDate)
{
    produce(QStringLiteral("Contributions Entry Control Report"), {PermissionNames::kMemberContributions},
            ReportOutput::Mode::Preview, [&] {
                ReportEngine::Definition d = crptContributionsEntryControlReport();
                ListingPage::stamp(d);
                d.texts.insert(
                    QStringLiteral("txtPeriod"),
                    QStringLiteral("%1 to %2").arg(::Format::dateText(fromDate), ::Format::dateText(toDate)));
                return ReportEngine::layout(d, entryControlRows(fromDate, toDate));
            });
}

void PrintMemberContributionsReport(qint64 member, const QDate& fromDate, const QDate& toDate)
{
    produce(QStringLiteral("Member Contributions Report"), {PermissionNames::kMemberContributions},
            ReportOutput::Mode::Preview, [&] {
                ReportEngine::Definition d = crptMemberContributionsReport();
                const QStringList header = churchHeader();
                // The letterhead leaves out what the church has not filled in.
                QStringList address{header.at(1).trimmed(),
                                    cityLine(MainMod::ChurchCity, MainMod::ChurchState, MainMod::ChurchZip)};
                address.removeAll(QString());
                QStringList lines{address.join(QStringLiteral("  \u00b7  "))};
                if (!MainMod::ChurchPhone.trimmed().isEmpty())
                    lines << header.at(3);
                lines.removeAll(QString());
                d.texts.insert(QStringLiteral("ChurchName"), header.at(0));
                d.texts.insert(QStringLiteral("ChurchAddress"), lines.join(QLatin1Char('\n')));
                d.texts.insert(QStringLiteral("txtChurchHeader"), header.join(QStringLiteral("\r\n")));
                d.texts.insert(QStringLiteral("txtPeriod"), periodText(fromDate, toDate));
                d.texts.insert(QStringLiteral("txtPeriod2"), periodText(fromDate, toDate));
                d.printDate = Clock::today();
                return ReportEngine::layout(d, memberContributionRows(member, fromDate, toDate));
            });
}

} // namespace Reports
