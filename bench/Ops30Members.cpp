// The member screen: opening it with every person listed, showing a member with years of attendance and gifts,
// and New.

#include "Bench.h"

#include "core/MainMod.h"
#include "members/MemberDeletion.h"
#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

namespace {

using Bench::Kind;

const QString kNames = QStringLiteral(
    "SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || IFNULL(Middle_Name,'') || ' ' || "
    "IFNULL(Title,''), ID, Head_Of_Household FROM Member ORDER BY Last_Name, First_Name, Middle_Name, ID");

// The member screen, opened from its menu command when it is not open yet.
frmMemberEntry* memberScreen()
{
    if (auto* open = ScreenRegistry::find<frmMemberEntry>())
        return open;
    Bench::openFromMenu(QStringLiteral("MemberEntry"), "frmMemberEntry");
    return ScreenRegistry::find<frmMemberEntry>();
}

// The person with the most weeks of attendance: the heaviest one to show.
qint64 busiestMember()
{
    static qint64 id = 0;
    if (id == 0)
        id = MainMod::MainDatabase
                 .scalar(QStringLiteral("SELECT MemberID FROM AttendanceData GROUP BY MemberID "
                                        "ORDER BY COUNT(*) DESC, MemberID LIMIT 1"))
                 .toLongLong();
    if (id == 0)
        throw Bench::Failure(QStringLiteral("nobody has attendance"));
    return id;
}

// People with ten years of records, the busiest first; each delete run takes the next one.
qint64 nextToDelete()
{
    static QList<qint64> queue;
    if (queue.isEmpty()) {
        MainMod::MainDatabase.forEachRow(
            QStringLiteral("SELECT MemberID FROM AttendanceData WHERE MemberID > 1 GROUP BY MemberID "
                           "ORDER BY COUNT(*) DESC, MemberID LIMIT 200"),
            {}, [](const QSqlQuery& query) { queue << query.value(0).toLongLong(); });
        queue.removeAll(busiestMember());
    }
    if (queue.isEmpty())
        throw Bench::Failure(QStringLiteral("nobody left to delete"));
    return queue.takeFirst();
}

qint64 memberRows(qint64 id)
{
    return MainMod::MainDatabase
        .scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM Member WHERE ID = ?) + "
                               "(SELECT COUNT(*) FROM AttendanceData WHERE MemberID = ?)"),
                {id, id})
        .toLongLong();
}

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Open Member/Prospect Entry (every person)"),
        .kind = Kind::Rows,
        .budgetMs = 100,
        .setUp = [] { Bench::closeScreens(); },
        .run = [] { memberScreen(); },
        .raw = [] { Bench::fetchAll(kNames); },
        .tearDown = [] { Bench::closeScreens(); },
    });
    Bench::add({
        .name = QStringLiteral("Show a member (ten years of records)"),
        .kind = Kind::Absolute,
        .budgetMs = 100,
        .setUp = [] { memberScreen()->btnNew->click(); },
        .run =
            [] {
                const qint64 id = busiestMember();
                memberScreen()->LoadMember(id);
                QApplication::processEvents();
                if (memberScreen()->MemberId() != id)
                    throw Bench::Failure(QStringLiteral("member %1 was not shown").arg(id));
            },
        // The member's row and the rows its tabs list.
        .raw =
            [] {
                const qint64 id = busiestMember();
                const QDate today = QDate::currentDate();
                const QDate month(today.year(), today.month(), 1);
                Bench::fetchAll(QStringLiteral("SELECT * FROM Member WHERE ID = ?"), {id});
                Bench::fetchAll(QStringLiteral("SELECT * FROM Family_Connection LEFT JOIN Member ON "
                                               "Family_Connection.Relative_Member_ID = Member.ID "
                                               "WHERE Family_Connection.Member_ID = ?"),
                                {id});
                Bench::fetchAll(QStringLiteral("SELECT * FROM Member_Responsibility WHERE Member_ID = ?"), {id});
                Bench::fetchAll(QStringLiteral("SELECT * FROM Prospect_Contact WHERE Prospect_ID = ?"), {id});
                Bench::fetchAll(QStringLiteral("SELECT * FROM Member_Organizations WHERE MemberID = ?"), {id});
                Bench::fetchAll(QStringLiteral("SELECT * FROM Member_Contributions WHERE MemberID = ? AND "
                                               "ContributionDate >= ? AND ContributionDate < ?"),
                                {id, QDate(today.year(), 1, 1), today.addDays(1)});
                Bench::fetchAll(QStringLiteral("SELECT * FROM AttendanceData WHERE MemberID = ? AND WeekOf >= ? "
                                               "AND WeekOf < ?"),
                                {id, month, month.addMonths(1)});
            },
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("New on the member screen"),
        .kind = Kind::Absolute,
        .budgetMs = 100,
        .setUp = [] { memberScreen()->LoadMember(busiestMember()); },
        .run =
            [] {
                memberScreen()->btnNew->click();
                QApplication::processEvents();
                if (memberScreen()->MemberId() != 0 || !memberScreen()->txtFName->text().isEmpty())
                    throw Bench::Failure(QStringLiteral("New left the member on the screen"));
            },
        .raw = {},
        .tearDown = [] { Bench::closeScreens(); },
    });
    Bench::add({
        .name = QStringLiteral("Save an existing member"),
        .kind = Kind::Absolute,
        .budgetMs = 100,
        .setUp =
            [] {
                memberScreen()->LoadMember(busiestMember());
                Bench::context().messages.clear();
            },
        .run =
            [] {
                memberScreen()->btnSaveNew->click();
                QApplication::processEvents();
                if (!Bench::context().messages.isEmpty())
                    throw Bench::Failure(QStringLiteral("Save showed \"%1\"")
                                             .arg(Bench::context().messages.join(QStringLiteral(" / "))));
            },
        .raw = {},
        .tearDown = {},
    });
    // Each run deletes another person with ten years of attendance and gifts, answering the question Yes.
    static qint64 doomed = 0;
    Bench::add({
        .name = QStringLiteral("Delete a member with ten years of records"),
        .kind = Kind::Absolute,
        .budgetMs = 200,
        .setUp =
            [] {
                doomed = nextToDelete();
                memberScreen()->LoadMember(doomed);
                Bench::context().messages.clear();
            },
        .run =
            [] {
                memberScreen()->btnDelete->click();
                QApplication::processEvents();
                if (memberRows(doomed) != 0)
                    throw Bench::Failure(QStringLiteral("member %1 was not deleted").arg(doomed));
            },
        // The cascade alone, on another person.
        .raw = [] { MemberDeletion::deleteMember(nextToDelete()); },
        .tearDown = [] { Bench::closeScreens(); },
    });
    return true;
}();

} // namespace
