#pragma once

#include "Definition.h"
#include "Rows.h"

namespace ReportEngine {

// A made-up member list for measuring the engine: a page header with headings, people grouped by the first
// letter of their last names with a count per letter, about 40 to a page, "Page N of M" at the foot.
struct SyntheticReport {
    Definition definition;
    Rows rows;
};
SyntheticReport syntheticListing(int people);

} // namespace ReportEngine
