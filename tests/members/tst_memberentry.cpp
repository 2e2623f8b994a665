#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "core/TypeAhead.h"
#include "members/ListGrid.h"
#include "members/frmContributionEntry.h"
#include "members/frmMemberEntry.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kToday(2026, 12, 7); // the test clock
const QColor kYellow(255, 255, 0);

// The calendars (by their place, cal first) marked yellow in the row and column of a day.
QList<int> marked(const frmMemberEntry* screen)
{
    QList<int> grids;
    for (int i = 0; i < screen->calendars.size(); ++i) {
        const QTableWidget* grid = screen->calendars[i];
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < 7; ++c)
                if (grid->item(r, c) && grid->item(r, c)->background().color() == kYellow)
                    grids << i;
    }
    return grids;
}

QList<QComboBox*> allPickLists(frmMemberEntry* s)
{
    return s->findChildren<QComboBox*>();
}

} // namespace

class TestMemberEntry : public QObject {
    Q_OBJECT

private slots:
    void opensOnAnEmptyRecord()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        addPerson(QStringLiteral("Adams"), QStringLiteral("Amy"));
        addPerson(QStringLiteral("Baker"), QStringLiteral("Bo"), {{"Head_Of_Household", 1}, {"Title", "Dr."}});
        frmMemberEntry* screen = openMemberScreen();
        QVERIFY(screen);
        // Every person by name; as a relative only those who head no household.
        QCOMPARE(entries(screen->cmbMember), (QStringList{"Adams, Amy  ", "Baker, Bo  Dr.", "Person, Stand-by  "}));
        QCOMPARE(entries(screen->cmbMemberAdd), (QStringList{"Adams, Amy  ", "Person, Stand-by  "}));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Member/Prospect Entry/Edit"));
        QVERIFY(MainMod::MemberEntryOpen());
        QCOMPARE(messages.count(), 0);
        QCOMPARE(screen->MemberId(), 0);
        QVERIFY(screen->txtMemberID->text().isEmpty());
        QVERIFY(screen->txtMemberID->isReadOnly());
        for (QComboBox* combo : allPickLists(screen)) {
            if (combo == screen->cmbState)
                QCOMPARE(combo->currentText(), QStringLiteral("TN"));
            else
                QVERIFY2(combo->currentIndex() == -1, qPrintable(combo->objectName()));
        }
        QCOMPARE(screen->txtCity->text(), QStringLiteral("Cedar Hollow"));
        QCOMPARE(screen->txtZip->text(), QStringLiteral("37150"));
        for (QDateEdit* picker : {screen->dtDOB, screen->dtAnnivDate, screen->dtMemberSince, screen->dtCameForward,
                                  screen->dtBaptized, screen->dtLetterOut, screen->dtDeceased}) {
            QCOMPARE(picker->date(), kToday);
            QVERIFY(!picker->isEnabled());
        }
        QVERIFY(!screen->cmbSSClass->isEnabled());
        QCOMPARE(screen->SSTab1->currentIndex(), 0);
        QCOMPARE(screen->lblDate->text(), QStringLiteral("December 2026"));
        QVERIFY(marked(screen).isEmpty());
        QVERIFY(!screen->vsfgMemberContributions->hasHeader());
        QVERIFY(screen->SSTab1->isTabVisible(frmMemberEntry::kContributionsTab));
        // Fixed first entries and fixed lists.
        QCOMPARE(screen->cmbTitle->itemText(0), QStringLiteral(" "));
        QCOMPARE(screen->cmbState->itemText(0), QStringLiteral(" "));
        QCOMPARE(screen->cmbNextPhase->itemText(0), QString());
        QCOMPARE(screen->cmbNextPhase->itemText(1), QStringLiteral("First Visit"));
        QCOMPARE(screen->cmbNextContactAction->itemText(0), QString());
        QCOMPARE(screen->cmbContributionDesignation->itemText(0), QStringLiteral("***All***"));
        QCOMPARE(entries(screen->cmbGender), (QStringList{"Male", "Female", "Unknown"}));
        QCOMPARE(entries(screen->cmbMaritalStatus), (QStringList{"Single", "Married", "Divorced", "Widowed"}));
        // Statuses in the order they were entered, not by name.
        QCOMPARE(entries(screen->cmbMemberStatus),
                 (QStringList{"Member", "Prospect", "Child Of Member", "Previous Member", "Deleted Member"}));

