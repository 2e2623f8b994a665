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

// Entry boxes select their whole text when they get the focus, so typing replaces the value. (Notes boxes of several
// lines do not: a note is added to.)
namespace SelectAllOnFocus {
void install(QLineEdit* edit);
} // namespace SelectAllOnFocus
