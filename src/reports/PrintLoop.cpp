#include "PrintLoop.h"

#include "ReportOutput.h"
#include "WorkProgress.h"

namespace Reports {

namespace {

// The progress of a loop: "Printing i of n..." with Cancel, and at the end how many were printed when not all.
class Progress {
public:
    Progress(const QString& title, int count)
        : m_work(title, QStringLiteral("Printing..."), count, 0), m_title(title), m_count(count)
    {
    }
    // Shows the i-th under way; false when the user cancelled.
    bool at(int i)
    {
        m_work.setLabel(QStringLiteral("Printing %1 of %2...").arg(i + 1).arg(m_count));
        return m_work.at(i);
    }
    int finish(int printed)
    {
        m_work.finish();
        if (printed < m_count)
            ReportOutput::tell(QStringLiteral("Printing stopped: %1 of %2 printed.").arg(printed).arg(m_count),
                               m_title);
        return printed;
    }

private:
    WorkProgress m_work;
    QString m_title;
    int m_count;
};

// Adds the pages of a document to another, its fonts looked up in the other's list.
void appendPages(ReportEngine::Document& into, const ReportEngine::Document& from)
{
    QVector<int> fonts;
    for (const ReportEngine::Font& font : from.fonts) {
        int at = into.fonts.indexOf(font);
        if (at < 0) {
            into.fonts.append(font);
            at = into.fonts.size() - 1;
        }
        fonts.append(at);
    }
    for (ReportEngine::Page page : from.pages) {
        for (ReportEngine::Run& run : page.runs)
            run.font = fonts.at(run.font);
        into.pages.append(std::move(page));
    }
}

} // namespace

int printEach(const QString& title, int count, const std::function<bool(int)>& printOne)
{
    Progress progress(title, count);
    int printed = 0;
    for (int i = 0; i < count; ++i) {
        if (!progress.at(i) || !printOne(i))
            break;
        ++printed;
    }
    return progress.finish(printed);
}

int printInJobs(const QString& title, const QStringList& rights, int count, int perJob,
                const std::function<std::shared_ptr<const ReportEngine::Document>(int)>& makeOne)
{
    Progress progress(title, count);
    int printed = 0;
    ReportEngine::Document job;
    int inJob = 0;
    const auto send = [&] {
        if (inJob == 0)
            return true;
        auto document = std::make_shared<const ReportEngine::Document>(std::move(job));
        job = ReportEngine::Document();
        if (!ReportOutput::deliver({document, rights}, ReportOutput::Mode::Print))
            return false;
        printed += inJob;
        inJob = 0;
        return true;
    };
    for (int i = 0; i < count; ++i) {
        if (!progress.at(i))
            return progress.finish(printed);
        const auto document = makeOne(i);
        if (!document)
            break;
        if (inJob == 0) {
            job.title = title;
            job.landscape = document->landscape;
            job.pageSize = document->pageSize;
        }
        appendPages(job, *document);
        if (++inJob == perJob && !send())
            return progress.finish(printed);
    }
    send();
    return progress.finish(printed);
}

} // namespace Reports
