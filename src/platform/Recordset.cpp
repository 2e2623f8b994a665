#include "Recordset.h"
#include "Database.h"
#include "SqlValue.h"

#include <QSqlField>
#include <QStringList>

namespace {
const QString kRowId = QStringLiteral("kov_rowid");
}

Recordset::Recordset(Database* db, QVector<QSqlRecord> rows, QSqlRecord columns, QString table)
    : m_db(db), m_rows(std::move(rows)), m_columns(std::move(columns)), m_table(std::move(table))
{
}

void Recordset::MoveNext()
{
    if (Eof())
        throw DbError(QStringLiteral("MoveNext"), QStringLiteral("There is no current row."));
    ++m_pos;
}

int Recordset::columnIndex(const QString& name) const
{
    if (const auto known = m_columnIndexes.constFind(name); known != m_columnIndexes.constEnd())
        return *known;
    const int index = m_columns.indexOf(name); // QSqlRecord ignores letter case here
    if (index < 0)
        throw DbError(name, QStringLiteral("The result has no column named \"%1\".").arg(name));
    m_columnIndexes.insert(name, index);
    return index;
}

const QSqlRecord& Recordset::current() const
{
    if (Eof())
        throw DbError(QStringLiteral("Fields"), QStringLiteral("There is no current row."));
    return m_rows.at(m_pos);
}

QVariant Recordset::Field(const QString& name) const
{
    const int index = columnIndex(name);
    if (m_mode != Mode::Browse)
        return m_pending.value(index);
    return current().value(index);
}

QString Recordset::Text(const QString& name) const
{
    return SqlValue::toText(Field(name));
}

qint64 Recordset::Id(const QString& name) const
{
    return Field(name).toLongLong();
}

void Recordset::SetField(const QString& name, const QVariant& value)
{
    if (m_mode == Mode::Browse)
        throw DbError(name, QStringLiteral("A column was set without AddNew or Edit."));
    const int index = columnIndex(name);
    m_pending.setValue(index, value);
    m_changed[index] = true;
}

void Recordset::AddNew()
{
    if (m_table.isEmpty())
        throw DbError(QStringLiteral("AddNew"), QStringLiteral("This result cannot add rows."));
    m_pending = m_columns;
    m_pending.clearValues();
    for (int i = 0; i < m_pending.count(); ++i)
        m_pending.setNull(i);
    m_changed = QVector<bool>(m_pending.count(), false);
    m_mode = Mode::Adding;
    if (m_db->tableHasAutoId(m_table)) {
        const int idIndex = columnIndex(QStringLiteral("ID"));
        m_pending.setValue(idIndex, m_db->nextAutoId(m_table));
        m_changed[idIndex] = true;
    }
}

void Recordset::Edit()
{
    if (m_table.isEmpty())
        throw DbError(QStringLiteral("Edit"), QStringLiteral("This result cannot be edited."));
    m_pending = current();
    m_changed = QVector<bool>(m_pending.count(), false);
    m_mode = Mode::Editing;
}

void Recordset::Update()
{
    if (m_mode == Mode::Browse)
        throw DbError(QStringLiteral("Update"), QStringLiteral("Update without AddNew or Edit."));
    QStringList names;
    SqlParams values;
    const int rowIdIndex = m_pending.indexOf(kRowId);
    for (int i = 0; i < m_pending.count(); ++i) {
        if (!m_changed.at(i) || i == rowIdIndex)
            continue;
        names << QLatin1Char('"') + m_pending.fieldName(i) + QLatin1Char('"');
        values << m_pending.value(i);
    }
    if (m_mode == Mode::Adding) {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(m_table);
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                      .arg(m_table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        m_db->execute(sql, values);
        // Read the stored row back, so defaults the database filled in (Yes/No columns) read as stored.
        Recordset stored = m_db->openTable(m_table, QStringLiteral("rowid = last_insert_rowid()"));
        if (!stored.Eof())
            m_pending = stored.m_rows.first();
        m_rows.push_back(m_pending);
        m_pos = m_rows.size() - 1;
    } else if (!names.isEmpty()) {
        for (QString& name : names)
            name += QStringLiteral(" = ?");
        values << m_pending.value(rowIdIndex);
        m_db->execute(QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?").arg(m_table, names.join(QLatin1Char(','))),
                      values);
        m_rows[m_pos] = m_pending;
    }
    m_mode = Mode::Browse;
}

void Recordset::Close()
{
    m_rows.clear();
    m_pos = 0;
    m_mode = Mode::Browse;
}
