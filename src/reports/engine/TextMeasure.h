#pragma once

#include "Definition.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QVector>

namespace ReportEngine {

// The Qt font of a report font, at its size in points.
QFont qtFont(const Font& font);

// Measures text in points, the same whatever device the report is painted on later.
class TextMeasure {
public:
    TextMeasure();

    double width(const Font& font, const QString& text);
    double lineHeight(const Font& font);
    // Whether the text fits the width on one line.
    bool fits(const Font& font, const QString& text, double width);
    // The text cut short with an ellipsis so it fits the width.
    QString elide(const Font& font, const QString& text, double width);
    // The lines of a text wrapped at the width: at word boundaries where it can, inside a word where it must.
    // Line breaks of the text are kept; blanks inside a line are kept.
    QStringList wrap(const Font& font, const QString& text, double width);

private:
    struct Entry {
        Font font;
        QFont qfont;
        QFontMetricsF metrics;
        double widestChar;
        // Widths of texts already measured: lists repeat their towns, statuses and classes row after row.
        QHash<QString, double> widths;
    };
    Entry& entry(const Font& font);

    QImage m_device; // a fine resolution, so widths scale to any printer
    QVector<Entry> m_entries;
};

} // namespace ReportEngine
