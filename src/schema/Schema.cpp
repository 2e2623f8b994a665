#include "Schema.h"

#include "platform/Database.h"
#include "platform/Transaction.h"

#include <QFile>

namespace Schema {

namespace {
QString readResource(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(name, QStringLiteral("The built-in file %1 is missing.").arg(name));
    return QString::fromUtf8(file.readAll());
}
} // namespace

QString schemaScript()
{
    return readResource(QStringLiteral(":/schema/schema.sql"));
}

QString seedScript()
{
    return readResource(QStringLiteral(":/schema/seed.sql"));
}

void createDatabase(Database& db, const QString& path, const QString& password)
{
    db.create(path);
    try {
        Transaction transaction(db);
        db.executeScript(schemaScript());
        db.executeScript(seedScript());
        db.execute(QStringLiteral("INSERT INTO Kov_Info (Name, Value) VALUES ('PasswordCheck', ?)"),
                   {Database::passwordCheck(password)});
        transaction.commit();
    } catch (...) {
        // A half-made file is worse than none.
        db.close();
        QFile::remove(path);
        throw;
    }
}

} // namespace Schema
