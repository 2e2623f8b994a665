#pragma once

#include <QLineEdit>

// An amount box: it holds the text as typed, and shows it as money ($1,234.50, negatives ($1,234.50)) once it is
// left. Text that is not an amount shows as typed.
class MoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoneyEdit(QWidget* parent = nullptr);
    // The text as typed, whatever is shown.
    QString value() const { return m_typed; }
    void setValue(const QString& typed);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showValue(bool editing);
    QString m_typed;
};
