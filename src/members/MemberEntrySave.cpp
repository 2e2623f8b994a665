// Saving a member: the required fields, the row with its stamps, the organizations and the picture in one
// transaction; the save buttons; and the envelope-number warning.
#include "frmMemberEntry.h"

#include "MemberPicture.h"
#include "PickLists.h"
#include "search/MemberNavigatorLink.h"

#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/Permissions.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "platform/EntryBoxes.h"
#include "platform/FocusLoan.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "schema/PermissionNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

using MainMod::MainDatabase;

namespace {

QVariant optionalDate(const QCheckBox* box, const QDateEdit* picker)
{
    return box->isChecked() ? QVariant(picker->date()) : QVariant();
}

} // namespace

bool frmMemberEntry::SaveMember()
{
    // A failed save leaves the screen on the record it showed before, new or not.
    const qint64 shown = m_memberId;
    // A date still being typed is taken first; one that does not exist stops the save.
    if (!DateBox::acceptAllTyped(this))
        return false;
    bool saved = false;
    Guard::run([this, &saved] { saved = WriteMember(); });
    if (!saved && m_memberId != shown) {
        m_memberId = shown;
        txtMemberID->setText(shown ? QString::number(shown) : QString());
    }
    return saved;
}

bool frmMemberEntry::RequiredFieldsFilled()
{
    for (const QString& text : {cmbMemberStatus->currentText(), txtLName->text(), txtFName->text(),
                                cmbChurchStatus->currentText(), cmbProspectStatus->currentText()})
        if (text.isEmpty()) {
            Messages::show(QStringLiteral("All fields in blue are required."), QStringLiteral("Required Fields"));
            return false;
        }
    return true;
}

