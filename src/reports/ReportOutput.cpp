#include "ReportOutput.h"

#include "Viewer.h"
#include "WorkProgress.h"

#include "platform/Messages.h"
#include "reports/engine/Paint.h"

#include <QApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <algorithm>

namespace ReportOutput {

namespace {
Output*& installed()
{
    static Output* output = nullptr;
    return output;
}

QString notPrinted(const ReportEngine::Document& document, const QString& why)
{
    return QStringLiteral("%1 was not printed: %2").arg(document.title, why);
}
} // namespace

void tell(const QString& text, const QString& title)
{
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    Messages::show(text, title, Messages::Icon::Exclamation);
    if (busy)
        QApplication::restoreOverrideCursor();
}

void install(Output* output)
{
    installed() = output;
}

bool deliver(const Report& report, Mode mode)
{
    if (Output* output = installed())
        return output->deliver(report, mode);
    if (mode == Mode::Print)
        return printDirect(*report.document);
    return Viewer::preview(report) != nullptr;
}

bool printOn(const ReportEngine::Document& document, QPrinter& printer, int first, int last)
{
    printer.setFullPage(true);
    printer.setDocName(document.title);
    const int from = std::max(first, 0);
    const int to = last < 0 || last >= document.pageCount() ? document.pageCount() - 1 : last;
    Reports::WorkProgress progress(QStringLiteral("Print"), QStringLiteral("Printing %1...").arg(document.title),
                                   std::max(to - from + 1, 1));
    const bool painted = ReportEngine::paint(document, printer, first, last, [&](int page) {
        if (progress.at(page - from))
            return true;
        printer.abort(); // drops the job where the printer system can
        return false;
    });
    progress.finish();
    if (progress.cancelled())
        return false; // the user knows
    if (!painted || printer.printerState() == QPrinter::Error) {
        tell(notPrinted(document, QStringLiteral("the printer did not accept it.")), QStringLiteral("Print"));
        return false;
    }
    return true;
}

bool printDirect(const ReportEngine::Document& document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        tell(notPrinted(document, QStringLiteral("no printer is set up.")), QStringLiteral("Print"));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setCopyCount(1);
    return printOn(document, printer);
}

bool writePdf(const ReportEngine::Document& document, const QString& fileName)
{
    // Written beside the file and put in its place only when whole: a cancelled or failed export leaves a file
    // of that name as it was.
    QSaveFile file(fileName);
    Reports::WorkProgress progress(QStringLiteral("Export PDF"), QStringLiteral("Writing %1...").arg(document.title),
                                   std::max(document.pageCount(), 1));
    bool written = false;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Kov"));
        writer.setResolution(600);
        written = ReportEngine::paint(document, writer, 0, -1, [&progress](int page) { return progress.at(page); });
    }
    progress.finish();
    if (progress.cancelled()) {
        file.cancelWriting();
        return false;
    }
    if (!written || !file.commit()) {
        tell(QStringLiteral("%1 could not be written to %2.").arg(document.title, fileName),
             QStringLiteral("Export PDF"));
        return false;
    }
    return true;
}

} // namespace ReportOutput
