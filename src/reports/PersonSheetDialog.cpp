#include "PersonSheetDialog.h"

#include "PersonSheets.h"
#include "PrintLoop.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/Permissions.h"
#include "core/TypeAhead.h"
#include "members/PickLists.h"
#include "platform/Controls.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"
#include "shell/DialogKeys.h"

#include <QComboBox>
#include <QPushButton>

using Controls::make;

PersonSheetDialog::PersonSheetDialog(const QString& caption, const QString& label, const QString& permission,
                                     const QStringList& groups, QWidget* parent)
    : Screen(parent), m_permission(permission), m_groups(groups)
{
    setWindowTitle(caption);
    setRights({permission});
    Twips::setFixedClientSize(this, 5040, 1260);
    Label1 = Controls::rightLabel(this, label, 120, 270, 795);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmbProspect = make<QComboBox>(this, "cmbProspect", 1020, 240, 3900, 315);
    cmbProspect->setEditable(false);
    TypeAhead::install(cmbProspect);
    btnOK = make<QPushButton>(this, "btnOK", 2640, 720, 1095, 375);
    btnOK->setText(QStringLiteral("Ok"));
    btnCancel = make<QPushButton>(this, "btnCancel", 3825, 720, 1095, 375);
    btnCancel->setText(QStringLiteral("Cancel"));
    on(btnOK, &QPushButton::clicked, [this] { btnOK_Click(); });
    on(btnCancel, &QPushButton::clicked, [this] { btnCancel_Click(); });
    DialogKeys::install(this, btnOK, btnCancel);
}

void PersonSheetDialog::Form_Load()
{
    // Everybody, members, prospects, former and deleted members alike.
    PickLists::fillWithIds(cmbProspect,
                           QStringLiteral("SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || "
                                          "IFNULL(Middle_Name,'') || ' ' || IFNULL(Title,''), ID FROM Member "
                                          "ORDER BY Last_Name, First_Name, Middle_Name, ID"));
    for (int i = 0; i < m_groups.size(); ++i)
        cmbProspect->insertItem(i, m_groups.at(i));
    cmbProspect->setCurrentIndex(-1);
}

void PersonSheetDialog::btnOK_Click()
{
    if (!Refusal::check(m_permission, Refusal::kRunReport))
        return;
    if (cmbProspect->currentIndex() < 0) {
        Messages::show(QStringLiteral("You must select a Prospect."), QStringLiteral("Invalid Selection"));
        return;
    }
    runReport();
    Unload();
}

void PersonSheetDialog::btnCancel_Click()
{
    Unload();
}

frmProspectVisitationSheetReport::frmProspectVisitationSheetReport(QWidget* parent)
    : PersonSheetDialog(QStringLiteral("Prospect Contact Sheet"), QStringLiteral("Prospect"),
                        PermissionNames::kProspectVisitationSheetReport, {}, parent)
{
    setObjectName(QStringLiteral("frmProspectVisitationSheetReport"));
}

void frmProspectVisitationSheetReport::runReport()
{
    WaitCursor wait;
    Reports::PrintProspectVisitationSheetReport(IdList::currentId(cmbProspect).toLongLong(), true);
}

frmMemberInformationUpdateReport::frmMemberInformationUpdateReport(QWidget* parent)
    : PersonSheetDialog(QStringLiteral("Member Information Update Report"), QStringLiteral("Name"),
                        PermissionNames::kMemberInformationUpdateReport,
                        {PersonSheets::kAllHeads, PersonSheets::kAllMembers}, parent)
{
    setObjectName(QStringLiteral("frmMemberInformationUpdateReport"));
}

void frmMemberInformationUpdateReport::runReport()
{
    const QVariant chosen = IdList::currentId(cmbProspect);
    QList<qint64> ids;
    {
        WaitCursor wait;
        ids = chosen.isNull() ? PersonSheets::groupIds(cmbProspect->currentText()) : QList<qint64>{chosen.toLongLong()};
    }
    if (ids.isEmpty())
        return;
    // Thousands of sheets go to the printer in jobs of this many.
    constexpr int kSheetsPerJob = 50;
    Reports::printInJobs(PersonSheets::kUpdateTitle, {PermissionNames::kMemberInformationUpdateReport}, int(ids.size()),
                         kSheetsPerJob, [&ids](int i) {
                             return Reports::build(PersonSheets::kUpdateTitle,
                                                   [id = ids.at(i)] { return PersonSheets::updateSheet(id); });
                         });
}
