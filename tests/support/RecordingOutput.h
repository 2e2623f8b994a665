#pragma once

#include "reports/ReportOutput.h"

#include <QApplication>
#include <QList>

// Takes the place of the viewer and the printer while it lives, and keeps what it was given.
class RecordingOutput : public ReportOutput::Output {
public:
    struct Delivery {
        ReportOutput::Report report;
        ReportOutput::Mode mode;
        bool busyPointer; // the hourglass was up when the report arrived
    };

    RecordingOutput() { ReportOutput::install(this); }
    ~RecordingOutput() override { ReportOutput::install(nullptr); }

    bool deliver(const ReportOutput::Report& report, ReportOutput::Mode mode) override
    {
        const QCursor* cursor = QApplication::overrideCursor();
        deliveries.append({report, mode, cursor && cursor->shape() == Qt::WaitCursor});
        return printerWorks;
    }

    const ReportEngine::Document& last() const { return *deliveries.last().report.document; }

    QList<Delivery> deliveries;
    bool printerWorks = true;
};
