#include "Database.h"
#include "SqlValue.h"
#include "Transaction.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>
#include <algorithm>
#include <sqlite3.h>

namespace {

// How long a statement waits for a file that another program holds before it gives up.
constexpr int kBusyTimeoutMs = 5000;

// The driver's code for an error; an extended code carries its primary one in the low byte.
int primaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isBusy(const QSqlError& error)
{
    const int code = primaryCode(error);
    return code == 5 || code == 6 || error.driverText().contains(QLatin1String("locked"), Qt::CaseInsensitive) ||
           error.databaseText().contains(QLatin1String("locked"), Qt::CaseInsensitive);
}

// A file opened read-only refuses every write (SQLITE_READONLY); in a folder that cannot be written the journal
// cannot be made beside it (SQLITE_CANTOPEN, once the file is open).
bool isReadOnly(const QSqlError& error)
{
    const int code = primaryCode(error);
    return code == 8 || code == 14;
}

QString driverMessage(const QSqlError& error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return text;
}

void checkIdentifier(const QString& name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw DbError(name, QStringLiteral("Not a table name."));
}

// fold(text): letters of every alphabet case-folded, as Qt folds them.
void foldText(sqlite3_context* context, int, sqlite3_value** values)
{
    sqlite3_value* value = values[0];
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = sqlite3_value_text(value);
    const int bytes = sqlite3_value_bytes(value);
    // LIKE already ignores the case of A to Z: text of plain ASCII goes back as it is, without a copy. Most names
    // are such text, so a search over every person stays as fast as it was.
    const auto* end = text + bytes;
    if (std::all_of(text, end, [](unsigned char byte) { return byte < 0x80; })) {
        sqlite3_result_value(context, value);
        return;
    }
    const QByteArray folded = QString::fromUtf8(reinterpret_cast<const char*>(text), bytes).toCaseFolded().toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

// The functions every connection of Kov offers to its statements.
bool addFunctions(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    return connection && sqlite3_create_function_v2(connection, Database::kFoldFunction, 1,
                                                    SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                                    foldText, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

Database::Database() : m_busyTimeoutMs(kBusyTimeoutMs) {}

Database::~Database()
{
    close();
}

QString Database::passwordCheck(const QString& password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(("kov-db:" + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

void Database::openConnection(const QString& path, bool mayCreate)
{
    close();
    m_connectionName = QStringLiteral("kov-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    // mode=rw keeps SQLite from creating a file that vanished since we looked.
    QString name = QString::fromUtf8(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded());
    name += mayCreate ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw");
    db.setDatabaseName(name);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        m_connectionName.clear();
        throw DbError(
            DbError::Kind::NotKovDatabase, path,
            QStringLiteral("The database file \"%1\" could not be opened: %2").arg(path, driverMessage(error)));
    }
    m_path = path;
    if (!addFunctions(db)) {
        close();
        throw DbError(path, QStringLiteral("The database file \"%1\" could not be prepared for searching.").arg(path));
    }
}

void Database::open(const QString& path, const QString& password)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw DbError(DbError::Kind::MissingFile, path,
                      QStringLiteral("The database file \"%1\" does not exist.").arg(path));
    openConnection(path, false);
    try {
        checkGate(password);
        useSafeJournal();
    } catch (...) {
        close();
        throw;
    }
}

void Database::checkGate(const QString& password)
{
    QVariant stored;
    try {
        stored = scalar(QStringLiteral("SELECT Value FROM Kov_Info WHERE Name = 'PasswordCheck'"));
    } catch (const DbError& error) {
        if (error.kind() == DbError::Kind::Busy)
            throw;
        throw DbError(DbError::Kind::NotKovDatabase, m_path,
                      QStringLiteral("The file \"%1\" is not a Kov database.").arg(m_path));
    }
    if (stored.isNull())
        throw DbError(DbError::Kind::NotKovDatabase, m_path,
                      QStringLiteral("The file \"%1\" is not a Kov database.").arg(m_path));
    if (stored.toString() != passwordCheck(password))
        throw DbError(DbError::Kind::WrongPassword, m_path,
                      QStringLiteral("The database \"%1\" does not accept this program's password.").arg(m_path));
}

void Database::create(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DbError(DbError::Kind::Statement, path,
                      QStringLiteral("The file \"%1\" already exists; it is left as it is.").arg(path));
    openConnection(path, true);
    useSafeJournal();
}

void Database::useSafeJournal()
{
    // A rollback journal beside the file, synced before and after each commit: a crash or a power cut part-way
    // through a write leaves all of it or none of it. No -wal/-shm files beside the database, which network shares
    // do not keep safely.
    scalar(QStringLiteral("PRAGMA journal_mode = DELETE"));
    execute(QStringLiteral("PRAGMA synchronous = FULL"));
}

void Database::close()
{
    m_statements.clear();
    m_autoIdTables.clear();
    m_savepointDepth = 0;
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_path.clear();
}

void Database::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (isOpen())
        scalar(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

bool Database::isOpen() const
{
    return !m_connectionName.isEmpty();
}

void Database::fail(const QString& sql, const QSqlError& error)
{
    const auto aboutTheFile = [&](DbError::Kind kind, const QString& what) {
        return DbError(kind, sql,
                       QStringLiteral("The database file \"%1\" %2\n\n%3\n\nStatement: %4")
                           .arg(m_path, what, driverMessage(error), sql));
    };
    // SQLite goes on reading a file moved or deleted under it, and refuses to write it as if it were read-only
    // (SQLITE_READONLY_DBMOVED, also when another file took its place).
    constexpr int kReadOnlyDbMoved = 1032;
    if (error.nativeErrorCode().toInt() == kReadOnlyDbMoved || (!m_path.isEmpty() && !QFileInfo::exists(m_path)))
        throw aboutTheFile(DbError::Kind::Vanished,
                           QStringLiteral("is no longer where Kov opened it: it was moved or deleted. Nothing was "
                                          "changed; close Kov, put the file back and start Kov again."));
    if (isReadOnly(error))
        throw aboutTheFile(
            DbError::Kind::ReadOnly,
            QStringLiteral("cannot be written: it is read-only, or the folder it is in is. Nothing "
                           "was changed; ask whoever looks after this computer to allow changes to it."));
    throw DbError(isBusy(error) ? DbError::Kind::Busy : DbError::Kind::Statement, sql, driverMessage(error));
}

QSqlQuery Database::takeStatement(const QString& sql)
{
    const auto it = m_statements.find(sql);
    if (it == m_statements.end())
        return prepare(sql);
    QSqlQuery query = std::move(*it);
    m_statements.erase(it);
    return query;
}

QSqlQuery& Database::keepStatement(const QString& sql, QSqlQuery&& query)
{
    if (m_statements.size() > 256)
        m_statements.clear();
    return *m_statements.emplace(sql, std::move(query));
}

void Database::bindAndRun(QSqlQuery& query, const SqlParams& params)
{
    for (int i = 0; i < params.size(); ++i)
        query.bindValue(i, SqlValue::toSql(params.at(i)));
    execute(query);
}

QSqlQuery& Database::run(const QString& sql, const SqlParams& params)
{
    const auto it = m_statements.find(sql);
    QSqlQuery& query = it != m_statements.end() ? *it : keepStatement(sql, prepare(sql));
    bindAndRun(query, params);
    return query;
}

int Database::execute(const QString& sql, const SqlParams& params)
{
    QSqlQuery& query = run(sql, params);
    const int affected = query.numRowsAffected();
    query.finish();
    return affected;
}

QSqlQuery Database::prepare(const QString& sql)
{
    if (!isOpen())
        throw DbError(sql, QStringLiteral("The database is not open."));
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(sql, query.lastError());
    return query;
}

void Database::execute(QSqlQuery& query)
{
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        fail(query.lastQuery(), error);
    }
}

QSqlRecord Database::forEachRow(const QString& sql, const SqlParams& params,
                                const std::function<void(const QSqlQuery&)>& row)
{
    // The loop owns its statement while it runs: a row handler may run any statement, this one too, and so grow or
    // clear the cache. The statement goes back to the cache for the next loop.
    QSqlQuery query = takeStatement(sql);
    bindAndRun(query, params);
    try {
        while (query.next())
            row(query);
    } catch (...) {
        query.finish();
        throw;
    }
    // A row that could not be read ends the loop as the last row does; only the error tells them apart.
    const QSqlError error = query.lastError();
    QSqlRecord columns = query.record();
    query.finish();
    if (error.type() != QSqlError::NoError)
        fail(sql, error);
    keepStatement(sql, std::move(query));
    return columns;
}

Recordset Database::openRecordset(const QString& sql, const SqlParams& params)
{
    QVector<QSqlRecord> rows;
    QSqlRecord columns = forEachRow(sql, params, [&rows](const QSqlQuery& query) { rows.push_back(query.record()); });
    return Recordset(this, std::move(rows), std::move(columns));
}

Recordset Database::openTable(const QString& table, const QString& where, const SqlParams& params)
{
    checkIdentifier(table);
    QString sql = QStringLiteral("SELECT rowid AS kov_rowid, * FROM \"%1\"").arg(table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    QVector<QSqlRecord> rows;
    QSqlRecord columns = forEachRow(sql, params, [&rows](const QSqlQuery& query) { rows.push_back(query.record()); });
    return Recordset(this, std::move(rows), std::move(columns), table);
}

QVariant Database::scalar(const QString& sql, const SqlParams& params)
{
    QSqlQuery& query = run(sql, params);
    QVariant value;
    const bool found = query.next();
    if (found)
        value = query.value(0);
    const QSqlError error = query.lastError();
    query.finish();
    if (!found && error.type() != QSqlError::NoError)
        fail(sql, error);
    return value;
}

void Database::executeScript(const QString& script)
{
    QString statement;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        statement += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
            if (!query.exec(statement))
                fail(statement.trimmed(), query.lastError());
            statement.clear();
        }
    }
    if (!statement.trimmed().isEmpty())
        throw DbError(statement.trimmed(), QStringLiteral("The script ends without a semicolon."));
}

bool Database::tableHasAutoId(const QString& table)
{
    auto it = m_autoIdTables.constFind(table);
    if (it != m_autoIdTables.constEnd())
        return *it;
    checkIdentifier(table);
    const QVariant sql =
        scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?"), {table});
    const bool autoId = sql.toString().contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
    m_autoIdTables.insert(table, autoId);
    return autoId;
}

qint64 Database::nextAutoId(const QString& table)
{
    checkIdentifier(table);
    // Reserve the number at once, as the ID shows before the row is stored and must never be handed out twice.
    // Read and write under one write lock: another program on the same file cannot take the same number between.
    Transaction reservation(*this, Transaction::Lock::Immediate);
    const qint64 next = scalar(QStringLiteral("SELECT MAX(IFNULL((SELECT seq FROM sqlite_sequence WHERE name = ?), 0), "
                                              "IFNULL((SELECT MAX(ID) FROM \"%1\"), 0)) + 1")
                                   .arg(table),
                               {table})
                            .toLongLong();
    if (execute(QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = ?"), {next, table}) == 0)
        execute(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), {table, next});
    reservation.commit();
    return next;
}
