#pragma once

#include <QDateEdit>
#include <QStringList>

// The date box of every screen: shown M/d/yyyy with a calendar drop-down, and typed the way people write dates.
// Typing fills the month, the day and the year in turn. A part is complete at two digits (four for the year),
// when no further digit could make it valid, or at a separator ("/", "-" or "."); a separator right after a
// part that completed itself is taken as that part's end, so none is ever skipped. A two-digit year is the one
// within the last 80 and the next 19 years. The typed date is taken when the focus moves on, at Enter and at
// Save; a date that does not exist is refused with a message and the box keeps the focus.
class DateBox : public QDateEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    // Takes a typed date into the box. False (after the message) when it is no date; true when nothing is typed.
    bool acceptTyped();
    // The same for every date box on a screen; false at the first refused one, which gets the focus.
    static bool acceptAllTyped(const QWidget* screen);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    bool typing();
    void startTyping(bool whole);
    void typeDigit(QChar digit);
    void typeSeparator();
    void typeBackspace();
    void moveToPart(int part);
    void showTyped();
    void stopTyping();
    QDate typedDate() const;
    bool refuse();

    // What is being typed: the three parts, the one taking digits, and whether its old digits are still shown
    // (the next digit replaces them).
    QStringList m_parts;
    int m_part = -1;
    bool m_replacing = false;
    // Whole: the date is typed from nothing, parts not yet reached stay hidden.
    bool m_whole = false;
    // The last part completed itself; a separator typed now only confirms it.
    bool m_justCompleted = false;
    // The text this box last showed of the typing; anything else there means the date was set meanwhile.
    QString m_shown;
    bool m_checking = false;
};
