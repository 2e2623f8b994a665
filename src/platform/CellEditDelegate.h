#pragma once

#include <QStyledItemDelegate>

// The delegate of a grid whose cells are typed into. A cell being typed stays open while the focus is only lent
// (FocusLoan.h: another program, a menu, the menu bar), so the typing goes on in it when the user comes back. Qt's
// own delegate would take the cell and close it there, and the next key would start it afresh. Return, Tab, Escape
// and a click elsewhere end the cell as usual, and so does a click elsewhere that follows the loan.
class CellEditDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;
};
