#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "outreach/frmProspectNavigator.h"
#include "platform/IdList.h"
#include "search/NavigatorGrid.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using MainMod::MainDatabase;

namespace {

void pick(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

QString nextStep(const frmProspectContactEntry* s)
{
    return QStringLiteral("%1|%2|%3")
        .arg(s->cmbNextPhase->currentText(), s->dtNextContactDate->date().toString(Qt::ISODate),
             s->cmbNextContactAction->currentText());
}

void doubleClick(QTableView* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

frmProspectContactEntry* contactScreen()
{
    return ScreenRegistry::find<frmProspectContactEntry>();
}

} // namespace

// The member screen's doors to the contact screen: New Contact and the contacts grid.
class TestContactFromMember : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<TestArea> area;
    qint64 vic = 0, pam = 0, contact = 0;
    frmMemberEntry* member = nullptr;

private slots:
    // Pam is planned for a "Phone Call" in "Follow-up Call" on 12/20/2026 and was visited on 11/30/2026.
    void init()
    {
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
        area = std::make_unique<TestArea>();
        MainMod::CurrentUserType = QStringLiteral("Admin");
        vic = TestDatabase::addMember(QStringLiteral("Vance"), QStringLiteral("Vic"));
        pam = TestDatabase::addMember(QStringLiteral("Page"), QStringLiteral("Pam"), QStringLiteral("Prospect"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = 'Follow-up Call', "
                                            "Prospect_Next_Contact_Date = '2026-12-20', Prospect_Next_Contact_Action "
                                            "= 'Phone Call', Prospect_Next_Contact_Type = '' WHERE ID = ?"),
                             {pam});
        MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                            "Visitor1, Visitor2, Rating, Notes) VALUES (?, '2026-11-30', 'Visit', "
                                            "'Hospital', ?, ?, 'Interested', 'husband in hospital')"),
                             {pam, vic, pam});
        contact = MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        member = ScreenRegistry::load<frmMemberEntry>();
        member->LoadMember(pam);
    }

    void cleanup()
    {
        area.reset();
        messages.reset();
        db.reset();
    }

    // The contact takes the member screen's date and action as shown, saved or not; without an action shown,
    // the one Pam's plan holds.
    void newContactPresetsThePerson_data()
    {
        QTest::addColumn<QString>("shownAction");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("action shown") << "Letter"
                                      << "Letter"
                                      << "Follow-up Call|2027-01-08|Phone Call";
        QTest::newRow("no action shown") << ""
                                         << "Phone Call"
                                         << "Second Visit|2027-01-08|Visit";
    }
    void newContactPresetsThePerson()
    {
        QFETCH(QString, shownAction);
        QFETCH(QString, action);
        QFETCH(QString, proposed);
        member->SSTab1->setCurrentIndex(4);
        member->dtNextContactDate->setDate(QDate(2026, 12, 25));
        pick(member->cmbNextContactAction, shownAction);
        QTest::mouseClick(member->btnNewContact, Qt::LeftButton);
        frmProspectContactEntry* s = contactScreen();
        QVERIFY(s);
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), pam);
        QCOMPARE(s->dtDate->date(), QDate(2026, 12, 25));
        QCOMPARE(s->cmbAction->currentText(), action);
        QCOMPARE(nextStep(s), proposed);
        QCOMPARE(s->txtID->text(), QString());

        // Saved, the contact and its next step show on the member screen.
        pick(s->cmbVisitor1, QStringLiteral("Vance, Vic "));
        pick(s->cmbRating, QStringLiteral("Interested"));
        grabIfAsked(area->area(), QStringLiteral("frmProspectContactEntry-from-member"));
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(member->vsfgProspectContacts->rows(), 2);
        QCOMPARE(member->vsfgProspectContacts->text(0, 1), QStringLiteral("12/25/2026"));
        QCOMPARE(member->vsfgProspectContacts->text(0, 2), action);
        QCOMPARE(member->cmbNextPhase->currentText(), proposed.section(QLatin1Char('|'), 0, 0));
        QCOMPARE(member->dtNextContactDate->date(), QDate(2027, 1, 8));
    }

    void newContactOnAnOpenScreenKeepsItsOtherFields()
    {
        frmProspectContactEntry* s = ScreenRegistry::load<frmProspectContactEntry>();
        s->txtType->setText(QStringLiteral("Evening"));
        pick(s->cmbRating, QStringLiteral("Not Home"));
        member->btnNewContact->click();
        QCOMPARE(contactScreen(), s);
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), pam);
        QCOMPARE(s->txtType->text(), QStringLiteral("Evening"));
        QCOMPARE(s->cmbRating->currentText(), QStringLiteral("Not Home"));
    }

    // A record not saved yet is saved first, as Save saves it: with a required field empty, or for a user who may
    // not save records, it is not, and no contact screen opens.
    void newContactSavesANewRecordFirst_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("rights"); // none: an Admin
        const QStringList viewer{"Member View", "Prospect Contact Entry/Edit"};
        QTest::newRow("every required field") << true << QStringList();
        QTest::newRow("no prospect status") << false << QStringList();
        QTest::newRow("every required field, user who may save")
            << true << (QStringList(viewer) << "Member Entry/Edit");
        QTest::newRow("every required field, user who may only view") << true << viewer;
    }
    void newContactSavesANewRecordFirst()
    {
        QFETCH(bool, complete);
        QFETCH(QStringList, rights);
        if (!rights.isEmpty()) {
            const qint64 clerk = TestDatabase::addMember(QStringLiteral("Clerk"), QStringLiteral("Cal"));
            TestDatabase::addUser(clerk, QStringLiteral("cal"), QStringLiteral("pw"));
            for (const QString& right : std::as_const(rights))
                TestDatabase::grant(clerk, right);
            MainMod::CurrentUserID = clerk;
            MainMod::CurrentUserType = QStringLiteral("User");
            // Save itself is refused first, as the user tried it.
            if (!rights.contains("Member Entry/Edit")) {
                member->btnNew->click();
                QTest::keyClicks(member->txtFName, QStringLiteral("Nell"));
                QTest::mouseClick(member->btnSaveNew, Qt::LeftButton);
                QCOMPARE(messages->last().text, QStringLiteral("You do not have permission to save this record."));
                messages->clear();
            }
        }
        const bool maySave = rights.isEmpty() || rights.contains("Member Entry/Edit");
        member->btnNew->click();
        QTest::keyClicks(member->txtFName, QStringLiteral("Nell"));
        QTest::keyClicks(member->txtLName, QStringLiteral("Newcomb"));
        pick(member->cmbMemberStatus, QStringLiteral("Prospect"));
        pick(member->cmbChurchStatus, QStringLiteral("InActive"));
        if (complete)
            pick(member->cmbProspectStatus, QStringLiteral("Active"));
        const QString people = QStringLiteral("SELECT COUNT(*) FROM Member WHERE Last_Name = 'Newcomb'");
        QTest::mouseClick(member->btnNewContact, Qt::LeftButton);
        QCOMPARE(MainDatabase.scalar(people).toInt(), complete && maySave ? 1 : 0);
        QCOMPARE(contactScreen() != nullptr, complete && maySave);
        if (!maySave) {
            QCOMPARE(messages->count(), 1);
            QCOMPARE(messages->last().text, QStringLiteral("You do not have permission to save this record."));
            QCOMPARE(messages->last().title, QStringLiteral("Invalid Permission"));
            QCOMPARE(member->MemberId(), 0);
            QCOMPARE(member->txtLName->text(), QStringLiteral("Newcomb"));
        } else if (complete) {
            QCOMPARE(messages->count(), 0);
            QVERIFY(member->MemberId() != 0);
            QCOMPARE(IdList::currentId(contactScreen()->cmbProspect).toLongLong(), member->MemberId());
        } else {
            QCOMPARE(messages->count(), 1);
            QCOMPARE(messages->last().title, QStringLiteral("Required Fields"));
            QCOMPARE(member->MemberId(), 0);
        }
    }

    // A contact opened for editing stays as stored when New Contact then starts an empty one for Vic or Pam.
    void newContactNeverRewritesTheContactShown_data()
    {
        QTest::addColumn<bool>("fromNavigator");
        QTest::addColumn<bool>("forPam");
        QTest::newRow("opened on the member screen") << false << false;
        QTest::newRow("opened on the prospect navigator") << true << false;
        QTest::newRow("a new contact for the same prospect") << false << true;
    }
    void newContactNeverRewritesTheContactShown()
    {
        QFETCH(bool, fromNavigator);
        QFETCH(bool, forPam);
        if (fromNavigator) {
            auto* navigator = ScreenRegistry::load<frmProspectNavigator>();
            QTest::mouseClick(navigator->btnFind, Qt::LeftButton);
            navigator->vsfgMembers->pickRow(int(navigator->vsfgMembers->ids().indexOf(pam)));
            doubleClick(navigator->vsfgContact, 0);
        } else {
            member->SSTab1->setCurrentIndex(4);
            doubleClick(member->vsfgProspectContacts, 0);
        }
        frmProspectContactEntry* s = contactScreen();
        QVERIFY(s);
        QCOMPARE(s->txtID->text(), QString::number(contact));

        const qint64 person = forPam ? pam : vic;
        IdList::select(member->cmbMember, person);
        QCOMPARE(member->MemberId(), person);
        member->SSTab1->setCurrentIndex(4);
        QTest::mouseClick(member->btnNewContact, Qt::LeftButton);
        QCOMPARE(contactScreen(), s);
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), person);
        QCOMPARE(s->txtID->text(), QString());
        pick(s->cmbAction, QStringLiteral("Phone Call"));
        // The visitor and rating shown before are gone, so Save asks for them.
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->count(), 1);
        pick(s->cmbVisitor1, QStringLiteral("Vance, Vic "));
        pick(s->cmbRating, QStringLiteral("Not Home"));
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->count(), 1);

        const QString contacts = QStringLiteral("SELECT group_concat(printf('%d|%s|%s|%s|%s|%s|%s|%s', Prospect_ID, "
                                                "Contact_Date, Action, Type, Visitor1, Visitor2, Rating, Notes), '; ') "
                                                "FROM (SELECT * FROM Prospect_Contact ORDER BY ID)");
        const QString date = forPam ? "2026-12-20" : "2026-12-07";
        QCOMPARE(MainDatabase.scalar(contacts).toString(),
                 QStringLiteral("%1|2026-11-30|Visit|Hospital|%2|%1|Interested|husband in hospital; "
                                "%3|%4|Phone Call||%2||Not Home|")
                     .arg(QString::number(pam), QString::number(vic), QString::number(person), date));
    }

    void doubleClickOpensTheContact()
    {
        member->SSTab1->setCurrentIndex(4);
        ListGrid* grid = member->vsfgProspectContacts;
        const QRect cell = grid->visualRect(grid->model()->index(0, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        frmProspectContactEntry* s = contactScreen();
        QVERIFY(s);
        QCOMPARE(s->txtID->text(), QString::number(contact));
        QCOMPARE(s->dtDate->date(), QDate(2026, 11, 30));
        QCOMPARE(s->cmbAction->currentText(), QStringLiteral("Visit"));
        QCOMPARE(messages->count(), 0);
    }
};

QTEST_MAIN(TestContactFromMember)
#include "tst_contactfrommember.moc"
