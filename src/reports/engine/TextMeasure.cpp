#include "TextMeasure.h"

#include <QTextLayout>

namespace ReportEngine {

namespace {
// Text is measured at ten times the points and scaled back.
constexpr double kScale = 10.0;
constexpr double kMeasureDpi = 72.0 * kScale;
} // namespace

QFont qtFont(const Font& font)
{
    QFont f(font.fixedPitch ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setStyleHint(font.fixedPitch ? QFont::Monospace : QFont::SansSerif);
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

TextMeasure::TextMeasure() : m_device(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

TextMeasure::Entry& TextMeasure::entry(const Font& font)
{
    for (Entry& e : m_entries)
        if (e.font == font)
            return e;
    const QFont qfont = qtFont(font);
    QFontMetricsF metrics(qfont, &m_device);
    m_entries.append({font, qfont, metrics, metrics.maxWidth() / kScale, {}});
    return m_entries.last();
}

double TextMeasure::width(const Font& font, const QString& text)
{
    return entry(font).metrics.horizontalAdvance(text) / kScale;
}

double TextMeasure::lineHeight(const Font& font)
{
    return entry(font).metrics.lineSpacing() / kScale;
}

bool TextMeasure::fits(const Font& font, const QString& text, double width)
{
    Entry& e = entry(font);
    if (text.size() * e.widestChar <= width)
        return true;
    auto known = e.widths.constFind(text);
    if (known == e.widths.constEnd()) {
        if (e.widths.size() > 100000)
            e.widths.clear();
        known = e.widths.insert(text, e.metrics.horizontalAdvance(text) / kScale);
    }
    return *known <= width;
}

QString TextMeasure::elide(const Font& font, const QString& text, double width)
{
    if (fits(font, text, width))
        return text;
    return entry(font).metrics.elidedText(text, Qt::ElideRight, width * kScale);
}

QStringList TextMeasure::wrap(const Font& font, const QString& text, double width)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    Entry& e = entry(font);
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    if (plain.endsWith(QLatin1Char('\n')))
        plain.chop(1);
    const QStringList paragraphs = plain.split(QLatin1Char('\n'));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : paragraphs) {
        if (paragraph.size() * e.widestChar <= width || e.metrics.horizontalAdvance(paragraph) <= width * kScale) {
            lines.append(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, e.qfont, &m_device);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width * kScale);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            // The blank a line was broken at belongs to neither line.
            while (part.endsWith(QLatin1Char(' ')))
                part.chop(1);
            lines.append(part);
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace ReportEngine
