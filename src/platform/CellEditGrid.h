#pragma once

#include <QTableWidget>

// A grid whose cells are typed into. Keys typed on a cell open it and go into it, however soon they follow a click
// on it; a letter never moves the current row, as Qt's search by first letter would.
class CellEditGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    void keyboardSearch(const QString&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
