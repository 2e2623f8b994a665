#pragma once

#include <QHash>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>

class Database;

// The rows of one query, visited in order. A recordset opened on a single table may also add and edit rows:
// AddNew starts a new row (its ID is readable at once), Edit the current one, and Update stores either.
class Recordset {
public:
    Recordset() = default;
    Recordset(Database* db, QVector<QSqlRecord> rows, QSqlRecord columns, QString table = {});

    bool Eof() const { return m_pos >= m_rows.size(); }
    bool Bof() const { return m_rows.isEmpty() || m_pos < 0; }
    void MoveNext();
    int RecordCount() const { return m_rows.size(); }

    // A column of the current row, by name ignoring case; the value being set while adding or editing.
    QVariant Field(const QString& name) const;
    QString Text(const QString& name) const;
    qint64 Id(const QString& name = QStringLiteral("ID")) const;
    void SetField(const QString& name, const QVariant& value);

    void AddNew();
    void Edit();
    void Update();
    void Close();

private:
    enum class Mode { Browse, Adding, Editing };
    int columnIndex(const QString& name) const;
    const QSqlRecord& current() const;

    Database* m_db = nullptr;
    QVector<QSqlRecord> m_rows;
    QSqlRecord m_columns;
    QString m_table;
    int m_pos = 0;
    Mode m_mode = Mode::Browse;
    QSqlRecord m_pending;
    QVector<bool> m_changed;
    mutable QHash<QString, int> m_columnIndexes; // by the name asked for: a big result asks thousands of times
};
