#pragma once

#include "reports/engine/Document.h"

#include <QStringList>
#include <memory>

class QPrinter;

// Where finished reports go: the Report Viewer, or one copy to the default printer. Tests install their own.
namespace ReportOutput {

enum class Mode { Preview, Print };

// A finished report: its pages, and the rights any one of which lets a user see it.
struct Report {
    std::shared_ptr<const ReportEngine::Document> document;
    QStringList rights;
};

class Output {
public:
    virtual ~Output() = default;
    // Shows or prints the report; false when it was not printed.
    virtual bool deliver(const Report& report, Mode mode) = 0;
};

bool deliver(const Report& report, Mode mode);
// Replaces the viewer and printer (tests); null puts them back.
void install(Output* output);

// One copy on the system's default printer, without a dialog. With no printer, or when printing fails, a
// message says the report was not printed and the result is false.
bool printDirect(const ReportEngine::Document& document);
// Prints pages first to last (0-based) on a printer the user chose, with progress and Cancel once it takes a
// while; says so and returns false when it fails, returns false when cancelled.
bool printOn(const ReportEngine::Document& document, QPrinter& printer, int first = 0, int last = -1);
// Writes the report to a PDF file, with progress and Cancel once it takes a while; says so and returns false when
// the file cannot be written, returns false when cancelled. Either way a file of that name stays as it was.
bool writePdf(const ReportEngine::Document& document, const QString& fileName);

// Shows a message with the normal pointer, even while a report holds the hourglass.
void tell(const QString& text, const QString& title);

} // namespace ReportOutput
