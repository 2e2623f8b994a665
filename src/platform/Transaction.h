#pragma once

class Database;

// All or nothing: rolls back what ran inside unless commit() was reached. Nests through savepoints.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    int m_depth;
    bool m_done = false;
};
