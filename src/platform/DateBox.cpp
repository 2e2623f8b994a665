#include "DateBox.h"

#include "Clock.h"
#include "Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int kMonth = 0;
constexpr int kYear = 2;

int largest(int part)
{
    return part == kMonth ? 12 : 31;
}

bool isSeparator(QChar ch)
{
    return ch == u'/' || ch == u'-' || ch == u'.';
}

// Whether the digits can still become the part (two digits at most for month and day, four for the year).
bool fits(int part, const QString& digits)
{
    if (part == kYear)
        return digits.size() <= 4;
    return digits.size() <= 2 && digits != QLatin1String("00") && digits.toInt() <= largest(part);
}

// Whether no further digit could make the part valid.
bool complete(int part, const QString& digits)
{
    if (part == kYear)
        return digits.size() == 4;
    return digits.size() == 2 || digits.toInt() * 10 > largest(part);
}

// The year ending in the two digits that lies within the last 80 and the next 19 years.
int fullYear(int twoDigits)
{
    const int earliest = Clock::today().year() - 80;
    return earliest + ((twoDigits - earliest) % 100 + 100) % 100;
}

// Buttons that leave nothing of the screen's input to check: a half-typed date goes with the rest.
bool dropsInput(const QWidget* target)
{
    static const QStringList names{QStringLiteral("btnExit"), QStringLiteral("btnCancel"), QStringLiteral("btnClear")};
    return names.contains(target->objectName());
}

} // namespace

DateBox::DateBox(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("M/d/yyyy"));
    setCalendarPopup(true);
    // A date set by code or picked in the calendar replaces whatever was being typed.
    connect(this, &QDateEdit::dateChanged, this, [this] { stopTyping(); });
}

bool DateBox::typing()
{
    if (m_part >= 0 && lineEdit()->text() != m_shown)
        stopTyping();
    return m_part >= 0;
}

void DateBox::startTyping(bool whole)
{
    m_parts = QStringList{QString(), QString(), QString()};
    m_part = kMonth;
    m_replacing = false;
    m_whole = whole;
    m_justCompleted = false;
    if (whole)
        return;
    // Typing over a part of the date shown: the part at the cursor takes the digits, the others stay.
    const QStringList shown = lineEdit()->text().split(QLatin1Char('/'));
    if (shown.size() != 3) {
        m_whole = true;
        return;
    }
    m_parts = shown;
    const int at = lineEdit()->hasSelectedText() ? lineEdit()->selectionStart() : lineEdit()->cursorPosition();
    m_part = int(lineEdit()->text().left(at).count(QLatin1Char('/')));
    m_replacing = true;
}

void DateBox::typeDigit(QChar digit)
{
    m_justCompleted = false;
    QString digits = m_replacing ? QString() : m_parts[m_part];
    if (!fits(m_part, digits + digit)) {
        // The digit cannot belong to this part: the part ends here and the digit starts the next one.
        if (m_part == kYear || digits.toInt() == 0)
            return;
        m_parts[m_part] = digits;
        ++m_part;
        digits.clear();
    }
    m_parts[m_part] = digits + digit;
    m_replacing = false;
    if (m_part != kYear && complete(m_part, m_parts[m_part])) {
        ++m_part;
        m_replacing = true;
        m_justCompleted = true;
    }
}

void DateBox::typeSeparator()
{
    if (m_justCompleted) {
        m_justCompleted = false;
        return;
    }
    // A separator ends a part typed into; it never passes over one.
    if (m_part == kYear || m_replacing || m_parts[m_part].isEmpty())
        return;
    ++m_part;
    m_replacing = true;
}

void DateBox::typeBackspace()
{
    m_justCompleted = false;
    if (m_replacing && !m_whole && !m_parts[m_part].isEmpty()) {
        m_parts[m_part].clear();
        m_replacing = false;
        return;
    }
    if (!m_replacing && !m_parts[m_part].isEmpty()) {
        m_parts[m_part].chop(1);
        return;
    }
    // The separator is no character of its own: Backspace goes on to the last digit of the part before.
    if (m_part > kMonth) {
        --m_part;
        m_replacing = false;
        m_parts[m_part].chop(1);
    }
}

void DateBox::moveToPart(int part)
{
    m_justCompleted = false;
    if (part < kMonth || part > kYear || (m_whole && part > m_part && m_parts[part].isEmpty()))
        return;
    m_part = part;
    m_replacing = true;
}

