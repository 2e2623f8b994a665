#include "NewDatabase.h"
#include "DemoData.h"
#include "BigChurch.h"

#include "core/MainMod.h"
#include "core/Passwords.h"
#include "platform/Clock.h"
#include "platform/Transaction.h"
#include "schema/Schema.h"

#include <QFile>

namespace NewDatabase {

void create(Database& db, const QString& path, const Options& options)
{
    const QString userName = options.userName.trimmed();
    Schema::createDatabase(db, path, MainMod::DatabasePassword);
    try {
        Transaction transaction(db);
        qint64 adminId = 0;
        if (options.big.people > 0) {
            adminId = BigChurch::fill(db, options.big, userName, options.password);
        } else if (options.demo) {
            adminId = DemoData::fill(db);
        } else {
            Recordset rs = db.openTable(QStringLiteral("Member"), QStringLiteral("0"));
            rs.AddNew();
            adminId = rs.Id();
            rs.SetField(QStringLiteral("Status"), QStringLiteral("Member"));
            rs.SetField(QStringLiteral("First_Name"), QStringLiteral("Administrator"));
            rs.SetField(QStringLiteral("Middle_Name"), QString());
            rs.SetField(QStringLiteral("Last_Name"), QStringLiteral("Office"));
            rs.SetField(QStringLiteral("Member_Active_Status"), QStringLiteral("Active"));
            rs.SetField(QStringLiteral("Prospect_Active_Status"), QStringLiteral("InActive"));
            rs.SetField(QStringLiteral("Date_Added"), Clock::now());
            rs.SetField(QStringLiteral("Added_By"), userName);
            rs.Update();
            rs.Close();
        }
        Recordset user = db.openTable(QStringLiteral("User"), QStringLiteral("0"));
        user.AddNew();
        user.SetField(QStringLiteral("Member_ID"), adminId);
        user.SetField(QStringLiteral("DateEntered"), Clock::today());
        user.SetField(QStringLiteral("Type"), QStringLiteral("Admin"));
        user.SetField(QStringLiteral("Username"), userName);
        user.SetField(QStringLiteral("Password"), Passwords::hash(options.password));
        user.SetField(QStringLiteral("Inactive"), false);
        user.Update();
        user.Close();
        transaction.commit();
    } catch (...) {
        db.close();
        QFile::remove(path);
        throw;
    }
}

} // namespace NewDatabase
