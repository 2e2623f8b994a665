#include "Transaction.h"
#include "Database.h"

Transaction::Transaction(Database& db) : m_db(db), m_depth(db.savepointDepth() + 1)
{
    m_db.execute(QStringLiteral("SAVEPOINT kov_%1").arg(m_depth));
    m_db.setSavepointDepth(m_depth);
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    try {
        m_db.execute(QStringLiteral("ROLLBACK TO kov_%1").arg(m_depth));
        m_db.execute(QStringLiteral("RELEASE kov_%1").arg(m_depth));
    } catch (const DbError&) {
        // Nothing sensible is left to do while unwinding; SQLite drops the savepoint with the connection.
    }
    m_db.setSavepointDepth(m_depth - 1);
}

void Transaction::commit()
{
    m_db.execute(QStringLiteral("RELEASE kov_%1").arg(m_depth));
    m_db.setSavepointDepth(m_depth - 1);
    m_done = true;
}
