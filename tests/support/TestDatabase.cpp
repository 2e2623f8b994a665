#include "TestDatabase.h"

#include "core/MainMod.h"
#include "core/Passwords.h"
#include "platform/Clock.h"
#include "schema/Schema.h"

TestDatabase::TestDatabase()
{
    Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)));
    m_path = m_dir.filePath(QStringLiteral("test.db"));
    MainMod::MainDatabase.close();
    Schema::createDatabase(MainMod::MainDatabase, m_path, MainMod::DatabasePassword);
    MainMod::DatabasePath = m_path;
    MainMod::CurrentUserID = 0;
    MainMod::CurrentUsername.clear();
    MainMod::CurrentUserType.clear();
    MainMod::KeyPressDelay = 0;
}

TestDatabase::~TestDatabase()
{
    MainMod::MainDatabase.close();
    Clock::useRealClock();
}

qint64 TestDatabase::addMember(const QString& last, const QString& first, const QString& status)
{
    MainMod::MainDatabase.execute(
        QStringLiteral("INSERT INTO Member (Status, First_Name, Middle_Name, Last_Name, Member_Active_Status, "
                       "Prospect_Active_Status) VALUES (?, ?, '', ?, 'Active', 'Active')"),
        {status, first, last});
    return MainMod::MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

void TestDatabase::addUser(qint64 memberId, const QString& userName, const QString& password, const QString& type,
                           bool inactive)
{
    MainMod::MainDatabase.execute(
        QStringLiteral("INSERT INTO User (Member_ID, DateEntered, Type, Username, Password, Inactive) "
                       "VALUES (?, '2026-01-01', ?, ?, ?, ?)"),
        {memberId, type, userName, Passwords::hash(password), inactive});
}

void TestDatabase::grant(qint64 memberId, const QString& permission)
{
    MainMod::MainDatabase.execute(
        QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) SELECT ?, ID FROM Permission WHERE Name = ?"),
        {memberId, permission});
}
