#include "FailingRead.h"

#include "core/MainMod.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringList>
#include <sqlite3.h>
#include <stdexcept>

namespace {

void failRead(sqlite3_context* context, int, sqlite3_value** values)
{
    sqlite3_result_error(context, "the row could not be read", -1);
    sqlite3_result_error_code(context, sqlite3_value_int(values[0]));
}

sqlite3* mainConnection()
{
    // The program's connections are named kov-<uuid>; a test has the one of MainDatabase open.
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (!name.startsWith(QLatin1String("kov-")))
            continue;
        const QVariant handle = QSqlDatabase::database(name, false).driver()->handle();
        if (qstrcmp(handle.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3* const*>(handle.constData());
    }
    throw std::runtime_error("no open Kov connection");
}

} // namespace

namespace FailingRead {

void install(const QString& table, const QString& column, qint64 id, int code)
{
    if (sqlite3_create_function_v2(mainConnection(), "kov_fail_read", 1, SQLITE_UTF8, nullptr, failRead, nullptr,
                                   nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error("kov_fail_read not registered");
    QStringList columns;
    Recordset info =
        MainMod::MainDatabase.openRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
    for (; !info.Eof(); info.MoveNext()) {
        const QString name = info.Text(QStringLiteral("name"));
        columns << (name == column ? QStringLiteral("CASE WHEN ID = %1 THEN kov_fail_read(%2) ELSE %3 END AS %3")
                                         .arg(id)
                                         .arg(code)
                                         .arg(name)
                                   : name);
    }
    const QString stored = table + QStringLiteral("_Stored");
    MainMod::MainDatabase.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(table, stored));
    MainMod::MainDatabase.execute(
        QStringLiteral("CREATE VIEW %1 AS SELECT %2 FROM %3").arg(table, columns.join(QStringLiteral(", ")), stored));
}

} // namespace FailingRead
