#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh Kov database in a temporary folder, opened as MainMod::MainDatabase, for one test case.
// The clock is fixed at 2026-12-07 10:00:00 while it lives.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Adds a member row and returns its ID.
    static qint64 addMember(const QString& last, const QString& first, const QString& status = QStringLiteral("Member"));
    // Adds a log-in account for a member.
    static void addUser(qint64 memberId, const QString& userName, const QString& password,
                        const QString& type = QStringLiteral("User"), bool inactive = false);
    // Grants a permission by name.
    static void grant(qint64 memberId, const QString& permission);

private:
    QTemporaryDir m_dir;
    QString m_path;
};
