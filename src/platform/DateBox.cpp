#include "DateBox.h"

#include "Clock.h"
#include "FocusLoan.h"
#include "FocusedWheel.h"
#include "Messages.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

// The year ending in the two digits that lies within the last 80 and the next 19 years.
int windowYear(int twoDigits)
{
    const int earliest = Clock::today().year() - 80;
    return earliest + ((twoDigits - earliest) % 100 + 100) % 100;
}

// The latest year ending in the two digits that is not after this one.
int pastYear(int twoDigits)
{
    const int now = Clock::today().year();
    return now - ((now - twoDigits) % 100 + 100) % 100;
}

// Buttons that leave nothing of the screen's input to check: a half-typed date goes with the rest.
bool dropsInput(const QWidget* target)
{
    static const QStringList names{QStringLiteral("btnExit"), QStringLiteral("btnCancel"), QStringLiteral("btnClear")};
    return names.contains(target->objectName());
}

bool isMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

// A key that types a character into the box.
bool typesCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Brings forward every tab page the widget lies on.
void bringTabsForward(QWidget* widget)
{
    for (QWidget* page = widget; page && page->parentWidget(); page = page->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
            tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
}

} // namespace

DateBox::DateBox(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("M/d/yyyy"));
    setCalendarPopup(true);
    // A date set by code or picked in the calendar replaces whatever was being typed.
    connect(this, &QDateEdit::dateChanged, this, [this] { stopTyping(); });
    lineEdit()->installEventFilter(this);
    FocusedWheel::install(this);
}

void DateBox::setPastDates(bool past)
{
    m_pastDates = past;
}

bool DateBox::typing()
{
    if (m_typing && lineEdit()->text() != m_shown)
        stopTyping();
    return m_typing;
}

void DateBox::startTyping(bool keepShown)
{
    m_typing = true;
    lineEdit()->blockSignals(true);
    if (!keepShown)
        lineEdit()->clear();
    m_shown = lineEdit()->text();
}

void DateBox::editTyped(QEvent* event)
{
    // Straight to the line edit: the date edit's own key handling works on the parts of a date.
    static_cast<QObject*>(lineEdit())->event(event);
    m_shown = lineEdit()->text();
    event->accept();
}

void DateBox::pasteTyped()
{
    if (!typing())
        startTyping(false);
    lineEdit()->paste();
    m_shown = lineEdit()->text();
}

void DateBox::routePaste(QMenu* menu)
{
    // The line edit's menu pastes like Ctrl+V; its other entries keep the spin box's ways.
    for (QAction* action : menu->actions())
        if (disconnect(action, SIGNAL(triggered()), lineEdit(), SLOT(paste())))
            connect(action, &QAction::triggered, this, [this] { pasteTyped(); });
    connect(menu, &QMenu::triggered, this, [this] {
        if (m_typing)
            m_shown = lineEdit()->text();
    });
}

void DateBox::showTyped()
{
    if (lineEdit()->text() != m_shown)
        lineEdit()->setText(m_shown);
}

void DateBox::showDate()
{
    // Back to the date the box holds.
    stopTyping();
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(textFromDateTime(dateTime()));
}

void DateBox::stopTyping()
{
    m_typing = false;
    m_shown.clear();
    lineEdit()->blockSignals(false);
}

QDate DateBox::typedDate() const
{
    static const QRegularExpression parted(QStringLiteral("^([0-9]{1,2})[/.-]([0-9]{1,2})[/.-]([0-9]{2}|[0-9]{4})$"));
    static const QRegularExpression digits(QStringLiteral("^([0-9]{2})([0-9]{2})([0-9]{2}|[0-9]{4})$"));
    const QString text = lineEdit()->text().trimmed();
    QRegularExpressionMatch match = parted.match(text);
    if (!match.hasMatch())
        match = digits.match(text);
    if (!match.hasMatch())
        return {};
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) == 2)
        year = m_pastDates ? pastYear(year) : windowYear(year);
    const QDate date(year, match.captured(1).toInt(), match.captured(2).toInt());
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        return {};
    return date;
}

bool DateBox::acceptTyped()
{
    if (!typing())
        return true;
    const QDate date = typedDate();
    if (!lineEdit()->text().trimmed().isEmpty() && !date.isValid())
        return refuse();
    // An emptied box goes back to the date it held.
    stopTyping();
    if (date.isValid())
        setDate(date);
    showDate();
    return true;
}

