#pragma once

#include <QString>
#include <stdexcept>

// A problem that stops the program from starting: no settings file, too few settings, no database.
class StartupError : public std::runtime_error {
public:
    explicit StartupError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
