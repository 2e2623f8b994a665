#pragma once

#include "Document.h"

class QPagedPaintDevice;
class QPainter;

namespace ReportEngine {

// Draws one page with the painter at the page's top left corner, at the given device pixels per point.
void paintPage(QPainter& painter, const Document& document, int page, double pixelsPerPoint);
// Writes the pages from first to last (0-based; -1 for the last page) to a printer or PDF writer, each on a
// whole Letter sheet. Returns false when the device refused to start or finish.
bool paint(const Document& document, QPagedPaintDevice& device, int first = 0, int last = -1);

} // namespace ReportEngine