bool DateBox::refuse()
{
    // The message box takes the focus away again; that second loss must not ask twice. The date comes back whole
    // and selected, to be typed over, however the box was left before.
    m_checking = true;
    FocusLoan::forget(this);
    bringTabsForward(this);
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

void DateBox::setDroppedBy(const QWidget* control)
{
    m_droppedBy << control;
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (event->matches(QKeySequence::Paste)) {
        pasteTyped();
        event->accept();
        return;
    }
    if (!typing()) {
        const bool erases = key == Qt::Key_Backspace || key == Qt::Key_Delete;
        if (!erases && !typesCharacter(event)) {
            QDateEdit::keyPressEvent(event);
            return;
        }
        // What is typed replaces the whole date; Backspace and Delete edit the date shown.
        startTyping(erases);
    }
    switch (key) {
    case Qt::Key_Escape:
        showDate();
        event->accept();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (acceptTyped())
            QDateEdit::keyPressEvent(event);
        else
            event->accept();
        return;
    default:
        editTyped(event);
    }
}

void DateBox::mousePressEvent(QMouseEvent* event)
{
    // The calendar drop-down opens on the date typed, or not at all while it is no date.
    if (!acceptTyped()) {
        event->accept();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

void DateBox::stepBy(int steps)
{
    // The wheel and the menu's steps, like the arrow keys, step the date typed.
    if (!acceptTyped())
        return;
    QDateEdit::stepBy(steps);
}

bool DateBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit()) {
        // Clicks while typing place the cursor in the text typed, not in a part of the date.
        if (isMouseEvent(event->type()) && typing()) {
            editTyped(event);
            return true;
        }
        if (event->type() == QEvent::ChildPolished)
            if (auto* menu = qobject_cast<QMenu*>(static_cast<QChildEvent*>(event)->child()))
                routePaste(menu);
    }
    return QDateEdit::eventFilter(watched, event);
}

void DateBox::focusInEvent(QFocusEvent* event)
{
    // The spin box shows its date again on focus; a refused entry stays in view, whole, to be typed over. Back from a
    // loan of the focus, the typing goes on where it stood.
    const bool wasTyping = typing();
    QDateEdit::focusInEvent(event);
    if (wasTyping)
        showTyped();
    if (FocusLoan::comesBack(this, event))
        FocusLoan::restore(lineEdit());
    else if (wasTyping)
        lineEdit()->selectAll();
}

void DateBox::showEvent(QShowEvent* event)
{
    // Shown again (its tab came forward): the same.
    const bool wasTyping = typing();
    QDateEdit::showEvent(event);
    if (wasTyping)
        showTyped();
}

void DateBox::focusOutEvent(QFocusEvent* event)
{
    FocusLoan::lends(this, lineEdit(), event);
    if (!typing()) {
        QDateEdit::focusOutEvent(event);
        return;
    }
    // The buttons that throw away what the screen holds (Exit, Cancel, Clear) drop what was typed without a word.
    QWidget* target = QApplication::focusWidget();
    if (!m_checking && target && dropsInput(target)) {
        stopTyping();
        QDateEdit::focusOutEvent(event);
        return;
    }
    // A move to another control of the window is a leaving of the box: the text is judged there. A loan of the
    // focus (another program, a menu, the menu bar, the screen itself), a message box, a click on a control that may
    // throw the text away, or a tab page that hides the box leaves the text waiting, as typed, for the user's return,
    // that control's action or the screen's Save.
    const bool toDropper = event->reason() == Qt::MouseFocusReason && m_droppedBy.contains(target);
    const bool toControl =
        !m_checking && !toDropper && isVisible() && FocusLoan::leaves(this, event) && target->isVisible();
    if (toControl && acceptTyped()) {
        QDateEdit::focusOutEvent(event);
        return;
    }
    // Refused, the box has the focus back; waiting, its line edit lets the cursor go.
    if (!toControl)
        static_cast<QObject*>(lineEdit())->event(event);
    QWidget::focusOutEvent(event);
}

void DateBox::changeEvent(QEvent* event)
{
    // A box switched off (its date unticked, or the fields it belongs to) shows the date it holds.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && typing())
        showDate();
    QDateEdit::changeEvent(event);
}

bool DateBox::focusNextPrevChild(bool next)
{
    // Tab leaves the box (the parts are reached by the arrow keys).
    return QWidget::focusNextPrevChild(next);
}

QValidator::State DateBox::validate(QString& input, int& pos) const
{
    if (m_typing)
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

void DateBox::fixup(QString& input) const
{
    if (!m_typing)
        QDateEdit::fixup(input);
}
