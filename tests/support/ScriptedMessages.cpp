#include "ScriptedMessages.h"

ScriptedMessages::ScriptedMessages()
{
    Messages::setHandler([this](const Messages::Message& message) {
        m_shown << message;
        if (m_whileShown)
            m_whileShown(message);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return message.buttons == Messages::Buttons::Ok || message.buttons == Messages::Buttons::OkCancel
                   ? Messages::Answer::Ok
                   : Messages::Answer::Yes;
    });
}

ScriptedMessages::~ScriptedMessages()
{
    Messages::setHandler({});
}
