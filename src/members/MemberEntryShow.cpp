// Showing a member: the row into every control, the enabling rules, then the lists of that member.
#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "PickLists.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/Clock.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

using MainMod::MainDatabase;

namespace {

// Neither Null nor empty text.
bool present(const QVariant& value)
{
    return !value.isNull() && !value.toString().isEmpty();
}

void showPick(QComboBox* combo, const QVariant& value)
{
    if (present(value))
        PickLists::selectText(combo, value.toString());
}

void showReference(QComboBox* combo, const QVariant& id)
{
    if (!id.isNull())
        IdList::select(combo, id.toLongLong());
}

// The picker takes the date before its box is ticked; an absent date leaves the box clear and the picker off.
void showDate(QCheckBox* box, QDateEdit* picker, const QVariant& value)
{
    const QDate date = present(value) ? SqlValue::toDate(value) : QDate();
    if (date.isValid()) {
        picker->setDate(date);
        box->setChecked(true);
    } else {
        box->setChecked(false);
        picker->setEnabled(false);
    }
}

// When, then " - ", then who; a Null part adds nothing.
QString stampText(const QVariant& when, const QVariant& who)
{
    const QString stored = SqlValue::toText(when);
    const QString moment = stored.size() > 10 ? Format::dateTimeText(SqlValue::toDateTime(when))
                                              : Format::dateText(SqlValue::toDate(when));
    return moment + QStringLiteral(" - ") + SqlValue::toText(who);
}

} // namespace

void frmMemberEntry::LoadMember(qint64 memberId)
{
    // Chosen quietly and shown once, so a rule's message during the showing comes once.
    const auto choose = [this, memberId] {
        const QSignalBlocker block(cmbMember);
        IdList::select(cmbMember, memberId);
        return cmbMember->currentIndex() >= 0;
    };
    // A person added elsewhere since the names were read: read them again.
    if (!choose()) {
        ReloadNames();
        choose();
    }
    ShowMember();
}

void frmMemberEntry::cmbMember_Click()
{
    if (!cmbMember->currentText().isEmpty())
        ShowMember();
}

void frmMemberEntry::ShowMember()
{
    const QVariant id = IdList::currentId(cmbMember);
    ClearForm();
    if (id.isNull())
        return;
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Member WHERE ID = ?"), {id});
    // A person deleted since the names were read leaves the screen cleared.
    if (rs.Eof())
        return;
    ShowRow(rs);
    rs.Close();

    ResetContributionFilter();
    LoadContributions();
    LoadFamilyMembers();
    LoadResponsibilities();
    LoadProspectContacts();
    DrawCalendars(m_calendarMonth);
    ShowAttendanceMarks(m_calendarMonth);
    LoadMemberOrganizations();
}

