#pragma once

#include <QString>
#include <stdexcept>

// A failed database operation: what was run, and what the driver said about it.
class DbError : public std::runtime_error {
public:
    enum class Kind {
        Statement,      // a statement failed
        Busy,           // another program held the file for longer than we wait
        MissingFile,    // no file at the path
        NotKovDatabase, // a file, but not one of ours
        WrongPassword,  // one of ours, with another password
        ReadOnly,       // the file, or the folder its journal goes in, cannot be written
        Vanished,       // the file was moved or deleted while we had it open
    };

    DbError(Kind kind, QString statement, QString driverMessage);
    DbError(QString statement, QString driverMessage) : DbError(Kind::Statement, statement, driverMessage) {}

    Kind kind() const { return m_kind; }
    const QString& statement() const { return m_statement; }
    const QString& driverMessage() const { return m_driverMessage; }
    // The text shown to the user.
    QString message() const;

private:
    Kind m_kind;
    QString m_statement;
    QString m_driverMessage;
};
