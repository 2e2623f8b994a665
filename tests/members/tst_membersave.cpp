#include "support/MemberRows.h"
#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/MemberPicture.h"
#include "members/frmMemberEntry.h"
#include "outreach/OutreachPlanLink.h"
#include "platform/Clock.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

void pick(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void typePhone(PhoneEdit* box, const QString& digits)
{
    box->setFocus();
    box->home(false);
    QTest::keyClicks(box, digits);
}

void pickEntry(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentItem(found.first());
}

QVariant column(qint64 id, const QString& name)
{
    return MainDatabase.scalar(QStringLiteral("SELECT \"%1\" FROM Member WHERE ID = ?").arg(name), {id});
}

int count(const QString& sql, const QVariantList& params = {})
{
    return MainDatabase.scalar(sql, params).toInt();
}

int members()
{
    return count(QStringLiteral("SELECT COUNT(*) FROM Member"));
}

QStringList organizationsOf(qint64 id)
{
    QStringList names;
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Organization FROM Member_Organizations WHERE MemberID = ? ORDER BY Organization"), {id});
    for (; !rs.Eof(); rs.MoveNext())
        names << rs.Text(QStringLiteral("Organization"));
    return names;
}

// What the screen shows of a member, control by control; the screen's own state and the lists of other
// people are left out.
QVariantMap snapshot(frmMemberEntry* s)
{
    static const QStringList skipped{
        "txtMemberID", "txtAdded",     "txtEdited",       "txtFileType", "txtContributionTotal",
        "cmbMember",   "cmbMemberAdd", "cmbRelationship", "cmbResp",     "cmbContributionDesignation"};
    QVariantMap shown;
    for (QLineEdit* box : s->findChildren<QLineEdit*>())
        if (box->objectName().startsWith("txt") && !skipped.contains(box->objectName()))
            shown.insert(box->objectName(), box->displayText());
    for (QPlainTextEdit* box : s->findChildren<QPlainTextEdit*>())
        shown.insert(box->objectName(), box->toPlainText());
    for (QComboBox* combo : s->findChildren<QComboBox*>())
        if (!skipped.contains(combo->objectName()))
            shown.insert(combo->objectName(), combo->currentText());
    for (QCheckBox* box : s->findChildren<QCheckBox*>())
        shown.insert(box->objectName(), box->isChecked());
    for (QDateEdit* picker : s->findChildren<QDateEdit*>())
        if (!picker->objectName().startsWith("dtContribution") && !picker->objectName().startsWith("dtResp"))
            shown.insert(picker->objectName(), picker->date());
    QStringList held = entries(s->lstMemberOrganizations);
    held.sort();
    shown.insert("lstMemberOrganizations", held);
    shown.insert("imgPic", !s->imgPic->pixmap().isNull());
    return shown;
}

// Writes a picture file of the given size in a test folder; returns its path.
QString writePicture(const QString& folder, const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = folder + QLatin1Char('/') + name;
    image.save(path, "PNG");
    return path;
}

// The three statuses and both names: what a save needs.
void fillRequired(frmMemberEntry* s, const QString& last = "Miller", const QString& first = "Mae")
{
    pick(s->cmbMemberStatus, "Member");
    typeInto(s->txtLName, last);
    typeInto(s->txtFName, first);
    pick(s->cmbChurchStatus, "Active");
    pick(s->cmbProspectStatus, "Active");
}

// A user holding only the rights given.
void logInAs(const QStringList& rights)
{
    const qint64 clerk = addPerson("Clerk", "Cal");
    TestDatabase::addUser(clerk, "cal", "pw");
    for (const QString& right : rights)
        TestDatabase::grant(clerk, right);
    MainMod::CurrentUserID = clerk;
    MainMod::CurrentUsername = QStringLiteral("cal");
    MainMod::CurrentUserType = QStringLiteral("User");
}

} // namespace

class TestMemberSave : public QObject {
    Q_OBJECT

private slots:
    void fullMemberRoundTrip()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::PictureFolder = tdb.folder() + QStringLiteral("/pictures/");
        QDir().mkpath(MainMod::PictureFolder);
        const qint64 teacher = addPerson("Teach", "Tom");
        const qint64 deacon = addPerson("Deacon", "Dan");
        addRow("Member_Responsibility", {{"Member_ID", deacon}, {"Responsibility", "Deacon"}});
        const qint64 ss = addRow("Sunday_School", {{"Name", "Adults 1"}, {"Teacher", teacher}});
        const qint64 dt = addRow("Discipleship_Training", {{"Name", "Basics"}, {"Teacher", teacher}});
        const qint64 wn = addRow("Wednesday_Night", {{"Name", "Prayer"}, {"Teacher", teacher}});
        const qint64 cg = addRow("Care_Group", {{"Group_Leader", teacher}});
        const int before = members();

