#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "core/TypeAhead.h"
#include "members/frmMemberEntry.h"
#include "reports/ReportOutput.h"
#include "reports/Viewer.h"
#include "schema/PermissionNames.h"
#include "search/MemberNavigatorLink.h"
#include "search/frmMemberNavigator.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kToday(2026, 12, 7); // the test clock

frmMemberNavigator* openNavigator()
{
    MainMod::CurrentUserType = QStringLiteral("Admin");
    return ScreenRegistry::load<frmMemberNavigator>();
}

void choose(QComboBox* combo, const QString& text)
{
    const int at = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(at >= 0, qPrintable(text));
    combo->setCurrentIndex(at);
}

QList<qint64> found(frmMemberNavigator* s)
{
    QTest::mouseClick(s->btnFind, Qt::LeftButton);
    return s->vsfgMembers->ids();
}

// The first names of the people listed, in grid order.
QStringList firstNames(frmMemberNavigator* s)
{
    QStringList names;
    for (qint64 id : s->vsfgMembers->ids())
        names << MainDatabase.scalar("SELECT First_Name FROM Member WHERE ID = ?", {id}).toString();
    return names;
}

QPoint cellCentre(NavigatorGrid* grid, int row)
{
    return grid->visualRect(grid->model()->index(row, 1)).center();
}

// A small church with one person for each criterion, by name: what each criterion should find.
struct Church {
    qint64 ann, bob, cy, dee, eve, fay, gus, hal;
    qint64 adults, youth, careGroup, disc, wed;
};

// Without the stand-by person every database starts with.
void dropStandBy()
{
    MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1"));
}

// A double-click as the user makes it: a first click picks the row, the second opens it.
void doubleClick(NavigatorGrid* grid, const QPoint& at)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

Church seed()
{
    dropStandBy();
    Church c{};
    c.ann = addPerson("Adams", "Ann",
                      {{"Middle_Name", "Marie"},
                       {"Member_Since", "2020-03-15"},
                       {"Date_Of_Birth", "1970-03-02"},
                       {"Hobbies", "Quilting and 100% cotton"},
                       {"Map_Section", "B-12"},
                       {"Member_Active_Status", "Active"},
                       {"Receive_Newsletter_Via_Mail", 1},
                       {"Head_Of_Household", 1}});
    c.bob = addPerson("Baker", "Bob",
                      {{"Anniversary_Date", "1995-03-20"},
                       {"Notes", "Sings bass"},
                       {"Member_Active_Status", "InActive"},
                       {"Map_Section", "A_1"}});
    c.cy = addPerson("Cole", "Cy",
                     {{"Status", "Prospect"},
                      {"Prospect_Active_Status", "Joined"},
                      {"Prospect_Note", "Met at the fair"},
                      {"Date_Of_Birth", "1980-11-30"}});
    c.dee = addPerson("Dane", "Dee", {{"Place_Of_Work", "O'Brien's Mill"}, {"Member_Since", "2024-06-01"}});
    c.eve = addPerson("Evans", "Eve", {{"Organizations", "Lions Club"}});
    c.fay = addPerson("Ford", "Fay", {{"Title", "Dr."}});
    c.gus = addPerson("Gray", "Gus", {{"Middle_Name", "Dan"}});
    c.hal = addPerson("Hill", "Hal", {{"First_Name", "Hal*"}});
    c.adults = addRow("Sunday_School", {{"Name", "Adults"}});
    c.youth = addRow("Sunday_School", {{"Name", "Youth"}});
    c.careGroup = addRow("Care_Group", {{"Group_Leader", c.eve}});
    c.disc = addRow("Discipleship_Training", {{"Name", "Basics"}});
    c.wed = addRow("Wednesday_Night", {{"Name", "Prayer"}});
    MainDatabase.execute("UPDATE Member SET Sunday_School_Class = ?, Care_Group_Assigned = ?, "
                         "Discipleship_Training_Class = ?, Wednesday_Night_Class = ?, DeaconID = ? WHERE ID = ?",
                         {c.youth, c.careGroup, c.disc, c.wed, c.gus, c.fay});
    MainDatabase.execute("UPDATE Member SET Sunday_School_Class = ? WHERE ID = ?", {c.adults, c.ann});
    addRow("Responsibilities", {{"Name", "Deacon"}});
    addRow("Responsibilities", {{"Name", "Usher"}});
    // Gus was a deacon twice; Hal ushered long ago.
    addRow("Member_Responsibility",
           {{"Member_ID", c.gus}, {"Responsibility", "Deacon"}, {"Start", "2010-01-03"}, {"End", "2012-01-01"}});
    addRow("Member_Responsibility", {{"Member_ID", c.gus}, {"Responsibility", "Deacon"}, {"Start", "2020-01-05"}});
    addRow("Member_Responsibility",
           {{"Member_ID", c.hal}, {"Responsibility", "Usher"}, {"Start", "1999-01-03"}, {"End", "2001-01-07"}});
    addRow("Church_Organizations", {{"Name", "Women's Missionary Union"}});
    addRow("Church_Organizations", {{"Name", "Brotherhood"}});
    addRow("Member_Organizations", {{"MemberID", c.dee}, {"Organization", "Women's Missionary Union"}});
    addRow("Member_Organizations", {{"MemberID", c.ann}, {"Organization", "Brotherhood"}});
    return c;
}

} // namespace

