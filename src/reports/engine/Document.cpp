#include "Document.h"

#include <algorithm>

namespace ReportEngine {

QStringList Document::pageTexts(int page) const
{
    QVector<const Run*> runs;
    for (const Run& run : pages.at(page).runs)
        runs.append(&run);
    std::stable_sort(runs.begin(), runs.end(), [](const Run* a, const Run* b) {
        const double ay = qRound(a->rect.top() * 10) / 10.0;
        const double by = qRound(b->rect.top() * 10) / 10.0;
        return ay != by ? ay < by : a->rect.left() < b->rect.left();
    });
    QStringList texts;
    for (const Run* run : runs)
        texts.append(run->text);
    return texts;
}

} // namespace ReportEngine
