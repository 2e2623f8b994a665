#include "Transaction.h"
#include "Database.h"

#include <QScopeGuard>

Transaction::Transaction(Database& db, Lock lock)
    : m_db(db), m_depth(db.savepointDepth() + 1), m_immediate(lock == Lock::Immediate && m_depth == 1)
{
    m_db.execute(m_immediate ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT kov_%1").arg(m_depth));
    m_db.setSavepointDepth(m_depth);
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isOpen())
        return;
    try {
        rollback();
    } catch (const DbError&) {
        // Nothing sensible is left to do while unwinding; SQLite drops the savepoint with the connection.
    }
}

void Transaction::rollback()
{
    if (m_done)
        return;
    m_done = true;
    // The depth goes back even when the rollback fails: SQLite ends a transaction it cannot roll back itself.
    const auto restoreDepth = qScopeGuard([this] { m_db.setSavepointDepth(m_depth - 1); });
    if (m_immediate) {
        m_db.execute(QStringLiteral("ROLLBACK"));
    } else {
        m_db.execute(QStringLiteral("ROLLBACK TO kov_%1").arg(m_depth));
        m_db.execute(QStringLiteral("RELEASE kov_%1").arg(m_depth));
    }
}

void Transaction::commit()
{
    m_db.execute(m_immediate ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE kov_%1").arg(m_depth));
    m_db.setSavepointDepth(m_depth - 1);
    m_done = true;
}
