#pragma once

#include "reports/engine/Document.h"

#include <QScrollArea>

// One page of a report at a zoom, or at the width of the view.
class PageView : public QScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    void setDocument(const ReportEngine::Document* document);
    void setPage(int page);
    int page() const { return m_page; }
    // 1.0 shows the page at its printed size.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    void setFitWidth(bool fit);
    bool fitWidth() const { return m_fitWidth; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Canvas;
    void updateCanvas();

    Canvas* m_canvas;
    const ReportEngine::Document* m_document = nullptr;
    int m_page = 0;
    double m_zoom = 1.0;
    bool m_fitWidth = true;
};
