#include "OtherDesk.h"
#include "ScriptedMessages.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

OtherDesk::OtherDesk(const QString& databasePath)
    : m_connection(QStringLiteral("otherdesk-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(databasePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    db.open();
}

OtherDesk::~OtherDesk()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool OtherDesk::save(const QString& sql, const QVariantList& params)
{
    return saveAll({{sql, params}});
}

bool OtherDesk::canSave()
{
    return saveAll({{QStringLiteral("INSERT INTO Titles (Title) VALUES ('Other Desk')"), {}},
                    {QStringLiteral("DELETE FROM Titles WHERE Title = 'Other Desk'"), {}}});
}

bool OtherDesk::canSaveWhileShown(ScriptedMessages& messages, const std::function<void()>& action)
{
    bool saved = true;
    messages.whileShown([&](const Messages::Message&) { saved = canSave() && saved; });
    action();
    messages.whileShown(nullptr);
    return saved;
}

bool OtherDesk::deleteMember(qint64 memberId)
{
    QList<QPair<QString, QVariantList>> statements;
    for (const char* table : {"Sunday_School", "Discipleship_Training", "Wednesday_Night"}) {
        for (const char* column : {"Teacher", "Asst_Teacher"})
            statements.append(
                {QStringLiteral("UPDATE %1 SET %2 = 1 WHERE %2 = ?").arg(QLatin1String(table), QLatin1String(column)),
                 {memberId}});
    }
    for (const char* column : {"Group_Leader", "Asst_Group_Leader"})
        statements.append(
            {QStringLiteral("UPDATE Care_Group SET %1 = 1 WHERE %1 = ?").arg(QLatin1String(column)), {memberId}});
    statements.append({QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ?"), {memberId}});
    statements.append({QStringLiteral("DELETE FROM \"User\" WHERE Member_ID = ?"), {memberId}});
    statements.append({QStringLiteral("DELETE FROM Member WHERE ID = ?"), {memberId}});
    return saveAll(statements);
}

bool OtherDesk::saveAll(const QList<QPair<QString, QVariantList>>& statements)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isOpen() || !db.transaction())
        return false;
    bool stored = true;
    for (const auto& [sql, params] : statements) {
        QSqlQuery query(db);
        stored = stored && query.prepare(sql);
        for (int i = 0; stored && i < params.size(); ++i)
            query.bindValue(i, params.at(i));
        stored = stored && query.exec();
    }
    if (stored && db.commit())
        return true;
    db.rollback();
    return false;
}
