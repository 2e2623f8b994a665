#include "FocusLoan.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>

namespace FocusLoan {

namespace {

// Only the box holding the focus can lend it, so one loan is enough.
struct Loan {
    QPointer<QWidget> box;
    bool away = false; // the focus has not come back to the box since
    QPointer<QLineEdit> text;
    QString shown;
    int cursor = 0;
    int selectionStart = -1;
    int selectionLength = 0;
};

Loan& loan()
{
    static Loan current;
    return current;
}

bool judgedLent(const QWidget* box, const QFocusEvent* event)
{
    const QWidget* now = QApplication::focusWidget();
    if (qobject_cast<const QMenuBar*>(now))
        return true;
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return true;
    case Qt::ActiveWindowFocusReason: {
        // A message box or dialog of Kov's own over the box's window is no loan: the box is entered again after it.
        const QWidget* modal = QApplication::activeModalWidget();
        return !modal || modal == box->window();
    }
    default:
        // The screen around the box hands the focus straight back; a grid around a cell being typed is a control
        // of its own, and a click on it ends the cell.
        return now && now != box && now->isAncestorOf(box) && !qobject_cast<const QAbstractItemView*>(now);
    }
}

// The focus arrives at `now` while a box has it on loan. Returns true when the arrival is void: the box, told that
// it was left, refused its text and took the focus back.
bool arrives(QWidget* now, const QFocusEvent* in)
{
    QWidget* box = loan().box;
    if (now == box || box->isAncestorOf(now)) {
        loan().away = false; // back from the loan: comesBack() tells the box
        return false;
    }
    if (now->window() != box->window() || qobject_cast<QMenuBar*>(now))
        return false; // still lent
    QFocusEvent out(QEvent::FocusOut, in->reason());
    if (leaves(box, &out)) { // the loan is over: the box is entered anew when it has the focus again
        QCoreApplication::sendEvent(box, &out);
        return QApplication::focusWidget() != now;
    }
    // Another screen made active, say: the box's next arrival is an entering. The screen around the box only
    // hands the focus back.
    if (!now->isAncestorOf(box))
        loan() = {};
    return false;
}

class LoanWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::FocusIn && watched->isWidgetType() && loan().box && loan().away &&
               arrives(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event));
    }
};

void open(const QWidget* box)
{
    static const bool watching = [] {
        qApp->installEventFilter(new LoanWatch(qApp));
        return true;
    }();
    Q_UNUSED(watching);
    if (loan().box != box) {
        loan() = {};
        loan().box = const_cast<QWidget*>(box);
    }
    loan().away = true;
}

} // namespace

bool isLent(const QWidget* box, const QFocusEvent* event)
{
    const bool lent = judgedLent(box, event);
    if (lent)
        open(box);
    else
        forget(box);
    return lent;
}

bool leaves(const QWidget* box, const QFocusEvent* event)
{
    const QWidget* now = QApplication::focusWidget();
    return !isLent(box, event) && now && now != box && now->window() == box->window();
}

bool lends(QWidget* box, QLineEdit* text, const QFocusEvent* event)
{
    if (!isLent(box, event))
        return false;
    Loan& kept = loan();
    kept.text = text;
    kept.shown = text->text();
    kept.cursor = text->cursorPosition();
    kept.selectionStart = text->selectionStart();
    kept.selectionLength = text->selectionLength();
    return true;
}

void forget(const QWidget* box)
{
    if (loan().box == box)
        loan() = {};
}

bool comesBack(const QWidget* box, const QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    return loan().box == box && reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
           reason != Qt::ShortcutFocusReason;
}

void restore(QLineEdit* text)
{
    const Loan& kept = loan();
    if (kept.text != text || text->text() != kept.shown)
        return;
    if (kept.selectionLength <= 0)
        text->setCursorPosition(kept.cursor);
    else if (kept.cursor == kept.selectionStart) // selected from right to left
        text->setSelection(kept.selectionStart + kept.selectionLength, -kept.selectionLength);
    else
        text->setSelection(kept.selectionStart, kept.selectionLength);
}

} // namespace FocusLoan