bool frmMemberEntry::WriteMember()
{
    // The envelope number was checked when its box was left: a number in use only warns, and is saved.
    if (!RequiredFieldsFilled())
        return false;

    // The member and the deacon chosen are read under the lock that writes the row, so neither can go between.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    const QVariant shown = m_memberId != 0 ? QVariant(m_memberId) : QVariant();
    if (!MemberCheck::stillExist(transaction, {shown, IdList::currentId(cmbDeacon)}))
        return false;
    Recordset rs;
    if (m_memberId != 0) {
        rs = MainDatabase.openTable(QStringLiteral("Member"), QStringLiteral("ID = ?"), {m_memberId});
        rs.Edit();
        rs.SetField(QStringLiteral("Date_Edited"), Clock::now());
        rs.SetField(QStringLiteral("Edited_By"), MainMod::CurrentUsername);
    } else {
        rs = MainDatabase.openTable(QStringLiteral("Member"), QStringLiteral("0"));
        rs.AddNew();
        rs.SetField(QStringLiteral("Date_Added"), Clock::now());
        rs.SetField(QStringLiteral("Added_By"), MainMod::CurrentUsername);
    }
    m_memberId = rs.Id();
    txtMemberID->setText(QString::number(m_memberId));

    const auto set = [&rs](const char* column, const QVariant& value) {
        rs.SetField(QString::fromLatin1(column), value);
    };
    set("Status", cmbMemberStatus->currentText());
    set("First_Name", txtFName->text());
    set("Middle_Name", txtMName->text());
    set("Last_Name", txtLName->text());
    set("Title", cmbTitle->currentText());
    set("Address_1", txtAddress1->text());
    set("Address_2", txtAddress2->text());
    set("City", txtCity->text());
    set("State", cmbState->currentText());
    set("Zip", txtZip->text());
    set("Phone", txtHomePhone->value());
    set("Cell", txtCell->value());
    set("Work_Phone", txtWorkPhone->value());
    set("Email", txtEmail->text());
    // Only a newly chosen picture is written; otherwise the stored one stays.
    const QString pictureName = txtFileType->text().isEmpty()
                                    ? QString()
                                    : QString::number(m_memberId) + QLatin1Char('.') + txtFileType->text();
    if (!pictureName.isEmpty())
        set("Picture", pictureName);
    set("Place_Of_Work", txtPlaceofWork->text());
    set("Occupation", txtOccupation->text());
    set("Date_Of_Birth", optionalDate(chkDOB, dtDOB));
    set("Gender", cmbGender->currentText());
    set("Marital_Status", cmbMaritalStatus->currentText());
    set("Anniversary_Date", optionalDate(chkAnnivDate, dtAnnivDate));
    set("Head_Of_Household", chkHOH->isChecked());
    set("Map_Section", txtMapSection->text());
    set("Hobbies", txtHobbies->text());
    set("Organizations", txtOrganizations->text());
    set("Notes", txtNotes->toPlainText());
    set("Member_Active_Status", cmbChurchStatus->currentText());
    set("Member_Since", optionalDate(chkMemberSince, dtMemberSince));
    set("Previous_Church", txtPreviousChurch->text());
    set("Came_Forward", optionalDate(chkCameForward, dtCameForward));
    set("Baptized", optionalDate(chkBaptized, dtBaptized));
    set("Letter_Out", optionalDate(chkLetterOut, dtLetterOut));
    set("Deceased_Date", optionalDate(chkDeceased, dtDeceased));
    set("Receive_Newsletter_Via_Mail", chkNewMail->isChecked());
    set("Receive_Newsletter_Via_EMail", chkNewEmail->isChecked());
    set("Sunday_School_Attendance_Level", cmbSSAttend->currentText());
    set("Worship_Service_Attendance_Level", cmbWorshipAttend->currentText());
    set("Discipleship_Training_Attendance_Level", cmbDiscAttend->currentText());
    set("Sunday_Evening_Service_Attendance_Level", cmbSundayEveAttend->currentText());
    set("Wednesday_Night_Attendance_Level", cmbWedAttend->currentText());
    set("Sunday_School_Class", IdList::currentId(cmbSSClass));
    set("Care_Group_Assigned", IdList::currentId(cmbCareGroup));
    set("Discipleship_Training_Class", IdList::currentId(cmbDiscClass));
    set("Wednesday_Night_Class", IdList::currentId(cmbWedClass));
    set("DeaconID", IdList::currentId(cmbDeacon));
    set("Prospect_Active_Status", cmbProspectStatus->currentText());
    set("Prospect_Source", txtProspectSource->text());
    set("Prospect_Sunday_School_Class_Assigned", IdList::currentId(cmbProspectSSClass));
    set("Prospect_Care_Group_Assigned", IdList::currentId(cmbProspectCGAssign));
    set("Prospect_Note", txtProspectNotes->toPlainText());
    set("Prospect_Member_Of", txtProspectMemberOf->text());
    // The next step is kept whole or not at all, and written only when the user changed it: a phase or action
    // no longer listed shows empty, and would otherwise wipe the stored plan at a save made for another reason.
    if (NextStepShown() != m_shownNextStep) {
        const bool nextStep = !cmbNextPhase->currentText().isEmpty() && !cmbNextContactAction->currentText().isEmpty();
        set("Prospect_Phase", nextStep ? QVariant(cmbNextPhase->currentText()) : QVariant());
        set("Prospect_Next_Contact_Date", nextStep ? QVariant(dtNextContactDate->date()) : QVariant());
        set("Prospect_Next_Contact_Action", nextStep ? QVariant(cmbNextContactAction->currentText()) : QVariant());
        set("Prospect_Next_Contact_Type", nextStep ? QVariant(txtNextType->text()) : QVariant());
    }
    set("Envelope", txtEnv->text());
    set("ShowInContributionList", chkShowInContributionsList->isChecked());
    rs.Update();
    rs.Close();

    // The member's organizations are exactly the list on the screen, selected or not.
    MainDatabase.execute(QStringLiteral("DELETE FROM Member_Organizations WHERE MemberID = ?"), {m_memberId});
    for (int i = lstMemberOrganizations->count() - 1; i >= 0; --i)
        MainDatabase.execute(QStringLiteral("INSERT INTO Member_Organizations (MemberID, Organization) VALUES (?, ?)"),
                             {m_memberId, lstMemberOrganizations->item(i)->text()});

    // The file last: when it cannot be written, the rows go back too. It replaces the one there only once the rows
    // are stored, so a commit that fails (another program holding the database) leaves the old picture.
    QSaveFile pictureFile(MemberPicture::path(pictureName));
    if (!pictureName.isEmpty() && !MemberPicture::save(m_picture, pictureFile)) {
        transaction.rollback();
        Messages::show(QStringLiteral("The picture could not be saved as \"%1\". The member was not saved.")
                           .arg(MemberPicture::path(pictureName)),
                       QStringLiteral("Picture Not Saved"), Messages::Icon::Exclamation);
        return false;
    }
    transaction.commit();
    m_shownNextStep = NextStepShown();
    if (!pictureName.isEmpty() && !pictureFile.commit())
        Messages::show(
            QStringLiteral("The picture could not be saved as \"%1\".").arg(MemberPicture::path(pictureName)),
            QStringLiteral("Picture Not Saved"), Messages::Icon::Exclamation);
    return true;
}

