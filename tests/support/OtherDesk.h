#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantList>
#include <functional>

class ScriptedMessages;

// A second desk on the same register: a connection of its own to the database file, as another copy of Kov on the
// office network has. It never waits for a lock: a save that finds the register locked fails at once.
class OtherDesk {
public:
    explicit OtherDesk(const QString& databasePath);
    ~OtherDesk();
    OtherDesk(const OtherDesk&) = delete;
    OtherDesk& operator=(const OtherDesk&) = delete;

    // Runs one statement in a transaction of its own; true when it was stored.
    bool save(const QString& sql, const QVariantList& params = {});
    // Any save at all: a row written and taken away again in one transaction, which needs the register unlocked.
    bool canSave();
    // Runs the action (a click that may bring up messages) and tells whether this desk could save while each message
    // was on the screen.
    bool canSaveWhileShown(ScriptedMessages& messages, const std::function<void()>& action);
    // Deletes a person as the member screen here does: their account and its rights go, the classes and care groups
    // they teach or lead pass to the stand-by member (ID 1), then the person's row. True when it was stored.
    bool deleteMember(qint64 memberId);

private:
    bool saveAll(const QList<QPair<QString, QVariantList>>& statements);

    QString m_connection;
};
