#include "support/MemberRows.h"
#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;
using Messages::Answer;

namespace {

// Every row of the tables a member's records live in, as text, to tell whether anything changed.
QString everything()
{
    QStringList text;
    for (const char* table : {"Member", "AttendanceData", "Care_Group", "Discipleship_Training", "Family_Connection",
                              "Member_Responsibility", "Member_Organizations", "Prospect_Contact", "Sunday_School",
                              "User", "UserPermission", "Wednesday_Night", "Member_Contributions"}) {
        const QString sql = QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table);
        MainDatabase.forEachRow(sql, {}, [&](const QSqlQuery& query) {
            QStringList cells;
            for (int i = 0; i < query.record().count(); ++i)
                cells << (query.value(i).isNull() ? QStringLiteral("<null>") : query.value(i).toString());
            text << QString::fromLatin1(table) + ": " + cells.join(',');
        });
    }
    return text.join('\n');
}

int count(const QString& sql, const QVariantList& params = {})
{
    return MainDatabase.scalar(sql, params).toInt();
}

QVariant value(const QString& sql, const QVariantList& params = {})
{
    return MainDatabase.scalar(sql, params);
}

void pick(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

// A user holding only the right to look at members.
void logInViewOnly()
{
    const qint64 clerk = addPerson("Clerk", "Cal");
    TestDatabase::addUser(clerk, "cal", "pw");
    TestDatabase::grant(clerk, PermissionNames::kMemberView);
    MainMod::CurrentUserID = clerk;
    MainMod::CurrentUserType = QStringLiteral("User");
}

} // namespace

class TestMemberLinks : public QObject {
    Q_OBJECT

private slots:
    void deleteTakesEverythingOfThePerson()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 victim = addPerson("Victim", "Vic");
        const qint64 other = addPerson("Other", "Olga");
        const qint64 third = addPerson("Third", "Ted", {{"DeaconID", other}});
        MainDatabase.execute("UPDATE Member SET DeaconID = ? WHERE ID = ?", {victim, other});
        addWeek(victim, "2026-11-01", {"SS"});
        addWeek(other, "2026-11-01", {"WS"});
        addGift(victim, "2026-11-01", 10);
        addGift(other, "2026-11-01", 20);
        const qint64 group = addRow("Care_Group", {{"Group_Leader", victim}, {"Asst_Group_Leader", victim}});
        const qint64 otherGroup = addRow("Care_Group", {{"Group_Leader", other}, {"Asst_Group_Leader", third}});
        for (const char* table : {"Sunday_School", "Discipleship_Training", "Wednesday_Night"}) {
            addRow(table, {{"Name", "Taught"}, {"Teacher", victim}, {"Asst_Teacher", victim}});
            addRow(table, {{"Name", "Kept"}, {"Teacher", other}, {"Asst_Teacher", third}});
        }
        addRow("Family_Connection", {{"Member_ID", victim}, {"Relationship", "Spouse"}, {"Relative_Member_ID", other}});
        addRow("Family_Connection", {{"Member_ID", third}, {"Relationship", "Son"}, {"Relative_Member_ID", victim}});
        addRow("Family_Connection", {{"Member_ID", other}, {"Relationship", "Son"}, {"Relative_Member_ID", third}});
        addRow("Member_Responsibility", {{"Member_ID", victim}, {"Responsibility", "Deacon"}});
        addRow("Member_Responsibility", {{"Member_ID", other}, {"Responsibility", "Deacon"}});
        addRow("Member_Organizations", {{"MemberID", victim}, {"Organization", "Choir"}});
        addRow("Member_Organizations", {{"MemberID", other}, {"Organization", "Choir"}});
        addRow("Prospect_Contact", {{"Prospect_ID", victim}, {"Visitor1", other}});
        const qint64 visit =
            addRow("Prospect_Contact", {{"Prospect_ID", other}, {"Visitor1", victim}, {"Visitor2", victim}});
        TestDatabase::addUser(victim, "vic", "pw");
        TestDatabase::grant(victim, PermissionNames::kMemberView);
        TestDatabase::addUser(other, "olga", "pw");
        TestDatabase::grant(other, PermissionNames::kMemberView);

        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(victim);
        s->btnDelete->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Are you sure you want to delete the selected member?"));
        QCOMPARE(messages.last().title, QStringLiteral("Delete Confirmation"));
        QCOMPARE(messages.last().buttons, Messages::Buttons::YesNo);

