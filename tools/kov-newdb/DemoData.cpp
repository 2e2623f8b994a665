#include "DemoData.h"

#include "platform/Database.h"

namespace DemoData {

qint64 fill(Database& db)
{
    db.execute(QStringLiteral("INSERT INTO Member (Status, First_Name, Middle_Name, Last_Name, Member_Active_Status) "
                              "VALUES ('Member', 'Administrator', '', 'Office', 'Active')"));
    return db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

} // namespace DemoData
