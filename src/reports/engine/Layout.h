#pragma once

#include "Definition.h"
#include "Document.h"
#include "Rows.h"

namespace ReportEngine {

// Lays a report out into pages of placed text and rules. It touches no window, printer or database: the same
// definition and rows always give the same document. Throws std::invalid_argument when the definition names a
// column the rows lack.
Document layout(const Definition& definition, const Rows& rows, const Rows& subrows = {});

} // namespace ReportEngine
