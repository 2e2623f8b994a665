#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantList>

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

private:
    bool saveAll(const QList<QPair<QString, QVariantList>>& statements);

    QString m_connection;
};