        // Nothing of the person is left.
        for (const char* sql :
             {"SELECT COUNT(*) FROM Member WHERE ID = ?", "SELECT COUNT(*) FROM AttendanceData WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Member_Contributions WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Family_Connection WHERE ? IN (Member_ID, Relative_Member_ID)",
              "SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?",
              "SELECT COUNT(*) FROM Member_Organizations WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Prospect_Contact WHERE ? IN (Prospect_ID, Visitor1, Visitor2)",
              "SELECT COUNT(*) FROM User WHERE Member_ID = ?", "SELECT COUNT(*) FROM UserPermission WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Member WHERE DeaconID = ?",
              "SELECT COUNT(*) FROM Care_Group WHERE ? IN "
              "(Group_Leader, Asst_Group_Leader)"})
            QVERIFY2(count(sql, {victim}) == 0, sql);
        // Roles pass to the stand-by member.
        QCOMPARE(value("SELECT Group_Leader || ',' || Asst_Group_Leader FROM Care_Group WHERE ID = ?", {group}),
                 QVariant("1,1"));
        for (const char* table : {"Sunday_School", "Discipleship_Training", "Wednesday_Night"})
            QCOMPARE(
                value(QStringLiteral("SELECT Teacher || ',' || Asst_Teacher FROM %1 WHERE Name = 'Taught'").arg(table)),
                QVariant("1,1"));
        QCOMPARE(value("SELECT Visitor1 || ',' || Visitor2 FROM Prospect_Contact WHERE ID = ?", {visit}),
                 QVariant("1,1"));
        // Other people's rows are as they were.
        QVERIFY(value("SELECT DeaconID FROM Member WHERE ID = ?", {other}).isNull());
        QCOMPARE(value("SELECT DeaconID FROM Member WHERE ID = ?", {third}).toLongLong(), other);
        QCOMPARE(value("SELECT Group_Leader || ',' || Asst_Group_Leader FROM Care_Group WHERE ID = ?", {otherGroup}),
                 QVariant(QString("%1,%2").arg(other).arg(third)));
        for (const char* table : {"Sunday_School", "Discipleship_Training", "Wednesday_Night"})
            QCOMPARE(
                value(QStringLiteral("SELECT Teacher || ',' || Asst_Teacher FROM %1 WHERE Name = 'Kept'").arg(table)),
                QVariant(QString("%1,%2").arg(other).arg(third)));
        for (const char* sql :
             {"SELECT COUNT(*) FROM AttendanceData WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Member_Contributions WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?",
              "SELECT COUNT(*) FROM Member_Organizations WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Prospect_Contact WHERE Prospect_ID = ?",
              "SELECT COUNT(*) FROM User WHERE Member_ID = ?", "SELECT COUNT(*) FROM UserPermission WHERE MemberID = ?",
              "SELECT COUNT(*) FROM Family_Connection WHERE Member_ID = ?"})
            QVERIFY2(count(sql, {other}) == 1, sql);

