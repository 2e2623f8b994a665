#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "outreach/frmProspectContactEntry.h"
#include "outreach/frmProspectNavigator.h"
#include "platform/IdList.h"
#include "platform/Twips.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kToday(2026, 12, 7); // the test clock

frmProspectNavigator* openNavigator()
{
    MainMod::CurrentUserType = QStringLiteral("Admin");
    return ScreenRegistry::load<frmProspectNavigator>();
}

void choose(QComboBox* combo, const QString& text)
{
    const int at = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(at >= 0, qPrintable(text));
    combo->setCurrentIndex(at);
}

QStringList found(frmProspectNavigator* s)
{
    QTest::mouseClick(s->btnFind, Qt::LeftButton);
    QStringList names;
    for (qint64 id : s->vsfgMembers->ids())
        names << MainDatabase.scalar("SELECT First_Name FROM Member WHERE ID = ?", {id}).toString();
    return names;
}

qint64 contact(qint64 prospect, const QString& date, const QString& action, const QVariant& visitor1 = {},
               const QVariant& visitor2 = {}, const QString& notes = {})
{
    return addRow("Prospect_Contact", {{"Prospect_ID", prospect},
                                       {"Contact_Date", date},
                                       {"Action", action},
                                       {"Type", "Home"},
                                       {"Visitor1", visitor1},
                                       {"Visitor2", visitor2},
                                       {"Notes", notes}});
}

// Prospects at different places in the plan, and members, by first name.
struct Church {
    qint64 ann, bob, cy, dee, eve, fay, gus;
    qint64 adults, youth, group;
};

Church seed()
{
    MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1"));
    MainDatabase.execute(QStringLiteral("INSERT INTO Outreach_Phase VALUES (5, 'Pastor''s Visit', 'Visit', 1)"));
    MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Action VALUES ('Pastor''s Call')"));
    Church c{};
    c.adults = addRow("Sunday_School", {{"Name", "Adults"}});
    c.youth = addRow("Sunday_School", {{"Name", "Youth"}});
    c.ann = addPerson("Adams", "Ann",
                      {{"Status", "Prospect"},
                       {"Prospect_Phase", "First Visit"},
                       {"Prospect_Next_Contact_Date", "2026-12-10"},
                       {"Prospect_Next_Contact_Action", "Visit"},
                       {"Prospect_Next_Contact_Type", "Home"},
                       {"Prospect_Active_Status", "Active"},
                       {"Prospect_Sunday_School_Class_Assigned", c.adults},
                       {"Date_Of_Birth", "1980-03-02"}});
    c.bob = addPerson("Baker", "Bob",
                      {{"Status", "Prospect"},
                       {"Prospect_Phase", "Pastor's Visit"},
                       {"Prospect_Next_Contact_Date", "2026-12-20"},
                       {"Prospect_Next_Contact_Action", "Pastor's Call"},
                       {"Prospect_Active_Status", "Active"},
                       {"Sunday_School_Class", c.adults},
                       {"Prospect_Sunday_School_Class_Assigned", c.youth}});
    c.cy =
        addPerson("Cole", "Cy", {{"Status", "Prospect"}, {"Prospect_Active_Status", "Joined"}, {"Map_Section", "B-1"}});
    c.dee = addPerson("Dane", "Dee", {{"Member_Active_Status", "Active"}, {"Hobbies", "Fishing 100%"}});
    c.eve = addPerson("Evans", "Eve", {{"Anniversary_Date", "2000-03-15"}});
    c.fay = addPerson("Ford", "Fay", {{"Status", "Prospect"}, {"Prospect_Active_Status", "Active"}});
    c.gus = addPerson("Gray", "Gus");
    c.group = addRow("Care_Group", {{"Group_Leader", c.dee}});
    MainDatabase.execute("UPDATE Member SET Prospect_Care_Group_Assigned = ? WHERE ID = ?", {c.group, c.fay});
    MainDatabase.execute("UPDATE Member SET Care_Group_Assigned = ? WHERE ID = ?", {c.group, c.gus});
    // Ann: two visits in November; Cy: a letter in November and a visit last year; Fay: a pastor's call.
    contact(c.ann, "2026-11-02", "Visit", c.dee);
    contact(c.ann, "2026-11-20", "Visit", c.dee, c.gus);
    contact(c.cy, "2026-11-05", "Letter");
    contact(c.cy, "2025-06-01", "Visit");
    contact(c.fay, "2026-10-01", "Pastor's Call");
    return c;
}

} // namespace

