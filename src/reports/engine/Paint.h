#pragma once

#include "Document.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace ReportEngine {

// Draws one page with the painter at the page's top left corner, at the given device pixels per point.
void paintPage(QPainter& painter, const Document& document, int page, double pixelsPerPoint);
// Writes the pages from first to last (0-based; -1 for the last page) to a printer or PDF writer, each on a
// whole Letter sheet. beforePage, when given, is called with each page's index before it is drawn; when it
// answers false, painting stops there. Returns false when the device refused to start or finish, or it stopped.
bool paint(const Document& document, QPagedPaintDevice& device, int first = 0, int last = -1,
           const std::function<bool(int page)>& beforePage = {});

} // namespace ReportEngine
