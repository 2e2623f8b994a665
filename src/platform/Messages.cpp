#include "Messages.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace Messages {

namespace {

Handler& handler()
{
    static Handler current;
    return current;
}

// A title bar draws its title larger and bolder than the box's text, beside the window icon and the close,
// maximise and minimise buttons; a box sized for a short text would cut its title.
constexpr int kTitleBarRoom = 4 * 32;

int widthForTitle(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(qMax(font.pointSizeF(), 10.0) * 1.1);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

Answer showBox(const Message& message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setText(message.text);
    box.setWindowTitle(message.title);
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // The box takes its width from its layout: a spacer across the bottom holds it wide enough for the title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(message.title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

} // namespace

Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    const Message message{text, title, icon, buttons};
    if (handler())
        return handler()(message);
    return showBox(message);
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace Messages
