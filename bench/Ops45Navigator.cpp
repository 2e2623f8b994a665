// The member navigator: finding everybody, a typical find, and the member list of everybody previewed.

#include "Bench.h"

#include "core/MainMod.h"
#include "reports/Reports.h"
#include "search/NavigatorGrid.h"
#include "search/frmMemberNavigator.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Bench::Kind;

// The navigator's own statement with no criterion.
const QString kEverybody = QStringLiteral(
    "SELECT Member.ID, IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || IFNULL(Middle_Name,'') || ' ' "
    "|| IFNULL(Title,''), Status, Phone, Cell, Work_Phone, Email, IFNULL(Address_1,'') || ', ' || "
    "IFNULL(Address_2,'') || ', ' || IFNULL(City,'') || ', ' || IFNULL(State,'') || ' ' || IFNULL(Zip,''), "
    "Date_Of_Birth, Anniversary_Date, Member_Active_Status, Prospect_Active_Status FROM Member "
    "ORDER BY Last_Name, First_Name, Middle_Name, Member.ID");

frmMemberNavigator* navigator()
{
    if (auto* open = ScreenRegistry::find<frmMemberNavigator>())
        return open;
    Bench::openFromMenu(QStringLiteral("MemberNavigator"), "frmMemberNavigator");
    return ScreenRegistry::find<frmMemberNavigator>();
}

int people()
{
    return MainMod::MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();
}

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Member Navigator: find everybody"),
        .kind = Kind::Rows,
        .budgetMs = 150,
        .setUp = [] { navigator()->btnClear->click(); },
        .run =
            [] {
                navigator()->btnFind->click();
                QApplication::processEvents();
                if (navigator()->vsfgMembers->dataRows() != people())
                    throw Bench::Failure(QStringLiteral("the grid does not hold everybody"));
            },
        .raw = [] { Bench::fetchAll(kEverybody); },
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Member Navigator: a name part and a status"),
        .kind = Kind::Absolute,
        .budgetMs = 50,
        .setUp =
            [] {
                frmMemberNavigator* s = navigator();
                s->btnClear->click();
                s->txtName->setText(QStringLiteral("son"));
                s->cmbStatus->setCurrentIndex(s->cmbStatus->findText(QStringLiteral("Member")));
            },
        .run =
            [] {
                navigator()->btnFind->click();
                QApplication::processEvents();
                if (navigator()->vsfgMembers->dataRows() == 0)
                    throw Bench::Failure(QStringLiteral("nobody found"));
            },
        .raw = {},
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Member list of everybody, first page shown"),
        .kind = Kind::Absolute,
        .budgetMs = 2000,
        .setUp =
            [] {
                frmMemberNavigator* s = navigator();
                s->btnClear->click();
                s->btnFind->click();
            },
        .run =
            [] {
                Reports::PrintMemberNavigatorReport(navigator()->vsfgMembers->ids(), true);
                QApplication::processEvents();
                if (!ScreenRegistry::isOpen(QStringLiteral("Viewer")) || !Bench::context().messages.isEmpty())
                    throw Bench::Failure(QStringLiteral("the list was not shown"));
            },
        .raw = {},
        .tearDown = [] { Bench::closeScreens(); },
    });
    return true;
}();

} // namespace