class TestMemberNavigator : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyWithItsListsFilled()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        frmMemberNavigator* s = openNavigator();
        QVERIFY(s);
        QVERIFY(MainMod::MemberNavigatorOpen());
        QCOMPARE(s->windowTitle(), QStringLiteral("Member Navigator"));
        QCOMPARE(s->Frame2->title(), QStringLiteral("Members/Prospects"));
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(s->dtStartDate->date(), kToday);
        QVERIFY(!s->chkMemberSince->isChecked());
        QCOMPARE(entries(s->cmbStatus),
                 (QStringList{"Child Of Member", "Deleted Member", "Member", "Previous Member", "Prospect"}));
        QCOMPARE(entries(s->cmbDobAnniv).size(), 12);
        QCOMPARE(entries(s->cmbReceiveNL), (QStringList{"True", "False"}));
        QCOMPARE(entries(s->cmbCG), QStringList{"Evans, Eve"});
        QCOMPARE(entries(s->cmbDeacon), (QStringList{"Gray, Gus", "Gray, Gus"}));
        QVERIFY(entries(s->cmbOrganization).contains(QStringLiteral("Women's Missionary Union")));
        QCOMPARE(entries(s->cmbOrganization).first(), QStringLiteral("Brotherhood"));
        for (QComboBox* combo : s->Frame1->findChildren<QComboBox*>())
            QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(messages.count(), 0);
        // The grid frame takes the window's width and the height under the criteria.
        QCOMPARE(s->Frame2->width(), s->Frame1->width());
        QVERIFY(s->vsfgMembers->height() > 100);
        s->btnExit->click();
        QVERIFY(!MainMod::MemberNavigatorOpen());
    }

    // Typed keys go to the shared type-ahead on ten lists; Receive NL, HOH and Organization keep the list's own keys.
    void typeAheadOnExactlyItsLists()
    {
        TestDatabase tdb;
        TestArea area;
        seed();
        frmMemberNavigator* s = openNavigator();
        const QList<QComboBox*> typeAhead{
            s->cmbStatus,  s->cmbChurchStatus, s->cmbProspectStatus, s->cmbDobAnniv, s->cmbResponsibility,
            s->cmbSSClass, s->cmbCG,           s->cmbDiscClass,      s->cmbWedClass, s->cmbDeacon};
        for (QComboBox* combo : s->Frame1->findChildren<QComboBox*>()) {
            MainMod::TypeAheadState.LastCombo = nullptr;
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_A);
            QCOMPARE(MainMod::TypeAheadState.LastCombo == combo, typeAhead.contains(combo));
        }
        // Keys in quick succession build one prefix: "mar" is March, not April.
        MainMod::KeyPressDelay = 5;
        s->cmbDobAnniv->setCurrentIndex(-1);
        QTest::keyClicks(s->cmbDobAnniv, QStringLiteral("mar"));
        QCOMPARE(s->cmbDobAnniv->currentText(), QStringLiteral("March"));
    }

    void noCriterionListsEveryoneInNameOrder()
    {
        TestDatabase tdb;
        TestArea area;
        dropStandBy();
        const qint64 zed = addPerson("Zane", "Zed",
                                     {{"Address_1", "1 Elm"},
                                      {"City", "Cedar"},
                                      {"State", "TN"},
                                      {"Zip", "37150"},
                                      {"Phone", "(615) 555-0101"},
                                      {"Date_Of_Birth", "1961-07-04"},
                                      {"Member_Active_Status", "Active"},
                                      {"Prospect_Active_Status", "Joined"}});
        const qint64 amy2 = addPerson("Abel", "Amy");
        const qint64 amy1 = addPerson("Abel", "Amy");
        const qint64 al = addPerson("abel", "Al", {{"Middle_Name", "J"}, {"Title", "Mr."}});
        frmMemberNavigator* s = openNavigator();
        QCOMPARE(found(s), (QList<qint64>{al, amy2, amy1, zed}));
        QCOMPARE(s->Frame2->title(), QStringLiteral("Members/Prospects - Matching Records: 4"));
        const QStringList headings{"ID",    "Name",    "Status", "Phone", "Cell",          "Work",
                                   "Email", "Address", "DOB",    "Anniv", "Member Status", "Prospect Status"};
        for (int c = 0; c < headings.size(); ++c)
            QCOMPARE(s->vsfgMembers->model()->headerData(c, Qt::Horizontal).toString(), headings.at(c));
        QCOMPARE(s->vsfgMembers->text(0, 0), QString::number(al));
        QCOMPARE(s->vsfgMembers->text(0, 1), QStringLiteral("abel, Al J Mr."));
        QCOMPARE(s->vsfgMembers->text(1, 1), QStringLiteral("Abel, Amy  ")); // no middle name, no title
        QCOMPARE(s->vsfgMembers->text(1, 7), QStringLiteral(", , ,  "));
        QStringList zane;
        for (int c = 1; c < 12; ++c)
            zane << s->vsfgMembers->text(3, c);
        QCOMPARE(zane, (QStringList{"Zane, Zed  ", "Member", "(615) 555-0101", "", "", "", "1 Elm, , Cedar, TN 37150",
                                    "7/4/1961", "", "Active", "Joined"}));
        QCOMPARE(s->vsfgMembers->model()->data(s->vsfgMembers->model()->index(3, 4), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
        // Nothing matched: the heading stays, with a count of 0.
        s->txtName->setText(QStringLiteral("nobody"));
        QCOMPARE(found(s), QList<qint64>{});
        QVERIFY(s->vsfgMembers->hasHeading());
        QCOMPARE(s->Frame2->title(), QStringLiteral("Members/Prospects - Matching Records: 0"));
    }

    // Each criterion alone, set as the user sets it.
    void eachCriterionAlone_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("names"); // first names found, in grid order
        QTest::newRow("name, in any of three names") << "txtName"
                                                     << "an" << QStringList{"Ann", "Dee", "Eve", "Gus"};
        QTest::newRow("name, at the end") << "txtName"
                                          << "NE" << QStringList{"Dee"};
        QTest::newRow("search: hobbies") << "txtSearch"
                                         << "quilt" << QStringList{"Ann"};
        QTest::newRow("search: notes") << "txtSearch"
                                       << "bass" << QStringList{"Bob"};
        QTest::newRow("search: prospect note") << "txtSearch"
                                               << "fair" << QStringList{"Cy"};
        QTest::newRow("search: organizations text") << "txtSearch"
                                                    << "lions" << QStringList{"Eve"};
        QTest::newRow("search: place of work") << "txtSearch"
                                               << "mill" << QStringList{"Dee"};
        QTest::newRow("map") << "txtMapSection"
                             << "b-1" << QStringList{"Ann"};
        QTest::newRow("member status") << "cmbStatus"
                                       << "Prospect" << QStringList{"Cy"};
        QTest::newRow("church status") << "cmbChurchStatus"
                                       << "InActive" << QStringList{"Bob"};
        QTest::newRow("prospect status") << "cmbProspectStatus"
                                         << "Joined" << QStringList{"Cy"};
        QTest::newRow("March: birth or anniversary") << "cmbDobAnniv"
                                                     << "March" << QStringList{"Ann", "Bob"};
        QTest::newRow("November") << "cmbDobAnniv"
                                  << "November" << QStringList{"Cy"};
        QTest::newRow("responsibility held long ago") << "cmbResponsibility"
                                                      << "Usher" << QStringList{"Hal*"};
        QTest::newRow("receives the newsletter") << "cmbReceiveNL"
                                                 << "True" << QStringList{"Ann"};
        QTest::newRow("head of household: no")
            << "cmbHOH"
            << "False" << QStringList{"Bob", "Cy", "Dee", "Eve", "Fay", "Gus", "Hal*"};
        QTest::newRow("organization with an apostrophe") << "cmbOrganization"
                                                         << "Women's Missionary Union" << QStringList{"Dee"};
        QTest::newRow("SS class") << "cmbSSClass"
                                  << "Youth" << QStringList{"Fay"};
        QTest::newRow("care group") << "cmbCG"
                                    << "Evans, Eve" << QStringList{"Fay"};
        QTest::newRow("disc class") << "cmbDiscClass"
                                    << "Basics" << QStringList{"Fay"};
        QTest::newRow("wed class") << "cmbWedClass"
                                   << "Prayer" << QStringList{"Fay"};
        QTest::newRow("deacon") << "cmbDeacon"
                                << "Gray, Gus" << QStringList{"Fay"};
    }
    void eachCriterionAlone()
    {
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QStringList, names);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        frmMemberNavigator* s = openNavigator();
        QWidget* widget = s->findChild<QWidget*>(control);
        QVERIFY(widget);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setFocus();
            QTest::keyClicks(box, value);
        } else {
            choose(qobject_cast<QComboBox*>(widget), value);
        }
        found(s);
        QCOMPARE(firstNames(s), names);
        QCOMPARE(messages.count(), 0);
    }

    void eitherDeaconEntryFindsTheSamePeople()
    {
        TestDatabase tdb;
        TestArea area;
        const Church c = seed();
        frmMemberNavigator* s = openNavigator();
        s->cmbDeacon->setCurrentIndex(0);
        QCOMPARE(found(s), QList<qint64>{c.fay});
        s->cmbDeacon->setCurrentIndex(1);
        QCOMPARE(found(s), QList<qint64>{c.fay});
    }

    void memberSinceRangeTicksOnTheUsersChangeOnly()
    {
        TestDatabase tdb;
        TestArea area;
        const Church c = seed();
        frmMemberNavigator* s = openNavigator();
        QVERIFY(!s->chkMemberSince->isChecked());
        // The user steps the start date down a day: the range switches on.
        s->dtStartDate->setFocus();
        s->dtStartDate->setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(s->dtStartDate, Qt::Key_Down);
        QVERIFY(s->chkMemberSince->isChecked());
        QCOMPARE(s->dtStartDate->date(), kToday.addYears(-1));
        QCOMPARE(found(s), QList<qint64>{});
        s->dtStartDate->setDate(QDate(2020, 3, 15));
        QCOMPARE(found(s), (QList<qint64>{c.ann, c.dee}));
        s->dtEndDate->setDate(QDate(2024, 5, 31));
        QCOMPARE(found(s), QList<qint64>{c.ann});
        // Unticked by hand: the dates stay, the range is off.
        s->chkMemberSince->click();
        QCOMPARE(found(s).size(), 8);
        QCOMPARE(s->dtStartDate->date(), QDate(2020, 3, 15));
        // Clear sets the dates and leaves the box off; the refresh from the member screen does not tick it either.
        s->btnClear->click();
        QVERIFY(!s->chkMemberSince->isChecked());
        QCOMPARE(s->dtEndDate->date(), kToday);
        MemberNavigatorLink::loadSearchValues();
        QVERIFY(!s->chkMemberSince->isChecked());
    }

    void twoCriteriaCombine()
    {
        TestDatabase tdb;
        TestArea area;
        const Church c = seed();
        frmMemberNavigator* s = openNavigator();
        choose(s->cmbDobAnniv, QStringLiteral("March"));
        QCOMPARE(found(s), (QList<qint64>{c.ann, c.bob}));
        choose(s->cmbChurchStatus, QStringLiteral("Active"));
        QCOMPARE(found(s), QList<qint64>{c.ann});
        s->txtName->setText(QStringLiteral("bob"));
        QCOMPARE(found(s), QList<qint64>{});
        // Clear, then Find: no criterion any more.
        s->btnClear->click();
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(s->cmbChurchStatus->currentIndex(), -1);
        QVERIFY(s->txtName->text().isEmpty());
        QCOMPARE(found(s).size(), 8);
    }

    // Typed text finds itself, letter for letter, and nothing typed can break the search.
    void typedTextMatchesLiterally_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("apostrophe") << "txtSearch"
                                    << "O'Brien" << QStringList{"Dee"};
        QTest::newRow("percent") << "txtSearch"
                                 << "100%" << QStringList{"Ann"};
        QTest::newRow("percent alone") << "txtSearch"
                                       << "%" << QStringList{"Ann"};
        QTest::newRow("underscore") << "txtMapSection"
                                    << "_" << QStringList{"Bob"};
        QTest::newRow("star") << "txtName"
                              << "*" << QStringList{"Hal*"};
        QTest::newRow("backslash") << "txtName"
                                   << "\\" << QStringList{};
        QTest::newRow("quotes and brackets") << "txtName"
                                             << "') OR ('1'='1" << QStringList{};
        QTest::newRow("square brackets") << "txtName"
                                         << "[a]" << QStringList{};
    }
    void typedTextMatchesLiterally()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        seed();
        frmMemberNavigator* s = openNavigator();
        auto* box = s->findChild<QLineEdit*>(control);
        box->setFocus();
        QTest::keyClicks(box, typed);
        found(s);
        QCOMPARE(firstNames(s), names);
        QCOMPARE(messages.count(), 0);
        QVERIFY(s->vsfgMembers->hasHeading());
    }

    void memberScreenRefreshKeepsTheTextBoxesAndTheRange()
    {
        TestDatabase tdb;
        TestArea area;
        const Church c = seed();
        frmMemberNavigator* s = openNavigator();
        s->txtName->setText(QStringLiteral("a"));
        s->txtSearch->setText(QStringLiteral("x"));
        s->txtMapSection->setText(QStringLiteral("y"));
        s->dtStartDate->setDate(QDate(2001, 1, 1));
        QVERIFY(s->chkMemberSince->isChecked());
        choose(s->cmbStatus, QStringLiteral("Member"));
        choose(s->cmbDeacon, QStringLiteral("Gray, Gus"));
        found(s);
        const QString caption = s->Frame2->title();
        // A new deacon given on the member screen refreshes the open navigator.
        {
            ScriptedMessages messages; // the deacon rule's questions, answered Yes
            auto* member = ScreenRegistry::load<frmMemberEntry>();
            member->LoadMember(c.ann);
            choose(member->cmbResp, QStringLiteral("Deacon"));
            QTest::mouseClick(member->findChild<QPushButton*>(QStringLiteral("btnAddResp")), Qt::LeftButton);
            member->Unload();
        }
        QCOMPARE(entries(s->cmbDeacon), (QStringList{"Adams, Ann", "Gray, Gus", "Gray, Gus"}));
        for (QComboBox* combo : s->Frame1->findChildren<QComboBox*>())
            QCOMPARE(combo->currentIndex(), -1);
        QVERIFY(!s->vsfgMembers->hasHeading());
        QCOMPARE(s->dtStartDate->date(), kToday);
        QCOMPARE(s->txtName->text(), QStringLiteral("a"));
        QCOMPARE(s->txtSearch->text(), QStringLiteral("x"));
        QCOMPARE(s->txtMapSection->text(), QStringLiteral("y"));
        QVERIFY(s->chkMemberSince->isChecked());
        QCOMPARE(s->Frame2->title(), caption);
        // Closed, the navigator is left alone.
        s->btnExit->click();
        MemberNavigatorLink::loadSearchValues();
        QVERIFY(!MainMod::MemberNavigatorOpen());
    }

    void doubleClickOpensThatPerson()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const Church c = seed();
        frmMemberNavigator* s = openNavigator();
        // An empty grid, then a heading alone: nothing happens.
        doubleClick(s->vsfgMembers, QPoint(20, 20));
        s->txtName->setText(QStringLiteral("nobody"));
        found(s);
        doubleClick(s->vsfgMembers, QPoint(20, 20));
        QVERIFY(!MainMod::MemberEntryOpen());
        s->txtName->clear();
        found(s);
        doubleClick(s->vsfgMembers, cellCentre(s->vsfgMembers, 2));
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QVERIFY(member);
        QCOMPARE(member->MemberId(), c.cy);
        QCOMPARE(member->txtFName->text(), QStringLiteral("Cy"));
        // Open already: the next person replaces the one shown, and the member screen comes to the front.
        area.area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(s->parentWidget()));
        doubleClick(s->vsfgMembers, cellCentre(s->vsfgMembers, 0));
        QCOMPARE(member->MemberId(), c.ann);
        QCOMPARE(area.area()->activeSubWindow()->widget(), member);
        QCOMPARE(messages.count(), 0);
    }

    // Each print button asks for its right before it looks at the grid.
    void printButtonsCheckTheirRightFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("title");
        QTest::newRow("labels") << "btnPrintMailingLabels"
                                << "Mailing Labels Report"
                                << "Mailing Labels";
        QTest::newRow("list") << "btnPrintList"
                              << "Member Navigator Report"
                              << "Member List";
        QTest::newRow("birthdays") << "btnPrintListDOBAnniv"
                                   << "Member Navigator Report"
                                   << "Birthday and Anniversary List";
    }
    void printButtonsCheckTheirRightFirst()
    {
        QFETCH(QString, button);
        QFETCH(QString, right);
        QFETCH(QString, title);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        RecordingOutput output;
        const Church c = seed();
        const qint64 clerk = addPerson("Clerk", "Carol");
        frmMemberNavigator* s = openNavigator();
        MainMod::CurrentUserType = QStringLiteral("User");
        MainMod::CurrentUserID = clerk;
        auto* print = s->findChild<QPushButton*>(button);
        // Refused even on an empty grid.
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to view this report."));
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        // The other list right does not do.
        TestDatabase::grant(clerk,
                            right == "Mailing Labels Report" ? "Member Navigator Report" : "Mailing Labels Report");
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(messages.count(), 2);
        TestDatabase::grant(clerk, right);
        // An empty grid, then a heading alone: nothing, and no message.
        QTest::mouseClick(print, Qt::LeftButton);
        s->txtName->setText(QStringLiteral("nobody"));
        found(s);
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(messages.count(), 2);
        QCOMPARE(output.deliveries.size(), 0);
        // The people listed, and only they.
        choose(s->cmbDobAnniv, QStringLiteral("March"));
        s->txtName->clear();
        QCOMPARE(found(s), (QList<qint64>{c.ann, c.bob}));
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(messages.count(), 2);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        QCOMPARE(output.last().title, title);
        const QString texts = output.last().pageTexts(0).join(QLatin1Char('|'));
        QVERIFY(texts.contains(QStringLiteral("Ann")));
        QVERIFY(texts.contains(QStringLiteral("Bob")));
        QVERIFY(!texts.contains(QStringLiteral("Cole")));
    }

    void minimisingOrShrinkingKeepsTheLastSizes()
    {
        TestDatabase tdb;
        TestArea area;
        frmMemberNavigator* s = openNavigator();
        auto* sub = qobject_cast<QMdiSubWindow*>(s->parentWidget());
        sub->resize(sub->width() + 100, sub->height() + 80);
        const QSize grid = s->vsfgMembers->size();
        QVERIFY(grid.height() > 150);
        sub->showMinimized();
        QCOMPARE(s->vsfgMembers->size(), grid);
        sub->showNormal();
        sub->resize(sub->width(), s->Frame1->height());
        QCOMPARE(s->vsfgMembers->height(), grid.height());
        QCOMPARE(s->Frame1->size(), s->Frame1->size());
    }

    // The demonstration church from the menu: several criteria, a double-click, and the three reports. With
    // KOV_GRAB_DIR set, the navigator and the viewer are grabbed and each report is written to a PDF.
    void demoChurchFromTheMenu()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserID = DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        MainMod::LoadChurchInfo();
        area.area()->resize(1100, 760);
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        mdi.runCommand(QStringLiteral("MemberNavigator"));
        auto* s = ScreenRegistry::find<frmMemberNavigator>();
        QVERIFY(s);
        const int everyone = MainDatabase.scalar("SELECT COUNT(*) FROM Member").toInt();
        QCOMPARE(found(s).size(), everyone);
        choose(s->cmbStatus, QStringLiteral("Member"));
        choose(s->cmbChurchStatus, QStringLiteral("Active"));
        const QList<qint64> members = found(s);
        QVERIFY(members.size() > 5 && members.size() < everyone);
        const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
        grabIfAsked(area.area(), QStringLiteral("navigator-results"));
        doubleClick(s->vsfgMembers, cellCentre(s->vsfgMembers, 1));
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QVERIFY(member);
        QCOMPARE(member->MemberId(), members.at(1));
        member->Unload();

        const QStringList buttons{"btnPrintList", "btnPrintListDOBAnniv", "btnPrintMailingLabels"};
        const QStringList files{"member-list", "birthday-list", "mailing-labels"};
        for (int i = 0; i < buttons.size(); ++i) {
            QTest::mouseClick(s->findChild<QPushButton*>(buttons.at(i)), Qt::LeftButton);
            QCOMPARE(messages.count(), 0);
            auto* viewer = ScreenRegistry::find<Viewer>();
            QVERIFY(viewer);
            QVERIFY(viewer->document()->pageCount() >= 1);
            if (!folder.isEmpty()) {
                QVERIFY(ReportOutput::writePdf(*viewer->document(), QDir(folder).filePath(files.at(i) + ".pdf")));
                grabIfAsked(viewer, QStringLiteral("viewer-") + files.at(i));
            }
        }
    }
};

QTEST_MAIN(TestMemberNavigator)
#include "tst_membernavigator.moc"