        frmMemberEntry* s = openMemberScreen();
        MainMod::CurrentUsername = QStringLiteral("admin");
        s->btnNew->click();
        fillRequired(s, "O'Brien; DROP TABLE Member;--", "Ann 100%");
        typeInto(s->txtMName, "D'Arcy");
        pick(s->cmbTitle, "Mrs.");
        typeInto(s->txtAddress1, "1 Elm's Row");
        typeInto(s->txtAddress2, "SELECT * FROM Member");
        typeInto(s->txtCity, "Nashville");
        pick(s->cmbState, "KY");
        typeInto(s->txtZip, "40201");
        typePhone(s->txtHomePhone, "6155550100");
        typePhone(s->txtCell, "6155550101");
        typePhone(s->txtWorkPhone, "6155550102");
        typeInto(s->txtEmail, "ann_o'brien@example.org");
        QVERIFY(s->LoadPicture(writePicture(tdb.folder(), "ann.png", 400, 300)));
        typeInto(s->txtPlaceofWork, "Mill \"B\"");
        typeInto(s->txtOccupation, "50% owner");
        s->chkDOB->click();
        s->dtDOB->setDate(QDate(1930, 1, 5));
        pick(s->cmbGender, "Female");
        pick(s->cmbMaritalStatus, "Widowed");
        s->chkAnnivDate->click();
        s->dtAnnivDate->setDate(QDate(1955, 6, 18));
        s->chkHOH->click();
        typeInto(s->txtMapSection, "B-4");
        typeInto(s->txtHobbies, "a_b");
        typeInto(s->txtOrganizations, "Garden club");
        s->txtNotes->setPlainText("Line one\nLine 'two'");
        const QList<QPair<QCheckBox*, QDateEdit*>> churchDates{{s->chkMemberSince, s->dtMemberSince},
                                                               {s->chkCameForward, s->dtCameForward},
                                                               {s->chkBaptized, s->dtBaptized},
                                                               {s->chkLetterOut, s->dtLetterOut},
                                                               {s->chkDeceased, s->dtDeceased}};
        for (int i = 0; i < churchDates.size(); ++i) {
            churchDates[i].first->click();
            churchDates[i].second->setDate(QDate(1990 + i, 2 + i, 3 + i));
        }
        typeInto(s->txtPreviousChurch, "First Church");
        s->chkNewMail->click();
        s->chkNewEmail->click();
        for (QComboBox* level :
             {s->cmbSSAttend, s->cmbWorshipAttend, s->cmbDiscAttend, s->cmbSundayEveAttend, s->cmbWedAttend})
            pick(level, "Occasional");
        pick(s->cmbSSClass, "Adults 1");
        pick(s->cmbCareGroup, "Teach, Tom");
        pick(s->cmbDiscClass, "Basics");
        pick(s->cmbWedClass, "Prayer");
        pick(s->cmbDeacon, "Deacon, Dan");
        typeInto(s->txtProspectSource, "Fair");
        pick(s->cmbProspectSSClass, "Adults 1");
        pick(s->cmbProspectCGAssign, "Teach, Tom");
        s->txtProspectNotes->setPlainText("Met at the fair");
        typeInto(s->txtProspectMemberOf, "None");
        pick(s->cmbNextPhase, "Second Visit");
        pick(s->cmbNextContactAction, "Visit");
        s->dtNextContactDate->setDate(QDate(2026, 12, 20));
        typeInto(s->txtNextType, "Home");
        typeInto(s->txtEnv, "0042");
        s->chkShowInContributionsList->click();
        pickEntry(s->lstAllOrganizations, "Women's Ministry");
        s->btnAdd->click();
        pickEntry(s->lstAllOrganizations, "Choir");
        s->btnAdd->click();
        QCOMPARE(messages.count(), 0);
        const QVariantMap typed = snapshot(s);

