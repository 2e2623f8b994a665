#include "Synthetic.h"

#include <QStringList>

namespace ReportEngine {

SyntheticReport syntheticListing(int people)
{
    SyntheticReport report;
    Definition& d = report.definition;
    d.title = QStringLiteral("Member List");
    d.printDate = QDate(2026, 12, 7);
    d.texts.insert(QStringLiteral("ChurchName"), QStringLiteral("First Church"));
    d.pageHeader.height = 52;
    d.pageHeader.add(Element::textObject(0, 0, 540, 18, QStringLiteral("ChurchName")).center().bold().size(13))
        .add(Element::label(0, 18, 540, 16, d.title).center().bold().size(11))
        .add(Element::make(Kind::PrintDate, 400, 0, 140, 12).right().size(8));
    const QStringList headings{"Name", "Address", "City", "Phone", "Born"};
    const double x[] = {0, 150, 300, 390, 470};
    const double w[] = {148, 148, 88, 78, 70};
    for (int i = 0; i < headings.size(); ++i)
        d.pageHeader.add(Element::label(x[i], 36, w[i], 12, headings.at(i)).bold().size(8));
    d.pageHeader.add(Element::make(Kind::Rule, 0, 50, 540, 0));
    d.pageFooter.height = 14;
    d.pageFooter.add(Element::make(Kind::PageNofM, 340, 2, 200, 12).right().size(8));

    Group letter;
    letter.column = QStringLiteral("Letter");
    letter.repeatHeader = true;
    letter.header.height = 16;
    letter.header.keepWithNext = true;
    letter.header.add(Element::field(0, 2, 60, 13, QStringLiteral("Letter")).bold())
        .add(Element::label(60, 2, 100, 13, QStringLiteral("(continued)")).italic().onContinuation());
    letter.footer.height = 16;
    letter.footer.keepTogether = true;
    letter.footer.add(Element::make(Kind::Count, 0, 1, 540, 12).inScope(0).right().italic().size(8));
    d.groups.append(letter);

    d.detail.height = 15.5;
    const QStringList columns{"Name", "Address", "City", "Phone", "Born"};
    const Format formats[] = {Format::Text, Format::Text, Format::Text, Format::Phone, Format::BirthDate};
    for (int i = 0; i < columns.size(); ++i)
        d.detail.add(Element::field(x[i], 1, w[i], 13, columns.at(i), formats[i]));
    d.reportFooter.height = 16;
    d.reportFooter.add(Element::make(Kind::Count, 0, 2, 540, 12).right().bold());

    report.rows.columns = QStringList{"Letter"} + columns;
    report.rows.values.reserve(people);
    const int perLetter = std::max(1, people / 26 + 1);
    for (int i = 0; i < people; ++i) {
        const QChar initial(u'A' + i / perLetter);
        report.rows.values.append({QString(initial),
                                   QStringLiteral("%1ender%2, Pat").arg(initial).arg(i, 5, 10, QLatin1Char('0')),
                                   QStringLiteral("%1 Church Street").arg(100 + i % 900), QStringLiteral("Springfield"),
                                   QStringLiteral("(555) %1-%2").arg(200 + i % 700).arg(1000 + i % 9000),
                                   QDate(1940, 1, 1).addDays(i % 25000)});
    }
    return report;
}

} // namespace ReportEngine
