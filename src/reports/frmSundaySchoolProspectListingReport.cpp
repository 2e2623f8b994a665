#include "frmSundaySchoolProspectListingReport.h"

#include "PrintLoop.h"
#include "Reports.h"
#include "SundaySchoolProspectListing.h"

#include "core/MainMod.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/IdList.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"
#include "shell/DialogKeys.h"

#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <functional>

using Controls::make;

namespace {

QListWidget* tickList(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* list = make<QListWidget>(parent, name, left, top, width, height);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

QListWidgetItem* tickable(QListWidgetItem* item)
{
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* b = make<QPushButton>(parent, name, left, top, 1215, 375);
    b->setText(caption);
    return b;
}

} // namespace

frmSundaySchoolProspectListingReport::frmSundaySchoolProspectListingReport(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmSundaySchoolProspectListingReport"));
    setWindowTitle(QStringLiteral("Sunday School Prospect Listing Report"));
    setRights({PermissionNames::kSundaySchoolProspectListing});
    Twips::setFixedClientSize(this, 8280, 4320);

    Label2 = Controls::label(this, QStringLiteral("Sunday School Class List"), 120, 120, 3600);
    lstSSClass = tickList(this, "lstSSClass", 120, 400, 3600, 3000);
    btnSelectAll = button(this, "btnSelectAll", QStringLiteral("Select All"), 120, 3520);
    btnSelectNone = button(this, "btnSelectNone", QStringLiteral("Select None"), 1440, 3520);
    Label1 = Controls::label(this, QStringLiteral("Print Prospect Sheet for Next Action Occruring Between:"), 3960, 120,
                             4200, 480, Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    dtStart = Controls::datePicker(this, "dtStart", 3960, 640, 1575);
    Controls::label(this, QStringLiteral("and"), 5595, 640, 420, 285, Qt::AlignCenter);
    dtEnd = Controls::datePicker(this, "dtEnd", 6075, 640, 1575);
    Label3 = Controls::label(this, QStringLiteral("Print Prospect Sheet for Next Action Being:"), 3960, 1100, 4200);
    lstAction = tickList(this, "lstAction", 3960, 1400, 4200, 2000);
    btnOK = button(this, "btnOK", QStringLiteral("Ok"), 5640, 3520);
    btnCancel = button(this, "btnCancel", QStringLiteral("Cancel"), 6945, 3520);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));

    on(btnOK, &QPushButton::clicked, [this] { btnOK_Click(); });
    on(btnCancel, &QPushButton::clicked, [this] { btnCancel_Click(); });
    on(btnSelectAll, &QPushButton::clicked, [this] { btnSelectAll_Click(); });
    on(btnSelectNone, &QPushButton::clicked, [this] { btnSelectNone_Click(); });
    DialogKeys::install(this, btnOK, btnCancel);
}

void frmSundaySchoolProspectListingReport::Form_Load()
{
    lstSSClass->clear();
    MainMod::MainDatabase.forEachRow(QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name, ID"), {},
                                     [this](const QSqlQuery& classes) {
                                         IdList::add(lstSSClass, classes.value(0).toString(), classes.value(1));
                                         tickable(lstSSClass->item(lstSSClass->count() - 1));
                                     });
    lstAction->clear();
    MainMod::MainDatabase.forEachRow(
        QStringLiteral("SELECT Action FROM Prospect_Action ORDER BY Action"), {},
        [this](const QSqlQuery& actions) { tickable(new QListWidgetItem(actions.value(0).toString(), lstAction)); });
    dtStart->setDate(Clock::today());
    dtEnd->setDate(Clock::today());
}

void frmSundaySchoolProspectListingReport::tickAll(bool ticked)
{
    for (int i = 0; i < lstSSClass->count(); ++i)
        lstSSClass->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void frmSundaySchoolProspectListingReport::btnSelectAll_Click()
{
    tickAll(true);
}

void frmSundaySchoolProspectListingReport::btnSelectNone_Click()
{
    tickAll(false);
}

void frmSundaySchoolProspectListingReport::btnCancel_Click()
{
    Unload();
}

void frmSundaySchoolProspectListingReport::btnOK_Click()
{
    QStringList actions;
    for (int i = 0; i < lstAction->count(); ++i)
        if (lstAction->item(i)->checkState() == Qt::Checked)
            actions << lstAction->item(i)->text();
    // What is to print, in order: each class's listing (when it has prospects), then its sheets.
    QList<std::function<bool()>> jobs;
    {
        WaitCursor wait;
        for (int i = 0; i < lstSSClass->count(); ++i) {
            if (lstSSClass->item(i)->checkState() != Qt::Checked)
                continue;
            const qint64 classId = IdList::id(lstSSClass, i).toLongLong();
            if (SundaySchoolProspectListing::hasProspects(classId))
                jobs << [classId] { return Reports::PrintSundaySchoolProspectListingReport(classId, false); };
            for (qint64 id : SundaySchoolProspectListing::sheetIds(classId, dtStart->date(), dtEnd->date(), actions))
                jobs << [id] { return Reports::PrintProspectVisitationSheetReport(id, false); };
        }
    }
    if (!jobs.isEmpty())
        Reports::printEach(QStringLiteral("Sunday School Prospect Listing"), int(jobs.size()),
                           [&jobs](int i) { return jobs.at(i)(); });
    Unload();
}
