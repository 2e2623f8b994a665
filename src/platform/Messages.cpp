#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace Messages {

namespace {

Handler& handler()
{
    static Handler current;
    return current;
}

Answer showBox(const Message& message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setText(message.text);
    box.setWindowTitle(message.title);
    switch (message.icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (message.buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
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
