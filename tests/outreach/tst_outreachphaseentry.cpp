#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "platform/SqlValue.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using MainMod::MainDatabase;
using Screen_ = frmOutreachPhaseEntry;

namespace {

const QString kPlan = QStringLiteral(
    "1|First Visit|Visit|1;2|Follow-up Call|Phone Call|2;3|Second Visit|Visit|4;4|Invitation Letter|Letter|8");
const QString kInvalid = QStringLiteral(
    "All fields in the grid are required. Weeks collumn must be numeric. Please check your data and try again.");

// The stored plan as "order|phase|action|weeks" joined by ";".
QString storedPlan()
{
    QStringList rows;
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT PhaseOrder, Phase, Action, TimePeriod FROM Outreach_Phase ORDER BY PhaseOrder"));
    for (; !rs.Eof(); rs.MoveNext())
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(rs.Field("PhaseOrder").toDouble())
                    .arg(rs.Text("Phase"), rs.Text("Action"))
                    .arg(rs.Field("TimePeriod").toDouble());
    return rows.join(QLatin1Char(';'));
}

// The grid as the same text.
QString shownPlan(const QTableWidget* grid)
{
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << grid->item(r, c)->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

QString phaseOf(qint64 id)
{
    return SqlValue::toText(
        MainDatabase.scalar(QStringLiteral("SELECT Prospect_Phase FROM Member WHERE ID = ?"), {id}));
}

void setCell(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->item(row, column)->setText(text);
}

bool isOpen()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ScreenRegistry::isOpen(QStringLiteral("frmOutreachPhaseEntry"));
}

} // namespace

class TestOutreachPhaseEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<TestArea> area;
    // Prospects in the first, second and third phase, in a phase the plan lacks, and in none.
    qint64 first = 0, second = 0, third = 0, gone = 0, none = 0;

    qint64 prospect(const QVariant& phase)
    {
        const qint64 id = TestDatabase::addMember(QStringLiteral("P"), phase.toString(), QStringLiteral("Prospect"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = ? WHERE ID = ?"), {phase, id});
        return id;
    }

    Screen_* open()
    {
        auto* screen = ScreenRegistry::load<Screen_>();
        QApplication::setActiveWindow(ScreenRegistry::area());
        return screen;
    }

    void save(Screen_* screen) { QTest::mouseClick(screen->btnSave, Qt::LeftButton); }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
        area = std::make_unique<TestArea>();
        first = prospect(QStringLiteral("First Visit"));
        second = prospect(QStringLiteral("Follow-up Call"));
        third = prospect(QStringLiteral("Second Visit"));
        gone = prospect(QStringLiteral("Gone"));
        none = prospect(QVariant());
    }

    void cleanup()
    {
        area.reset();
        messages.reset();
        db.reset();
    }

    void loadsThePlanAndEditsActionsFromTheList()
    {
        MainDatabase.execute(QStringLiteral("UPDATE Outreach_Phase SET Action = NULL WHERE PhaseOrder = 4"));
        Screen_* screen = open();
        QTableWidget* grid = screen->vsfgPhase;
        QCOMPARE(shownPlan(grid), QStringLiteral("1|First Visit|Visit|1;2|Follow-up Call|Phone Call|2;"
                                                 "3|Second Visit|Visit|4;4|Invitation Letter||8"));
        QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsEditable));
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmOutreachPhaseEntry"));

        // A phase whose action was removed is refused until one is chosen from the actions.
        save(screen);
        QCOMPARE(messages->last().text, kInvalid);
        QCOMPARE(messages->last().title, QStringLiteral("Invalid Data Fields"));
        QCOMPARE(messages->last().icon, Messages::Icon::None);
        grid->setCurrentCell(3, 2);
        grid->editItem(grid->item(3, 2));
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(list);
        QStringList offered;
        for (int i = 0; i < list->count(); ++i)
            offered << list->itemText(i);
        QCOMPARE(offered, (QStringList{"Email", "Letter", "Phone Call", "Visit"}));
        list->setCurrentIndex(0);
        QTest::keyClick(list, Qt::Key_Return);
        QCoreApplication::processEvents(); // the grid takes the choice once the key is handled
        QCOMPARE(grid->item(3, 2)->text(), QStringLiteral("Email"));
        // Other columns take free text.
        grid->setCurrentCell(3, 1);
        grid->editItem(grid->item(3, 1));
        auto* text = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(text);
        text->selectAll();
        typeWithTrips(text, QStringLiteral("Last |program|Let|alt|ter")); // the cell stays open meanwhile
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        save(screen);
        QVERIFY(!isOpen());
        QCOMPARE(storedPlan(), QStringLiteral("1|First Visit|Visit|1;2|Follow-up Call|Phone Call|2;"
                                              "3|Second Visit|Visit|4;4|Last Letter|Email|8"));
    }

    void renamesMoveEachProspectOnce_data()
    {
        QTest::addColumn<QStringList>("names");  // the new names of the four rows
        QTest::addColumn<QStringList>("phases"); // then the phases of the five prospects
        QTest::newRow("rename in place") << QStringList{"Welcome Visit", "Follow-up Call", "Second Visit",
                                                        "Invitation Letter"}
                                         << QStringList{"Welcome Visit", "Follow-up Call", "Second Visit", "Gone", ""};
        QTest::newRow("two swap names") << QStringList{"Follow-up Call", "First Visit", "Second Visit",
                                                       "Invitation Letter"}
                                        << QStringList{"Follow-up Call", "First Visit", "Second Visit", "Gone", ""};
        QTest::newRow("a ring of three") << QStringList{"Second Visit", "First Visit", "Follow-up Call",
                                                        "Invitation Letter"}
                                         << QStringList{"Second Visit", "First Visit", "Follow-up Call", "Gone", ""};
        QTest::newRow("typed at once after a second click") // ">": two clicks on the cell, then the keys
            << QStringList{"First Visit", ">Sunday Call", "Second Visit", "Invitation Letter"}
            << QStringList{"First Visit", "Sunday Call", "Second Visit", "Gone", ""};
        QTest::newRow("apostrophe and a name once held")
            << QStringList{"Pastor's Visit", "Gone", "Second Visit", "x"}
            << QStringList{"Pastor's Visit", "Gone", "Second Visit", "Gone", ""};
    }
    void renamesMoveEachProspectOnce()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, phases);
        Screen_* screen = open();
        QTableWidget* grid = screen->vsfgPhase;
        for (int row = 0; row < names.size(); ++row) {
            if (!names[row].startsWith('>')) {
                setCell(grid, row, 1, names[row]);
                continue;
            }
            const QPoint at = grid->visualItemRect(grid->item(row, 1)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            for (QChar key : names[row].mid(1) + '\r') // wherever the focus is
                QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            QCoreApplication::processEvents();
        }
        save(screen);
        QVERIFY(!isOpen());
        QCOMPARE(messages->count(), 0);
        QCOMPARE((QStringList{phaseOf(first), phaseOf(second), phaseOf(third), phaseOf(gone), phaseOf(none)}), phases);
    }

    // The member screen and the contact screen, open on a prospect in "Invitation Letter", follow the plan saved:
    // their lists show the new names, their choice keeps its phase, and the member's Save keeps the next step.
    void openScreensFollowTheRenames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("phase");
        QTest::newRow("its phase renamed")
            << QStringList{"First Visit", "Follow-up Call", "Second Visit", "Welcome Letter"} << "Welcome Letter";
        QTest::newRow("its phase and another swap names")
            << QStringList{"First Visit", "Invitation Letter", "Second Visit", "Follow-up Call"} << "Follow-up Call";
        QTest::newRow("another phase renamed")
            << QStringList{"Welcome Visit", "Follow-up Call", "Second Visit", "Invitation Letter"}
            << "Invitation Letter";
    }
    void openScreensFollowTheRenames()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, phase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        const qint64 ivy = prospect(QStringLiteral("Invitation Letter"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Next_Contact_Date = '2027-01-10', "
                                            "Prospect_Next_Contact_Action = 'Letter' WHERE ID = ?"),
                             {ivy});
        auto* member = ScreenRegistry::load<frmMemberEntry>();
        member->LoadMember(ivy);
        QCOMPARE(member->cmbNextPhase->currentText(), QStringLiteral("Invitation Letter"));
        auto* contact = ScreenRegistry::load<frmProspectContactEntry>();
        contact->cmbNextPhase->setCurrentIndex(contact->cmbNextPhase->findText(QStringLiteral("Invitation Letter")));

        Screen_* screen = open();
        for (int row = 0; row < names.size(); ++row)
            setCell(screen->vsfgPhase, row, 1, names[row]);
        save(screen);
        QVERIFY(!isOpen());
        QCOMPARE(phaseOf(ivy), phase);
        for (QComboBox* list : {member->cmbNextPhase, contact->cmbNextPhase}) {
            QStringList offered;
            for (int i = 0; i < list->count(); ++i)
                offered << list->itemText(i);
            QCOMPARE(offered, QStringList{""} + names);
            QCOMPARE(list->currentText(), phase);
        }

        member->SSTab1->setCurrentIndex(4);
        grabIfAsked(area->area(), QStringLiteral("plan-saved-") + phase);
        QTest::mouseClick(member->btnSaveNew, Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(MainDatabase
                     .scalar(QStringLiteral("SELECT Prospect_Phase || '|' || Prospect_Next_Contact_Date || '|' || "
                                            "Prospect_Next_Contact_Action FROM Member WHERE ID = ?"),
                             {ivy})
                     .toString(),
                 phase + QStringLiteral("|2027-01-10|Letter"));
    }

    void movesChangeOnlyTheOrder()
    {
        Screen_* screen = open();
        QTableWidget* grid = screen->vsfgPhase;
        // Nothing above the first row, nothing below the last.
        grid->setCurrentCell(0, 1);
        screen->btnMoveUp->click();
        grid->setCurrentCell(3, 1);
        screen->btnMoveDown->click();
        QCOMPARE(shownPlan(grid), kPlan);

        grid->setCurrentCell(1, 1);
        QTest::mouseClick(screen->btnMoveUp, Qt::LeftButton);
        QCOMPARE(grid->currentRow(), 0);
        QTest::mouseClick(screen->btnMoveDown, Qt::LeftButton);
        QTest::mouseClick(screen->btnMoveDown, Qt::LeftButton);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(shownPlan(grid), QStringLiteral("1|First Visit|Visit|1;2|Second Visit|Visit|4;"
                                                 "3|Follow-up Call|Phone Call|2;4|Invitation Letter|Letter|8"));
        // The moved phase keeps its identity: renamed after the move, its own prospects follow.
        setCell(grid, 2, 1, QStringLiteral("Call"));
        save(screen);
        QCOMPARE(storedPlan(), QStringLiteral("1|First Visit|Visit|1;2|Second Visit|Visit|4;"
                                              "3|Call|Phone Call|2;4|Invitation Letter|Letter|8"));
        QCOMPARE(phaseOf(second), QStringLiteral("Call"));
        QCOMPARE(phaseOf(third), QStringLiteral("Second Visit"));
        QCOMPARE(phaseOf(first), QStringLiteral("First Visit"));
    }

    void deleteAsksAndRenumbers()
    {
        Screen_* screen = open();
        QTableWidget* grid = screen->vsfgPhase;
        grid->setCurrentCell(1, 2);
        messages->answer(Messages::Answer::No);
        QTest::mouseClick(screen->btnDelete, Qt::LeftButton);
        QCOMPARE(messages->last().text, QStringLiteral("Are you sure you want to remove Phase 2?"));
        QCOMPARE(messages->last().title, QStringLiteral("Delete Confirmation"));
        QCOMPARE(messages->last().buttons, Messages::Buttons::YesNo);
        QCOMPARE(shownPlan(grid), kPlan);
        QTest::mouseClick(screen->btnDelete, Qt::LeftButton);
        QCOMPARE(shownPlan(grid), QStringLiteral("1|First Visit|Visit|1;2|Second Visit|Visit|4;"
                                                 "3|Invitation Letter|Letter|8"));
        save(screen);
        QCOMPARE(storedPlan(), QStringLiteral("1|First Visit|Visit|1;2|Second Visit|Visit|4;"
                                              "3|Invitation Letter|Letter|8"));
        // The deleted phase's prospects keep its name; the others keep theirs.
        QCOMPARE(phaseOf(second), QStringLiteral("Follow-up Call"));
        QCOMPARE(phaseOf(third), QStringLiteral("Second Visit"));

        // Every phase deleted: the plan is emptied.
        screen = open();
        for (int i = 0; i < 3; ++i) {
            screen->vsfgPhase->setCurrentCell(0, 1);
            screen->btnDelete->click();
        }
        screen->btnDelete->click(); // no row left: nothing asked
        QCOMPARE(messages->count(), 5);
        save(screen);
        QCOMPARE(storedPlan(), QString());
    }

    void addedRowMustBeFilled()
    {
        // Orders with gaps stay as they are; an added row takes its row number.
        MainDatabase.execute(QStringLiteral("UPDATE Outreach_Phase SET PhaseOrder = PhaseOrder * 10"));
        Screen_* screen = open();
        QTest::mouseClick(screen->btnAddPhase, Qt::LeftButton);
        QCOMPARE(shownPlan(screen->vsfgPhase).section(QLatin1Char(';'), 4), QStringLiteral("5|||"));
        save(screen);
        QVERIFY(isOpen());
        QCOMPARE(messages->last().text, kInvalid);
        QCOMPARE(storedPlan(), QStringLiteral("10|First Visit|Visit|1;20|Follow-up Call|Phone Call|2;"
                                              "30|Second Visit|Visit|4;40|Invitation Letter|Letter|8"));
        setCell(screen->vsfgPhase, 4, 1, QStringLiteral("Note"));
        setCell(screen->vsfgPhase, 4, 2, QStringLiteral("Email"));
        setCell(screen->vsfgPhase, 4, 3, QStringLiteral("3"));
        save(screen);
        QVERIFY(!isOpen());
        QCOMPARE(storedPlan(), QStringLiteral("5|Note|Email|3;10|First Visit|Visit|1;20|Follow-up Call|Phone Call|2;"
                                              "30|Second Visit|Visit|4;40|Invitation Letter|Letter|8"));
    }

    void weeksMustBeANumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("stored"); // Null: refused
        QTest::newRow("whole") << "2" << QVariant(2.0);
        QTest::newRow("fraction, blanks") << " 2.5 " << QVariant(2.5);
        QTest::newRow("thousands") << "1,000" << QVariant(1000.0);
        QTest::newRow("highest") << "32767" << QVariant(32767.0);
        QTest::newRow("lowest") << "-32768" << QVariant(-32768.0);
        QTest::newRow("word") << "two" << QVariant();
        QTest::newRow("blank") << "  " << QVariant();
        QTest::newRow("too many") << "32768" << QVariant();
        QTest::newRow("rounds too high") << "32767.5" << QVariant();
        QTest::newRow("too few") << "-32769" << QVariant();
        QTest::newRow("typed, then Alt and Save And Close") << "21|alt>btnSave|" << QVariant(21.0);
    }
    void weeksMustBeANumber()
    {
        QFETCH(QString, typed);
        QFETCH(QVariant, stored);
        Screen_* screen = open();
        if (typed.contains('|')) { // typed into the cell, and the trip saves
            screen->vsfgPhase->editItem(screen->vsfgPhase->item(1, 3));
            typeWithTrips(QApplication::focusWidget(), typed);
        } else {
            setCell(screen->vsfgPhase, 1, 3, typed);
            save(screen);
        }
        if (stored.isNull()) {
            QCOMPARE(messages->last().text, kInvalid);
            QCOMPARE(storedPlan(), kPlan);
            QVERIFY(isOpen());
        } else {
            QCOMPARE(messages->count(), 0);
            QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT TimePeriod FROM Outreach_Phase WHERE PhaseOrder = 2")),
                     stored);
        }
    }

    void aFailedSaveWritesNothing()
    {
        MainDatabase.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Outreach_Phase WHEN NEW.Phase = "
                                            "'Boom' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        Screen_* screen = open();
        setCell(screen->vsfgPhase, 0, 1, QStringLiteral("Welcome"));
        setCell(screen->vsfgPhase, 3, 1, QStringLiteral("Boom"));
        save(screen);
        QCOMPARE(messages->last().title, QStringLiteral("Database Error"));
        QVERIFY(isOpen());
        QCOMPARE(storedPlan(), kPlan);
        QCOMPARE(phaseOf(first), QStringLiteral("First Visit"));
        QCOMPARE(screen->vsfgPhase->item(0, 1)->text(), QStringLiteral("Welcome")); // the edits stay
    }

    void exitWritesNothing()
    {
        Screen_* screen = open();
        setCell(screen->vsfgPhase, 0, 1, QStringLiteral("Welcome"));
        screen->vsfgPhase->setCurrentCell(1, 1);
        screen->btnDelete->click();
        screen->btnAddPhase->click();
        QTest::mouseClick(screen->btnExit, Qt::LeftButton);
        QVERIFY(!isOpen());
        QCOMPARE(storedPlan(), kPlan);
        QCOMPARE(phaseOf(first), QStringLiteral("First Visit"));
    }
};

QTEST_MAIN(TestOutreachPhaseEntry)
#include "tst_outreachphaseentry.moc"
