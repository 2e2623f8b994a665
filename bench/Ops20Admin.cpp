// The administration screens, and a value-list delete whose cascade touches thousands of members.

#include "Bench.h"

#include "admin/frmValueEntry.h"
#include "core/MainMod.h"
#include "shell/ScreenRegistry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using Bench::Kind;

const QString kPeople = QStringLiteral("SELECT First_Name, Middle_Name, Last_Name, ID FROM Member "
                                       "ORDER BY Last_Name, First_Name, Middle_Name, ID");

// Opening a screen from its menu command; the raw side fetches the rows the screen lists.
Bench::Operation screen(const QString& name, Kind kind, const QString& command, const char* screenClass,
                        const QStringList& rows)
{
    return {
        .name = name,
        .kind = kind,
        .budgetMs = 100,
        .setUp = [] { Bench::closeScreens(); },
        .run = [command, screenClass] { Bench::openFromMenu(command, screenClass); },
        .raw = rows.isEmpty() ? std::function<void()>() : [rows] {
            for (const QString& sql : rows)
                Bench::fetchAll(sql);
        },
        .tearDown = [] { Bench::closeScreens(); },
    };
}

QStringList classScreenRows(const char* table)
{
    return {QStringLiteral("SELECT ID, Name FROM \"%1\" ORDER BY Name, ID").arg(QLatin1String(table)), kPeople};
}

const bool screens = [] {
    Bench::add(screen(
        QStringLiteral("Open Church Information"), Kind::Absolute, QStringLiteral("CompanyInfo"), "frmChurchInfo",
        {QStringLiteral("SELECT State FROM State ORDER BY State"), QStringLiteral("SELECT * FROM Church LIMIT 1")}));
    Bench::add(screen(
        QStringLiteral("Open User Entry (every member)"), Kind::Rows, QStringLiteral("UserEntry"), "frmUserEntry",
        {QStringLiteral("SELECT First_Name, Middle_Name, Last_Name, ID FROM Member WHERE Status = 'Member' "
                        "ORDER BY Last_Name, First_Name, Middle_Name"),
         QStringLiteral("SELECT Name FROM UserType ORDER BY Name"),
         QStringLiteral("SELECT ID, Name FROM Permission ORDER BY Name")}));
    Bench::add(screen(QStringLiteral("Open Sunday School Class Entry"), Kind::Rows, QStringLiteral("SSClassEntry"),
                      "frmSSClassEntry", classScreenRows("Sunday_School")));
    Bench::add(screen(QStringLiteral("Open Discipleship Training Class Entry"), Kind::Rows,
                      QStringLiteral("DTClassEntry"), "frmDTClassEntry", classScreenRows("Discipleship_Training")));
    Bench::add(screen(QStringLiteral("Open Wednesday Night Class Entry"), Kind::Rows, QStringLiteral("WedClassEntry"),
                      "frmWedClassEntry", classScreenRows("Wednesday_Night")));
    Bench::add(screen(QStringLiteral("Open Care Group Entry"), Kind::Rows, QStringLiteral("CGEntry"), "frmCGClassEntry",
                      {QStringLiteral("SELECT Last_Name, First_Name, Care_Group.ID AS ID FROM Care_Group "
                                      "LEFT JOIN Member ON Care_Group.Group_Leader = Member.ID "
                                      "ORDER BY Last_Name, First_Name, Care_Group.ID"),
                       kPeople, QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name, ID")}));
    Bench::add(screen(QStringLiteral("Open Church Responsibility Entry"), Kind::Absolute,
                      QStringLiteral("ChurchResponsibilityEntry"), "frmResponsibilityEntry",
                      {QStringLiteral("SELECT Name FROM Responsibilities ORDER BY Name")}));
    Bench::add(screen(QStringLiteral("Open Defined Values"), Kind::Absolute, QStringLiteral("DefinedValues"),
                      "frmValueEntry", {}));
    return true;
}();

// Deleting the attendance level "Regular" clears it from five columns of every member who has it. Each run
// starts from the same rows: the levels are kept aside once and put back before every run.
const QString kLevel = QStringLiteral("Regular");
const char* const kLevelColumns[] = {"Sunday_School_Attendance_Level", "Worship_Service_Attendance_Level",
                                     "Discipleship_Training_Attendance_Level",
                                     "Sunday_Evening_Service_Attendance_Level", "Wednesday_Night_Attendance_Level"};

void restoreLevels()
{
    Database& db = MainMod::MainDatabase;
    QStringList columns, restore;
    for (const char* column : kLevelColumns) {
        columns << QString::fromLatin1(column);
        restore << QStringLiteral("%1 = kept.%1").arg(QLatin1String(column));
    }
    db.execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS bench_levels AS SELECT ID, %1 FROM Member")
                   .arg(columns.join(QStringLiteral(", "))));
    db.execute(QStringLiteral("UPDATE Member SET %1 FROM temp.bench_levels AS kept WHERE kept.ID = Member.ID")
                   .arg(restore.join(QStringLiteral(", "))));
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM AttendanceLevels WHERE Levels = ?"), {kLevel}).toInt() == 0)
        db.execute(QStringLiteral("INSERT INTO AttendanceLevels (Levels) VALUES (?)"), {kLevel});
}

frmValueEntry* valueScreen()
{
    return ScreenRegistry::find<frmValueEntry>();
}

const bool valueDelete = Bench::add({
    .name = QStringLiteral("Delete an attendance level in use"),
    .kind = Kind::Absolute,
    .budgetMs = 100,
    .setUp =
        [] {
            Bench::closeScreens();
            restoreLevels();
            Bench::openFromMenu(QStringLiteral("DefinedValues"), "frmValueEntry");
            auto* list = valueScreen()->findChild<QListWidget*>(QStringLiteral("lstAttendanceLevel"));
            const auto found = list->findItems(kLevel, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (found.isEmpty())
                throw Bench::Failure(QStringLiteral("the level \"%1\" is not listed").arg(kLevel));
            list->setCurrentItem(found.first());
            Bench::context().messages.clear();
        },
    .run =
        [] {
            valueScreen()->findChild<QPushButton*>(QStringLiteral("btnDeleteAttendanceLevel"))->click();
            if (Bench::context().messages.size() != 1 ||
                MainMod::MainDatabase
                        .scalar(QStringLiteral("SELECT COUNT(*) FROM AttendanceLevels WHERE Levels = ?"), {kLevel})
                        .toInt() != 0)
                throw Bench::Failure(QStringLiteral("the level was not deleted"));
        },
    // The same cascade, statement by statement, in one transaction.
    .raw =
        [] {
            Database& db = MainMod::MainDatabase;
            db.execute(QStringLiteral("BEGIN"));
            for (const char* column : kLevelColumns)
                db.execute(QStringLiteral("UPDATE Member SET %1 = NULL WHERE %1 = ? COLLATE BINARY")
                               .arg(QLatin1String(column)),
                           {kLevel});
            db.execute(QStringLiteral("DELETE FROM AttendanceLevels WHERE Levels = ? COLLATE BINARY"), {kLevel});
            db.execute(QStringLiteral("COMMIT"));
        },
    .tearDown = [] { Bench::closeScreens(); },
});

} // namespace
