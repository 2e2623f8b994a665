#include "CellEditGrid.h"

#include <QApplication>
#include <QKeyEvent>

void CellEditGrid::keyPressEvent(QKeyEvent* event)
{
    const bool typed = !event->text().isEmpty() && event->text().front().isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    // A click on the current cell opens it only once the time for a double-click has gone by, and Qt refuses keys
    // typed sooner. They open the cell at once, as a double-click does (dropping the opening still to come), and go
    // into it, as the key that opens a cell does.
    if (typed && state() != EditingState && edit(currentIndex(), DoubleClicked, nullptr)) {
        QCoreApplication::sendEvent(QApplication::focusWidget(), event);
        return;
    }
    QTableWidget::keyPressEvent(event);
}
