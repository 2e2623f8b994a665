#pragma once

#include "Definition.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

namespace ReportEngine {

// One line of text at its place on a page (points from the page's top left corner).
struct Run {
    QRectF rect;
    QString text;
    int font = 0; // into Document::fonts
    Align align = Align::Left;
};

// A rule (a rectangle of no height or no width) or a box.
struct Shape {
    QRectF rect;
    bool box = false;
};

struct Page {
    QVector<Run> runs;
    QVector<Shape> shapes;
};

// A laid-out report: what goes where on every page.
struct Document {
    QString title;
    bool landscape = false;
    QSizeF pageSize;
    QVector<Font> fonts;
    QVector<Page> pages;

    int pageCount() const { return pages.size(); }
    // The texts of a page's runs, top to bottom and left to right.
    QStringList pageTexts(int page) const;
};

} // namespace ReportEngine