void DateBox::showTyped()
{
    int last = m_parts.size() - 1;
    if (m_whole)
        while (last > m_part && m_parts[last].isEmpty())
            --last;
    m_shown = m_parts.mid(0, last + 1).join(QLatin1Char('/'));
    {
        // The spin box must not read the half-typed text as a date.
        const QSignalBlocker quiet(lineEdit());
        lineEdit()->setText(m_shown);
    }
    int start = 0;
    for (int i = 0; i < m_part; ++i)
        start += int(m_parts[i].size()) + 1;
    if (m_replacing && !m_parts[m_part].isEmpty())
        lineEdit()->setSelection(start, int(m_parts[m_part].size()));
    else
        lineEdit()->setCursorPosition(start + int(m_parts[m_part].size()));
}

void DateBox::stopTyping()
{
    m_part = -1;
    m_parts.clear();
    m_shown.clear();
    m_justCompleted = false;
}

QDate DateBox::typedDate() const
{
    for (const QString& part : m_parts)
        if (part.isEmpty())
            return {};
    const QString& year = m_parts[kYear];
    if (year.size() != 2 && year.size() != 4)
        return {};
    const QDate date(year.size() == 2 ? fullYear(year.toInt()) : year.toInt(), m_parts[kMonth].toInt(),
                     m_parts[1].toInt());
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        return {};
    return date;
}

bool DateBox::acceptTyped()
{
    if (!typing())
        return true;
    const bool nothingTyped = m_whole && m_parts.join(QString()).isEmpty();
    const QDate date = typedDate();
    if (!nothingTyped && !date.isValid())
        return refuse();
    // An emptied box goes back to the date it held.
    stopTyping();
    if (date.isValid())
        setDate(date);
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(textFromDateTime(dateTime()));
    return true;
}

bool DateBox::refuse()
{
    // The message box takes the focus away again; that second loss must not ask twice.
    m_checking = true;
    Messages::show(QStringLiteral("Please enter a valid date."), QStringLiteral("Invalid Date"),
                   Messages::Icon::Exclamation);
    setFocus();
    m_checking = false;
    return false;
}

bool DateBox::acceptAllTyped(const QWidget* screen)
{
    for (DateBox* box : screen->findChildren<DateBox*>())
        if (box->isEnabled() && !box->acceptTyped())
            return false;
    return true;
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (isReadOnly() || !plain) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const QChar ch = text.size() == 1 ? text.front() : QChar();
    const bool digit = ch >= u'0' && ch <= u'9';
    const bool allSelected = lineEdit()->text().isEmpty() || lineEdit()->selectedText() == lineEdit()->text();
    const int key = event->key();

    if (digit || isSeparator(ch) || key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (key == Qt::Key_Delete && !allSelected && !typing())
            return;
        if (!typing() || (allSelected && (key == Qt::Key_Backspace || key == Qt::Key_Delete)))
            startTyping(allSelected);
        if (digit)
            typeDigit(ch);
        else if (key == Qt::Key_Backspace)
            typeBackspace();
        else if (key != Qt::Key_Delete)
            typeSeparator();
        showTyped();
        event->accept();
        return;
    }
    if (!typing()) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        moveToPart(m_part + (key == Qt::Key_Left ? -1 : 1));
        showTyped();
        break;
    case Qt::Key_Escape:
        // Back to the date the box held.
        stopTyping();
        lineEdit()->setText(textFromDateTime(dateTime()));
        break;
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (acceptTyped()) {
            QDateEdit::keyPressEvent(event);
            return;
        }
        break;
    default:
        break;
    }
    event->accept();
}

void DateBox::focusInEvent(QFocusEvent* event)
{
    // The spin box shows its date again on focus; a refused entry stays in view to be corrected.
    const bool wasTyping = typing();
    QDateEdit::focusInEvent(event);
    if (wasTyping)
        showTyped();
}

void DateBox::focusOutEvent(QFocusEvent* event)
{
    if (!m_checking && typing()) {
        const Qt::FocusReason reason = event->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            // Another window or a menu: the typing waits, as typed, for the user's return.
            QWidget::focusOutEvent(event);
            return;
        }
        // Only a move to another control of the window is a leaving of the box. A closing window, and the buttons
        // that throw away what the screen holds (Exit, Cancel, Clear), drop what was typed without a word.
        QWidget* target = QApplication::focusWidget();
        const bool toControl = isVisible() && target && target != this && window()->isAncestorOf(target) &&
                               target->isVisible() && !dropsInput(target);
        if (!toControl) {
            stopTyping();
        } else if (!acceptTyped()) {
            QWidget::focusOutEvent(event);
            return;
        }
    }
    QDateEdit::focusOutEvent(event);
}

bool DateBox::focusNextPrevChild(bool next)
{
    // Tab leaves the box (the parts are reached by typing, the separators and the arrow keys).
    return QWidget::focusNextPrevChild(next);
}

QValidator::State DateBox::validate(QString& input, int& pos) const
{
    if (m_part >= 0)
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

void DateBox::fixup(QString& input) const
{
    if (m_part < 0)
        QDateEdit::fixup(input);
}
