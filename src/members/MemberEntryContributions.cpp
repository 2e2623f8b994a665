// Tab "Contributions": the member's gifts between two dates, for one designation or all, with their total.
#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "MemberEntryControls.h"
#include "PickLists.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/Clock.h"
#include "platform/EntryBoxes.h"
#include "platform/SqlValue.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using Controls::make;
using Controls::rightLabel;
using MainMod::MainDatabase;

namespace {
const QString kAllDesignations = QStringLiteral("***All***");
}

void frmMemberEntry::buildContributionsTab(QWidget* tab)
{
    rightLabel(tab, QStringLiteral("Envelope No."), 120, 240, 1215);
    txtEnv = make<QLineEdit>(tab, "txtEnv", 1440, 240, 1335, 285);
    SelectAllOnFocus::install(txtEnv);
    chkShowInContributionsList = make<QCheckBox>(tab, "chkShowInContributionsList", 3000, 255, 3255, 255);
    chkShowInContributionsList->setText(QStringLiteral("Show in Contribution Entry List"));

    rightLabel(tab, QStringLiteral("Designation"), 120, 720, 1215);
    cmbContributionDesignation = MemberEntryControls::pick(tab, "cmbContributionDesignation", 1440, 705, 2655);
    dtContributionStartDate = MemberEntryControls::date(tab, "dtContributionStartDate", 4320, 720);
    Controls::label(tab, QStringLiteral("to"), 5880, 720, 255, 285, Qt::AlignCenter);
    dtContributionEndDate = MemberEntryControls::date(tab, "dtContributionEndDate", 6240, 720);
    btnRefreshContributions = make<QPushButton>(tab, "btnRefreshContributions", 7920, 675, 1095, 375);
    btnRefreshContributions->setText(QStringLiteral("Refresh"));

    vsfgMemberContributions = make<ListGrid>(tab, "vsfgMemberContributions", 120, 1200, 11055, 4440);
    rightLabel(tab, QStringLiteral("Total"), 7920, 5760, 1215);
    txtContributionTotal = make<QLineEdit>(tab, "txtContributionTotal", 9240, 5760, 1935, 285);
    txtContributionTotal->setReadOnly(true);
    txtContributionTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void frmMemberEntry::ResetContributionFilter()
{
    const QDate today = Clock::today();
    dtContributionStartDate->setDate(QDate(today.year(), 1, 1));
    dtContributionEndDate->setDate(today);
    PickLists::selectText(cmbContributionDesignation, kAllDesignations);
}

void frmMemberEntry::RefreshContributions()
{
    ResetContributionFilter();
    LoadContributions();
}

void frmMemberEntry::btnRefreshContributions_Click()
{
    LoadContributions();
}

void frmMemberEntry::LoadContributions()
{
    if (m_memberId == 0) {
        vsfgMemberContributions->clear();
        txtContributionTotal->setText(Format::money(0));
        return;
    }
    // Both bounds belong to the range: the end is taken up to the start of the next day.
    QString sql = QStringLiteral("SELECT ID, ContributionDate, EnvelopeNumber, Amount, RefNumber, Designation, "
                                 "UserName, DateEntered FROM Member_Contributions WHERE MemberID = ? AND "
                                 "ContributionDate >= ? AND ContributionDate < ?");
    SqlParams params{m_memberId, dtContributionStartDate->date(), dtContributionEndDate->date().addDays(1)};
    const QString designation = cmbContributionDesignation->currentText();
    if (designation != kAllDesignations) {
        sql += QStringLiteral(" AND Designation = ?");
        params << designation;
    }
    sql += QStringLiteral(" ORDER BY ContributionDate DESC");

    qint64 totalCents = 0;
    QList<QVariantList> rows;
    Recordset rs = MainDatabase.openRecordset(sql, params);
    for (; !rs.Eof(); rs.MoveNext()) {
        const QVariant amount = rs.Field(QStringLiteral("Amount"));
        bool numeric = false;
        const double value = amount.toDouble(&numeric);
        numeric = numeric && !amount.isNull();
        if (numeric)
            totalCents += Format::cents(value);
        const QDate given = SqlValue::toDate(rs.Field(QStringLiteral("ContributionDate")));
        const QDateTime entered = SqlValue::toDateTime(rs.Field(QStringLiteral("DateEntered")));
        rows.append({rs.Field(QStringLiteral("ID")), given.isValid() ? QVariant(given) : QVariant(),
                     rs.Field(QStringLiteral("EnvelopeNumber")), numeric ? QVariant(Format::moneyCell(value)) : amount,
                     rs.Field(QStringLiteral("RefNumber")), rs.Field(QStringLiteral("Designation")),
                     rs.Field(QStringLiteral("UserName")), entered.isValid() ? QVariant(entered) : QVariant()});
    }
    rs.Close();
    vsfgMemberContributions->fill({QStringLiteral("ID"), QStringLiteral("Date"), QStringLiteral("Env. No."),
                                   QStringLiteral("Amount"), QStringLiteral("Ref. No."), QStringLiteral("Designation"),
                                   QStringLiteral("User"), QStringLiteral("Date/Time")},
                                  std::move(rows));
    txtContributionTotal->setText(Format::money(double(totalCents) / 100.0));
}