class TestProspectNavigator : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyWithItsListsFilled()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        frmProspectNavigator* s = openNavigator();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Prospect Navigator"));
        QCOMPARE(s->Frame2->title(), QStringLiteral("Prospects"));
        QCOMPARE(s->Frame3->title(), QStringLiteral("Contacts"));
        QVERIFY(!s->vsfgMembers->hasHeading());
        QVERIFY(!s->vsfgContact->hasHeading());
        QCOMPARE(entries(s->cmbPhase).first(), QStringLiteral("First Visit"));
        QCOMPARE(entries(s->cmbPhase).last(), QStringLiteral("Pastor's Visit"));
        QCOMPARE(entries(s->cmbPrevAction), entries(s->cmbNextAction));
        QCOMPARE(entries(s->cmbCG), QStringList{"Dane, Dee"});
        QCOMPARE(s->dtStartDatePrev->date(), kToday);
        QVERIFY(!s->chkNextDate->isChecked());
        QVERIFY(!s->chkPrevDate->isChecked());
        for (QComboBox* combo : s->Frame1->findChildren<QComboBox*>())
            QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(messages.count(), 0);
    }

    // Each criterion alone, then some together; values with apostrophes are matched as typed.
    void criteria_data()
    {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none: everybody") << "" << QStringList{"Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus"};
        QTest::newRow("phase") << "phase=First Visit" << QStringList{"Ann"};
        QTest::newRow("phase with apostrophe") << "phase=Pastor's Visit" << QStringList{"Bob"};
        QTest::newRow("name") << "name=a" << QStringList{"Ann", "Bob", "Dee", "Eve", "Fay", "Gus"};
        QTest::newRow("next date, bounds whole") << "next=2026-12-10..2026-12-20" << QStringList{"Ann", "Bob"};
        QTest::newRow("next date") << "next=2026-12-11..2026-12-31" << QStringList{"Bob"};
        QTest::newRow("next action with apostrophe") << "nextaction=Pastor's Call" << QStringList{"Bob"};
        QTest::newRow("prev date and action") << "prev=2026-11-01..2026-11-30;prevaction=Visit" << QStringList{"Ann"};
        QTest::newRow("prev action any date") << "prevaction=Visit" << QStringList{"Ann", "Cy"};
        QTest::newRow("prev date any action") << "prev=2026-11-01..2026-11-30" << QStringList{"Ann", "Cy"};
        QTest::newRow("prev action with apostrophe") << "prevaction=Pastor's Call" << QStringList{"Fay"};
        QTest::newRow("member status") << "status=Prospect" << QStringList{"Ann", "Bob", "Cy", "Fay"};
        QTest::newRow("church status") << "church=Active" << QStringList{"Dee"};
        QTest::newRow("prospect status") << "prospect=Joined" << QStringList{"Cy"};
        QTest::newRow("search, % literal") << "search=100%" << QStringList{"Dee"};
        QTest::newRow("class: the prospect's") << "class=Adults" << QStringList{"Ann"};
        QTest::newRow("class: the prospect's 2") << "class=Youth" << QStringList{"Bob"};
        QTest::newRow("care group: the prospect's") << "group=Dane, Dee" << QStringList{"Fay"};
        QTest::newRow("month: birth or anniversary") << "month=March" << QStringList{"Ann", "Eve"};
        QTest::newRow("map") << "map=B-" << QStringList{"Cy"};
        QTest::newRow("phase and next action") << "phase=First Visit;nextaction=Visit" << QStringList{"Ann"};
        QTest::newRow("status and prev action")
            << "status=Prospect;prevaction=Visit;prospect=Active" << QStringList{"Ann"};
        QTest::newRow("nobody") << "phase=First Visit;class=Youth" << QStringList{};
    }
    void criteria()
    {
        QFETCH(QString, criteria);
        QFETCH(QStringList, expected);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        frmProspectNavigator* s = openNavigator();
        QVERIFY(s);
        const auto dates = [](const QString& range) {
            const QStringList ends = range.split(QStringLiteral(".."));
            return std::pair{QDate::fromString(ends.at(0), Qt::ISODate), QDate::fromString(ends.at(1), Qt::ISODate)};
        };
        for (const QString& criterion : criteria.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString key = criterion.section(QLatin1Char('='), 0, 0);
            const QString value = criterion.section(QLatin1Char('='), 1);
            if (key == QLatin1String("phase"))
                choose(s->cmbPhase, value);
            else if (key == QLatin1String("name"))
                QTest::keyClicks(s->txtName, value);
            else if (key == QLatin1String("next")) {
                // The user picks the dates; the box ticks itself.
                s->dtStartDate->setDate(dates(value).first);
                s->dtEndDate->setDate(dates(value).second);
                QVERIFY(s->chkNextDate->isChecked());
            } else if (key == QLatin1String("nextaction"))
                choose(s->cmbNextAction, value);
            else if (key == QLatin1String("prev")) {
                s->dtStartDatePrev->setDate(dates(value).first);
                s->dtEndDatePrev->setDate(dates(value).second);
                QVERIFY(s->chkPrevDate->isChecked());
            } else if (key == QLatin1String("prevaction"))
                choose(s->cmbPrevAction, value);
            else if (key == QLatin1String("status"))
                choose(s->cmbStatus, value);
            else if (key == QLatin1String("church"))
                choose(s->cmbChurchStatus, value);
            else if (key == QLatin1String("prospect"))
                choose(s->cmbProspectStatus, value);
            else if (key == QLatin1String("search"))
                QTest::keyClicks(s->txtSearch, value);
            else if (key == QLatin1String("class"))
                choose(s->cmbSSClass, value);
            else if (key == QLatin1String("group"))
                choose(s->cmbCG, value);
            else if (key == QLatin1String("month"))
                choose(s->cmbDobAnniv, value);
            else if (key == QLatin1String("map"))
                QTest::keyClicks(s->txtMapSection, value);
        }
        QCOMPARE(found(s), expected);
        QCOMPARE(s->Frame2->title(), QStringLiteral("Prospects - Matching Records: %1").arg(expected.size()));
        QCOMPARE(messages.count(), 0);
    }

    void rowShowsItsNextStep()
    {
        TestDatabase tdb;
        TestArea area;
        const Church c = seed();
        frmProspectNavigator* s = openNavigator();
        choose(s->cmbPhase, QStringLiteral("First Visit"));
        QCOMPARE(found(s), QStringList{"Ann"});
        QCOMPARE(s->vsfgMembers->navigatorModel()->columnCount(), 16);
        QCOMPARE(s->vsfgMembers->text(0, 0), QString::number(c.ann));
        QCOMPARE(s->vsfgMembers->text(0, 3), QStringLiteral("First Visit"));
        QCOMPARE(s->vsfgMembers->text(0, 4), QStringLiteral("12/10/2026"));
        QCOMPARE(s->vsfgMembers->text(0, 5), QStringLiteral("Visit"));
        QCOMPARE(s->vsfgMembers->text(0, 6), QStringLiteral("Home"));
        QCOMPARE(s->vsfgMembers->text(0, 12), QStringLiteral("3/2/1980"));
        // Somebody without a step shows empty cells.
        s->btnClear->click();
        QTest::keyClicks(s->txtName, QStringLiteral("Gus"));
        QCOMPARE(found(s), QStringList{"Gus"});
        for (int column : {3, 4, 5, 6})
            QVERIFY(s->vsfgMembers->text(0, column).isEmpty());
    }

    // Arrow keys move through the people and their contacts follow: newest first, same day by entry, and a
    // missing visitor keeps the comma of an empty name.
    void contactHistoryFollowsTheRow()
    {
        TestDatabase tdb;
        TestArea area;
        const Church c = seed();
        const qint64 later = contact(c.ann, "2026-11-20", "Phone Call", {}, {}, "Second call that day");
        frmProspectNavigator* s = openNavigator();
        QCOMPARE(found(s).first(), QStringLiteral("Ann"));
        QVERIFY(s->vsfgContact->dataRows() == 0);
        s->vsfgMembers->setFocus();
        s->vsfgMembers->pickRow(0);
        QCOMPARE(s->vsfgContact->dataRows(), 3);
        QCOMPARE(s->vsfgContact->navigatorModel()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Visitor 1"));
        QCOMPARE(s->vsfgContact->id(0), later);
        QCOMPARE(s->vsfgContact->text(0, 1), QStringLiteral("11/20/2026"));
        QCOMPARE(s->vsfgContact->text(0, 5), QStringLiteral(",  "));
        QCOMPARE(s->vsfgContact->text(0, 7), QStringLiteral("Second call that day"));
        QCOMPARE(s->vsfgContact->text(1, 2), QStringLiteral("Visit"));
        QCOMPARE(s->vsfgContact->text(1, 5), QStringLiteral("Dane, Dee "));
        QCOMPARE(s->vsfgContact->text(1, 6), QStringLiteral("Gray, Gus "));
        QCOMPARE(s->vsfgContact->text(2, 1), QStringLiteral("11/2/2026"));

        QTest::keyClick(s->vsfgMembers, Qt::Key_Down); // Bob: no contacts
        QCOMPARE(s->vsfgMembers->currentRow(), 1);
        QVERIFY(s->vsfgContact->hasHeading());
        QCOMPARE(s->vsfgContact->dataRows(), 0);
        QTest::keyClick(s->vsfgMembers, Qt::Key_Down); // Cy
        QCOMPARE(s->vsfgContact->dataRows(), 2);
        QCOMPARE(s->vsfgContact->text(0, 2), QStringLiteral("Letter"));

        // A new search empties the contacts until a row is picked.
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        QVERIFY(!s->vsfgContact->hasHeading());
    }

    // Rows picked from the bottom up print top down, after one question that counts them.
    void contactSheetsOfTheSelectedBlock()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        frmProspectNavigator* s = openNavigator();
        QCOMPARE(found(s).size(), 7);
        RecordingOutput output;
        s->vsfgMembers->show();
        QWidget* viewport = s->vsfgMembers->viewport();
        const auto rowAt = [s](int row) {
            return s->vsfgMembers->visualRect(s->vsfgMembers->model()->index(row, 1)).center();
        };
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowAt(5));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, rowAt(2));
        QCOMPARE(s->selectedRows(), (QList<int>{2, 3, 4, 5}));

        messages.answer(Messages::Answer::No);
        QTest::mouseClick(s->btnPrintPS, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Print Confirmation"));
        QCOMPARE(messages.last().buttons, Messages::Buttons::YesNo);
        QVERIFY(messages.last().text.endsWith(QStringLiteral("Total number is: 4")));
        QCOMPARE(output.deliveries.size(), 0);

        messages.answer(Messages::Answer::Yes);
        QTest::mouseClick(s->btnPrintPS, Qt::LeftButton);
        QCOMPARE(messages.count(), 2);
        QStringList names;
        for (const auto& delivery : output.deliveries) {
            QCOMPARE(delivery.mode, ReportOutput::Mode::Print);
            names << delivery.report.document->pageTexts(0).filter(QStringLiteral(", ")).value(0);
        }
        QCOMPARE(names, (QStringList{"Cole, Cy", "Dane, Dee", "Evans, Eve", "Ford, Fay"}));
    }

    void printButtonsCheckTheirRights_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("permission");
        QTest::newRow("list") << "btnPrintList"
                              << "Prospect Navigator Report";
        QTest::newRow("short") << "btnPrintListShort"
                               << "Prospect Navigator Report";
        QTest::newRow("labels") << "btnPrintMailingLabels"
                                << "Mailing Labels Report";
        QTest::newRow("sheets") << "btnPrintPS"
                                << "Prospect Visitation Sheet Report";
    }
    void printButtonsCheckTheirRights()
    {
        QFETCH(QString, button);
        QFETCH(QString, permission);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        const qint64 user = TestDatabase::addMember(QStringLiteral("Clerk"), QStringLiteral("Carol"));
        MainMod::CurrentUserID = user;
        auto* s = openNavigator();
        MainMod::CurrentUserType = QStringLiteral("User");
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        s->vsfgMembers->selectAll();
        RecordingOutput output;
        auto* b = s->findChild<QPushButton*>(button);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to view this report."));
        QCOMPARE(output.deliveries.size(), 0);
        TestDatabase::grant(user, permission);
        messages.clear();
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!output.deliveries.isEmpty());
        QVERIFY(messages.last().title != QStringLiteral("Invalid Permission"));
    }

    // The right to edit contacts is asked before anything else, also on the heading.
    void contactDoubleClickAsksTheRightFirst()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const Church c = seed();
        const qint64 user = TestDatabase::addMember(QStringLiteral("Viewer"), QStringLiteral("Val"));
        MainMod::CurrentUserID = user;
        auto* s = openNavigator();
        MainMod::CurrentUserType = QStringLiteral("User");
        choose(s->cmbPhase, QStringLiteral("First Visit"));
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        s->vsfgMembers->pickRow(0);
        s->parentWidget()->resize(900, 700);
        QHeaderView* header = s->vsfgContact->horizontalHeader();
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(1) + 5, 5));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to edit this record."));
        const QPoint cell = s->vsfgContact->visualRect(s->vsfgContact->model()->index(0, 2)).center();
        QTest::mouseClick(s->vsfgContact->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(s->vsfgContact->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(messages.count(), 2);
        QVERIFY(!ScreenRegistry::find<frmProspectContactEntry>());

        TestDatabase::grant(user, PermissionNames::kProspectContactEntryEdit);
        QTest::mouseClick(s->vsfgContact->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(s->vsfgContact->viewport(), Qt::LeftButton, {}, cell);
        auto* entry = ScreenRegistry::find<frmProspectContactEntry>();
        QVERIFY(entry);
        QCOMPARE(entry->txtID->text(), QString::number(s->vsfgContact->id(0)));
        QCOMPARE(IdList::currentId(entry->cmbProspect).toLongLong(), c.ann);
    }

    void clearResetsEverythingButTheCaption()
    {
        TestDatabase tdb;
        TestArea area;
        seed();
        auto* s = openNavigator();
        choose(s->cmbPhase, QStringLiteral("First Visit"));
        QTest::keyClicks(s->txtName, QStringLiteral("A"));
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        s->vsfgMembers->pickRow(0);
        s->dtEndDatePrev->setDate(kToday.addDays(3));
        QTest::mouseClick(s->btnClear, Qt::LeftButton);
        QVERIFY(!s->chkPrevDate->isChecked());
        QCOMPARE(s->dtEndDatePrev->date(), kToday);
        QCOMPARE(s->cmbPhase->currentIndex(), -1);
        QVERIFY(s->txtName->text().isEmpty());
        QVERIFY(!s->vsfgMembers->hasHeading());
        QVERIFY(!s->vsfgContact->hasHeading());
        QCOMPARE(s->Frame2->title(), QStringLiteral("Prospects - Matching Records: 1"));
    }

    // The two grid frames share the height under the criteria; a window too low leaves the contacts frame's
    // height but still moves it under the prospects.
    void gridsShareTheHeight()
    {
        TestDatabase tdb;
        TestArea area;
        auto* s = openNavigator();
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(s->parentWidget());
        sub->resize(1000, 800);
        QCOMPARE(s->Frame2->height(), (800 - s->Frame1->height()) / 2);
        QCOMPARE(s->Frame3->y(), s->Frame2->y() + s->Frame2->height() + Twips::toPixels(100));
        QCOMPARE(s->Frame3->width(), s->Frame2->width());
        QCOMPARE(s->vsfgContact->width(), s->Frame3->width() - Twips::toPixels(200));
        const int contactsHeight = s->Frame3->height();
        QVERIFY(contactsHeight > 50);
        sub->resize(1000, s->Frame1->height() + 90);
        QCOMPARE(s->Frame3->height(), contactsHeight);
        QCOMPARE(s->Frame3->y(), s->Frame2->y() + s->Frame2->height() + Twips::toPixels(100));
    }
};

QTEST_MAIN(TestProspectNavigator)
#include "tst_prospectnavigator.moc"
