#include "ListingPage.h"

#include "core/MainMod.h"
#include "platform/Clock.h"

namespace ListingPage {

using namespace ReportEngine;

namespace {
const QString kChurchName = QStringLiteral("ChurchName");
constexpr double kHeadingTop = 40;
constexpr double kHeadingLine = 11;
} // namespace

void frame(Definition& d, const QVector<Heading>& headings)
{
    const double width = d.bodyWidth();
    Band& header = d.pageHeader;
    header.add(Element::textObject(0, 0, width, 18, kChurchName).center().bold().size(13));
    header.add(Element::label(0, 19, width, 15, d.title).center().bold().size(11));
    header.add(Element::label(width - 120, 0, 70, 11, QStringLiteral("Printed")).right().size(7.5));
    header.add(Element::make(Kind::PrintDate, width - 46, 0, 46, 11).right().size(7.5));
    int lines = 1;
    for (const Heading& h : headings) {
        Element e = Element::label(h.x, kHeadingTop + h.line * kHeadingLine, h.width, kHeadingLine, h.text);
        e.align = h.align;
        header.add(e.bold().size(8));
        lines = std::max(lines, h.line + 1);
    }
    const double rule = kHeadingTop + lines * kHeadingLine + 2;
    header.add(Element::make(Kind::Rule, 0, rule, width, 0));
    header.height = rule + 6;

    d.pageFooter.height = 16;
    d.pageFooter.add(Element::make(Kind::Rule, 0, 2, width, 0));
    d.pageFooter.add(Element::label(0, 4, width / 2, 11, d.title).size(7.5));
    d.pageFooter.add(Element::make(Kind::PageNofM, width / 2, 4, width / 2, 11).right().size(7.5));
}

void countFooter(Definition& d, const QString& what)
{
    d.reportFooter.height = 22;
    d.reportFooter.keepTogether = true;
    d.reportFooter.add(Element::make(Kind::Rule, 0, 4, d.bodyWidth(), 0));
    d.reportFooter.add(Element::label(0, 8, 140, 12, what).bold());
    d.reportFooter.add(Element::make(Kind::Count, 140, 8, 60, 12).bold());
}

void stamp(Definition& d)
{
    d.texts.insert(kChurchName, MainMod::ChurchName);
    d.printDate = Clock::today();
}

} // namespace ListingPage
