// The report engine: a member list of 20,000 people laid out into pages, then written to a PDF file as the
// viewer's Export PDF writes it.

#include "Bench.h"

#include "reports/ReportOutput.h"
#include "reports/engine/Layout.h"
#include "reports/engine/Synthetic.h"

#include <QDir>
#include <optional>

namespace {

using Bench::Kind;

constexpr int kPeople = 20000;

const ReportEngine::SyntheticReport& listing()
{
    static const ReportEngine::SyntheticReport report = ReportEngine::syntheticListing(kPeople);
    return report;
}

std::optional<ReportEngine::Document> laidOut;

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Lay out a 20,000-person list"),
        .kind = Kind::Absolute,
        .budgetMs = 5000,
        .setUp = [] { listing(); },
        .run =
            [] {
                laidOut = ReportEngine::layout(listing().definition, listing().rows);
                if (laidOut->pageCount() < 2)
                    throw Bench::Failure(QStringLiteral("the list came to one page"));
            },
        .raw = {},
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Write the 20,000-person list to PDF"),
        .kind = Kind::Absolute,
        .budgetMs = 20000,
        .setUp =
            [] {
                if (!laidOut)
                    laidOut = ReportEngine::layout(listing().definition, listing().rows);
            },
        .run =
            [] {
                if (!ReportOutput::writePdf(*laidOut,
                                            QDir(Bench::context().folder).filePath(QStringLiteral("listing.pdf"))))
                    throw Bench::Failure(QStringLiteral("the PDF was not written"));
            },
        .raw = {},
        .tearDown = {},
    });
    return true;
}();

} // namespace
