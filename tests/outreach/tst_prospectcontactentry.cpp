#include "support/MemberRows.h"
#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"
#include "shell/ScreenRegistry.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

using MainMod::MainDatabase;

namespace {

const QDate kToday(2026, 12, 7); // the test clock
const QString kRequired = QStringLiteral("Prospect, Action, Visitor 1, and Rating are Required.");

void pick(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

void pickId(QComboBox* combo, qint64 id)
{
    combo->setCurrentIndex(combo->findData(id));
}

// The next-step controls as "phase|date|action"; a list without a choice shows "-".
QString nextStep(const frmProspectContactEntry* s)
{
    auto choice = [](const QComboBox* c) { return c->currentIndex() < 0 ? QStringLiteral("-") : c->currentText(); };
    return QStringLiteral("%1|%2|%3")
        .arg(choice(s->cmbNextPhase), s->dtNextContactDate->date().toString(Qt::ISODate),
             choice(s->cmbNextContactAction));
}

// The stored next step of a prospect as "phase|date|action|type", Null as "-".
QString storedStep(qint64 id)
{
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Prospect_Phase, Prospect_Next_Contact_Date, Prospect_Next_Contact_Action, "
                       "Prospect_Next_Contact_Type FROM Member WHERE ID = ?"),
        {id});
    QStringList values;
    for (const char* column : {"Prospect_Phase", "Prospect_Next_Contact_Date", "Prospect_Next_Contact_Action",
                               "Prospect_Next_Contact_Type"}) {
        const QVariant v = rs.Field(QString::fromLatin1(column));
        values << (v.isNull() ? QStringLiteral("-") : v.toString());
    }
    return values.join(QLatin1Char('|'));
}

// Every person's stored next step as "ID:phase|date|action|type" rows.
QStringList storedSteps()
{
    QStringList rows;
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT ID FROM Member ORDER BY ID"));
    for (; !rs.Eof(); rs.MoveNext())
        rows << QStringLiteral("%1:%2").arg(rs.Id(QStringLiteral("ID"))).arg(storedStep(rs.Id(QStringLiteral("ID"))));
    return rows;
}

// Everything the screen shows, as one text.
QString shown(const frmProspectContactEntry* s)
{
    QStringList values{s->txtID->text(),   s->dtDate->date().toString(Qt::ISODate),
                       s->txtType->text(), s->txtNotes->toPlainText(),
                       nextStep(s),        s->txtNextType->text()};
    for (const QComboBox* combo : {s->cmbProspect, s->cmbAction, s->cmbVisitor1, s->cmbVisitor2, s->cmbRating})
        values << QString::number(combo->currentIndex()) + combo->currentText();
    return values.join(QLatin1Char('|'));
}

// The stored contacts as "prospect|date|action|type|visitor1|visitor2|rating|notes" rows, Null as "-".
QStringList storedContacts()
{
    QStringList rows;
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Prospect_Contact ORDER BY ID"));
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList values;
        for (const char* column :
             {"Prospect_ID", "Contact_Date", "Action", "Type", "Visitor1", "Visitor2", "Rating", "Notes"}) {
            const QVariant v = rs.Field(QString::fromLatin1(column));
            values << (v.isNull() ? QStringLiteral("-") : v.toString());
        }
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

qint64 person(const QString& last, const QString& first, const QVariantList& step = {})
{
    const qint64 id = TestDatabase::addMember(last, first, QStringLiteral("Prospect"));
    if (!step.isEmpty())
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = ?, Prospect_Next_Contact_Date = ?, "
                                            "Prospect_Next_Contact_Action = ?, Prospect_Next_Contact_Type = ? "
                                            "WHERE ID = ?"),
                             step + QVariantList{id});
    return id;
}

qint64 addContact(const QVariantList& values)
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                        "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                         values);
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

} // namespace

class TestProspectContactEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<TestArea> area;
    qint64 vic = 0;     // a member who visits
    qint64 pam = 0;     // planned: "Follow-up Call" on 12/20/2026 by "Phone Call"
    qint64 fay = 0;     // no phase
    qint64 ned = 0;     // "First Visit" without a date
    qint64 contact = 0; // Pam's visit on 11/30/2026

    frmProspectContactEntry* open()
    {
        MainMod::CurrentUserType = QStringLiteral("Admin");
        auto* screen = ScreenRegistry::load<frmProspectContactEntry>();
        QApplication::setActiveWindow(ScreenRegistry::area());
        return screen;
    }

    // Fills in the rest of a contact that Save requires.
    void complete(frmProspectContactEntry* s)
    {
        pickId(s->cmbVisitor1, vic);
        pick(s->cmbRating, QStringLiteral("Interested"));
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
        area = std::make_unique<TestArea>();
        vic = TestDatabase::addMember(QStringLiteral("Vance"), QStringLiteral("Vic"));
        pam = person(QStringLiteral("Page"), QStringLiteral("Pam"),
                     {"Follow-up Call", "2026-12-20", "Phone Call", "Evening"});
        fay = person(QStringLiteral("Ford"), QStringLiteral("Fay"));
        ned = person(QStringLiteral("Nash"), QStringLiteral("Ned"), {"First Visit", QVariant(), "Visit", ""});
        contact = addContact({pam, "2026-11-30", "Visit", "Home", vic, vic, "Interested", "Porch"});
    }

    void cleanup()
    {
        area.reset();
        messages.reset();
        db.reset();
    }

    void opensEmptyWithItsLists()
    {
        frmProspectContactEntry* s = open();
        QCOMPARE(s->cmbProspect->count(), 5); // members and prospects alike, the stand-by person too
        QCOMPARE(s->cmbProspect->itemText(1), QStringLiteral("Nash, Ned "));
        QCOMPARE(s->cmbVisitor2->count(), 5);
        QCOMPARE(s->cmbAction->itemText(0), QStringLiteral("Email"));
        QCOMPARE(s->cmbAction->count(), 4);
        QCOMPARE(s->cmbNextContactAction->count(), 5);
        QCOMPARE(s->cmbNextContactAction->itemText(0), QString());
        QCOMPARE(s->cmbNextPhase->itemText(1), QStringLiteral("First Visit"));
        QCOMPARE(s->cmbNextPhase->count(), 5);
        QCOMPARE(s->cmbRating->count(), 4);
        for (QComboBox* combo : s->findChildren<QComboBox*>())
            QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(s->dtDate->date(), kToday);
        QCOMPARE(nextStep(s), QStringLiteral("-|2026-12-07|-"));
        QVERIFY(s->txtID->isReadOnly());
    }

    // Choosing Pam fills in her planned contact and proposes the step after it, whatever stood there before.
    void plannedProspectProposesTheNextStep_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("action");
        QTest::newRow("nothing chosen") << kToday << "";
        QTest::newRow("another action first") << kToday << "Letter";
        QTest::newRow("the planned date and action first") << QDate(2026, 12, 20) << "Phone Call";
    }
    void plannedProspectProposesTheNextStep()
    {
        QFETCH(QDate, date);
        QFETCH(QString, action);
        frmProspectContactEntry* s = open();
        s->dtDate->setDate(date);
        pick(s->cmbAction, action);
        QCOMPARE(nextStep(s), QStringLiteral("-|2026-12-07|-")); // no prospect, no proposal
        // Typed as a user would: the type-ahead chooses her.
        s->cmbProspect->setFocus();
        QTest::keyClicks(s->cmbProspect, QStringLiteral("pa"));
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), pam);
        QCOMPARE(s->dtDate->date(), QDate(2026, 12, 20));
        QCOMPARE(s->cmbAction->currentText(), QStringLiteral("Phone Call"));
        QCOMPARE(nextStep(s), QStringLiteral("Second Visit|2027-01-03|Visit"));
        // Another contact action keeps her in her phase.
        pick(s->cmbAction, QStringLiteral("Email"));
        QCOMPARE(nextStep(s), QStringLiteral("Follow-up Call|2027-01-03|Phone Call"));
        s->dtDate->setDate(QDate(2026, 12, 21));
        QCOMPARE(nextStep(s), QStringLiteral("Follow-up Call|2027-01-04|Phone Call"));
    }

    // Fay has no phase: her contact is due today with no action, in the order the changes run.
    void prospectWithoutPhase_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("shown");
        // Today already: nothing changes the date, the action is cleared, nothing is proposed.
        QTest::newRow("date already today") << kToday << "-|2026-12-07|-";
        // The date moving back to today proposes with the action still chosen; then the action is cleared.
        QTest::newRow("another date") << QDate(2026, 12, 1) << "First Visit|2026-12-14|Visit";
    }
    void prospectWithoutPhase()
    {
        QFETCH(QDate, date);
        QFETCH(QString, shown);
        frmProspectContactEntry* s = open();
        s->dtDate->setDate(date);
        pick(s->cmbAction, QStringLiteral("Letter"));
        pickId(s->cmbProspect, fay);
        QCOMPARE(s->dtDate->date(), kToday);
        QCOMPARE(s->cmbAction->currentIndex(), -1);
        QCOMPARE(nextStep(s), shown);
        // An action then starts the plan a week after the contact.
        pick(s->cmbAction, QStringLiteral("Letter"));
        QCOMPARE(nextStep(s), QStringLiteral("First Visit|2026-12-14|Visit"));
    }

    void phaseWithoutDateIsDueToday()
    {
        frmProspectContactEntry* s = open();
        s->dtDate->setDate(QDate(2026, 1, 1));
        pickId(s->cmbProspect, ned);
        QCOMPARE(s->dtDate->date(), kToday);
        QCOMPARE(nextStep(s), QStringLiteral("Follow-up Call|2026-12-14|Phone Call"));
    }

    void saveStoresContactAndNextStep_data()
    {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("stored");
        QTest::newRow("both next fields") << "Pastor's Call"
                                          << "Pat's Note"
                                          << "Pastor's Call|2027-01-03|Pat's Note|O'Brien's";
        QTest::newRow("no next phase") << ""
                                       << "Pat's Note"
                                       << "-|-|-|-";
        QTest::newRow("no next action") << "Pastor's Call"
                                        << ""
                                        << "-|-|-|-";
    }
    void saveStoresContactAndNextStep()
    {
        QFETCH(QString, phase);
        QFETCH(QString, action);
        QFETCH(QString, stored);
        MainDatabase.execute(QStringLiteral("INSERT INTO Outreach_Phase VALUES (5, 'Pastor''s Call', 'Visit', 1)"));
        MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Action VALUES ('Pat''s Note')"));
        frmProspectContactEntry* s = open();
        pickId(s->cmbProspect, pam);
        s->txtType->setText(QStringLiteral("Kid's party"));
        complete(s);
        // A note added to as people do: a click at its end, Tab on and Shift+Tab back, then the words.
        s->txtNotes->setPlainText(QStringLiteral("Came;"));
        QTest::mouseClick(s->txtNotes->viewport(), Qt::LeftButton, {},
                          {s->txtNotes->width() - 20, s->txtNotes->cursorRect().center().y()});
        QTest::keyClick(s->txtNotes, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCoreApplication::processEvents(); // the focus handled whole
        QTest::keyClicks(s->txtNotes, " stayed");
        // A paste with nothing on the clipboard (nobody owns it) changes nothing; text lands at the cursor whole.
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(s->txtNotes, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(s->txtNotes, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(s->txtNotes->toPlainText(), QStringLiteral("Came; stayed"));
        QGuiApplication::clipboard()->setText(QStringLiteral("\nate"));
        QTest::keyClick(s->txtNotes, Qt::Key_V, Qt::ControlModifier);
        pick(s->cmbNextPhase, phase);
        pick(s->cmbNextContactAction, action);
        s->txtNextType->setText(QStringLiteral("O'Brien's"));
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(
            storedContacts().last(),
            QStringLiteral("%1|2026-12-20|Phone Call|Kid's party|%2|-|Interested|Came; stayed\nate").arg(pam).arg(vic));
        QCOMPARE(storedStep(pam), stored);
        // Ready for the next contact.
        QCOMPARE(s->cmbProspect->currentIndex(), -1);
        QCOMPARE(s->txtType->text(), QString());
        QCOMPARE(nextStep(s), QStringLiteral("-|2026-12-07|-"));
        QCOMPARE(s->dtDate->date(), kToday);
    }

    void saveRequiresItsFields_data()
    {
        QTest::addColumn<QString>("left");
        QTest::newRow("prospect") << "cmbProspect";
        QTest::newRow("action") << "cmbAction";
        QTest::newRow("visitor") << "cmbVisitor1";
        QTest::newRow("rating") << "cmbRating";
    }
    void saveRequiresItsFields()
    {
        QFETCH(QString, left);
        frmProspectContactEntry* s = open();
        pickId(s->cmbProspect, pam);
        complete(s);
        s->findChild<QComboBox*>(left)->setCurrentIndex(-1);
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->last().text, kRequired);
        QCOMPARE(messages->last().title, QStringLiteral("Required Fields"));
        QCOMPARE(storedContacts().size(), 1);
        QCOMPARE(s->cmbVisitor1->currentIndex() >= 0, left != QLatin1String("cmbVisitor1"));
    }

    void aFailedNextStepKeepsTheContactOut()
    {
        MainDatabase.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF Prospect_Phase ON Member "
                                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        frmProspectContactEntry* s = open();
        pickId(s->cmbProspect, pam);
        complete(s);
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->last().title, QStringLiteral("Database Error"));
        QCOMPARE(storedContacts().size(), 1);
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), pam); // the input stays
        QCOMPARE(storedStep(pam), QStringLiteral("Follow-up Call|2026-12-20|Phone Call|Evening"));
    }

    // A contact saved for the person the member screen shows lists the contacts again there and shows the next
    // step as stored; nothing else on that screen changes, what is typed and not saved yet included (a name
    // changed behind its back too).
    void memberScreenRefreshedForTheSamePerson_data()
    {
        QTest::addColumn<bool>("samePerson");
        QTest::addColumn<bool>("typed"); // unsaved input on the member screen
        QTest::newRow("another person's contact") << false << false;
        QTest::newRow("the person's contact") << true << false;
        QTest::newRow("the person's contact, input typed there") << true << true;
    }
    void memberScreenRefreshedForTheSamePerson()
    {
        QFETCH(bool, samePerson);
        QFETCH(bool, typed);
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Occupation = 'Office Manager', Date_Of_Birth = "
                                            "'1964-03-03' WHERE ID = ?"),
                             {pam});
        frmProspectContactEntry* s = open();
        auto* member = ScreenRegistry::load<frmMemberEntry>();
        member->LoadMember(pam);
        QCOMPARE(member->vsfgProspectContacts->rows(), 1);
        MainDatabase.execute(QStringLiteral("UPDATE Member SET First_Name = 'Pamela' WHERE ID = ?"), {pam});
        if (typed)
            typeUnsavedDemographics(member);

        pickId(s->cmbProspect, samePerson ? pam : fay);
        pick(s->cmbAction, QStringLiteral("Visit"));
        complete(s);
        const QString proposed = nextStep(s);
        QTest::mouseClick(s->btnSave, Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(member->vsfgProspectContacts->rows(), samePerson ? 2 : 1);
        const QString shownStep = QStringLiteral("%1|%2|%3")
                                      .arg(member->cmbNextPhase->currentText(),
                                           member->dtNextContactDate->date().toString(Qt::ISODate),
                                           member->cmbNextContactAction->currentText());
        QCOMPARE(shownStep, samePerson ? proposed : QStringLiteral("Follow-up Call|2026-12-20|Phone Call"));
        QCOMPARE(member->txtFName->text(), QStringLiteral("Pam"));
        QCOMPARE(member->txtOccupation->text(), typed ? "Banker" : "Office Manager");
        QCOMPARE(member->dtDOB->text(), typed ? "5/5/1965" : "3/3/1964");

        // Saving the member keeps the contact's next step and stores what was typed.
        const QString stepAfterContact = storedStep(pam);
        QTest::mouseClick(member->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(storedStep(pam), samePerson ? stepAfterContact : "Follow-up Call|2026-12-20|Phone Call|Evening");
        QCOMPARE(MainDatabase.scalar("SELECT Occupation || ' ' || Date_Of_Birth FROM Member WHERE ID = ?", {pam})
                     .toString(),
                 typed ? "Banker 1965-05-05" : "Office Manager 1964-03-03");
    }

    void loadContactShowsItsRow()
    {
        // Visitor 1 was reassigned to an ID that no longer exists; no second visitor, rating or type.
        const qint64 sparse =
            addContact({fay, "2026-11-02", "Letter", QVariant(), 999, QVariant(), QVariant(), "Sent"});
        frmProspectContactEntry* s = open();
        s->LoadContact(contact);
        QCOMPARE(s->txtID->text(), QString::number(contact));
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), pam);
        QCOMPARE(s->dtDate->date(), QDate(2026, 11, 30));
        QCOMPARE(s->cmbAction->currentText(), QStringLiteral("Visit"));
        QCOMPARE(s->txtType->text(), QStringLiteral("Home"));
        QCOMPARE(IdList::currentId(s->cmbVisitor2).toLongLong(), vic);
        QCOMPARE(s->cmbRating->currentText(), QStringLiteral("Interested"));
        QCOMPARE(s->txtNotes->toPlainText(), QStringLiteral("Porch"));
        // The step after the loaded contact, from her current phase.
        QCOMPARE(nextStep(s), QStringLiteral("Follow-up Call|2026-12-14|Phone Call"));
        grabIfAsked(s->parentWidget(), QStringLiteral("frmProspectContactEntry"));

        s->LoadContact(sparse);
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), fay);
        QCOMPARE(s->cmbAction->currentText(), QStringLiteral("Letter"));
        for (QComboBox* combo : {s->cmbVisitor1, s->cmbVisitor2, s->cmbRating})
            QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(s->txtType->text(), QString());
        QCOMPARE(s->dtDate->date(), QDate(2026, 11, 2));

        // Saved again, the same row changes.
        complete(s);
        s->btnSave->click();
        QCOMPARE(storedContacts().size(), 2);
        QCOMPARE(storedContacts().last(),
                 QStringLiteral("%1|2026-11-02|Letter||%2|-|Interested|Sent").arg(fay).arg(vic));
    }

    // What the save would write was deleted since it was chosen: the contact edited, or a person chosen (on the
    // member screen, or at another desk). Nothing is written, the screen keeps it all, and the register is free
    // while the message is shown.
    void somethingDeletedMeanwhileIsRefused_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("gone"); // contact, prospect, visitor1, visitor2
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("title");
        const auto row = [](const char* tag, bool editing, const char* gone, const char* where, const char* title) {
            QTest::newRow(tag) << editing << QString(gone) << QString(where) << QString(title);
        };
        row("the contact edited", true, "contact", "here", "Contact Not Found");
        row("the prospect, on the member screen", false, "prospect", "member screen", "Member Not Found");
        row("visitor 1, on the member screen", true, "visitor1", "member screen", "Member Not Found");
        row("visitor 2, at another desk", false, "visitor2", "other desk", "Member Not Found");
        row("the prospect of the contact edited, at another desk", true, "prospect", "other desk", "Member Not Found");
    }
    void somethingDeletedMeanwhileIsRefused()
    {
        QFETCH(bool, editing);
        QFETCH(QString, gone);
        QFETCH(QString, where);
        QFETCH(QString, title);
        const qint64 wes = TestDatabase::addMember(QStringLiteral("Webb"), QStringLiteral("Wes"));
        frmProspectContactEntry* s = open();
        if (editing)
            s->LoadContact(contact);
        else
            pickId(s->cmbProspect, pam);
        complete(s);
        pickId(s->cmbVisitor2, wes);
        s->txtNotes->setPlainText(QStringLiteral("Changed"));
        s->txtNextType->setText(QStringLiteral("Morning"));

        const QMap<QString, qint64> people{{"prospect", pam}, {"visitor1", vic}, {"visitor2", wes}};
        if (gone == "contact") {
            MainDatabase.execute(QStringLiteral("DELETE FROM Prospect_Contact"));
        } else if (where == "member screen") {
            auto* member = ScreenRegistry::load<frmMemberEntry>();
            member->LoadMember(people.value(gone));
            QTest::mouseClick(member->btnDelete, Qt::LeftButton);
            QCOMPARE(messages->last().title, QStringLiteral("Delete Confirmation"));
        } else {
            QVERIFY(
                OtherDesk(db->path()).save(QStringLiteral("DELETE FROM Member WHERE ID = ?"), {people.value(gone)}));
        }
        messages->clear();
        const QStringList contacts = storedContacts();
        const QStringList steps = storedSteps();
        const QString screen = shown(s);

        OtherDesk desk(db->path());
        QVERIFY(desk.canSaveWhileShown(*messages, [&] { QTest::mouseClick(s->btnSave, Qt::LeftButton); }));
        QCOMPARE(messages->count(), 1);
        QCOMPARE(messages->last().title, title);
        if (gone != "contact")
            QCOMPARE(messages->last().text, QStringLiteral("This member no longer exists."));
        QCOMPARE(storedContacts(), contacts);
        QCOMPARE(storedSteps(), steps);
        QCOMPARE(shown(s), screen);
        QCOMPARE(s->txtID->text(), editing ? QString::number(contact) : QString());
    }

    void deleteAsksFirst()
    {
        frmProspectContactEntry* s = open();
        s->LoadContact(contact);
        messages->answer(Messages::Answer::No);
        QTest::mouseClick(s->btnDelete, Qt::LeftButton);
        QCOMPARE(messages->last().text,
                 QStringLiteral("Are you sure you want to permanently remove the prospect contact?"));
        QCOMPARE(messages->last().title, QStringLiteral("Delete Confirmation"));
        QCOMPARE(messages->last().buttons, Messages::Buttons::YesNo);
        QCOMPARE(storedContacts().size(), 1);
        QCOMPARE(s->txtID->text(), QString::number(contact));
        QTest::mouseClick(s->btnDelete, Qt::LeftButton);
        QVERIFY(storedContacts().isEmpty());
        QCOMPARE(s->txtID->text(), QString());
        QCOMPARE(s->cmbProspect->currentIndex(), -1);
        // The prospect's next step stays.
        QCOMPARE(storedStep(pam), QStringLiteral("Follow-up Call|2026-12-20|Phone Call|Evening"));
        // A new contact is only cleared.
        pickId(s->cmbProspect, fay);
        s->btnDelete->click();
        QCOMPARE(s->cmbProspect->currentIndex(), -1);
        QCOMPARE(messages->count(), 3);
    }

    // Values added since the screen opened are found by reloading their list once; others leave no choice.
    void listsReloadOnceForNewValues()
    {
        frmProspectContactEntry* s = open();
        const qint64 late =
            person(QStringLiteral("Late"), QStringLiteral("Lou"), {"Quick Note", "2026-12-10", "Text", ""});
        MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Action VALUES ('Text')"));
        MainDatabase.execute(QStringLiteral("INSERT INTO Outreach_Phase VALUES (0, 'Quick Note', 'Text', 1)"));
        pick(s->cmbVisitor1, QStringLiteral("Vance, Vic "));
        s->PresetFromMember(late, QDate(2026, 12, 11), QString());
        QCOMPARE(IdList::currentId(s->cmbProspect).toLongLong(), late);
        QCOMPARE(s->cmbAction->currentText(), QStringLiteral("Text"));
        QCOMPARE(nextStep(s), QStringLiteral("First Visit|2026-12-18|Visit"));
        pick(s->cmbAction, QStringLiteral("Email"));
        QCOMPARE(nextStep(s), QStringLiteral("Quick Note|2026-12-18|Text"));
        QCOMPARE(IdList::currentId(s->cmbVisitor1).toLongLong(), vic); // untouched lists keep their choice
        // Still unknown after the reload: no choice.
        s->PresetFromMember(12345, kToday, QStringLiteral("Fax"));
        QCOMPARE(s->cmbProspect->currentIndex(), -1);
        QCOMPARE(s->cmbAction->currentIndex(), -1);
    }
};

QTEST_MAIN(TestProspectContactEntry)
#include "tst_prospectcontactentry.moc"
