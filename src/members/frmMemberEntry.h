#pragma once

#include "outreach/OutreachPlanLink.h"
#include "shell/Screen.h"

#include <QDate>
#include <QImage>
#include <QList>

class ListGrid;
class Recordset;
class PhoneEdit;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The record screen of members and prospects: eight tabs over one Member row and the lists that hang off it.
// Pick lists that name rows of other tables carry each row's ID as item data. The member shown is held as its
// ID (0 while a new record is on the screen); the ID box only shows it.
class frmMemberEntry : public Screen {
    Q_OBJECT
public:
    explicit frmMemberEntry(QWidget* parent = nullptr);

    // Opens this screen for another screen (a double-click on a person) as its menu command does: a user who
    // holds none of its rights gets the command's refusal, and null.
    static frmMemberEntry* OpenFromAnotherScreen();

    void Form_Load() override;
    // Shows the Contributions tab only to a user who may see contributions.
    void UserChanged() override;

    // What other screens call, in this order.
    void ReloadNames();
    void ReloadListValues();
    void LoadMember(qint64 memberId);
    void LoadProspectContacts();
    // After the outreach plan was saved: the phase list read again, its choice kept under the phase's new name.
    void ReloadPhases(const OutreachPlanLink::Renames& renames);
    // After another screen saved a gift or a contact for the member shown, only what that save changed is read
    // again; everything typed elsewhere on the screen stays. A gift: the contribution filter back to this year
    // and the gifts with their total. A contact: the contacts and the next step as stored.
    void RefreshContributions();
    void RefreshNextStep();

    // Writes the screen into the member's row (a new row when none is shown) and rewrites the member's
    // organizations, all in one transaction. Returns true when the row was saved; false when a required field is
    // missing, the row is gone, or the picture or a statement failed: the message has been shown, nothing was
    // written and the screen keeps what was typed. Asks for no right: the callers do.
    bool SaveMember();

    // The member shown; 0 for a new record not saved yet.
    qint64 MemberId() const { return m_memberId; }
    // The month the attendance calendar shows (its day is of no account).
    QDate CalendarMonth() const { return m_calendarMonth; }
    // The direction the family grid was last loaded in: true when it lists the relatives of a head of household,
    // false when it lists the heads of household of this member.
    bool FamilyGridListsRelatives() const { return m_familyListsRelatives; }

    void cmbMember_Click();
    void cmbChurchStatus_Click();
    void chkNewEmail_Click();
    void btnNew_Click();
    void btnSaveNew_Click();
    void btnSaveClose_Click();
    void btnDelete_Click();
    void btnExit_Click();
    void txtEnv_LostFocus();
    void btnLoadPic_Click();
    // Loads a picture file into the picture box as Load Picture does once a file is chosen; false when the file
    // is no picture (the message has been shown and nothing changed).
    bool LoadPicture(const QString& fileName);
    void btnAddFamMember_Click();
    void btnRemoveFamMember_Click();
    void btnCloneHOHAddress_Click();
    void btnAddResp_Click();
    void btnRemoveResp_Click();
    void btnAdd_Click();
    void btnRemove_Click();
    void btnAddAll_Click();
    void btnRemoveAll_Click();
    void btnRefreshContributions_Click();
    void btnNextMonth_Click();
    void btnPrevMonth_Click();
    void btnNewContact_Click();
    void vsfgChurchResponsibilites_SelectRow();
    void vsfgFamilyMembers_SelectRow();
    // The grid row double-clicked; -1 for the header.
    void vsfgFamilyMembers_DblClick(int row);
    void vsfgMemberContributions_DblClick(int row);
    void vsfgProspectContacts_DblClick(int row);

    // Outside the tabs.
    QComboBox* cmbMember;
    QPushButton* btnNew;
    QPushButton* btnSaveNew;
    QPushButton* btnSaveClose;
    QPushButton* btnDelete;
    QPushButton* btnExit;
    QTabWidget* SSTab1;

    // Tab 0 "Contact Info".
    QLineEdit* txtMemberID;
    QComboBox* cmbMemberStatus;
    QLineEdit* txtFName;
    QLineEdit* txtMName;
    QLineEdit* txtLName;
    QComboBox* cmbTitle;
    QLineEdit* txtAddress1;
    QLineEdit* txtAddress2;
    QLineEdit* txtCity;
    QComboBox* cmbState;
    QLineEdit* txtZip;
    PhoneEdit* txtHomePhone;
    PhoneEdit* txtCell;
    PhoneEdit* txtWorkPhone;
    QLineEdit* txtEmail;
    QLabel* imgPic;
    QPushButton* btnLoadPic;
    QLineEdit* txtFileType;
    QGroupBox* Frame3;
    ListGrid* vsfgFamilyMembers;
    QComboBox* cmbMemberAdd;
    QComboBox* cmbRelationship;
    QPushButton* btnAddFamMember;
    QPushButton* btnRemoveFamMember;
    QPushButton* btnCloneHOHAddress;

    // Tab 1 "Demographic Info".
    QLineEdit* txtPlaceofWork;
    QLineEdit* txtOccupation;
    QCheckBox* chkDOB;
    QDateEdit* dtDOB;
    QComboBox* cmbGender;
    QComboBox* cmbMaritalStatus;
    QCheckBox* chkAnnivDate;
    QDateEdit* dtAnnivDate;
    QCheckBox* chkHOH;
    QLineEdit* txtMapSection;
    QLineEdit* txtHobbies;
    QLineEdit* txtOrganizations;

    // Tab 2 "Notes".
    QPlainTextEdit* txtNotes;
    QLineEdit* txtAdded;
    QLineEdit* txtEdited;

