#pragma once

#include "ReportOutput.h"

#include "shell/Screen.h"

#include <memory>

class PageView;
class QComboBox;
class QLabel;
class QPrinter;
class QSpinBox;
class QToolButton;

// The one window every preview goes to: a page of the report with paging, zoom, print and export. A new
// preview replaces the report shown and leaves the window where it is.
class Viewer : public Screen {
    Q_OBJECT
public:
    Viewer();
    ~Viewer() override;

    // Opens the viewer, or finds it open, and shows the report in it.
    static Viewer* preview(const ReportOutput::Report& report);

    void Form_Load() override;
    QSize sizeHint() const override;
    void showReport(const ReportOutput::Report& report);

    const ReportEngine::Document* document() const { return m_report.document.get(); }
    int currentPage() const; // 0-based
    // The printer the print dialog sets up, kept between prints.
    QPrinter& printer();

    void btnPrint_Click();
    void btnExportPdf_Click();

    QToolButton* btnFirst;
    QToolButton* btnPrevious;
    QToolButton* btnNext;
    QToolButton* btnLast;
    QSpinBox* txtPage;
    QLabel* lblPageCount;
    QComboBox* cmbZoom;
    QToolButton* btnFitWidth;
    QToolButton* btnPrint;
    QToolButton* btnExportPdf;
    PageView* pageView;

private:
    void showPage(int page);
    void zoomChosen(int index);

    ReportOutput::Report m_report;
    std::unique_ptr<QPrinter> m_printer;
};
