#include "CellEditDelegate.h"

#include "FocusLoan.h"

#include <QFocusEvent>

bool CellEditDelegate::eventFilter(QObject* editor, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && editor->isWidgetType() &&
        FocusLoan::isLent(static_cast<QWidget*>(editor), static_cast<QFocusEvent*>(event)))
        return false; // the editor itself still hears of it
    return QStyledItemDelegate::eventFilter(editor, event);
}
