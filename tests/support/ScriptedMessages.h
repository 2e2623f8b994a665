#pragma once

#include "platform/Messages.h"

#include <QList>
#include <functional>

// Answers message boxes from a script and keeps what was shown. Installed while it lives.
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();

    // The answers to give, in order; when they run out, Ok (or Yes for a question) is given.
    void answer(Messages::Answer a) { m_answers << a; }
    // Runs while each box is on the screen, before it is answered (another desk at work meanwhile).
    void whileShown(std::function<void(const Messages::Message&)> action) { m_whileShown = std::move(action); }

    const QList<Messages::Message>& shown() const { return m_shown; }
    int count() const { return m_shown.size(); }
    Messages::Message last() const { return m_shown.isEmpty() ? Messages::Message{} : m_shown.last(); }
    void clear() { m_shown.clear(); }

private:
    QList<Messages::Answer> m_answers;
    QList<Messages::Message> m_shown;
    std::function<void(const Messages::Message&)> m_whileShown;
};
