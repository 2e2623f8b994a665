#pragma once

#include <QLineEdit>

// A phone box with the mask (###) ###-####. Its value is the masked text, or empty text when no digit was typed.
// A stored text the mask cannot show as it is stands in the box without the mask, and its value is the text.
class PhoneEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PhoneEdit(QWidget* parent = nullptr);
    QString value() const;
    void setValue(const QString& stored);
};

// A password box: every typed character shows as "*".
void makePasswordBox(QLineEdit* edit);

// Entry boxes select their whole text when they are entered, so typing replaces the value; the focus coming back
// from a loan (FocusLoan.h) leaves them as they were. (Notes boxes of several lines do not select: a note is added to.)
namespace SelectAllOnFocus {
void install(QLineEdit* edit);
} // namespace SelectAllOnFocus
