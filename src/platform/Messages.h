#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through here, so tests can answer them and read what was shown.
namespace Messages {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

Answer show(const QString& text, const QString& title, Icon icon = Icon::None, Buttons buttons = Buttons::Ok);

// Replaces the real boxes (tests); an empty handler restores them.
using Handler = std::function<Answer(const Message&)>;
void setHandler(Handler handler);

} // namespace Messages
