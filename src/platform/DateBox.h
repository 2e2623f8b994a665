#pragma once

#include <QDateEdit>
#include <QList>

class QMenu;

// The date box of every screen: shown M/d/yyyy with a calendar drop-down. The arrow keys change the part at the
// cursor; typing or pasting replaces the whole date shown, and the box shows exactly what was typed until the
// typing is taken. It is taken when the focus moves on to another control, at Enter and at Save: month, day and
// year with "/", "-" or "." between them (3/14/1980, 3-14-80), or the digits alone (031480, 03141980). Anything
// else, or a day that does not exist, is refused with a message; the box keeps the text and the focus.
class DateBox : public QDateEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    // A box for the date of something that has already happened (a birth, a baptism): a two-digit year is the
    // latest one not after this year. Other boxes take the one within the last 80 and the next 19 years.
    void setPastDates(bool past);

    // Takes a typed date into the box. False (after the message) when it is no date; true when nothing is typed.
    bool acceptTyped();
    // The same for every date box on a screen; false at the first refused one, which gets the focus.
    static bool acceptAllTyped(const QWidget* screen);

    // A click on the control throws away what is typed here (a New button, the box's own tick box): the focus moving
    // there by the mouse leaves the text unjudged, for the control's action to drop (a date set, the box switched
    // off). A press let go off the control drops nothing: the text still waits for the box or the Save.
    void setDroppedBy(const QWidget* control);

    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    bool typing();
    void startTyping(bool keepShown);
    void editTyped(QEvent* event);
    void pasteTyped();
    void routePaste(QMenu* menu);
    void showTyped();
    void showDate();
    void stopTyping();
    QDate typedDate() const;
    bool refuse();

    // While typing, the text is the user's alone: the spin box must not read it as a date until it is taken, so
    // the line edit's signals are held back.
    bool m_typing = false;
    // The text this box last showed of the typing; anything else there means the date was set meanwhile.
    QString m_shown;
    bool m_pastDates = false;
    bool m_checking = false;
    QList<const QWidget*> m_droppedBy;
};
