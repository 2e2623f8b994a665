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

// The loan ends once another control of the box's window has the focus: the box was left after all (a click there
// made on coming back from another program, say), and its next arrival is an entering.
void endLoanOnFocusElsewhere()
{
    static const auto watching = QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        QWidget* box = loan().box;
        if (box && now && now != box && now->window() == box->window() && !now->isAncestorOf(box) &&
            !qobject_cast<QMenuBar*>(now))
            loan() = {};
    });
    Q_UNUSED(watching);
}

} // namespace

bool isLent(const QWidget* box, const QFocusEvent* event)
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

bool leaves(const QWidget* box, const QFocusEvent* event)
{
    const QWidget* now = QApplication::focusWidget();
    return !isLent(box, event) && now && now != box && now->window() == box->window();
}

bool lends(QWidget* box, QLineEdit* text, const QFocusEvent* event)
{
    if (!isLent(box, event)) {
        forget(box);
        return false;
    }
    endLoanOnFocusElsewhere();
    loan() = {box, text, text->text(), text->cursorPosition(), text->selectionStart(), text->selectionLength()};
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
