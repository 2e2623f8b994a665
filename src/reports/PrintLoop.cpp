#include "PrintLoop.h"

#include "ReportOutput.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace Reports {

int printEach(const QString& title, int count, const std::function<bool(int)>& printOne)
{
    QProgressDialog progress(QStringLiteral("Printing..."), QStringLiteral("Cancel"), 0, count);
    progress.setObjectName(QStringLiteral("printProgress"));
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    int printed = 0;
    for (int i = 0; i < count; ++i) {
        progress.setLabelText(QStringLiteral("Printing %1 of %2...").arg(i + 1).arg(count));
        progress.setValue(i);
        QCoreApplication::processEvents();
        if (progress.wasCanceled() || !printOne(i))
            break;
        ++printed;
    }
    progress.reset();
    if (printed < count)
        ReportOutput::tell(QStringLiteral("Printing stopped: %1 of %2 printed.").arg(printed).arg(count), title);
    return printed;
}

} // namespace Reports
