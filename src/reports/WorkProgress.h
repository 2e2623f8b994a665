#pragma once

#include <QString>
#include <memory>

class QProgressDialog;

namespace Reports {

// The progress of long work done on the interface thread (printing, writing a PDF): a dialog with a bar and
// Cancel that shows once the work has run for a while. Until then the windows still repaint, but what the user
// clicks waits. Work started inside other work (a print inside a print loop) reports to the outer dialog.
class WorkProgress {
public:
    // count steps; the dialog shows after showAfterMs (the default delay when negative).
    WorkProgress(const QString& title, const QString& label, int count, int showAfterMs = -1);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // Step i (0-based) is under way: the bar moves, the windows repaint and Cancel is heard. False once cancelled.
    bool at(int i);
    void setLabel(const QString& text);
    bool cancelled() const;
    // Closes the dialog.
    void finish();

    // How long work runs before its progress shows, in milliseconds. Tests set 0 to see it at once.
    static int delay();
    static void setDelay(int ms);

private:
    const WorkProgress& root() const;

    std::unique_ptr<QProgressDialog> m_dialog; // null inside other work
    WorkProgress* m_outer;
};

} // namespace Reports
