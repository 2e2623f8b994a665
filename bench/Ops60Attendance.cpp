// Attendance: listing and saving a whole week on attendance entry, a year's missed search on the attendance
// navigator, and the count report of a thousand people over a year.

#include "Bench.h"

#include "core/MainMod.h"
#include "reports/Reports.h"
#include "reports/Viewer.h"
#include "search/AttendanceWeeks.h"
#include "search/frmAttendanceEntry.h"
#include "search/frmAttendanceNavigator.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

namespace {

using Bench::Kind;

// The latest week with attendance: the one the office enters and looks back from.
QDate latestWeek()
{
    static QDate week;
    if (!week.isValid())
        week = QDate::fromString(
            MainMod::MainDatabase.scalar(QStringLiteral("SELECT MAX(WeekOf) FROM AttendanceData")).toString(),
            Qt::ISODate);
    if (!week.isValid())
        throw Bench::Failure(QStringLiteral("nobody has attendance"));
    return week;
}

// A year of weeks up to the latest.
QDate yearBefore()
{
    return latestWeek().addDays(-7 * 51);
}

template <class T> T* screen(const QString& command, const char* screenClass)
{
    if (!ScreenRegistry::find<T>())
        Bench::openFromMenu(command, screenClass);
    return ScreenRegistry::find<T>();
}

frmAttendanceEntry* entry()
{
    return screen<frmAttendanceEntry>(QStringLiteral("AttendanceEntry"), "frmAttendanceEntry");
}

frmAttendanceNavigator* navigator()
{
    return screen<frmAttendanceNavigator>(QStringLiteral("AttendanceNavigator"), "frmAttendanceNavigator");
}

void findWeek()
{
    frmAttendanceEntry* s = entry();
    s->dtWeekOf->setDate(latestWeek().addDays(3));
    s->btnFind->click();
    QApplication::processEvents();
    if (s->vsfgMembers->dataRows() == 0)
        throw Bench::Failure(QStringLiteral("the week listed %1 people").arg(s->vsfgMembers->dataRows()));
}

const QString kWeekRows = QStringLiteral(
    "SELECT Member.ID, Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.Title, Member.Status, "
    "Member.Member_Active_Status, AttendanceData.* FROM Member LEFT JOIN AttendanceData ON "
    "AttendanceData.MemberID = Member.ID AND AttendanceData.WeekOf = ? WHERE Member.Member_Active_Status IS NOT NULL "
    "AND Member.Member_Active_Status <> 'InActive' COLLATE BINARY ORDER BY Member.Last_Name, Member.First_Name, "
    "Member.Middle_Name, Member.ID");

const QString kMissedRows = QStringLiteral(
    "SELECT Member.ID, Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.Title, Member.Status, "
    "Member.Member_Active_Status FROM Member WHERE Member.ID NOT IN (SELECT MemberID FROM AttendanceData WHERE "
    "WeekOf >= ? AND WeekOf <= ? AND SS <> 0 GROUP BY MemberID HAVING COUNT(*) >= ?) ORDER BY Member.Last_Name, "
    "Member.First_Name, Member.Middle_Name, Member.ID");

// A thousand people (on a large church) who came in the latest week, by name.
QList<qint64> thousandPeople()
{
    static QList<qint64> ids;
    if (ids.isEmpty()) {
        MainMod::MainDatabase.forEachRow(
            QStringLiteral("SELECT Member.ID FROM Member WHERE Member.ID IN (SELECT MemberID FROM AttendanceData WHERE "
                           "WeekOf = ?) ORDER BY Last_Name, First_Name, ID LIMIT 1000"),
            {latestWeek()}, [](const QSqlQuery& query) { ids << query.value(0).toLongLong(); });
    }
    if (ids.isEmpty())
        throw Bench::Failure(QStringLiteral("nobody came"));
    return ids;
}

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Find a week on Attendance Entry (every active person)"),
        .kind = Kind::Rows,
        .budgetMs = 150,
        .setUp = [] { entry(); },
        .run = findWeek,
        .raw = [] { Bench::fetchAll(kWeekRows, {latestWeek()}); },
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Save a week on Attendance Entry (every person's marks changed)"),
        .kind = Kind::Absolute,
        .budgetMs = 300,
        // The worst week: Worship Service turned over for everyone listed, so every person's row is written
        // (inserted, changed or removed).
        .setUp =
            [] {
                findWeek();
                NavigatorModel* model = entry()->vsfgMembers->navigatorModel();
                for (int r = 0; r < model->rowCount(); ++r) {
                    const QModelIndex cell = model->index(r, 3);
                    model->setData(cell,
                                   cell.data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                                   Qt::CheckStateRole);
                }
                Bench::context().messages.clear();
            },
        .run =
            [] {
                entry()->btnSave->click();
                QApplication::processEvents();
                if (!Bench::context().messages.isEmpty())
                    throw Bench::Failure(Bench::context().messages.join(QStringLiteral(" / ")));
            },
        .raw = {},
        .tearDown = [] { Bench::closeScreens(); },
    });
    Bench::add({
        .name = QStringLiteral("Missed 2 or more of a year on the attendance navigator"),
        .kind = Kind::Rows,
        .budgetMs = 200,
        .setUp =
            [] {
                frmAttendanceNavigator* s = navigator();
                s->txtMissed->setText(QStringLiteral("2"));
                s->cmbClass->setCurrentIndex(0);
                s->dtStart->setDate(yearBefore());
                s->dtEnd->setDate(latestWeek());
            },
        .run =
            [] {
                frmAttendanceNavigator* s = navigator();
                s->btnFind->click();
                QApplication::processEvents();
                if (s->vsfgMembers->dataRows() == 0)
                    throw Bench::Failure(QStringLiteral("nobody missed two weeks"));
            },
        .raw =
            [] {
                const int weeks = AttendanceWeeks::weeksIn(yearBefore(), latestWeek());
                Bench::fetchAll(kMissedRows, {yearBefore(), latestWeek(), weeks - 2 + 1});
            },
        .tearDown = [] { Bench::closeScreens(); },
    });
    Bench::add({
        .name = QStringLiteral("Preview the attendance count of 1,000 people over a year"),
        .kind = Kind::Absolute,
        .budgetMs = 2000,
        .setUp = [] { thousandPeople(); },
        .run =
            [] {
                Reports::PrintAttendanceNavigatorCountReport(thousandPeople(), yearBefore(), latestWeek(),
                                                             AttendanceWeeks::weeksIn(yearBefore(), latestWeek()),
                                                             true);
                QApplication::processEvents();
                const Viewer* viewer = ScreenRegistry::find<Viewer>();
                if (!viewer || viewer->document()->pageCount() < 1)
                    throw Bench::Failure(QStringLiteral("the report was not previewed"));
            },
        .raw = {},
        .tearDown = [] { Bench::closeScreens(); },
    });
    return true;
}();

} // namespace
