#include "CrashWrites.h"

#include "admin/frmValueEntry.h"
#include "core/MainMod.h"
#include "members/MemberDeletion.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "shell/ScreenRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <stdexcept>

using MainMod::MainDatabase;

namespace {

qint64 firstId(const QString& sql)
{
    const QVariant id = MainDatabase.scalar(sql);
    if (id.isNull())
        throw std::runtime_error("the church has nothing to work on: " + sql.toStdString());
    return id.toLongLong();
}

// The member with the longest history, stand-by member aside.
void deleteMember()
{
    MemberDeletion::deleteMember(firstId(QStringLiteral("SELECT MemberID FROM AttendanceData WHERE MemberID <> 1 GROUP "
                                                        "BY MemberID ORDER BY COUNT(*) DESC, MemberID LIMIT 1")));
}

// The attendance level most people have, taken off everyone and the list.
void deleteAttendanceLevel()
{
    const QString level = MainDatabase
                              .scalar(QStringLiteral("SELECT Worship_Service_Attendance_Level FROM Member "
                                                     "WHERE Worship_Service_Attendance_Level IS NOT NULL "
                                                     "GROUP BY 1 ORDER BY COUNT(*) DESC, 1 LIMIT 1"))
                              .toString();
    auto* screen = ScreenRegistry::load<frmValueEntry>();
    screen->txtAttendanceLevel->setText(level);
    screen->btnDeleteAttendanceLevel->click();
}

// Every phase of the plan renamed, so every prospect in one moves with it.
void rewriteOutreachPlan()
{
    auto* screen = ScreenRegistry::load<frmOutreachPhaseEntry>();
    QTableWidget* grid = screen->vsfgPhase;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QTableWidgetItem* name = grid->item(row, frmOutreachPhaseEntry::kName);
        name->setText(name->text() + QStringLiteral(" (renamed)"));
    }
    screen->btnSave->click();
}

} // namespace

namespace CrashWrites {

const std::vector<Write>& all()
{
    static const std::vector<Write> writes = {
        {"member delete", deleteMember},
        {"attendance level delete", deleteAttendanceLevel},
        {"outreach plan rewrite", rewriteOutreachPlan},
    };
    return writes;
}

} // namespace CrashWrites
