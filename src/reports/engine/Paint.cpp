#include "Paint.h"

#include "TextMeasure.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace ReportEngine {

namespace {
Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Text is drawn at ten times its size under a tenth of the scale: a font of a few device pixels would have its
// advances rounded to whole pixels and run wider than the layout measured it.
constexpr double kTextScale = 10.0;

// The fonts of a document for one device: the painter is scaled to points (and text down by kTextScale), so a
// font's size is given in the device's own units before that scale.
QVector<QFont> fontsFor(const Document& document, const QPaintDevice* device)
{
    const double dpi = device->logicalDpiY();
    QVector<QFont> fonts;
    for (const Font& font : document.fonts) {
        QFont f = qtFont(font);
        f.setPointSizeF(font.size * kTextScale * 72.0 / dpi);
        fonts.append(f);
    }
    return fonts;
}

void paintPage(QPainter& painter, const Document& document, int page, double pixelsPerPoint,
               const QVector<QFont>& fonts)
{
    painter.save();
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.setPen(QPen(Qt::black, 0.6));
    painter.setBrush(Qt::NoBrush);
    const Page& p = document.pages.at(page);
    for (const Shape& shape : p.shapes) {
        if (shape.box)
            painter.drawRect(shape.rect);
        else
            painter.drawLine(shape.rect.topLeft(), shape.rect.bottomRight());
    }
    painter.scale(1.0 / kTextScale, 1.0 / kTextScale);
    int current = -1;
    for (const Run& run : p.runs) {
        if (run.font != current) {
            painter.setFont(fonts.at(run.font));
            current = run.font;
        }
        const QRectF rect(run.rect.topLeft() * kTextScale, run.rect.size() * kTextScale);
        painter.drawText(rect, int(alignmentOf(run.align) | Qt::AlignVCenter | Qt::TextDontClip), run.text);
    }
    painter.restore();
}
} // namespace

void paintPage(QPainter& painter, const Document& document, int page, double pixelsPerPoint)
{
    paintPage(painter, document, page, pixelsPerPoint, fontsFor(document, painter.device()));
}

bool paint(const Document& document, QPagedPaintDevice& device, int first, int last,
           const std::function<bool(int page)>& beforePage)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                     document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QVector<QFont> fonts = fontsFor(document, &device);
    const double pixelsPerPoint = device.logicalDpiX() / 72.0;
    if (last < 0 || last >= document.pageCount())
        last = document.pageCount() - 1;
    for (int page = std::max(first, 0); page <= last; ++page) {
        if (beforePage && !beforePage(page))
            return false;
        if (page > std::max(first, 0) && !device.newPage())
            return false;
        paintPage(painter, document, page, pixelsPerPoint, fonts);
    }
    return painter.end();
}

} // namespace ReportEngine