        screen->btnExit->click();
        QTRY_VERIFY(!MainMod::MemberEntryOpen());
    }

    void contributionsTabNeedsItsRight_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::newRow("without") << false;
        QTest::newRow("with") << true;
    }
    void contributionsTabNeedsItsRight()
    {
        QFETCH(bool, granted);
        TestDatabase tdb;
        TestArea area;
        const qint64 clerk = addPerson(QStringLiteral("Clerk"), QStringLiteral("Carol"));
        TestDatabase::addUser(clerk, QStringLiteral("carol"), QStringLiteral("pw"));
        TestDatabase::grant(clerk, PermissionNames::kMemberView);
        if (granted)
            TestDatabase::grant(clerk, PermissionNames::kMemberContributions);
        MainMod::CurrentUserID = clerk;
        MainMod::CurrentUserType = QStringLiteral("User");
        auto* screen = ScreenRegistry::load<frmMemberEntry>();
        QCOMPARE(screen->SSTab1->isTabVisible(frmMemberEntry::kContributionsTab), granted);
        QCOMPARE(screen->SSTab1->isTabVisible(frmMemberEntry::kContributionsTab - 1), true);
    }

    void showsEveryColumnOfAMember()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        // IDs beyond the old 16-bit ceiling, for the member and everything it refers to.
        MainDatabase.execute(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES ('Sunday_School', 40000), "
                                            "('Discipleship_Training', 41000), ('Wednesday_Night', 42000), "
                                            "('Care_Group', 43000)"));
        MainDatabase.execute(QStringLiteral("UPDATE sqlite_sequence SET seq = 50000 WHERE name = 'Member'"));
        const qint64 leader = addPerson(QStringLiteral("Leader"), QStringLiteral("Lee"));
        const qint64 deacon = addPerson(QStringLiteral("Deacon"), QStringLiteral("Dan"));
        addRow("Member_Responsibility", {{"Member_ID", deacon}, {"Responsibility", "Deacon"}, {"Start", "2020-01-01"}});
        const qint64 ss = addRow("Sunday_School", {{"Name", "Adults"}});
        addRow("Sunday_School", {{"Name", "Babies"}});
        const qint64 dt = addRow("Discipleship_Training", {{"Name", "Basics"}});
        const qint64 wn = addRow("Wednesday_Night", {{"Name", "Choir Practice"}});
        const qint64 cg = addRow("Care_Group", {{"Group_Leader", leader}});
        QVERIFY(ss > 32767 && cg > 32767 && leader > 32767);

        const qint64 id = addPerson(QStringLiteral("O'Brien"), QStringLiteral("Ann"),
                                    {{"Middle_Name", "D'Arcy"},
                                     {"Title", "Mrs."},
                                     {"Address_1", "1 Elm's Row"},
                                     {"Address_2", "Apt 2"},
                                     {"City", "Nashville"},
                                     {"State", "TN"},
                                     {"Zip", "37201"},
                                     {"Phone", "(615) 555-0100"},
                                     {"Cell", "(615) 555-0101"},
                                     {"Work_Phone", ""},
                                     {"Email", "ann@example.com"},
                                     {"Place_Of_Work", "Bank"},
                                     {"Occupation", "Teller"},
                                     {"Date_Of_Birth", "1980-02-29"},
                                     {"Gender", "Female"},
                                     {"Marital_Status", "Married"},
                                     {"Anniversary_Date", QVariant()},
                                     {"Head_Of_Household", 1},
                                     {"Map_Section", "B4"},
                                     {"Hobbies", "Quilting"},
                                     {"Organizations", "Red Cross"},
                                     {"Notes", "Line one\nLine 'two'"},
                                     {"Date_Added", "2025-03-04 14:05:06"},
                                     {"Added_By", "admin"},
                                     {"Member_Active_Status", "Active"},
                                     {"Member_Since", "2001-05-06"},
                                     {"Previous_Church", "First Church"},
                                     {"Baptized", "2001-06-10"},
                                     {"Receive_Newsletter_Via_Mail", 1},
                                     {"Receive_Newsletter_Via_EMail", 1},
                                     {"Sunday_School_Attendance_Level", "Regular"},
                                     {"Worship_Service_Attendance_Level", "Occasional"},
                                     {"Discipleship_Training_Attendance_Level", "Seldom"},
                                     {"Sunday_Evening_Service_Attendance_Level", "Never"},
                                     {"Wednesday_Night_Attendance_Level", "Regular"},
                                     {"Sunday_School_Class", ss},
                                     {"Care_Group_Assigned", cg},
                                     {"Discipleship_Training_Class", dt},
                                     {"Wednesday_Night_Class", wn},
                                     {"DeaconID", deacon},
                                     {"Prospect_Active_Status", "Joined"},
                                     {"Prospect_Source", "Friend"},
                                     {"Prospect_Sunday_School_Class_Assigned", ss},
                                     {"Prospect_Care_Group_Assigned", cg},
                                     {"Prospect_Note", "Met at fair"},
                                     {"Prospect_Member_Of", "None"},
                                     {"Prospect_Phase", "Second Visit"},
                                     {"Prospect_Next_Contact_Date", "2026-12-20"},
                                     {"Prospect_Next_Contact_Action", "Visit"},
                                     {"Prospect_Next_Contact_Type", "Home visit"},
                                     {"Envelope", "0042"},
                                     {"ShowInContributionList", 1}});
        QVERIFY(id > 32767);

        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(screen->MemberId(), id);
        QCOMPARE(screen->txtMemberID->text(), QString::number(id));
        QCOMPARE(IdList::currentId(screen->cmbMember).toLongLong(), id);
        QCOMPARE(screen->cmbMember->currentText(), QStringLiteral("O'Brien, Ann D'Arcy Mrs."));
        QCOMPARE(screen->cmbMemberStatus->currentText(), QStringLiteral("Member"));
        QCOMPARE(screen->txtFName->text(), QStringLiteral("Ann"));
        QCOMPARE(screen->txtMName->text(), QStringLiteral("D'Arcy"));
        QCOMPARE(screen->txtLName->text(), QStringLiteral("O'Brien"));
        QCOMPARE(screen->cmbTitle->currentText(), QStringLiteral("Mrs."));
        QCOMPARE(screen->txtAddress1->text(), QStringLiteral("1 Elm's Row"));
        QCOMPARE(screen->txtAddress2->text(), QStringLiteral("Apt 2"));
        QCOMPARE(screen->txtCity->text(), QStringLiteral("Nashville"));
        QCOMPARE(screen->cmbState->currentText(), QStringLiteral("TN"));
        QCOMPARE(screen->txtZip->text(), QStringLiteral("37201"));
        QCOMPARE(screen->txtHomePhone->value(), QStringLiteral("(615) 555-0100"));
        QCOMPARE(screen->txtCell->value(), QStringLiteral("(615) 555-0101"));
        QCOMPARE(screen->txtWorkPhone->value(), QString());
        QCOMPARE(screen->txtEmail->text(), QStringLiteral("ann@example.com"));
        QCOMPARE(screen->txtPlaceofWork->text(), QStringLiteral("Bank"));
        QCOMPARE(screen->txtOccupation->text(), QStringLiteral("Teller"));
        QVERIFY(screen->chkDOB->isChecked());
        QVERIFY(screen->dtDOB->isEnabled());
        QCOMPARE(screen->dtDOB->date(), QDate(1980, 2, 29));
        QCOMPARE(screen->cmbGender->currentText(), QStringLiteral("Female"));
        QCOMPARE(screen->cmbMaritalStatus->currentText(), QStringLiteral("Married"));
        QVERIFY(!screen->chkAnnivDate->isChecked());
        QVERIFY(!screen->dtAnnivDate->isEnabled());
        QCOMPARE(screen->dtAnnivDate->date(), kToday);
        QVERIFY(screen->chkHOH->isChecked());
        QCOMPARE(screen->txtMapSection->text(), QStringLiteral("B4"));
        QCOMPARE(screen->txtHobbies->text(), QStringLiteral("Quilting"));
        QCOMPARE(screen->txtOrganizations->text(), QStringLiteral("Red Cross"));
        QCOMPARE(screen->txtNotes->toPlainText(), QStringLiteral("Line one\nLine 'two'"));
        QCOMPARE(screen->txtAdded->text(), QStringLiteral("3/4/2025 2:05:06 PM - admin"));
        QCOMPARE(screen->txtEdited->text(), QStringLiteral(" - ")); // never edited
        QCOMPARE(screen->cmbChurchStatus->currentText(), QStringLiteral("Active"));
        QVERIFY(screen->chkMemberSince->isChecked());
        QCOMPARE(screen->dtMemberSince->date(), QDate(2001, 5, 6));
        QCOMPARE(screen->txtPreviousChurch->text(), QStringLiteral("First Church"));
        QVERIFY(!screen->chkCameForward->isChecked());
        QVERIFY(screen->chkBaptized->isChecked());
        QCOMPARE(screen->dtBaptized->date(), QDate(2001, 6, 10));
        QVERIFY(!screen->chkLetterOut->isChecked());
        QVERIFY(!screen->chkDeceased->isChecked());
        QVERIFY(screen->chkNewMail->isChecked());
        QVERIFY(screen->chkNewEmail->isChecked());
        QCOMPARE(screen->cmbSSAttend->currentText(), QStringLiteral("Regular"));
        QCOMPARE(screen->cmbWorshipAttend->currentText(), QStringLiteral("Occasional"));
        QCOMPARE(screen->cmbDiscAttend->currentText(), QStringLiteral("Seldom"));
        QCOMPARE(screen->cmbSundayEveAttend->currentText(), QStringLiteral("Never"));
        QCOMPARE(screen->cmbWedAttend->currentText(), QStringLiteral("Regular"));
        QCOMPARE(IdList::currentId(screen->cmbSSClass).toLongLong(), ss);
        QCOMPARE(screen->cmbSSClass->currentText(), QStringLiteral("Adults"));
        QCOMPARE(IdList::currentId(screen->cmbCareGroup).toLongLong(), cg);
        QCOMPARE(screen->cmbCareGroup->currentText(), QStringLiteral("Leader, Lee"));
        QCOMPARE(IdList::currentId(screen->cmbDiscClass).toLongLong(), dt);
        QCOMPARE(IdList::currentId(screen->cmbWedClass).toLongLong(), wn);
        QCOMPARE(IdList::currentId(screen->cmbDeacon).toLongLong(), deacon);
        QCOMPARE(screen->cmbDeacon->currentText(), QStringLiteral("Deacon, Dan"));
        QCOMPARE(screen->cmbProspectStatus->currentText(), QStringLiteral("Joined"));
        QCOMPARE(screen->txtProspectSource->text(), QStringLiteral("Friend"));
        QCOMPARE(IdList::currentId(screen->cmbProspectSSClass).toLongLong(), ss);
        QCOMPARE(IdList::currentId(screen->cmbProspectCGAssign).toLongLong(), cg);
        QCOMPARE(screen->txtProspectNotes->toPlainText(), QStringLiteral("Met at fair"));
        QCOMPARE(screen->txtProspectMemberOf->text(), QStringLiteral("None"));
        QCOMPARE(screen->cmbNextPhase->currentText(), QStringLiteral("Second Visit"));
        QCOMPARE(screen->dtNextContactDate->date(), QDate(2026, 12, 20));
        QCOMPARE(screen->cmbNextContactAction->currentText(), QStringLiteral("Visit"));
        QCOMPARE(screen->txtNextType->text(), QStringLiteral("Home visit"));
        QCOMPARE(screen->txtEnv->text(), QStringLiteral("0042"));
        QVERIFY(screen->chkShowInContributionsList->isChecked());
        // Showing changes neither the tab on show nor the calendar's month.
        QCOMPARE(screen->SSTab1->currentIndex(), 0);
        QCOMPARE(screen->CalendarMonth(), kToday);
    }

    void churchStatusSwitchesTheChurchFields()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 inactive =
            addPerson("Gone", "Gail", {{"Member_Active_Status", "InActive"}, {"Member_Since", "1999-01-02"}});
        const qint64 active = addPerson("Here", "Hal", {{"Member_Active_Status", "Active"}});
        frmMemberEntry* screen = openMemberScreen();

        screen->LoadMember(inactive);
        // Inactive: the box is ticked but switched off; its picker still shows the date.
        QVERIFY(screen->chkMemberSince->isChecked());
        QVERIFY(!screen->chkMemberSince->isEnabled());
        QVERIFY(screen->dtMemberSince->isEnabled());
        QCOMPARE(screen->dtMemberSince->date(), QDate(1999, 1, 2));
        QVERIFY(!screen->dtBaptized->isEnabled());
        QVERIFY(!screen->cmbSSClass->isEnabled());
        QVERIFY(screen->cmbDeacon->isEnabled());

        screen->LoadMember(active);
        QVERIFY(screen->chkBaptized->isEnabled());
        QVERIFY(!screen->chkBaptized->isChecked());
        QVERIFY(!screen->dtBaptized->isEnabled());
        QCOMPARE(screen->dtBaptized->date(), kToday);
        QVERIFY(screen->cmbSSClass->isEnabled());
        QVERIFY(screen->txtPreviousChurch->isEnabled());

        // The user's choice runs the same rule; letter case counts.
        screen->cmbChurchStatus->setCurrentIndex(screen->cmbChurchStatus->findText(QStringLiteral("InActive")));
        QVERIFY(!screen->cmbSSClass->isEnabled());
        // Ticking an optional date switches its picker.
        screen->chkDOB->click();
        QVERIFY(screen->dtDOB->isEnabled());
        screen->chkDOB->click();
        QVERIFY(!screen->dtDOB->isEnabled());
    }

    void emailRuleSpeaksOnceWhenShowing_data()
    {
        QTest::addColumn<bool>("byName");
        QTest::newRow("LoadMember") << false;
        QTest::newRow("name picked") << true;
    }
    void emailRuleSpeaksOnceWhenShowing()
    {
        QFETCH(bool, byName);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 id = addPerson("Nomail", "Ned", {{"Email", ""}, {"Receive_Newsletter_Via_EMail", 1}});
        const qint64 blanks = addPerson("Spaces", "Sue", {{"Email", " "}, {"Receive_Newsletter_Via_EMail", 1}});
        frmMemberEntry* screen = openMemberScreen();
        if (byName)
            screen->cmbMember->setCurrentIndex(screen->cmbMember->findData(id));
        else
            screen->LoadMember(id);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("You cannot select Newsletter Via E-Mail unless the member has "
                                                      "an E-Mail address entered on the Contact tab."));
        QCOMPARE(messages.last().title, QStringLiteral("No E-Mail Address"));
        QCOMPARE(messages.last().icon, Messages::Icon::None);
        QVERIFY(!screen->chkNewEmail->isChecked());
        // The row keeps its value until a save.
        QCOMPARE(MainDatabase.scalar("SELECT Receive_Newsletter_Via_EMail FROM Member WHERE ID = ?", {id}).toInt(), 1);

        // An address of blanks counts as entered.
        messages.clear();
        screen->LoadMember(blanks);
        QCOMPARE(messages.count(), 0);
        QVERIFY(screen->chkNewEmail->isChecked());
    }

    void pictureFromThePictureFolder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shown");
        QTest::newRow("picture") << "picture" << true;
        QTest::newRow("file gone") << "" << false;
        QTest::newRow("not a picture") << "text" << false;
    }
    void pictureFromThePictureFolder()
    {
        QFETCH(QString, file);
        QFETCH(bool, shown);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::PictureFolder = tdb.folder() + QLatin1Char('/');
        const qint64 id = addPerson("Pictured", "Pia", {{"Picture", "pia.png"}});
        const qint64 other = addPerson("Plain", "Pete");
        if (file == QLatin1String("picture")) {
            QImage image(40, 60, QImage::Format_RGB32);
            image.fill(Qt::blue);
            QVERIFY(image.save(MainMod::PictureFolder + QStringLiteral("pia.png")));
        } else if (file == QLatin1String("text")) {
            QFile text(MainMod::PictureFolder + QStringLiteral("pia.png"));
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not an image");
        }
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        QCOMPARE(!screen->imgPic->pixmap().isNull(), shown);
        QCOMPARE(messages.count(), 0);
        QVERIFY(screen->txtFileType->text().isEmpty());
        // The next person without a picture shows none.
        screen->LoadMember(other);
        QVERIFY(screen->imgPic->pixmap().isNull());
        MainMod::PictureFolder.clear();
    }

    void nextStepIsReadOnlyWithAPhase()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 none = addPerson("Pros", "Pat",
                                      {{"Prospect_Next_Contact_Date", "2027-01-01"},
                                       {"Prospect_Next_Contact_Action", "Visit"},
                                       {"Prospect_Next_Contact_Type", "Home"}});
        const qint64 noAction = addPerson("Pros", "Peg",
                                          {{"Prospect_Phase", "First Visit"},
                                           {"Prospect_Next_Contact_Date", "2027-01-01"},
                                           {"Prospect_Next_Contact_Type", "Home"}});
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(noAction);
        QCOMPARE(screen->cmbNextPhase->currentText(), QStringLiteral("First Visit"));
        QCOMPARE(screen->cmbNextContactAction->currentIndex(), -1);
        QCOMPARE(screen->dtNextContactDate->date(), QDate(2027, 1, 1));
        screen->LoadMember(none);
        QCOMPARE(screen->cmbNextPhase->currentIndex(), -1);
        QCOMPARE(screen->cmbNextContactAction->currentIndex(), -1);
        QCOMPARE(screen->dtNextContactDate->date(), kToday);
        QVERIFY(screen->txtNextType->text().isEmpty());
    }

    void unknownOrGoneMembersClearTheScreen()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 shown = addPerson("Shown", "Sam", {{"Member_Active_Status", "Active"}});
        const qint64 gone = addPerson("Gone", "Gus");
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(shown);
        QCOMPARE(screen->MemberId(), shown);

        // A person added elsewhere after the names were read is found all the same.
        const qint64 added = addPerson("Added", "Ada");
        screen->LoadMember(added);
        QCOMPARE(screen->MemberId(), added);
        QCOMPARE(screen->txtFName->text(), QStringLiteral("Ada"));

        // No such person: the screen is cleared, without a message.
        screen->LoadMember(shown);
        screen->LoadMember(999999);
        QCOMPARE(screen->MemberId(), 0);
        QVERIFY(screen->txtFName->text().isEmpty());
        QVERIFY(screen->txtMemberID->text().isEmpty());
        QCOMPARE(screen->cmbMember->currentIndex(), -1);

        // Deleted since the names were read: picking the name clears the screen.
        MainDatabase.execute("DELETE FROM Member WHERE ID = ?", {gone});
        screen->cmbMember->setCurrentIndex(screen->cmbMember->findData(gone));
        QCOMPARE(screen->MemberId(), 0);
        QVERIFY(screen->txtLName->text().isEmpty());
        QVERIFY(!screen->cmbSSClass->isEnabled());
        QCOMPARE(messages.count(), 0);
    }

    void reloadingTheListsKeepsTheMemberShown()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 leader = addPerson("Leader", "Lee");
        const qint64 ss = addRow("Sunday_School", {{"Name", "Adults"}});
        const qint64 cg = addRow("Care_Group", {{"Group_Leader", leader}});
        addRow("Member_Responsibility", {{"Member_ID", leader}, {"Responsibility", "Deacon"}});
        const qint64 id = addPerson("Shown", "Sam",
                                    {{"Title", "Dr."},
                                     {"State", "KY"},
                                     {"Member_Active_Status", "Active"},
                                     {"Sunday_School_Class", ss},
                                     {"Care_Group_Assigned", cg},
                                     {"DeaconID", leader},
                                     {"Prospect_Phase", "Second Visit"},
                                     {"Prospect_Next_Contact_Action", "Visit"}});
        addRow("Member_Organizations", {{"MemberID", id}, {"Organization", "Choir"}});
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        screen->cmbGender->setCurrentIndex(1); // a change not saved yet stays too
        QCOMPARE(entries(screen->lstAllOrganizations),
                 (QStringList{"Men's Ministry", "Women's Ministry", "Youth Group"}));

        // Another screen adds rows in front of the member's own, then asks for a reload.
        addRow("Sunday_School", {{"Name", "Aardvarks"}});
        const qint64 other = addPerson("Aaron", "Al");
        addRow("Care_Group", {{"Group_Leader", other}});
        addRow("Church_Organizations", {{"Name", "Band"}});
        QSignalSpy churchStatus(screen->cmbChurchStatus, &QComboBox::currentIndexChanged);
        screen->ReloadListValues();

        QCOMPARE(churchStatus.count(), 0);
        QCOMPARE(screen->MemberId(), id);
        QCOMPARE(IdList::currentId(screen->cmbMember).toLongLong(), id);
        QCOMPARE(screen->cmbTitle->currentText(), QStringLiteral("Dr."));
        QCOMPARE(screen->cmbState->currentText(), QStringLiteral("KY"));
        QCOMPARE(screen->cmbChurchStatus->currentText(), QStringLiteral("Active"));
        QCOMPARE(screen->cmbGender->currentText(), QStringLiteral("Female"));
        QCOMPARE(screen->cmbSSClass->currentText(), QStringLiteral("Adults"));
        QCOMPARE(IdList::currentId(screen->cmbSSClass).toLongLong(), ss);
        QCOMPARE(IdList::currentId(screen->cmbCareGroup).toLongLong(), cg);
        QCOMPARE(IdList::currentId(screen->cmbDeacon).toLongLong(), leader);
        QCOMPARE(screen->cmbNextPhase->currentText(), QStringLiteral("Second Visit"));
        QCOMPARE(screen->cmbNextContactAction->currentText(), QStringLiteral("Visit"));
        QCOMPARE(screen->cmbMemberStatus->currentText(), QStringLiteral("Member"));
        QCOMPARE(screen->cmbSSClass->count(), 2);
        // The member's own organizations stay on the right only.
        QCOMPARE(entries(screen->lstMemberOrganizations), QStringList{"Choir"});
        QCOMPARE(entries(screen->lstAllOrganizations),
                 (QStringList{"Band", "Men's Ministry", "Women's Ministry", "Youth Group"}));
        QVERIFY(screen->cmbSSClass->isEnabled());
    }

    void newStartsFromNothingOfThePersonBefore()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 id = addPerson("Shown", "Sam",
                                    {{"Member_Active_Status", "InActive"},
                                     {"Member_Since", "2000-01-01"},
                                     {"Date_Added", "2020-01-01 10:00:00"},
                                     {"Added_By", "admin"},
                                     {"Head_Of_Household", 1},
                                     {"Phone", "(615) 555-0100"}});
        addRow("Member_Organizations", {{"MemberID", id}, {"Organization", "Choir"}});
        addRow("Member_Organizations", {{"MemberID", id}, {"Organization", "Youth Group"}});
        addGift(id, "2026-06-01", 10);
        addWeek(id, "2026-12-06", {"SS"});
        const qint64 spouse = addPerson("Shown", "Sue");
        addRow("Family_Connection", {{"Member_ID", id}, {"Relationship", "Spouse"}, {"Relative_Member_ID", spouse}});
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        screen->SSTab1->setCurrentIndex(6);
        QCOMPARE(marked(screen), QList<int>{0});
        QVERIFY(screen->dtMemberSince->isEnabled());

        screen->btnNew->click();
        QCOMPARE(screen->MemberId(), 0);
        QCOMPARE(screen->cmbMember->currentIndex(), -1);
        QCOMPARE(screen->SSTab1->currentIndex(), 0);
        QVERIFY(screen->lstMemberOrganizations->count() == 0);
        QCOMPARE(entries(screen->lstAllOrganizations),
                 (QStringList{"Choir", "Men's Ministry", "Women's Ministry", "Youth Group"}));
        QVERIFY(screen->txtAdded->text().isEmpty());
        QVERIFY(screen->txtEdited->text().isEmpty());
        QVERIFY(marked(screen).isEmpty());
        QVERIFY(!screen->chkMemberSince->isChecked());
        QVERIFY(!screen->dtMemberSince->isEnabled());
        QVERIFY(!screen->cmbSSClass->isEnabled());
        QVERIFY(!screen->chkHOH->isChecked());
        QCOMPARE(screen->txtHomePhone->value(), QString());
        for (ListGrid* grid : {screen->vsfgFamilyMembers, screen->vsfgChurchResponsibilites,
                               screen->vsfgProspectContacts, screen->vsfgMemberContributions}) {
            QCOMPARE(grid->rows(), 0);
            QVERIFY(!grid->hasHeader());
        }
        QCOMPARE(screen->txtContributionTotal->text(), QStringLiteral("$0.00"));
        QCOMPARE(screen->cmbContributionDesignation->currentText(), QStringLiteral("***All***"));
        QCOMPARE(screen->dtContributionStartDate->date(), QDate(2026, 1, 1));
        QCOMPARE(screen->dtContributionEndDate->date(), kToday);
        QCOMPARE(screen->txtCity->text(), QStringLiteral("Cedar Hollow"));
        QCOMPARE(screen->cmbState->currentText(), QStringLiteral("TN"));
        QCOMPARE(screen->cmbChurchStatus->currentIndex(), -1);

        // A second New gives the same state.
        screen->btnNew->click();
        QCOMPARE(screen->lstAllOrganizations->count(), 4);
        QCOMPARE(screen->MemberId(), 0);
    }

    void contributionsBetweenTwoDates()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 id = addPerson("Giver", "Gil");
        addGift(id, "2025-12-31", 1000);                       // before the range
        addGift(id, "2026-01-01", 1234.5);                     // on the start
        addGift(id, "2026-06-01", -5, "Missions");             // a refund
        addGift(id, "2026-12-07", 0.1, "Building Fund");       // on the end
        addGift(addPerson("Other", "Olga"), "2026-06-01", 99); // someone else's
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);

        ListGrid* grid = screen->vsfgMemberContributions;
        QCOMPARE(grid->captions(),
                 (QStringList{"ID", "Date", "Env. No.", "Amount", "Ref. No.", "Designation", "User", "Date/Time"}));
        QCOMPARE(grid->rows(), 3);
        QCOMPARE(grid->text(0, 1), QStringLiteral("12/7/2026")); // newest first
        QCOMPARE(grid->text(1, 3), QStringLiteral("-$5.00"));
        QCOMPARE(grid->text(2, 1), QStringLiteral("1/1/2026"));
        QCOMPARE(grid->text(2, 3), QStringLiteral("$1,234.50"));
        QCOMPARE(screen->txtContributionTotal->text(), QStringLiteral("$1,229.60"));

        // Nothing changes until Refresh.
        screen->cmbContributionDesignation->setCurrentIndex(
            screen->cmbContributionDesignation->findText(QStringLiteral("Missions")));
        QCOMPARE(grid->rows(), 3);
        screen->btnRefreshContributions->click();
        QCOMPARE(grid->rows(), 1);
        QCOMPARE(screen->txtContributionTotal->text(), QStringLiteral("($5.00)"));

        screen->cmbContributionDesignation->setCurrentIndex(0);
        screen->dtContributionStartDate->setDate(QDate(2025, 12, 31));
        screen->dtContributionEndDate->setDate(QDate(2025, 12, 31));
        screen->btnRefreshContributions->click();
        QCOMPARE(grid->rows(), 1);
        QCOMPARE(screen->txtContributionTotal->text(), QStringLiteral("$1,000.00"));

        // A start after the end finds nothing; the header stays.
        screen->dtContributionStartDate->setDate(QDate(2026, 12, 1));
        screen->btnRefreshContributions->click();
        QCOMPARE(grid->rows(), 0);
        QVERIFY(grid->hasHeader());
        QCOMPARE(screen->txtContributionTotal->text(), QStringLiteral("$0.00"));

        // Showing the member again resets the range and the filter.
        screen->LoadMember(id);
        QCOMPARE(grid->rows(), 3);
        QCOMPARE(screen->dtContributionStartDate->date(), QDate(2026, 1, 1));
    }

    void calendarMonths_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<QString>("caption");
        QTest::newRow("February from a Sunday") << QDate(2026, 2, 14) << 4 << 0 << 4 << 6 << "February 2026";
        QTest::newRow("31 days from a Saturday") << QDate(2026, 8, 31) << 6 << 6 << 6 << 1 << "August 2026";
        QTest::newRow("leap February") << QDate(2028, 2, 1) << 5 << 2 << 5 << 2 << "February 2028";
    }
    void calendarMonths()
    {
        QFETCH(QDate, month);
        QFETCH(int, weeks);
        QFETCH(int, firstColumn);
        QFETCH(int, lastRow);
        QFETCH(int, lastColumn);
        QFETCH(QString, caption);
        TestDatabase tdb;
        TestArea area;
        frmMemberEntry* screen = openMemberScreen();
        const int steps = (month.year() - kToday.year()) * 12 + month.month() - kToday.month();
        for (int i = 0; i < std::abs(steps); ++i)
            (steps < 0 ? screen->btnPrevMonth : screen->btnNextMonth)->click();
        QCOMPARE(screen->lblDate->text(), caption);
        const QString lastDay = QString::number(QDate(month.year(), month.month(), 1).daysInMonth());
        for (const QTableWidget* grid : std::as_const(screen->calendars)) {
            QCOMPARE(grid->rowCount(), 1 + weeks);
            QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("S"));
            QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("W"));
            QCOMPARE(grid->item(1, firstColumn)->text(), QStringLiteral("1"));
            for (int c = 0; c < firstColumn; ++c)
                QVERIFY(!grid->item(1, c) || grid->item(1, c)->text().isEmpty());
            QCOMPARE(grid->item(lastRow, lastColumn)->text(), lastDay);
        }
    }

    void decemberStepsIntoJanuary()
    {
        TestDatabase tdb;
        TestArea area;
        frmMemberEntry* screen = openMemberScreen();
        QCOMPARE(screen->lblDate->text(), QStringLiteral("December 2026"));
        screen->btnNextMonth->click();
        QCOMPARE(screen->lblDate->text(), QStringLiteral("January 2027"));
        screen->btnPrevMonth->click();
        screen->btnPrevMonth->click();
        QCOMPARE(screen->lblDate->text(), QStringLiteral("November 2026"));
    }

    void marksLandInTheirOwnCalendar_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QList<int>>("calendars");
        QTest::newRow("SS") << QStringList{"SS"} << QList<int>{0};
        QTest::newRow("RBD only") << QStringList{"RBD"} << QList<int>{1};
        QTest::newRow("SL only") << QStringList{"SL"} << QList<int>{2};
        QTest::newRow("WN only") << QStringList{"WN"} << QList<int>{6};
        QTest::newRow("all seven") << QStringList{"SS", "SL", "RBD", "WS", "DT", "SE", "WN"}
                                   << QList<int>{0, 1, 2, 3, 4, 5, 6};
    }
    void marksLandInTheirOwnCalendar()
    {
        QFETCH(QStringList, flags);
        QFETCH(QList<int>, calendars);
        TestDatabase tdb;
        TestArea area;
        const qint64 id = addPerson("Weekly", "Wes");
        addWeek(id, "2026-12-13", flags);
        addWeek(id, "2026-11-29", {"SS", "SL", "RBD", "WS", "DT", "SE", "WN"}); // its Sunday is in November
        addWeek(addPerson("Other", "Otto"), "2026-12-20", {"SS", "SL", "RBD", "WS", "DT", "SE", "WN"});
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        QCOMPARE(marked(screen), calendars);
        // The 13th is the second Sunday: row 3 of a December that starts on a Tuesday.
        const QTableWidget* grid = screen->calendars[calendars.first()];
        QCOMPARE(grid->item(3, 0)->text(), QStringLiteral("13"));
        QCOMPARE(grid->item(3, 0)->background().color(), kYellow);

        // A month stepped to shows that month's marks, and back again.
        screen->btnPrevMonth->click();
        QCOMPARE(marked(screen).size(), 7);
        QCOMPARE(screen->calendars[6]->item(5, 0)->text(), QStringLiteral("29"));
        screen->btnNextMonth->click();
        QCOMPARE(marked(screen), calendars);
    }

    void familyGridKeepsTheDirectionItWasLoadedIn()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 head = addPerson("Family", "Frank", {{"Head_Of_Household", 1}});
        const qint64 wife = addPerson("Family", "Fay", {{"Phone", "(615) 555-0199"}, {"Date_Of_Birth", "1990-04-05"}});
        const qint64 son = addPerson("Family", "Fred");
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Spouse"}, {"Relative_Member_ID", wife}});
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Son"}, {"Relative_Member_ID", son}});
        frmMemberEntry* screen = openMemberScreen();
        ListGrid* grid = screen->vsfgFamilyMembers;

        screen->LoadMember(head);
        QVERIFY(screen->FamilyGridListsRelatives());
        QCOMPARE(grid->captions(), (QStringList{"ID", "Name", "Relationship", "Status", "Member Status",
                                                "Prospect Status", "Phone", "Gender", "DOB"}));
        QCOMPARE(grid->rows(), 2);
        QCOMPARE(grid->text(1, 0), QString::number(wife)); // by relationship: Son, then Spouse
        QCOMPARE(grid->text(1, 1), QStringLiteral("Family, Fay  "));
        QCOMPARE(grid->text(1, 2), QStringLiteral("Spouse"));
        QCOMPARE(grid->text(1, 6), QStringLiteral("(615) 555-0199"));
        QCOMPARE(grid->text(1, 8), QStringLiteral("4/5/1990"));
        // Unticking the box afterwards does not turn the rows round.
        screen->chkHOH->click();
        grid->pickRow(1);
        QCOMPARE(IdList::currentId(screen->cmbMemberAdd).toLongLong(), wife);
        QCOMPARE(screen->cmbRelationship->currentText(), QStringLiteral("Spouse"));

        screen->LoadMember(son);
        QVERIFY(!screen->FamilyGridListsRelatives());
        QCOMPARE(grid->rows(), 1);
        QCOMPARE(grid->text(0, 0), QString::number(head));
        QCOMPARE(grid->text(0, 2), QStringLiteral("Head of Household"));
        // Ticking the box afterwards does not make the head a relative.
        screen->chkHOH->click();
        grid->pickRow(0);
        QCOMPARE(screen->cmbMemberAdd->currentIndex(), -1);
        QCOMPARE(screen->cmbRelationship->currentIndex(), -1);

        // A double-click shows that person; the header does nothing.
        emit grid->rowDoubleClicked(-1);
        QCOMPARE(screen->MemberId(), son);
        emit grid->rowDoubleClicked(0);
        QCOMPARE(screen->MemberId(), head);
        QCOMPARE(messages.count(), 0);
    }

    void responsibilityRowGoesIntoTheEditor()
    {
        TestDatabase tdb;
        TestArea area;
        addRow("Responsibilities", {{"Name", "Usher"}, {"Description", "Greets at the door"}});
        addRow("Responsibilities", {{"Name", "Deacon"}, {"Description", "Serves"}});
        const qint64 id = addPerson("Helper", "Hank");
        addRow("Member_Responsibility",
               {{"Member_ID", id}, {"Responsibility", "Usher"}, {"Start", "2024-01-01"}, {"End", "2024-12-31"}});
        addRow("Member_Responsibility", {{"Member_ID", id}, {"Responsibility", "Deacon"}, {"Start", "2020-03-01"}});
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        ListGrid* grid = screen->vsfgChurchResponsibilites;
        QCOMPARE(grid->captions(), (QStringList{"Name", "Start", "End", "Description"}));
        QCOMPARE(grid->rows(), 2);
        QCOMPARE(grid->text(1, 0), QStringLiteral("Usher"));
        QCOMPARE(grid->text(1, 3), QStringLiteral("Greets at the door"));
        grid->pickRow(1);
        QCOMPARE(screen->cmbResp->currentText(), QStringLiteral("Usher"));
        QCOMPARE(screen->dtRespStart->date(), QDate(2024, 1, 1));
        QCOMPARE(screen->dtRespEnd->date(), QDate(2024, 12, 31));
        grid->pickRow(0);
        QCOMPARE(screen->cmbResp->currentText(), QStringLiteral("Deacon"));
        QCOMPARE(screen->dtRespStart->date(), QDate(2020, 3, 1));
    }

    void deaconList()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 twice = addPerson("Twice", "Tom");
        addRow("Member_Responsibility", {{"Member_ID", twice}, {"Responsibility", "Deacon"}, {"End", "2001-01-01"}});
        addRow("Member_Responsibility", {{"Member_ID", twice}, {"Responsibility", "Deacon"}});
        addRow("Member_Responsibility", {{"Member_ID", 99999}, {"Responsibility", "Deacon"}}); // member gone
        const qint64 former = addPerson("Former", "Flo");
        const qint64 id = addPerson("Member", "Mo", {{"DeaconID", former}, {"Sunday_School_Class", 12345}});
        addRow("Titles", {{"Title", QVariant()}});
        frmMemberEntry* screen = openMemberScreen();
        QCOMPARE(entries(screen->cmbDeacon), (QStringList{"Twice, Tom", "Twice, Tom"}));
        // A Null value of a lookup list shows as an empty entry.
        QCOMPARE(entries(screen->cmbTitle).mid(0, 3), (QStringList{" ", "", "Dr."}));
        screen->LoadMember(id);
        QCOMPARE(screen->cmbDeacon->currentIndex(), -1);
        QCOMPARE(screen->cmbSSClass->currentIndex(), -1);
        QCOMPARE(screen->txtFName->text(), QStringLiteral("Mo"));
    }

    void contactsAndOrganizationsOfTheMember()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 visitor = addPerson("Visitor", "Vic", {{"Middle_Name", "V"}});
        const qint64 id = addPerson("Prospect", "Pam", {{"Status", "Prospect"}});
        addRow("Prospect_Contact", {{"Prospect_ID", id},
                                    {"Contact_Date", "2026-10-01"},
                                    {"Action", "Visit"},
                                    {"Type", "Home"},
                                    {"Visitor1", visitor},
                                    {"Rating", "Interested"},
                                    {"Notes", "Nice"}});
        addRow("Prospect_Contact", {{"Prospect_ID", id},
                                    {"Contact_Date", "2026-11-01"},
                                    {"Action", "Letter"},
                                    {"Visitor1", visitor},
                                    {"Visitor2", visitor}});
        addRow("Member_Organizations", {{"MemberID", id}, {"Organization", "Youth Group"}});
        addRow("Member_Organizations", {{"MemberID", id}, {"Organization", QVariant()}});
        frmMemberEntry* screen = openMemberScreen();
        screen->LoadMember(id);
        ListGrid* grid = screen->vsfgProspectContacts;
        QCOMPARE(grid->captions(),
                 (QStringList{"ID", "Date", "Action", "Type", "Rating", "Visitor 1", "Visitor 2", "Notes"}));
        QCOMPARE(grid->rows(), 2);
        QCOMPARE(grid->text(0, 1), QStringLiteral("11/1/2026"));
        QCOMPARE(grid->text(0, 6), QStringLiteral("Visitor, Vic V"));
        QCOMPARE(grid->text(1, 5), QStringLiteral("Visitor, Vic V"));
        QCOMPARE(grid->text(1, 6), QString()); // no second visitor
        QCOMPARE(grid->text(1, 7), QStringLiteral("Nice"));
        // A held row without a name empties neither list.
        QCOMPARE(entries(screen->lstAllOrganizations), (QStringList{"Choir", "Men's Ministry", "Women's Ministry"}));
        QCOMPARE(entries(screen->lstMemberOrganizations), (QStringList{"", "Youth Group"}));
    }

    void doorsToLaterScreens_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::newRow("without the right") << false;
        QTest::newRow("with the right") << true;
    }
    void doorsToLaterScreens()
    {
        QFETCH(bool, granted);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 clerk = addPerson("Clerk", "Cal");
        TestDatabase::grant(clerk, PermissionNames::kMemberContributions);
        if (granted)
            TestDatabase::grant(clerk, PermissionNames::kProspectContactEntryEdit);
        const qint64 id = addPerson("Prospect", "Pam");
        addRow("Prospect_Contact", {{"Prospect_ID", id}, {"Contact_Date", "2026-10-01"}});
        addGift(id, "2026-10-04", 5);
        MainMod::CurrentUserID = clerk;
        MainMod::CurrentUserType = QStringLiteral("User");
        auto* screen = ScreenRegistry::load<frmMemberEntry>();
        screen->LoadMember(id);
        const auto contactScreenOpen = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return ScreenRegistry::isOpen(QStringLiteral("frmProspectContactEntry"));
        };

        // The right is asked before the row is looked at.
        emit screen->vsfgProspectContacts->rowDoubleClicked(-1);
        QCOMPARE(messages.count(), granted ? 0 : 1);
        QVERIFY(!contactScreenOpen());
        messages.clear();
        emit screen->vsfgProspectContacts->rowDoubleClicked(0);
        QCOMPARE(messages.count(), granted ? 0 : 1);
        if (!granted)
            QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to edit this record."));
        QCOMPARE(contactScreenOpen(), granted);
        if (auto* contact = ScreenRegistry::find(QStringLiteral("frmProspectContactEntry")))
            contact->Unload();
        messages.clear();
        screen->btnNewContact->click();
        QCOMPARE(messages.count(), granted ? 0 : 1);
        if (!granted) {
            QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to view this record."));
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        }
        QCOMPARE(contactScreenOpen(), granted);
        messages.clear();
        emit screen->vsfgMemberContributions->rowDoubleClicked(-1);
        QCOMPARE(messages.count(), 0);
        emit screen->vsfgMemberContributions->rowDoubleClicked(0);
        // Pam is not flagged for the contribution list: the entry screen opens and says so.
        QVERIFY(ScreenRegistry::find<frmContributionEntry>());
        QCOMPARE(messages.last().title, QStringLiteral("Member Not In List"));
    }

    void typeAheadOnItsTwentyLists()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 deacon = addPerson("Zed", "Zack");
        addRow("Member_Responsibility", {{"Member_ID", deacon}, {"Responsibility", "Deacon"}});
        frmMemberEntry* screen = openMemberScreen();
        QTest::keyClick(screen->cmbMemberStatus, 'p');
        QCOMPARE(screen->cmbMemberStatus->currentText(), QStringLiteral("Prospect"));
        QTest::keyClick(screen->cmbMember, 'z');
        QCOMPARE(screen->MemberId(), deacon);
        // The deacon list has none: the key works the list as usual, the shared prefix is untouched.
        MainMod::TypeAheadState.SearchText.clear();
        QTest::keyClick(screen->cmbDeacon, 'x');
        QVERIFY(MainMod::TypeAheadState.SearchText.isEmpty());
    }
};

QTEST_MAIN(TestMemberEntry)
#include "tst_memberentry.moc"
