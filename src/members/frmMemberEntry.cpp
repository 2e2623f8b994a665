#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "PickLists.h"
#include "frmContributionEntry.h"

#include "core/MainMod.h"
#include "core/Permissions.h"
#include "core/TypeAhead.h"
#include "outreach/frmProspectContactEntry.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "platform/Messages.h"
#include "platform/PickAgain.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
// Those of its menu command: either will do.
const QStringList kRights{PermissionNames::kMemberView, PermissionNames::kMemberEntryEdit};
} // namespace

frmMemberEntry::frmMemberEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmMemberEntry"));
    setWindowTitle(QStringLiteral("Member/Prospect Entry/Edit"));
    // The navigators open this screen too, not only its menu command: it carries the command's rights itself.
    setRights(kRights);
    buildFrame();
    connectHandlers();
}

frmMemberEntry* frmMemberEntry::OpenFromAnotherScreen()
{
    if (!Refusal::checkAny(kRights, Refusal::kViewRecord))
        return nullptr;
    return ScreenRegistry::load<frmMemberEntry>();
}

void frmMemberEntry::connectHandlers()
{
    for (QComboBox* combo : {cmbCareGroup,       cmbChurchStatus,   cmbDiscAttend, cmbDiscClass,    cmbGender,
                             cmbMaritalStatus,   cmbMember,         cmbMemberAdd,  cmbMemberStatus, cmbProspectCGAssign,
                             cmbProspectSSClass, cmbProspectStatus, cmbSSAttend,   cmbSSClass,      cmbState,
                             cmbSundayEveAttend, cmbTitle,          cmbWedAttend,  cmbWedClass,     cmbWorshipAttend})
        TypeAhead::install(combo);

    addOptionalDate(chkDOB, dtDOB);
    addOptionalDate(chkAnnivDate, dtAnnivDate);
    addOptionalDate(chkMemberSince, dtMemberSince);
    addOptionalDate(chkCameForward, dtCameForward);
    addOptionalDate(chkBaptized, dtBaptized);
    addOptionalDate(chkLetterOut, dtLetterOut);
    addOptionalDate(chkDeceased, dtDeceased);
    // New sets every date afresh: one typed and not taken anywhere on the screen goes with the rest, unjudged.
    for (DateBox* date : findChildren<DateBox*>())
        date->setDroppedBy(btnNew);

    on(cmbMember, &QComboBox::currentIndexChanged, [this] { cmbMember_Click(); });
    // Picking the name shown shows that member again, setting aside what was typed since.
    on(PickAgain::watch(cmbMember), &PickAgain::picked, [this] { cmbMember_Click(); });
    on(cmbChurchStatus, &QComboBox::currentIndexChanged, [this] { cmbChurchStatus_Click(); });
    on(chkNewEmail, &QCheckBox::toggled, [this] { chkNewEmail_Click(); });
    on(btnNew, &QPushButton::clicked, [this] { btnNew_Click(); });
    on(btnSaveNew, &QPushButton::clicked, [this] { btnSaveNew_Click(); });
    on(btnSaveClose, &QPushButton::clicked, [this] { btnSaveClose_Click(); });
    on(btnDelete, &QPushButton::clicked, [this] { btnDelete_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
    on(btnLoadPic, &QPushButton::clicked, [this] { btnLoadPic_Click(); });
    on(btnAddFamMember, &QPushButton::clicked, [this] { btnAddFamMember_Click(); });
    on(btnRemoveFamMember, &QPushButton::clicked, [this] { btnRemoveFamMember_Click(); });
    on(btnCloneHOHAddress, &QPushButton::clicked, [this] { btnCloneHOHAddress_Click(); });
    on(btnAddResp, &QPushButton::clicked, [this] { btnAddResp_Click(); });
    on(btnRemoveResp, &QPushButton::clicked, [this] { btnRemoveResp_Click(); });
    on(btnAdd, &QPushButton::clicked, [this] { btnAdd_Click(); });
    on(btnRemove, &QPushButton::clicked, [this] { btnRemove_Click(); });
    on(btnAddAll, &QPushButton::clicked, [this] { btnAddAll_Click(); });
    on(btnRemoveAll, &QPushButton::clicked, [this] { btnRemoveAll_Click(); });
    txtEnv->installEventFilter(this);
    on(btnRefreshContributions, &QPushButton::clicked, [this] { btnRefreshContributions_Click(); });
    on(btnPrevMonth, &QPushButton::clicked, [this] { btnPrevMonth_Click(); });
    on(btnNextMonth, &QPushButton::clicked, [this] { btnNextMonth_Click(); });
    on(btnNewContact, &QPushButton::clicked, [this] { btnNewContact_Click(); });
    on(vsfgChurchResponsibilites, &ListGrid::rowPicked, [this] { vsfgChurchResponsibilites_SelectRow(); });
    on(vsfgFamilyMembers, &ListGrid::rowPicked, [this] { vsfgFamilyMembers_SelectRow(); });
    connect(vsfgFamilyMembers, &ListGrid::rowDoubleClicked, this,
            [this](int row) { Guard::run([this, row] { vsfgFamilyMembers_DblClick(row); }); });
    connect(vsfgMemberContributions, &ListGrid::rowDoubleClicked, this,
            [this](int row) { Guard::run([this, row] { vsfgMemberContributions_DblClick(row); }); });
    connect(vsfgProspectContacts, &ListGrid::rowDoubleClicked, this,
            [this](int row) { Guard::run([this, row] { vsfgProspectContacts_DblClick(row); }); });
}

void frmMemberEntry::addOptionalDate(QCheckBox* box, QDateEdit* picker)
{
    m_optionalDates.append({box, picker});
    // Unticked, the box keeps no date: one typed there and not taken is dropped, unjudged.
    if (auto* date = qobject_cast<DateBox*>(picker))
        date->setDroppedBy(box);
    picker->setEnabled(box->isChecked());
    on(box, &QCheckBox::toggled, [box, picker] { picker->setEnabled(box->isChecked()); });
}

void frmMemberEntry::Form_Load()
{
    WaitCursor wait;
    UserChanged();
    placeTopLeft();

    const QDate today = Clock::today();
    for (QDateEdit* picker : {dtDOB, dtAnnivDate, dtMemberSince, dtCameForward, dtBaptized, dtLetterOut, dtDeceased,
                              dtRespStart, dtRespEnd, dtNextContactDate, dtContributionEndDate})
        picker->setDate(today);
    dtContributionStartDate->setDate(QDate(today.year(), 1, 1));
    vsfgFamilyMembers->clear();
    vsfgChurchResponsibilites->clear();
    vsfgProspectContacts->clear();

    ReloadListValues();

    m_calendarMonth = today;
    DrawCalendars(m_calendarMonth);
    SSTab1->setCurrentIndex(0);
    DisableChurchFields();
    LoadContributions();

    txtCity->setText(MainMod::ChurchCity);
    PickLists::selectText(cmbState, MainMod::ChurchState);
    txtZip->setText(MainMod::ChurchZip);
}

void frmMemberEntry::UserChanged()
{
    SSTab1->setTabVisible(kContributionsTab, MainMod::HasPermission(PermissionNames::kMemberContributions));
}

void frmMemberEntry::btnExit_Click()
{
    Unload();
}

void frmMemberEntry::cmbChurchStatus_Click()
{
    if (cmbChurchStatus->currentText() == QLatin1String("Active"))
        EnableChurchFields();
    else
        DisableChurchFields();
}

void frmMemberEntry::EnableChurchFields()
{
    SetChurchFieldsEnabled(true);
}

void frmMemberEntry::DisableChurchFields()
{
    SetChurchFieldsEnabled(false);
}

void frmMemberEntry::SetChurchFieldsEnabled(bool enabled)
{
    // The date pickers switch together with their boxes, whatever the boxes hold.
    const QList<QWidget*> fields{dtMemberSince, chkMemberSince, txtPreviousChurch, dtCameForward, chkCameForward,
                                 dtBaptized,    chkBaptized,    dtLetterOut,       chkLetterOut,  dtDeceased,
                                 chkDeceased,   cmbSSAttend,    cmbWorshipAttend,  cmbDiscAttend, cmbSundayEveAttend,
                                 cmbWedAttend,  cmbSSClass,     cmbCareGroup,      cmbDiscClass,  cmbWedClass};
    for (QWidget* field : fields)
        field->setEnabled(enabled);
}

void frmMemberEntry::chkNewEmail_Click()
{
    if (txtEmail->text().isEmpty() && chkNewEmail->isChecked()) {
        Messages::show(QStringLiteral("You cannot select Newsletter Via E-Mail unless the member has an E-Mail "
                                      "address entered on the Contact tab."),
                       QStringLiteral("No E-Mail Address"));
        chkNewEmail->setChecked(false);
    }
}

void frmMemberEntry::vsfgMemberContributions_DblClick(int row)
{
    // The tab was shown for the rights held then; a gift opens only with the right held now.
    if (!Refusal::check(PermissionNames::kMemberContributions, Refusal::kViewScreen))
        return;
    if (row < 0)
        return;
    const qint64 id = vsfgMemberContributions->value(row, 0).toLongLong();
    if (frmContributionEntry* entry = ScreenRegistry::load<frmContributionEntry>())
        entry->LoadContribution(id);
}

void frmMemberEntry::vsfgProspectContacts_DblClick(int row)
{
    // The right is asked first, so the header answers a user without it too.
    if (!Refusal::check(PermissionNames::kProspectContactEntryEdit, Refusal::kEditRecord))
        return;
    if (row < 0)
        return;
    if (auto* contact = ScreenRegistry::load<frmProspectContactEntry>())
        contact->LoadContact(vsfgProspectContacts->value(row, 0).toLongLong());
}

void frmMemberEntry::btnNewContact_Click()
{
    if (!Refusal::check(PermissionNames::kProspectContactEntryEdit, Refusal::kViewRecord))
        return;
    // A contact needs the person's ID: a record not saved yet is saved first, under the right that Save asks; when
    // that fails its message was shown.
    if (MemberId() == 0 && (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kSaveRecord) || !SaveMember()))
        return;
    // The date and action as shown, saved or not.
    if (auto* contact = ScreenRegistry::load<frmProspectContactEntry>())
        contact->PresetFromMember(MemberId(), dtNextContactDate->date(), cmbNextContactAction->currentText());
}