    // Tab 3 "Church Info".
    QComboBox* cmbChurchStatus;
    QCheckBox* chkMemberSince;
    QDateEdit* dtMemberSince;
    QCheckBox* chkCameForward;
    QDateEdit* dtCameForward;
    QCheckBox* chkBaptized;
    QDateEdit* dtBaptized;
    QCheckBox* chkLetterOut;
    QDateEdit* dtLetterOut;
    QCheckBox* chkDeceased;
    QDateEdit* dtDeceased;
    QLineEdit* txtPreviousChurch;
    QComboBox* cmbSSAttend;
    QComboBox* cmbWorshipAttend;
    QComboBox* cmbDiscAttend;
    QComboBox* cmbSundayEveAttend;
    QComboBox* cmbWedAttend;
    QComboBox* cmbSSClass;
    QComboBox* cmbCareGroup;
    QComboBox* cmbDiscClass;
    QComboBox* cmbWedClass;
    QComboBox* cmbDeacon;
    QCheckBox* chkNewMail;
    QCheckBox* chkNewEmail;
    QGroupBox* Frame4;
    QComboBox* cmbResp;
    QDateEdit* dtRespStart;
    QDateEdit* dtRespEnd;
    QPushButton* btnAddResp;
    QPushButton* btnRemoveResp;
    ListGrid* vsfgChurchResponsibilites;

    // Tab 4 "Prospect Info".
    QComboBox* cmbProspectStatus;
    QLineEdit* txtProspectSource;
    QComboBox* cmbProspectSSClass;
    QComboBox* cmbProspectCGAssign;
    QLineEdit* txtProspectMemberOf;
    QPlainTextEdit* txtProspectNotes;
    ListGrid* vsfgProspectContacts;
    QPushButton* btnNewContact;
    QDateEdit* dtNextContactDate;
    QComboBox* cmbNextContactAction;
    QComboBox* cmbNextPhase;
    QLineEdit* txtNextType;

    // Tab 5 "Attendance Info": the calendars in the order cal, cal2 ... cal7.
    QList<QTableWidget*> calendars;
    QLabel* lblDate;
    QPushButton* btnPrevMonth;
    QPushButton* btnNextMonth;

    // Tab 6 "Church Organizations".
    QListWidget* lstAllOrganizations;
    QListWidget* lstMemberOrganizations;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QPushButton* btnAddAll;
    QPushButton* btnRemoveAll;

    // Tab 7 "Contributions".
    QLineEdit* txtEnv;
    QCheckBox* chkShowInContributionsList;
    QComboBox* cmbContributionDesignation;
    QDateEdit* dtContributionStartDate;
    QDateEdit* dtContributionEndDate;
    QPushButton* btnRefreshContributions;
    ListGrid* vsfgMemberContributions;
    QLineEdit* txtContributionTotal;

    static constexpr int kContributionsTab = 7;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout, one tab each.
    void buildFrame();
    void buildContactTab(QWidget* tab);
    void buildDemographicTab(QWidget* tab);
    void buildNotesTab(QWidget* tab);
    void buildChurchTab(QWidget* tab);
    void buildProspectTab(QWidget* tab);
    void buildAttendanceTab(QWidget* tab);
    void buildOrganizationsTab(QWidget* tab);
    void buildContributionsTab(QWidget* tab);
    void connectHandlers();
    // An optional date: the box enables its picker.
    void addOptionalDate(QCheckBox* box, QDateEdit* picker);

    // Pick lists.
    void FillNameLists(bool withRelatives);
    void FillStatusLists();
    void FillClassLists();
    void FillProspectLists();
    void FillPhases();
    void FillAllOrganizations();

    // Showing and clearing.
    void ShowMember();
    void ShowRow(const Recordset& rs);
    // The four next-step boxes from a row holding the prospect's next-step columns; cleared without a phase.
    void ShowNextStep(const Recordset& rs);
    void ShowPicture(const QString& picture);
    void ShowImage(const QImage& image);
    void ResetContributionFilter();
    void ClearForm();
    void EnableChurchFields();
    void DisableChurchFields();
    void SetChurchFieldsEnabled(bool enabled);

    // Saving.
    bool WriteMember();
    bool RequiredFieldsFilled();
    // Warns when another member holds the envelope number typed, once for the same number; true when it warned.
    bool WarnOfEnvelopeInUse();
    // Both name lists read again, the member shown still chosen in the name list.
    void ReloadNameLists();

    // Responsibilities: the Required Info check, and what follows a change.
    bool ResponsibilityChosen();
    void ResponsibilitiesChanged();

    // Lists of the member shown.
    void LoadContributions();
    void LoadFamilyMembers();
    void LoadResponsibilities();
    void LoadMemberOrganizations();

    // Attendance calendar.
    void DrawCalendars(const QDate& shownMonth);
    void ShowAttendanceMarks(const QDate& shownMonth);

    // The four next-step boxes as the last showing or refresh put them: a save writes the stored next step only
    // when the user changed one of them, so a plan whose phase or action left the lists is not wiped by a save
    // made for another reason.
    struct NextStep {
        QString phase;
        QDate date;
        QString action;
        QString type;
        bool operator==(const NextStep&) const = default;
    };
    NextStep NextStepShown() const;

    qint64 m_memberId = 0;
    NextStep m_shownNextStep;
    // A picture chosen by Load Picture since the screen was last cleared, already fitted; written by the next save.
    QImage m_picture;
    bool m_checkingEnvelope = false;
    QString m_warnedEnvelope; // the number last warned about, which leaving the box does not warn of again
    bool m_familyListsRelatives = false;
    QDate m_calendarMonth;
    QList<QPair<QCheckBox*, QDateEdit*>> m_optionalDates;
};
