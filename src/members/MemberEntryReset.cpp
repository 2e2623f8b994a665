// The empty new-record state of the member screen, and the New button that starts a record.
#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "PickLists.h"

#include "core/MainMod.h"
#include "platform/Clock.h"
#include "platform/EntryBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

void frmMemberEntry::ClearForm()
{
    // Each change goes through its control, so the lists' and boxes' own handlers run as for a user's change.
    const QList<QComboBox*> picks{
        cmbMemberStatus, cmbState,         cmbTitle,      cmbGender,          cmbMaritalStatus,     cmbChurchStatus,
        cmbSSAttend,     cmbWorshipAttend, cmbDiscAttend, cmbSundayEveAttend, cmbWedAttend,         cmbSSClass,
        cmbCareGroup,    cmbDiscClass,     cmbWedClass,   cmbProspectStatus,  cmbProspectSSClass,   cmbProspectCGAssign,
        cmbMemberAdd,    cmbRelationship,  cmbResp,       cmbDeacon,          cmbNextContactAction, cmbNextPhase};
    for (QComboBox* combo : picks)
        combo->setCurrentIndex(-1);
    txtNextType->clear();

    const QDate today = Clock::today();
    for (QDateEdit* picker : {dtDOB, dtAnnivDate, dtMemberSince, dtCameForward, dtBaptized, dtLetterOut, dtDeceased,
                              dtRespStart, dtRespEnd, dtNextContactDate})
        picker->setDate(today);

    vsfgFamilyMembers->clear();
    m_familyListsRelatives = false;
    vsfgChurchResponsibilites->clear();
    vsfgProspectContacts->clear();

    m_memberId = 0;
    for (QLineEdit* box : {txtMemberID, txtFName, txtMName, txtLName, txtAddress1, txtAddress2, txtCity, txtZip})
        box->clear();
    for (PhoneEdit* phone : {txtHomePhone, txtCell, txtWorkPhone})
        phone->setValue(QString());
    for (QLineEdit* box : {txtEmail, txtPlaceofWork, txtOccupation, txtMapSection, txtHobbies, txtOrganizations})
        box->clear();
    txtNotes->clear();
    for (QLineEdit* box : {txtPreviousChurch, txtProspectSource})
        box->clear();
    txtProspectNotes->clear();
    txtProspectMemberOf->clear();
    txtFileType->clear();
    m_picture = QImage();
    imgPic->clear();

    for (QCheckBox* box : {chkDOB, chkAnnivDate, chkHOH, chkMemberSince, chkCameForward, chkBaptized, chkLetterOut,
                           chkDeceased, chkNewMail, chkNewEmail})
        box->setChecked(false);
    txtEnv->clear();
    m_warnedEnvelope.clear();
    chkShowInContributionsList->setChecked(false);
    ResetContributionFilter();
    LoadContributions();

    // A new record starts from nothing of the person shown before: no stamps, no organizations, no marks, and
    // the church fields off even when the status list was already empty.
    txtAdded->clear();
    txtEdited->clear();
    lstMemberOrganizations->clear();
    FillAllOrganizations();
    DrawCalendars(m_calendarMonth);
    DisableChurchFields();
    for (const auto& [box, picker] : std::as_const(m_optionalDates))
        picker->setEnabled(box->isChecked());
    m_shownNextStep = NextStepShown();
}

void frmMemberEntry::btnNew_Click()
{
    ClearForm();
    cmbMember->setCurrentIndex(-1);
    SSTab1->setCurrentIndex(0);
    txtCity->setText(MainMod::ChurchCity);
    PickLists::selectText(cmbState, MainMod::ChurchState);
    txtZip->setText(MainMod::ChurchZip);
    cmbMemberStatus->setFocus();
}