void frmMemberEntry::ReloadNameLists()
{
    const PickLists::Choice relative = PickLists::choice(cmbMemberAdd);
    FillNameLists(true);
    PickLists::restore(cmbMemberAdd, relative);
    const QSignalBlocker block(cmbMember);
    IdList::select(cmbMember, m_memberId ? QVariant(m_memberId) : QVariant());
}

void frmMemberEntry::btnSaveNew_Click()
{
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kSaveRecord))
        return;
    if (!SaveMember())
        return;
    // The relatives' list too, so a person just added can be linked at once.
    ReloadNameLists();
    MemberNavigatorLink::loadSearchValues();
    cmbMember->setFocus();
}

void frmMemberEntry::btnSaveClose_Click()
{
    if (!Refusal::check(PermissionNames::kMemberEntryEdit, Refusal::kSaveRecord))
        return;
    if (!SaveMember())
        return;
    MemberNavigatorLink::loadSearchValues();
    Unload();
}

bool frmMemberEntry::WarnOfEnvelopeInUse()
{
    const QString envelope = txtEnv->text();
    if (envelope.isEmpty() || envelope == m_warnedEnvelope)
        return false;
    // A record not saved yet (ID 0) is compared with every member.
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT First_Name, Last_Name FROM Member WHERE "
                                                             "Envelope = ? AND ID <> ? ORDER BY ID LIMIT 1"),
                                              {envelope, m_memberId});
    if (rs.Eof())
        return false;
    const QString holder =
        rs.Text(QStringLiteral("First_Name")) + QLatin1Char(' ') + rs.Text(QStringLiteral("Last_Name"));
    rs.Close();
    m_warnedEnvelope = envelope;
    // The message box takes the focus away again; that loss must not ask twice.
    const bool wasChecking = m_checkingEnvelope;
    m_checkingEnvelope = true;
    Messages::show(QStringLiteral("A Member is already assigned this envelope: ") + holder +
                       QStringLiteral(". Two members cannot have the same envelope number."),
                   QStringLiteral("Envelope Number In Use"), Messages::Icon::Exclamation);
    m_checkingEnvelope = wasChecking;
    return true;
}

void frmMemberEntry::txtEnv_LostFocus()
{
    if (WarnOfEnvelopeInUse())
        txtEnv->setFocus();
}

bool frmMemberEntry::eventFilter(QObject* watched, QEvent* event)
{
    // Only a real leaving checks the number: not another program, a menu, the menu bar or a message box.
    if (watched == txtEnv && event->type() == QEvent::FocusOut && !m_checkingEnvelope && isVisible() &&
        FocusLoan::leaves(txtEnv, static_cast<QFocusEvent*>(event)))
        Guard::run([this] { txtEnv_LostFocus(); });
    return Screen::eventFilter(watched, event);
}
