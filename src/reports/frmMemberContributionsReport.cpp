#include "frmMemberContributionsReport.h"

#include "Reports.h"

#include "members/PickLists.h"
#include "platform/Controls.h"
#include "platform/IdList.h"

#include <QComboBox>

namespace {
const QString kAll = QStringLiteral("***All***");
}

frmMemberContributionsReport::frmMemberContributionsReport(QWidget* parent)
    : DateRangeDialog(QStringLiteral("Member Contributions Report"), 660, parent)
{
    setObjectName(QStringLiteral("frmMemberContributionsReport"));
    Label3 = Controls::rightLabel(this, QStringLiteral("Name"), 120, 240, 495);
    Label3->setObjectName(QStringLiteral("Label3"));
    cmbMember = Controls::make<QComboBox>(this, "cmbMember", 720, 225, 3570, 315);
    setTabOrder(cmbMember, dtStartDate);
}

void frmMemberContributionsReport::Form_Load()
{
    DateRangeDialog::Form_Load();
    PickLists::fillWithIds(cmbMember,
                           QStringLiteral("SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || "
                                          "IFNULL(Middle_Name,'') || ' ' || IFNULL(Title,''), ID FROM Member "
                                          "ORDER BY Last_Name, First_Name, Middle_Name, ID"));
    cmbMember->insertItem(0, kAll, Reports::kAllMembers);
    cmbMember->setCurrentIndex(0);
}

void frmMemberContributionsReport::runReport(const QDate& fromDate, const QDate& toDate)
{
    const QVariant member = IdList::currentId(cmbMember);
    Reports::PrintMemberContributionsReport(member.isNull() ? Reports::kAllMembers : member.toLongLong(), fromDate,
                                            toDate);
}