        s->btnSaveNew->click();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(members(), before + 1);
        const qint64 id = s->MemberId();
        QCOMPARE(s->txtMemberID->text(), QString::number(id));
        QCOMPARE(IdList::currentId(s->cmbMember).toLongLong(), id);
        QCOMPARE(snapshot(s), typed);
        // What the row holds where the screen shows a name: the ID.
        QCOMPARE(column(id, "Sunday_School_Class").toLongLong(), ss);
        QCOMPARE(column(id, "Care_Group_Assigned").toLongLong(), cg);
        QCOMPARE(column(id, "Discipleship_Training_Class").toLongLong(), dt);
        QCOMPARE(column(id, "Wednesday_Night_Class").toLongLong(), wn);
        QCOMPARE(column(id, "DeaconID").toLongLong(), deacon);
        QCOMPARE(column(id, "Date_Of_Birth").toString(), QStringLiteral("1930-01-05"));
        QCOMPARE(column(id, "Phone").toString(), QStringLiteral("(615) 555-0100"));
        QCOMPARE(column(id, "Last_Name").toString(), QStringLiteral("O'Brien; DROP TABLE Member;--"));
        QCOMPARE(column(id, "Picture").toString(), QString::number(id) + ".png");
        QCOMPARE(organizationsOf(id), (QStringList{"Choir", "Women's Ministry"}));

