#include "DbError.h"

namespace {
QString compose(DbError::Kind kind, const QString& statement, const QString& driverMessage)
{
    switch (kind) {
    case DbError::Kind::Statement:
        return QStringLiteral("The database could not carry out a statement.\n\n%1\n\nStatement: %2")
            .arg(driverMessage, statement);
    case DbError::Kind::Busy:
        return QStringLiteral("The database file is in use by another program and stayed locked; "
                              "try again once that program is done with it.\n\n%1\n\nStatement: %2")
            .arg(driverMessage, statement);
    // The kinds about the file itself carry their whole text, naming the file.
    case DbError::Kind::MissingFile:
    case DbError::Kind::NotKovDatabase:
    case DbError::Kind::WrongPassword:
    case DbError::Kind::ReadOnly:
    case DbError::Kind::Vanished:
        return driverMessage;
    }
    return driverMessage;
}
} // namespace

DbError::DbError(Kind kind, QString statement, QString driverMessage)
    : std::runtime_error(compose(kind, statement, driverMessage).toStdString()), m_kind(kind),
      m_statement(std::move(statement)), m_driverMessage(std::move(driverMessage))
{
}

QString DbError::message() const
{
    return compose(m_kind, m_statement, m_driverMessage);
}
