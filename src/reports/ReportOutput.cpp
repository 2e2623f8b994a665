#include "ReportOutput.h"

#include "Viewer.h"

#include "platform/Messages.h"
#include "reports/engine/Paint.h"

#include <QApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

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
    if (!ReportEngine::paint(document, printer, first, last) || printer.printerState() == QPrinter::Error) {
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
    bool written = false;
    {
        QPdfWriter writer(fileName);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Kov"));
        writer.setResolution(600);
        written = ReportEngine::paint(document, writer);
    }
    if (!written) {
        tell(QStringLiteral("%1 could not be written to %2.").arg(document.title, fileName),
             QStringLiteral("Export PDF"));
    }
    return written;
}

} // namespace ReportOutput
