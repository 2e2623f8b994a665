#pragma once

#include "DbError.h"
#include "Recordset.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

using SqlParams = QVariantList;

// One SQLite database file of Kov. Every value reaches SQL bound, never as text; every failure raises DbError.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing Kov database and checks its password. Never creates a file.
    void open(const QString& path, const QString& password);
    // Creates a new, empty file (refused when one exists) and leaves it open; the caller lays the schema.
    void create(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    // How long a statement waits for a file that another program holds before it fails as busy: 5 s unless
    // changed. Holds for the open file and every file opened later.
    void setBusyTimeout(int milliseconds);

    // Runs an INSERT, UPDATE or DELETE; returns the rows affected.
    int execute(const QString& sql, const SqlParams& params = {});
    // Runs a SELECT and holds its rows.
    Recordset openRecordset(const QString& sql, const SqlParams& params = {});
    // Opens the rows of one table matching a condition, ready for Edit and AddNew.
    Recordset openTable(const QString& table, const QString& where = {}, const SqlParams& params = {});
    // Runs a SELECT and hands each row to the caller in turn; returns the statement's columns. A failure at any
    // row, the last included, raises DbError of its kind, so a list is never silently cut short.
    QSqlRecord forEachRow(const QString& sql, const SqlParams& params,
                          const std::function<void(const QSqlQuery&)>& row);
    // First column of the first row, or Null.
    QVariant scalar(const QString& sql, const SqlParams& params = {});
    // A statement prepared once for a loop of many rows: bind its values by position, then run it with execute.
    QSqlQuery prepare(const QString& sql);
    void execute(QSqlQuery& query);
    // Runs a script of statements separated by semicolons at line ends (schema files).
    void executeScript(const QString& script);

    // The password check stored in a Kov database.
    static QString passwordCheck(const QString& password);

    // Used by Recordset.
    bool tableHasAutoId(const QString& table);
    qint64 nextAutoId(const QString& table);
    int savepointDepth() const { return m_savepointDepth; }
    void setSavepointDepth(int depth) { m_savepointDepth = depth; }

    // The SQL function fold(text): the text case-folded for every letter, so "fold(column) LIKE ?" with a folded
    // pattern ignores letter case beyond A to Z. Null stays Null.
    static constexpr const char* kFoldFunction = "fold";

private:
    QSqlQuery& run(const QString& sql, const SqlParams& params);
    // The cached statement for sql, taken out of the cache, or a newly prepared one; keepStatement puts it back.
    QSqlQuery takeStatement(const QString& sql);
    QSqlQuery& keepStatement(const QString& sql, QSqlQuery&& query);
    void bindAndRun(QSqlQuery& query, const SqlParams& params);
    void openConnection(const QString& path, bool mayCreate);
    void checkGate(const QString& password);
    void useSafeJournal();
    [[noreturn]] void fail(const QString& sql, const class QSqlError& error);

    QString m_connectionName;
    QString m_path;
    QHash<QString, QSqlQuery> m_statements;
    QHash<QString, bool> m_autoIdTables;
    int m_savepointDepth = 0;
    int m_busyTimeoutMs;
};