        // Closed and opened again, the member shows as entered.
        s->btnExit->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!MainMod::MemberEntryOpen());
        s = openMemberScreen();
        s->LoadMember(id);
        QCOMPARE(snapshot(s), typed);
        QCOMPARE(messages.count(), 0);
    }

    void newThenEditStampsOneRow()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        MainMod::CurrentUsername = QStringLiteral("first");
        const int before = members();
        fillRequired(s);
        s->btnSaveNew->click();
        const qint64 id = s->MemberId();
        QVERIFY(id > 1);
        QCOMPARE(column(id, "Date_Added").toString(), QStringLiteral("2026-12-07 10:00:00"));
        QCOMPARE(column(id, "Added_By").toString(), QStringLiteral("first"));
        QVERIFY(column(id, "Date_Edited").isNull());

        Clock::advance(90 * 1000);
        MainMod::CurrentUsername = QStringLiteral("second");
        typeInto(s->txtFName, "May");
        s->btnSaveNew->click();
        QCOMPARE(members(), before + 1);
        QCOMPARE(s->MemberId(), id);
        QCOMPARE(column(id, "First_Name").toString(), QStringLiteral("May"));
        QCOMPARE(column(id, "Date_Added").toString(), QStringLiteral("2026-12-07 10:00:00"));
        QCOMPARE(column(id, "Added_By").toString(), QStringLiteral("first"));
        QCOMPARE(column(id, "Date_Edited").toString(), QStringLiteral("2026-12-07 10:01:30"));
        QCOMPARE(column(id, "Edited_By").toString(), QStringLiteral("second"));
        // Unticked dates and empty lists store nothing, whatever the pickers show.
        QVERIFY(column(id, "Date_Of_Birth").isNull());
        QVERIFY(column(id, "Sunday_School_Class").isNull());
        QCOMPARE(column(id, "Envelope").toString(), QString());
        QCOMPARE(column(id, "ShowInContributionList").toInt(), 0);
        QCOMPARE(messages.count(), 0);
        // The new name is offered at once, in both name lists.
        QVERIFY(s->cmbMember->findData(id) >= 0);
        QVERIFY(s->cmbMemberAdd->findData(id) >= 0);
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("missing");
        for (const char* name : {"cmbMemberStatus", "txtLName", "txtFName", "cmbChurchStatus", "cmbProspectStatus"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void requiredFields()
    {
        QFETCH(QString, missing);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        pickEntry(s->lstAllOrganizations, "Choir");
        s->btnAdd->click();
        if (auto* combo = s->findChild<QComboBox*>(missing))
            combo->setCurrentIndex(-1);
        else
            s->findChild<QLineEdit*>(missing)->clear();
        const int before = members();
        for (QPushButton* button : {s->btnSaveNew, s->btnSaveClose}) {
            messages.clear();
            button->click();
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text, QStringLiteral("All fields in blue are required."));
            QCOMPARE(messages.last().title, QStringLiteral("Required Fields"));
            QCOMPARE(messages.last().icon, Messages::Icon::None);
        }
        QCOMPARE(members(), before);
        QCOMPARE(count("SELECT COUNT(*) FROM Member_Organizations"), 0);
        QVERIFY(MainMod::MemberEntryOpen());
        QVERIFY(s->txtMemberID->text().isEmpty());
        // A blank is a value.
        fillRequired(s, " ", " ");
        QVERIFY(s->SaveMember());
        QCOMPARE(members(), before + 1);
    }

    // The four next-step columns are written together, and only when the user changed one of the four boxes:
    // a plan whose phase or action has left the lists shows empty boxes and is kept by a save made for another
    // reason. "-" leaves a box as shown; a stored plan is Second Visit on 12/12/2026, a Visit, "Home visit".
    void nextStepAllFourOrNone_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("gone"); // left the lists: phase, action, or phase while shown
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("saved");
        const QString none = "-|-|-|-";
        const QString plan = "Second Visit|2026-12-12|Visit|Home visit";
        QTest::newRow("both") << false << "" << "First Visit" << "Letter" << "First Visit|2027-01-03|Letter|Call";
        QTest::newRow("phase only") << false << "" << "First Visit" << "" << none;
        QTest::newRow("action only") << false << "" << "" << "Letter" << none;
        QTest::newRow("neither") << false << "" << "" << "" << none;
        QTest::newRow("stored, Member Of typed") << true << "" << "-" << "-" << plan;
        QTest::newRow("phase deleted, Member Of typed") << true << "phase" << "-" << "-" << plan;
        QTest::newRow("action deleted, Member Of typed") << true << "action" << "-" << "-" << plan;
        QTest::newRow("phase deleted while shown") << true << "phase while shown" << "-" << "-" << plan;
        QTest::newRow("phase deleted, another step picked")
            << true << "phase" << "First Visit" << "Letter" << "First Visit|2027-01-03|Letter|Call";
        QTest::newRow("stored, phase emptied") << true << "" << "" << "-" << none;
    }
    void nextStepAllFourOrNone()
    {
        QFETCH(bool, stored);
        QFETCH(QString, gone);
        QFETCH(QString, phase);
        QFETCH(QString, action);
        QFETCH(QString, saved);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        if (gone == "phase")
            MainDatabase.execute("DELETE FROM Outreach_Phase WHERE Phase = 'Second Visit'");
        if (gone == "action")
            MainDatabase.execute("DELETE FROM Prospect_Action WHERE Action = 'Visit'");
        frmMemberEntry* s = openMemberScreen();
        if (stored) {
            s->LoadMember(addPerson("Hayes", "Stephanie",
                                    {{"Status", "Prospect"},
                                     {"Member_Active_Status", "Active"},
                                     {"Prospect_Active_Status", "Active"},
                                     {"Prospect_Phase", "Second Visit"},
                                     {"Prospect_Next_Contact_Date", "2026-12-12"},
                                     {"Prospect_Next_Contact_Action", "Visit"},
                                     {"Prospect_Next_Contact_Type", "Home visit"}}));
            if (gone == "phase while shown") {
                MainDatabase.execute("DELETE FROM Outreach_Phase WHERE Phase = 'Second Visit'");
                OutreachPlanLink::planSaved({});
            }
            s->SSTab1->setCurrentIndex(4);
            typeInto(s->txtProspectMemberOf, "Aunt Ruth");
        } else {
            fillRequired(s);
        }
        if (phase != "-")
            pick(s->cmbNextPhase, phase);
        if (action != "-")
            pick(s->cmbNextContactAction, action);
        if (phase != "-" && action != "-") {
            s->dtNextContactDate->setDate(QDate(2027, 1, 3));
            typeInto(s->txtNextType, "Call");
        }
        QTest::mouseClick(s->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        const qint64 id = s->MemberId();
        QStringList four;
        for (const char* name : {"Prospect_Phase", "Prospect_Next_Contact_Date", "Prospect_Next_Contact_Action",
                                 "Prospect_Next_Contact_Type"}) {
            const QVariant value = column(id, name);
            four << (value.isNull() ? QStringLiteral("-") : value.toString());
        }
        QCOMPARE(four.join('|'), saved);
        if (stored)
            QCOMPARE(column(id, "Prospect_Member_Of").toString(), QStringLiteral("Aunt Ruth"));
    }

    void organizationsSavedAreTheRightList()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 id =
            addPerson("Org", "Olive", {{"Member_Active_Status", "Active"}, {"Prospect_Active_Status", "Active"}});
        addRow("Member_Organizations", {{"MemberID", id}, {"Organization", "Youth Group"}});
        const qint64 other = addPerson("Other", "Otto");
        addRow("Member_Organizations", {{"MemberID", other}, {"Organization", "Choir"}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(id);
        QCOMPARE(entries(s->lstAllOrganizations), (QStringList{"Choir", "Men's Ministry", "Women's Ministry"}));
        // Every entry moves, from the last to the first.
        s->btnAddAll->click();
        QCOMPARE(entries(s->lstMemberOrganizations),
                 (QStringList{"Youth Group", "Women's Ministry", "Men's Ministry", "Choir"}));
        QVERIFY(entries(s->lstAllOrganizations).isEmpty());
        // Only the selected ones go back.
        s->lstMemberOrganizations->item(0)->setSelected(true);
        s->lstMemberOrganizations->setCurrentRow(2, QItemSelectionModel::Select);
        s->btnRemove->click();
        QCOMPARE(entries(s->lstMemberOrganizations), (QStringList{"Women's Ministry", "Choir"}));
        QCOMPARE(entries(s->lstAllOrganizations), (QStringList{"Men's Ministry", "Youth Group"}));
        // Moves alone write nothing.
        QCOMPARE(organizationsOf(id), QStringList{"Youth Group"});
        s->btnSaveNew->click();
        QCOMPARE(organizationsOf(id), (QStringList{"Choir", "Women's Ministry"}));
        s->btnRemoveAll->click();
        s->btnSaveNew->click();
        QVERIFY(organizationsOf(id).isEmpty());
        QCOMPARE(organizationsOf(other), QStringList{"Choir"});
        QCOMPARE(messages.count(), 0);
    }

    void failedSaveWritesNothingAndKeepsTheScreen()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        pickEntry(s->lstAllOrganizations, "Choir");
        s->btnAdd->click();
        MainDatabase.execute("CREATE TRIGGER refuse BEFORE INSERT ON Member_Organizations BEGIN "
                             "SELECT RAISE(ABORT, 'organizations are closed'); END");
        const int before = members();
        s->btnSaveNew->click();
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains("organizations are closed"));
        QCOMPARE(members(), before);
        QVERIFY(s->txtMemberID->text().isEmpty());
        QCOMPARE(s->MemberId(), 0);
        QCOMPARE(s->txtLName->text(), QStringLiteral("Miller"));
        QCOMPARE(entries(s->lstMemberOrganizations), QStringList{"Choir"});
        // Mended, the same screen saves one new row.
        MainDatabase.execute("DROP TRIGGER refuse");
        s->btnSaveNew->click();
        QCOMPARE(members(), before + 1);
        QCOMPARE(organizationsOf(s->MemberId()), QStringList{"Choir"});
    }

    // A person the save names was deleted at another desk after the screen read them: nothing is written, the
    // screen keeps what was typed, and the register is not held while the message waits.
    void savingAMemberDeletedMeanwhile_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<bool>("addResp"); // Add on the responsibilities instead of Save And New
        QTest::newRow("the member shown") << "member" << false;
        QTest::newRow("the deacon chosen") << "deacon" << false;
        QTest::newRow("the member shown, a responsibility added") << "member" << true;
    }
    void savingAMemberDeletedMeanwhile()
    {
        QFETCH(QString, deleted);
        QFETCH(bool, addResp);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 id =
            addPerson("Gone", "Gus", {{"Member_Active_Status", "Active"}, {"Prospect_Active_Status", "Active"}});
        const qint64 deacon = addPerson("Deacon", "Dan");
        addRow("Member_Responsibility", {{"Member_ID", deacon}, {"Responsibility", "Deacon"}});
        addRow("Responsibilities", {{"Name", "Usher"}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(id);
        s->SSTab1->setCurrentIndex(3);
        pick(s->cmbDeacon, "Deacon, Dan");
        pick(s->cmbResp, "Usher");
        OtherDesk desk(tdb.path());
        QVERIFY(desk.save("DELETE FROM Member WHERE ID = ?", {deleted == "member" ? id : deacon}));
        pickEntry(s->lstAllOrganizations, "Choir");
        s->btnAdd->click();
        typeInto(s->txtFName, "Gustav");
        const int before = members();
        QVERIFY(desk.canSaveWhileShown(
            messages, [&] { QTest::mouseClick(addResp ? s->btnAddResp : s->btnSaveNew, Qt::LeftButton); }));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("This member no longer exists."));
        QCOMPARE(messages.last().title, QStringLiteral("Member Not Found"));
        QCOMPARE(members(), before);
        QCOMPARE(count("SELECT COUNT(*) FROM Member_Organizations"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Member WHERE First_Name = 'Gustav'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Member_Responsibility WHERE Responsibility = 'Usher'"), 0);
        QCOMPARE(s->cmbResp->currentText(), QStringLiteral("Usher"));
        QCOMPARE(s->txtFName->text(), QStringLiteral("Gustav"));
        QCOMPARE(s->cmbDeacon->currentText(), QStringLiteral("Deacon, Dan"));
        QCOMPARE(s->MemberId(), id);
    }

    void saveAndCloseAndExit()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        s->btnSaveClose->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!MainMod::MemberEntryOpen());
        QCOMPARE(count("SELECT COUNT(*) FROM Member WHERE Last_Name = 'Miller'"), 1);
        s = openMemberScreen();
        fillRequired(s, "Never");
        s->btnExit->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!MainMod::MemberEntryOpen());
        QCOMPARE(count("SELECT COUNT(*) FROM Member WHERE Last_Name = 'Never'"), 0);
        QCOMPARE(messages.count(), 0);
    }

    void envelopeInUse_data()
    {
        QTest::addColumn<bool>("showOwner");
        QTest::addColumn<QString>("envelope");
        QTest::addColumn<bool>("warned");
        QTest::newRow("new record, number held") << false << "17" << true;
        QTest::newRow("new record, free number") << false << "18" << false;
        QTest::newRow("the holder itself") << true << "17" << false;
        QTest::newRow("the holder, another's number") << true << "21" << true;
    }
    void envelopeInUse()
    {
        QFETCH(bool, showOwner);
        QFETCH(QString, envelope);
        QFETCH(bool, warned);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 owner =
            addPerson("Holder", "Hal",
                      {{"Envelope", "17"}, {"Member_Active_Status", "Active"}, {"Prospect_Active_Status", "Active"}});
        addPerson("O'Neil", "Ivy", {{"Envelope", "21"}});
        frmMemberEntry* s = openMemberScreen();
        QApplication::setActiveWindow(ScreenRegistry::area());
        if (showOwner)
            s->LoadMember(owner);
        else
            fillRequired(s);
        s->SSTab1->setCurrentIndex(frmMemberEntry::kContributionsTab);
        typeInto(s->txtEnv, envelope);
        // Leaving the box checks it.
        s->chkShowInContributionsList->setFocus();
        const QString holder = envelope == "17" ? "Hal Holder" : "Ivy O'Neil";
        const QString text = "A Member is already assigned this envelope: " + holder +
                             ". Two members cannot have the same envelope number.";
        QCOMPARE(messages.count(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(messages.last().text, text);
            QCOMPARE(messages.last().title, QStringLiteral("Envelope Number In Use"));
            QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
            QCOMPARE(QApplication::focusWidget(), s->txtEnv);
            QCOMPARE(s->txtEnv->text(), envelope);
            QTest::qWait(0); // entered again, selected: typed over, the number is the one saved below
            QTest::keyClicks(s->txtEnv, envelope);
        }
        grabIfAsked(s, QStringLiteral("frmMemberEntry-envelope-warned"));
        // Leaving the box again for Save, and the save itself, do not say it again; the number is saved.
        messages.clear();
        QTest::mouseClick(s->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QVERIFY(s->MemberId() != 0);
        QCOMPARE(column(s->MemberId(), "Envelope").toString(), envelope);
        grabIfAsked(s, QStringLiteral("frmMemberEntry-envelope-saved"));
        // Another number in use warns again.
        typeInto(s->txtEnv, envelope == "21" ? "17" : "21");
        s->chkShowInContributionsList->setFocus();
        QCOMPARE(messages.count(), showOwner && envelope == "21" ? 0 : 1); // 17 is the holder's own
    }

    void pictureFitsAndKeepsItsExtension_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("kept");
        QTest::addColumn<QString>("extension");
        QTest::newRow("wide") << "wide.png" << QSize(400, 300) << QSize(165, 124) << "png";
        QTest::newRow("tall") << "tall.png" << QSize(300, 400) << QSize(124, 165) << "png";
        QTest::newRow("square, small") << "square.bmp" << QSize(40, 40) << QSize(165, 165) << "bmp";
        QTest::newRow("dotted name") << "Photo.Final.JPG" << QSize(330, 330) << QSize(165, 165) << "JPG";
        QTest::newRow("no extension") << "portrait" << QSize(200, 100) << QSize(165, 83) << "png";
    }
    void pictureFitsAndKeepsItsExtension()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QSize, kept);
        QFETCH(QString, extension);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        // A folder as configured without its closing separator.
        MainMod::PictureFolder = tdb.folder() + QStringLiteral("/pictures");
        QDir().mkpath(MainMod::PictureFolder);
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        QVERIFY(s->LoadPicture(writePicture(tdb.folder(), file, size.width(), size.height())));
        QCOMPARE(s->txtFileType->text(), extension);
        s->btnSaveNew->click();
        QCOMPARE(messages.count(), 0);
        const qint64 id = s->MemberId();
        const QString name = QString::number(id) + "." + extension;
        QCOMPARE(column(id, "Picture").toString(), name);
        const QImage stored(MainMod::PictureFolder + "/" + name);
        QCOMPARE(stored.size(), kept);
        QVERIFY(!QFile::exists(MainMod::PictureFolder + name));
        // Shown again from the folder.
        s->btnNew->click();
        QVERIFY(s->imgPic->pixmap().isNull());
        s->LoadMember(id);
        QVERIFY(!s->imgPic->pixmap().isNull());
    }

    void gifIsStoredAndReadBack()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::PictureFolder = tdb.folder() + QStringLiteral("/");
        // A 1 by 1 GIF: Qt reads GIF but writes none.
        const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c0000000001"
                                                   "0001000002024401003b");
        QFile file(tdb.folder() + "/dot.gif");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(gif);
        file.close();
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        QVERIFY(s->LoadPicture(file.fileName()));
        QVERIFY(s->SaveMember());
        const QString name = QString::number(s->MemberId()) + ".gif";
        QCOMPARE(column(s->MemberId(), "Picture").toString(), name);
        QCOMPARE(QImage(MainMod::PictureFolder + name).size(), QSize(165, 165));
        const qint64 id = s->MemberId();
        s->btnNew->click();
        s->LoadMember(id);
        QVERIFY(!s->imgPic->pixmap().isNull());
        QCOMPARE(messages.count(), 0);
    }

    void unreadablePictureChangesNothing()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        QVERIFY(s->LoadPicture(writePicture(tdb.folder(), "good.png", 50, 50)));
        QFile bad(tdb.folder() + "/bad.jpg");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture at all");
        bad.close();
        QVERIFY(!s->LoadPicture(bad.fileName()));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Picture Not Loaded"));
        QCOMPARE(s->txtFileType->text(), QStringLiteral("png"));
        QVERIFY(!s->imgPic->pixmap().isNull());
    }

    void unwritablePictureFolderRollsTheSaveBack()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::PictureFolder = tdb.folder() + QStringLiteral("/missing/folder/");
        frmMemberEntry* s = openMemberScreen();
        fillRequired(s);
        QVERIFY(s->LoadPicture(writePicture(tdb.folder(), "pic.png", 50, 80)));
        const int before = members();
        OtherDesk desk(tdb.path());
        QVERIFY(desk.canSaveWhileShown(messages, [&] { s->btnSaveNew->click(); }));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Picture Not Saved"));
        QCOMPARE(members(), before);
        QVERIFY(s->txtMemberID->text().isEmpty());
        QCOMPARE(s->txtFileType->text(), QStringLiteral("png"));
        // With the folder there, the same screen saves.
        QDir().mkpath(MainMod::PictureFolder);
        s->btnSaveNew->click();
        QCOMPARE(members(), before + 1);
        QVERIFY(QFile::exists(MainMod::PictureFolder + QString::number(s->MemberId()) + ".png"));
    }

    void viewOnlyUserCannotSave()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        frmMemberEntry* s = openMemberScreen();
        logInAs({PermissionNames::kMemberView});
        fillRequired(s);
        const int before = members();
        for (QPushButton* button : {s->btnSaveNew, s->btnSaveClose}) {
            messages.clear();
            button->click();
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to save this record."));
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        }
        QCOMPARE(members(), before);
        QVERIFY(MainMod::MemberEntryOpen());
    }
};

QTEST_MAIN(TestMemberSave)
#include "tst_membersave.moc"
