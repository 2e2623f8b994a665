#pragma once

#include "reports/engine/Definition.h"

#include <QVector>

// The page frame of the printed lists: the church name, the title and the print date at the top, column
// headings over a rule, and the title with "Page N of M" at the foot.
namespace ListingPage {

struct Heading {
    QString text;
    double x;
    double width;
    int line = 0; // headings may stand on more than one line
    ReportEngine::Align align = ReportEngine::Align::Left;
};

void frame(ReportEngine::Definition& definition, const QVector<Heading>& headings);
// A rule and "what" with the number of rows at the report's end.
void countFooter(ReportEngine::Definition& definition, const QString& what);
// Fills the frame's church name and print date from the program's settings and clock.
void stamp(ReportEngine::Definition& definition);

} // namespace ListingPage