void frmMemberEntry::ShowRow(const Recordset& rs)
{
    const auto field = [&rs](const char* column) { return rs.Field(QString::fromLatin1(column)); };
    const auto text = [&rs](const char* column) { return rs.Text(QString::fromLatin1(column)); };

    m_memberId = rs.Id();
    txtMemberID->setText(QString::number(m_memberId));
    showPick(cmbMemberStatus, field("Status"));
    txtFName->setText(text("First_Name"));
    txtMName->setText(text("Middle_Name"));
    txtLName->setText(text("Last_Name"));
    showPick(cmbTitle, field("Title"));
    txtAddress1->setText(text("Address_1"));
    txtAddress2->setText(text("Address_2"));
    txtCity->setText(text("City"));
    showPick(cmbState, field("State"));
    txtZip->setText(text("Zip"));
    txtHomePhone->setValue(text("Phone"));
    txtCell->setValue(text("Cell"));
    txtWorkPhone->setValue(text("Work_Phone"));
    txtEmail->setText(text("Email"));
    ShowPicture(text("Picture"));
    txtPlaceofWork->setText(text("Place_Of_Work"));
    txtOccupation->setText(text("Occupation"));
    showDate(chkDOB, dtDOB, field("Date_Of_Birth"));
    showPick(cmbGender, field("Gender"));
    showPick(cmbMaritalStatus, field("Marital_Status"));
    showDate(chkAnnivDate, dtAnnivDate, field("Anniversary_Date"));
    chkHOH->setChecked(SqlValue::toBool(field("Head_Of_Household")));
    txtMapSection->setText(text("Map_Section"));
    txtHobbies->setText(text("Hobbies"));
    txtOrganizations->setText(text("Organizations"));
    txtNotes->setPlainText(text("Notes"));
    txtAdded->setText(stampText(field("Date_Added"), field("Added_By")));
    txtEdited->setText(stampText(field("Date_Edited"), field("Edited_By")));

    // The status switches the church fields; the church dates come after it, so their pickers follow their boxes.
    showPick(cmbChurchStatus, field("Member_Active_Status"));
    showDate(chkMemberSince, dtMemberSince, field("Member_Since"));
    txtPreviousChurch->setText(text("Previous_Church"));
    showDate(chkCameForward, dtCameForward, field("Came_Forward"));
    showDate(chkBaptized, dtBaptized, field("Baptized"));
    showDate(chkLetterOut, dtLetterOut, field("Letter_Out"));
    showDate(chkDeceased, dtDeceased, field("Deceased_Date"));
    chkNewMail->setChecked(SqlValue::toBool(field("Receive_Newsletter_Via_Mail")));
    // The e-mail rule runs on the tick: without an address it says so and clears the box again.
    chkNewEmail->setChecked(SqlValue::toBool(field("Receive_Newsletter_Via_EMail")));
    showPick(cmbSSAttend, field("Sunday_School_Attendance_Level"));
    showPick(cmbWorshipAttend, field("Worship_Service_Attendance_Level"));
    showPick(cmbDiscAttend, field("Discipleship_Training_Attendance_Level"));
    showPick(cmbSundayEveAttend, field("Sunday_Evening_Service_Attendance_Level"));
    showPick(cmbWedAttend, field("Wednesday_Night_Attendance_Level"));
    showReference(cmbSSClass, field("Sunday_School_Class"));
    showReference(cmbCareGroup, field("Care_Group_Assigned"));
    showReference(cmbDiscClass, field("Discipleship_Training_Class"));
    showReference(cmbWedClass, field("Wednesday_Night_Class"));
    // A deacon no longer holding a 'Deacon' row is not in the list and shows no one.
    showReference(cmbDeacon, field("DeaconID"));
    showPick(cmbProspectStatus, field("Prospect_Active_Status"));
    txtProspectSource->setText(text("Prospect_Source"));
    showReference(cmbProspectSSClass, field("Prospect_Sunday_School_Class_Assigned"));
    showReference(cmbProspectCGAssign, field("Prospect_Care_Group_Assigned"));
    txtProspectNotes->setPlainText(text("Prospect_Note"));
    txtProspectMemberOf->setText(text("Prospect_Member_Of"));

    ShowNextStep(rs);
    txtEnv->setText(text("Envelope"));
    chkShowInContributionsList->setChecked(SqlValue::toBool(field("ShowInContributionList")));
}

void frmMemberEntry::ShowNextStep(const Recordset& rs)
{
    // The next step is read only with a phase; without one the boxes show the cleared values.
    cmbNextPhase->setCurrentIndex(-1);
    dtNextContactDate->setDate(Clock::today());
    cmbNextContactAction->setCurrentIndex(-1);
    txtNextType->clear();
    const QVariant phase = rs.Field(QStringLiteral("Prospect_Phase"));
    if (present(phase)) {
        showPick(cmbNextPhase, phase);
        const QDate next = SqlValue::toDate(rs.Field(QStringLiteral("Prospect_Next_Contact_Date")));
        if (next.isValid())
            dtNextContactDate->setDate(next);
        showPick(cmbNextContactAction, rs.Field(QStringLiteral("Prospect_Next_Contact_Action")));
        txtNextType->setText(rs.Text(QStringLiteral("Prospect_Next_Contact_Type")));
    }
    m_shownNextStep = NextStepShown();
}

void frmMemberEntry::RefreshNextStep()
{
    LoadProspectContacts();
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Prospect_Phase, Prospect_Next_Contact_Date, Prospect_Next_Contact_Action, "
                       "Prospect_Next_Contact_Type FROM Member WHERE ID = ?"),
        {m_memberId});
    if (!rs.Eof())
        ShowNextStep(rs);
    rs.Close();
}

frmMemberEntry::NextStep frmMemberEntry::NextStepShown() const
{
    return {cmbNextPhase->currentText(), dtNextContactDate->date(), cmbNextContactAction->currentText(),
            txtNextType->text()};
}
