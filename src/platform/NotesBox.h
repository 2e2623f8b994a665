#pragma once

#include <QPlainTextEdit>

// The box of several lines that every notes field is made of. Qt 6.4 reads the first format of whatever is pasted
// or dropped without checking there is one, and an X clipboard or selection that no program owns offers none. Such a
// paste (Ctrl+V, Shift+Insert, the middle button, a drop) holds nothing to insert, so it is let go here, before Qt
// reads it; every other paste goes to Qt as before.
class NotesBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
