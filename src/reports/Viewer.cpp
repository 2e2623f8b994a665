#include "Viewer.h"

#include "PageView.h"
#include "PdfFileDialog.h"

#include "platform/FocusedWheel.h"
#include "platform/Twips.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* toolButton(QWidget* parent, const QString& name, const QString& text, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(text);
    if (icon != QStyle::SP_CustomBase) {
        button->setIcon(parent->style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

const int kZoomPercents[] = {50, 75, 100, 125, 150, 200};
} // namespace

Viewer::Viewer()
{
    setObjectName(QStringLiteral("Viewer"));
    setWindowTitle(QStringLiteral("Report Viewer"));

    btnFirst = toolButton(this, QStringLiteral("btnFirst"), QStringLiteral("First Page"), QStyle::SP_MediaSkipBackward);
    btnPrevious =
        toolButton(this, QStringLiteral("btnPrevious"), QStringLiteral("Previous Page"), QStyle::SP_MediaSeekBackward);
    btnNext = toolButton(this, QStringLiteral("btnNext"), QStringLiteral("Next Page"), QStyle::SP_MediaSeekForward);
    btnLast = toolButton(this, QStringLiteral("btnLast"), QStringLiteral("Last Page"), QStyle::SP_MediaSkipForward);
    txtPage = new QSpinBox(this);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setRange(1, 1);
    txtPage->setKeyboardTracking(false);
    lblPageCount = new QLabel(this);
    lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
    lblPageCount->setMinimumWidth(lblPageCount->fontMetrics().horizontalAdvance(QStringLiteral("of 00000")));
    cmbZoom = new QComboBox(this);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    FocusedWheel::install(cmbZoom);
    for (int percent : kZoomPercents)
        cmbZoom->addItem(QStringLiteral("%1%").arg(percent), percent);
    btnFitWidth = toolButton(this, QStringLiteral("btnFitWidth"), QStringLiteral("Fit Width"), QStyle::SP_CustomBase);
    btnFitWidth->setCheckable(true);
    btnFitWidth->setChecked(true);
    btnPrint = toolButton(this, QStringLiteral("btnPrint"), QStringLiteral("Print..."), QStyle::SP_CustomBase);
    btnExportPdf =
        toolButton(this, QStringLiteral("btnExportPdf"), QStringLiteral("Export PDF..."), QStyle::SP_CustomBase);
    pageView = new PageView(this);

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(4, 4, 4, 4);
    tools->setSpacing(4);
    for (QWidget* w : std::initializer_list<QWidget*>{btnFirst, btnPrevious, txtPage, lblPageCount, btnNext, btnLast})
        tools->addWidget(w);
    tools->addSpacing(12);
    tools->addWidget(cmbZoom);
    tools->addWidget(btnFitWidth);
    tools->addSpacing(12);
    tools->addWidget(btnPrint);
    tools->addWidget(btnExportPdf);
    tools->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addWidget(pageView, 1);

    on(btnFirst, &QToolButton::clicked, [this] { showPage(0); });
    on(btnPrevious, &QToolButton::clicked, [this] { showPage(currentPage() - 1); });
    on(btnNext, &QToolButton::clicked, [this] { showPage(currentPage() + 1); });
    on(btnLast, &QToolButton::clicked, [this] { showPage(txtPage->maximum() - 1); });
    connect(txtPage, &QSpinBox::valueChanged, this, [this](int value) { showPage(value - 1); });
    connect(cmbZoom, &QComboBox::activated, this, [this](int index) { zoomChosen(index); });
    cmbZoom->setCurrentIndex(-1); // the page starts at the width of the window
    connect(btnFitWidth, &QToolButton::toggled, this, [this](bool on) {
        if (on) {
            cmbZoom->setCurrentIndex(-1);
            pageView->setFitWidth(true);
        } else {
            pageView->setZoom(pageView->zoom());
        }
    });
    on(btnPrint, &QToolButton::clicked, [this] { btnPrint_Click(); });
    on(btnExportPdf, &QToolButton::clicked, [this] { btnExportPdf_Click(); });
}

Viewer::~Viewer() = default;

QSize Viewer::sizeHint() const
{
    return {Twips::toPixels(11205), Twips::toPixels(10245)};
}

void Viewer::Form_Load()
{
    if (QMdiSubWindow* sub = subWindow())
        sub->resize(sub->sizeHint());
}

Viewer* Viewer::preview(const ReportOutput::Report& report)
{
    Viewer* viewer = ScreenRegistry::load<Viewer>();
    if (viewer)
        viewer->showReport(report);
    return viewer;
}

void Viewer::showReport(const ReportOutput::Report& report)
{
    m_report = report;
    setRights(report.rights);
    pageView->setDocument(m_report.document.get());
    const int pages = std::max(1, m_report.document ? m_report.document->pageCount() : 0);
    {
        const QSignalBlocker blocker(txtPage);
        txtPage->setRange(1, pages);
        txtPage->setValue(1);
    }
    lblPageCount->setText(QStringLiteral("of %1").arg(pages));
    showPage(0);
}

int Viewer::currentPage() const
{
    return pageView->page();
}

void Viewer::showPage(int page)
{
    page = std::clamp(page, 0, txtPage->maximum() - 1);
    {
        const QSignalBlocker blocker(txtPage);
        txtPage->setValue(page + 1);
    }
    pageView->setPage(page);
    btnFirst->setEnabled(page > 0);
    btnPrevious->setEnabled(page > 0);
    btnNext->setEnabled(page < txtPage->maximum() - 1);
    btnLast->setEnabled(page < txtPage->maximum() - 1);
}

void Viewer::zoomChosen(int index)
{
    {
        const QSignalBlocker blocker(btnFitWidth);
        btnFitWidth->setChecked(false);
    }
    pageView->setZoom(cmbZoom->itemData(index).toInt() / 100.0);
}

QPrinter& Viewer::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void Viewer::btnPrint_Click()
{
    const std::shared_ptr<const ReportEngine::Document> doc = m_report.document;
    if (!doc)
        return;
    QPrinter& p = printer();
    p.setDocName(doc->title);
    p.setFromTo(0, 0);
    QPrintDialog dialog(&p, this);
    dialog.setMinMax(1, doc->pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int first = 0;
    int last = -1;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
        first = p.fromPage() - 1;
        last = p.toPage() - 1;
    } else if (dialog.printRange() == QAbstractPrintDialog::CurrentPage) {
        first = last = currentPage();
    }
    ReportOutput::printOn(*doc, p, first, last);
}

void Viewer::btnExportPdf_Click()
{
    // Held here: a preview that comes while the file is written must not take the pages away.
    const std::shared_ptr<const ReportEngine::Document> doc = m_report.document;
    if (!doc)
        return;
    const QString fileName = PdfFileDialog::ask(this, QDir::home().filePath(doc->title + QStringLiteral(".pdf")));
    if (fileName.isEmpty())
        return;
    ReportOutput::writePdf(*doc, fileName);
}