        // The screen starts a new record and no list offers the person any more.
        QVERIFY(s->txtMemberID->text().isEmpty());
        QCOMPARE(s->MemberId(), 0);
        QCOMPARE(s->cmbMember->findData(victim), -1);
        QCOMPARE(s->cmbMemberAdd->findData(victim), -1);
        QCOMPARE(s->cmbDeacon->findData(victim), -1);
        QCOMPARE(s->cmbCareGroup->findText("Victim, Vic"), -1);
        QCOMPARE(messages.count(), 1);
    }

    void failureInTheCascadeChangesNothing()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 victim = addPerson("Victim", "Vic", {{"Member_Active_Status", "Active"}});
        addWeek(victim, "2026-11-01", {"SS"});
        addRow("Care_Group", {{"Group_Leader", victim}});
        addRow("Member_Organizations", {{"MemberID", victim}, {"Organization", "Choir"}});
        addRow("Prospect_Contact", {{"Prospect_ID", victim}, {"Visitor1", victim}});
        addGift(victim, "2026-11-01", 10);
        // Half way through, after the attendance, the groups and the family links.
        MainDatabase.execute("CREATE TRIGGER refuse BEFORE DELETE ON Prospect_Contact BEGIN "
                             "SELECT RAISE(ABORT, 'contacts are locked'); END");
        const QString before = everything();
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(victim);
        s->btnDelete->click();
        QCOMPARE(messages.count(), 2);
        QVERIFY(messages.last().text.contains("contacts are locked"));
        QCOMPARE(everything(), before);
        QCOMPARE(s->MemberId(), victim);
        QCOMPARE(s->txtLName->text(), QStringLiteral("Victim"));
    }

    void deleteAsksFirstAndSparesTheStandBy_data()
    {
        QTest::addColumn<bool>("standBy");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("accounts"); // the log-ins of the person and of another member
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("said"); // the last message
        const QString question = "Are you sure you want to delete the selected member?";
        const QString lastAdmin = "This member holds the only active administrator account. Make another user an "
                                  "administrator first.";
        QTest::newRow("no member shown") << false << false << "" << int(Answer::Yes) << "";
        QTest::newRow("answered No") << false << true << "" << int(Answer::No) << question;
        QTest::newRow("the stand-by member")
            << true << true << "" << int(Answer::Yes) << "The stand-by member cannot be deleted.";
        QTest::newRow("the only administrator") << false << true << "Admin" << int(Answer::Yes) << lastAdmin;
        QTest::newRow("the only active administrator")
            << false << true << "Admin, inactive Admin" << int(Answer::Yes) << lastAdmin;
        QTest::newRow("another administrator, answered No")
            << false << true << "Admin, Admin" << int(Answer::No) << question;
        QTest::newRow("an inactive administrator, answered No")
            << false << true << "inactive Admin" << int(Answer::No) << question;
        QTest::newRow("the other administrator made inactive during the question")
            << false << true << "Admin, Admin made inactive" << int(Answer::Yes) << lastAdmin;
    }
    void deleteAsksFirstAndSparesTheStandBy()
    {
        QFETCH(bool, standBy);
        QFETCH(bool, shown);
        QFETCH(QString, accounts);
        QFETCH(int, answer);
        QFETCH(QString, said);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        messages.answer(Answer(answer));
        const qint64 id = standBy ? 1 : addPerson("Kept", "Kay");
        addWeek(id, "2026-11-01", {"SS"});
        const QStringList logIns = accounts.split(", ", Qt::SkipEmptyParts);
        const qint64 other = addPerson("Other", "Otis");
        for (int i = 0; i < logIns.size(); ++i)
            TestDatabase::addUser(i == 0 ? id : other, i == 0 ? "kay" : "otis", "pw", "Admin",
                                  logIns[i].startsWith("inactive"));
        // Another desk at work while the question waits.
        OtherDesk desk(tdb.path());
        if (accounts.endsWith("made inactive"))
            messages.whileShown([&](const Messages::Message&) {
                desk.save("UPDATE User SET Inactive = 1 WHERE Member_ID = ?", {other});
            });
        const QString before = everything();
        frmMemberEntry* s = openMemberScreen();
        if (shown)
            s->LoadMember(id);
        s->btnDelete->click();
        QCOMPARE(messages.count(), said.isEmpty() ? 0 : accounts.endsWith("made inactive") ? 2 : 1);
        if (!said.isEmpty())
            QCOMPARE(messages.last().text, said);
        if (said.endsWith("cannot be deleted.") || said.endsWith("an administrator first.")) {
            QCOMPARE(messages.last().title, QStringLiteral("Delete Not Allowed"));
            QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        }
        if (accounts.endsWith("made inactive"))
            MainDatabase.execute("UPDATE User SET Inactive = 0 WHERE Member_ID = ?", {other});
        QCOMPARE(everything(), before);
        QCOMPARE(s->MemberId(), shown ? id : 0);
    }

    void viewOnlyUserIsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("refusal");
        const QString save = QStringLiteral("You do not have permission to save this record.");
        const QString remove = QStringLiteral("You do not have permission to remove this record.");
        QTest::newRow("Delete") << "btnDelete" << remove;
        QTest::newRow("Save") << "btnSaveNew" << save;
        QTest::newRow("Save And Close") << "btnSaveClose" << save;
        QTest::newRow("family Add") << "btnAddFamMember" << save;
        QTest::newRow("family Remove") << "btnRemoveFamMember" << remove;
        QTest::newRow("Clone Address") << "btnCloneHOHAddress" << save;
        QTest::newRow("responsibility Add") << "btnAddResp" << save;
        QTest::newRow("responsibility Remove") << "btnRemoveResp" << remove;
    }
    void viewOnlyUserIsRefused()
    {
        QFETCH(QString, button);
        QFETCH(QString, refusal);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 head = addPerson(
            "Hall", "Hank",
            {{"Head_Of_Household", 1}, {"Member_Active_Status", "Active"}, {"Prospect_Active_Status", "Active"}});
        const qint64 child = addPerson("Hall", "Hope");
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Daughter"}, {"Relative_Member_ID", child}});
        addRow("Responsibilities", {{"Name", "Deacon"}});
        addRow("Member_Responsibility",
               {{"Member_ID", head}, {"Responsibility", "Deacon"}, {"Start", "2020-01-05"}, {"End", "2030-01-05"}});
        frmMemberEntry* s = openMemberScreen();
        logInViewOnly();
        s->LoadMember(head);
        // Everything each button needs is chosen: only the right is missing.
        s->vsfgFamilyMembers->pickRow(0);
        pick(s->cmbRelationship, "Son");
        s->vsfgChurchResponsibilites->pickRow(0);
        QCOMPARE(s->cmbResp->currentText(), QStringLiteral("Deacon"));
        s->txtAddress1->setText("2 New Street");
        const QString before = everything();
        s->findChild<QPushButton*>(button)->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, refusal);
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        QCOMPARE(everything(), before);
        QVERIFY(MainMod::MemberEntryOpen());
    }

    // A person deleted at another desk since the lists were read is never linked; the register is not held while
    // that is said.
    void familyAddReplacesAndNeedsAllThree_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::newRow("both there") << "";
        QTest::newRow("the relative deleted meanwhile") << "relative";
        QTest::newRow("the member shown deleted meanwhile") << "member";
    }
    void familyAddReplacesAndNeedsAllThree()
    {
        QFETCH(QString, deleted);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 head = addPerson("O'Hara", "Hank", {{"Head_Of_Household", 1}});
        const qint64 child = addPerson("O'Hara", "Hope");
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(head);
        s->btnAddFamMember->click();
        QCOMPARE(messages.last().text,
                 QStringLiteral("You must have a current member, relative member, and relationship selected."));
        QCOMPARE(messages.last().title, QStringLiteral("Required Info"));
        IdList::select(s->cmbMemberAdd, child);
        pick(s->cmbRelationship, "Son");
        if (!deleted.isEmpty()) {
            OtherDesk desk(tdb.path());
            QVERIFY(desk.save("DELETE FROM Member WHERE ID = ?", {deleted == "member" ? head : child}));
            QVERIFY(desk.canSaveWhileShown(messages, [&] { QTest::mouseClick(s->btnAddFamMember, Qt::LeftButton); }));
            QCOMPARE(messages.count(), 2);
            QCOMPARE(messages.last().text, QStringLiteral("This member no longer exists."));
            QCOMPARE(messages.last().title, QStringLiteral("Member Not Found"));
                QCOMPARE(count("SELECT COUNT(*) FROM Family_Connection"), 0);
            QCOMPARE(IdList::currentId(s->cmbMemberAdd).toLongLong(), child);
            QCOMPARE(s->cmbRelationship->currentText(), QStringLiteral("Son"));
            return;
        }
        s->btnAddFamMember->click();
        QCOMPARE(s->cmbMemberAdd->currentIndex(), -1);
        QCOMPARE(s->cmbRelationship->currentIndex(), -1);
        QCOMPARE(s->vsfgFamilyMembers->rows(), 1);
        // Picking the row puts the link back in the editor; Add then changes its relationship.
        s->vsfgFamilyMembers->pickRow(0);
        pick(s->cmbRelationship, "Daughter");
        s->btnAddFamMember->click();
        QCOMPARE(count("SELECT COUNT(*) FROM Family_Connection"), 1);
        QCOMPARE(value("SELECT Relationship FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?",
                       {head, child}),
                 QVariant("Daughter"));
        QCOMPARE(s->vsfgFamilyMembers->text(0, 2), QStringLiteral("Daughter"));
        QCOMPARE(messages.count(), 1);
    }

    void familyRemoveTakesTheRowShown_data()
    {
        QTest::addColumn<bool>("showHead");
        QTest::newRow("on the head, box cleared after") << true;
        QTest::newRow("on the relative, box ticked after") << false;
    }
    void familyRemoveTakesTheRowShown()
    {
        QFETCH(bool, showHead);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 head = addPerson("Hall", "Hank", {{"Head_Of_Household", 1}});
        const qint64 child = addPerson("Hall", "Hope");
        const qint64 cousin = addPerson("Hall", "Cora");
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Daughter"}, {"Relative_Member_ID", child}});
        // The same pair the other way round, which the toggled box would point at.
        addRow("Family_Connection", {{"Member_ID", child}, {"Relationship", "Father"}, {"Relative_Member_ID", head}});
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Other"}, {"Relative_Member_ID", cousin}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(showHead ? head : child);
        s->chkHOH->click();
        QCOMPARE(s->vsfgFamilyMembers->value(0, 0).toLongLong(), showHead ? child : head);
        s->vsfgFamilyMembers->pickRow(0);
        s->btnRemoveFamMember->click();
        QCOMPARE(messages.last().text, QStringLiteral("Are you sure you want to remove the selected Relationship?"));
        QCOMPARE(messages.last().title, QStringLiteral("Remove Confirmation"));
        // The link from the head to the child is gone; the other direction and the cousin stay.
        QCOMPARE(count("SELECT COUNT(*) FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?",
                       {head, child}),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?",
                       {child, head}),
                 1);
        QCOMPARE(count("SELECT COUNT(*) FROM Family_Connection"), 2);
    }

    void familyRemoveWithNothingPickedDoesNothing()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 head = addPerson("Hall", "Hank", {{"Head_Of_Household", 1}});
        const qint64 child = addPerson("Hall", "Hope");
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Daughter"}, {"Relative_Member_ID", child}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(head);
        s->btnRemoveFamMember->click();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Family_Connection"), 1);
    }

    void cloneAddressWritesTheFamily()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 head = addPerson("Hall", "Hank", {{"Head_Of_Household", 1}, {"Address_1", "Old Road"}});
        const qint64 child = addPerson("Hall", "Hope", {{"Address_1", "Dorm"}});
        const qint64 stranger = addPerson("Stone", "Sid", {{"Address_1", "Far Away"}});
        addRow("Family_Connection", {{"Member_ID", head}, {"Relationship", "Daughter"}, {"Relative_Member_ID", child}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(head);
        s->txtAddress1->setText("9 O'Connell St; DROP TABLE Member");
        s->txtAddress2->setText("Unit 5%");
        s->txtCity->setText("Paris");
        pick(s->cmbState, "KY");
        s->txtZip->setText("40361");
        s->txtHomePhone->setValue("(859) 555-0199");
        messages.answer(Answer::No);
        s->btnCloneHOHAddress->click();
        QCOMPARE(messages.last().title, QStringLiteral("Clone Confirmation"));
        QCOMPARE(value("SELECT Address_1 FROM Member WHERE ID = ?", {child}), QVariant("Dorm"));
        s->btnCloneHOHAddress->click();
        QCOMPARE(value("SELECT Address_1 || '|' || Address_2 || '|' || City || '|' || State || '|' || Zip || '|' || "
                       "Phone FROM Member WHERE ID = ?",
                       {child}),
                 QVariant("9 O'Connell St; DROP TABLE Member|Unit 5%|Paris|KY|40361|(859) 555-0199"));
        // The member shown takes it at its own save; strangers never.
        QCOMPARE(value("SELECT Address_1 FROM Member WHERE ID = ?", {head}), QVariant("Old Road"));
        QCOMPARE(value("SELECT Address_1 FROM Member WHERE ID = ?", {stranger}), QVariant("Far Away"));
        QCOMPARE(s->vsfgFamilyMembers->text(0, 6), QStringLiteral("(859) 555-0199"));
    }

    void responsibilityAddAndRemoveByItsDates()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 id = addPerson("Elder", "Eli");
        addRow("Responsibilities", {{"Name", "Usher"}});
        addRow("Member_Responsibility",
               {{"Member_ID", id}, {"Responsibility", "Usher"}, {"Start", "1930-01-05"}, {"End", "1931-05-01"}});
        addRow("Member_Responsibility",
               {{"Member_ID", id}, {"Responsibility", "Usher"}, {"Start", "1930-05-01"}, {"End", "1931-05-01"}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(id);
        QCOMPARE(s->vsfgChurchResponsibilites->rows(), 2);

        // Nothing picked: the missing-field message, nothing asked.
        s->btnRemoveResp->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("You must have a current member and responsibility selected."));
        QCOMPARE(messages.last().title, QStringLiteral("Required Info"));

        int row = 0;
        while (s->vsfgChurchResponsibilites->value(row, 1).toDate() != QDate(1930, 1, 5))
            ++row;
        s->vsfgChurchResponsibilites->pickRow(row);
        s->btnRemoveResp->click();
        QCOMPARE(messages.last().text, QStringLiteral("Are you sure you want to remove the selected Responsibility?"));
        QCOMPARE(count("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?", {id}), 1);
        QCOMPARE(value("SELECT \"Start\" FROM Member_Responsibility WHERE Member_ID = ?", {id}),
                 QVariant("1930-05-01"));
        QCOMPARE(s->vsfgChurchResponsibilites->rows(), 1);
        QCOMPARE(s->cmbResp->currentIndex(), -1);
        QCOMPARE(s->dtRespStart->date(), QDate(2026, 12, 7));

        messages.clear();
        pick(s->cmbResp, "Usher");
        s->dtRespStart->setDate(QDate(2027, 1, 3));
        s->dtRespEnd->setDate(QDate(2026, 1, 3));
        s->btnAddResp->click();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ? AND \"Start\" = '2027-01-03' "
                       "AND \"End\" = '2026-01-03'",
                       {id}),
                 1);
        QCOMPARE(s->vsfgChurchResponsibilites->rows(), 2);
        QCOMPARE(s->cmbResp->currentIndex(), -1);
    }

    void removingADeaconAsksTwice_data()
    {
        QTest::addColumn<int>("second");
        QTest::newRow("No at the second question") << int(Answer::No);
        QTest::newRow("Yes to both") << int(Answer::Yes);
    }
    void removingADeaconAsksTwice()
    {
        QFETCH(int, second);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 deacon = addPerson("Deacon", "Dan");
        const qint64 served = addPerson("Served", "Sue", {{"DeaconID", deacon}});
        addRow("Responsibilities", {{"Name", "Deacon"}});
        addRow("Member_Responsibility",
               {{"Member_ID", deacon}, {"Responsibility", "Deacon"}, {"Start", "2020-01-05"}, {"End", "2030-01-05"}});
        frmMemberEntry* s = openMemberScreen();
        s->LoadMember(deacon);
        s->vsfgChurchResponsibilites->pickRow(0);
        messages.answer(Answer::Yes);
        messages.answer(Answer(second));
        s->btnRemoveResp->click();
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.last().title, QStringLiteral("Deacon Removal"));
        const bool removed = Answer(second) == Answer::Yes;
        QCOMPARE(count("SELECT COUNT(*) FROM Member_Responsibility"), removed ? 0 : 1);
        QCOMPARE(value("SELECT DeaconID FROM Member WHERE ID = ?", {served}).isNull(), removed);
    }
};

QTEST_MAIN(TestMemberLinks)
#include "tst_memberlinks.moc"
