#include "PageView.h"

#include "reports/engine/Paint.h"

#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kGap = 12; // grey space around the page
}

class PageView::Canvas : public QWidget {
public:
    explicit Canvas(PageView* view) : QWidget(view), m_view(view) {}
    double pixelsPerPoint() const { return logicalDpiX() / 72.0 * m_view->m_zoom; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const ReportEngine::Document* document = m_view->m_document;
        if (!document || m_view->m_page >= document->pageCount())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.fillRect(rect(), Qt::white);
        ReportEngine::paintPage(painter, *document, m_view->m_page, pixelsPerPoint());
    }

private:
    PageView* m_view;
};

PageView::PageView(QWidget* parent) : QScrollArea(parent), m_canvas(new Canvas(this))
{
    setObjectName(QStringLiteral("pageView"));
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWidget(m_canvas);
    updateCanvas();
}

void PageView::setDocument(const ReportEngine::Document* document)
{
    m_document = document;
    m_page = 0;
    updateCanvas();
}

void PageView::setPage(int page)
{
    m_page = page;
    verticalScrollBar()->setValue(0);
    m_canvas->update();
}

void PageView::setZoom(double zoom)
{
    m_fitWidth = false;
    m_zoom = zoom;
    updateCanvas();
}

void PageView::setFitWidth(bool fit)
{
    m_fitWidth = fit;
    updateCanvas();
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (m_fitWidth)
        updateCanvas();
}

void PageView::updateCanvas()
{
    const QSizeF points = m_document ? m_document->pageSize : QSizeF(612, 792);
    if (m_fitWidth) {
        const double available = viewport()->width() - 2 * kGap;
        m_zoom = std::max(0.1, available / (points.width() * logicalDpiX() / 72.0));
    }
    const double ppp = logicalDpiX() / 72.0 * m_zoom;
    m_canvas->setFixedSize(qRound(points.width() * ppp), qRound(points.height() * ppp));
    m_canvas->update();
}
