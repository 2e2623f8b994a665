#include "WorkProgress.h"

#include <QApplication>
#include <QProgressDialog>

namespace Reports {

namespace {
int& delayMs()
{
    static int ms = 1000;
    return ms;
}

WorkProgress*& current()
{
    static WorkProgress* progress = nullptr;
    return progress;
}
} // namespace

WorkProgress::WorkProgress(const QString& title, const QString& label, int count, int showAfterMs) : m_outer(current())
{
    current() = this;
    if (m_outer || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    m_dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0, count);
    m_dialog->setObjectName(QStringLiteral("workProgress"));
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(showAfterMs < 0 ? delayMs() : showAfterMs);
    m_dialog->setValue(0);
}

WorkProgress::~WorkProgress()
{
    finish();
    current() = m_outer;
}

bool WorkProgress::at(int i)
{
    if (m_dialog)
        m_dialog->setValue(i);
    // Once the dialog shows, it keeps the clicks from other windows; before that, they wait.
    const QProgressDialog* dialog = root().m_dialog.get();
    QCoreApplication::processEvents(dialog && dialog->isVisible() ? QEventLoop::AllEvents
                                                                  : QEventLoop::ExcludeUserInputEvents);
    return !cancelled();
}

void WorkProgress::setLabel(const QString& text)
{
    if (m_dialog)
        m_dialog->setLabelText(text);
}

bool WorkProgress::cancelled() const
{
    const QProgressDialog* dialog = root().m_dialog.get();
    return dialog && dialog->wasCanceled();
}

const WorkProgress& WorkProgress::root() const
{
    return m_outer ? m_outer->root() : *this;
}

void WorkProgress::finish()
{
    if (m_dialog)
        m_dialog->hide();
}

int WorkProgress::delay()
{
    return delayMs();
}

void WorkProgress::setDelay(int ms)
{
    delayMs() = ms;
}

} // namespace Reports
