#pragma once

class Database;

// All or nothing: rolls back what ran inside unless commit() was reached. Nests through savepoints.
class Transaction {
public:
    // Deferred takes the write lock at the first write. Immediate takes it at once, so that what is read inside
    // cannot change before it is written back; inside another transaction it is an ordinary savepoint.
    enum class Lock { Deferred, Immediate };

    explicit Transaction(Database& db, Lock lock = Lock::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();
    // Undoes what ran inside now, so a message about it never waits with the register locked.
    void rollback();

private:
    Database& m_db;
    int m_depth;
    bool m_immediate;
    bool m_done = false;
};
