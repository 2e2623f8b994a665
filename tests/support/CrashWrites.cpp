#include "CrashWrites.h"

#include "admin/frmValueEntry.h"
#include "core/MainMod.h"
#include "members/MemberDeletion.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "search/NavigatorGrid.h"
#include "search/frmAttendanceEntry.h"
#include "shell/ScreenRegistry.h"

#include <QDateEdit>
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

// The latest week of attendance with Worship Service turned over for everyone listed, so every person's row is
// written: inserted, changed or removed.
void saveAttendanceWeek()
{
    const QDate week = MainDatabase.scalar(QStringLiteral("SELECT MAX(WeekOf) FROM AttendanceData")).toDate();
    auto* screen = ScreenRegistry::load<frmAttendanceEntry>();
    screen->dtWeekOf->setDate(week);
    screen->btnFind->click();
    NavigatorModel* model = screen->vsfgMembers->navigatorModel();
    if (model->rowCount() == 0)
        throw std::runtime_error("the week lists nobody");
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex cell = model->index(row, 3);
        model->setData(cell, cell.data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                       Qt::CheckStateRole);
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
        {"attendance week save", saveAttendanceWeek},
    };
    return writes;
}

} // namespace CrashWrites
