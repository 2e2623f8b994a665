// Every menu command and every guarded button or double-click, tried through the screens by a user with the
// right plus only what it takes to get there (allowed), and by one holding every other right (refused with the
// exact text and title).
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "platform/IdList.h"
#include "schema/PermissionNames.h"
#include "search/NavigatorGrid.h"
#include "search/NavigatorScreen.h"
#include "search/frmMemberNavigator.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"
#include "shell/frmLogin.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>

using MainMod::MainDatabase;
using namespace PermissionNames;

namespace {

const QString kRecord = QStringLiteral("You do not have permission to view this record.");
const QString kReport = QStringLiteral("You do not have permission to view this report.");
const QString kScreen = QStringLiteral("You do not have permission to view this screen.");
const QString kSave = QStringLiteral("You do not have permission to save this record.");
const QString kRemove = QStringLiteral("You do not have permission to remove this record.");
const QString kEdit = QStringLiteral("You do not have permission to edit this record.");
const QString kRun = QStringLiteral("You do not have permission to run this report.");

// The rights of each menu command that has any, and the refusal its lack brings.
struct CommandRight {
    QStringList rights;
    QString refusal;
};
const QMap<QString, CommandRight> kCommands = {
    {"CompanyInfo", {{kChurchInfo}, kRecord}},
    {"MemberNavigator", {{kMemberView, kMemberEntryEdit}, kRecord}},
    {"MemberEntry", {{kMemberView, kMemberEntryEdit}, kRecord}},
    {"ProspectNavigator", {{kMemberView, kMemberEntryEdit}, kRecord}},
    {"ProspectEntry", {{kProspectContactEntryEdit}, kRecord}},
    {"AttendanceNavigator", {{kAttendanceNavigator}, kRecord}},
    {"AttendanceEntry", {{kAttendanceEntryEdit}, kRecord}},
    {"ContributionEntry", {{kMemberContributions}, kScreen}},
    {"SSClassEntry", {{kSundaySchoolClassEntryEdit}, kRecord}},
    {"DTClassEntry", {{kDiscipleshipTrainingClassEntryEdit}, kRecord}},
    {"WedClassEntry", {{kWednesdayNightClassEntryEdit}, kRecord}},
    {"CGEntry", {{kCareGroupEntryEdit}, kRecord}},
    {"ChurchResponsibilityEntry", {{kChurchResponsibilityEntryEdit}, kRecord}},
    {"OutreachPhaseEntry", {{kOutreachPhaseEntryEdit}, kRecord}},
    {"DefinedValues", {{kDefinedValues}, kRecord}},
    {"UserEntry", {{kUserPermissions}, kRecord}},
    {"MemberInfoUpdateReportMdi", {{kMemberInformationUpdateReport}, kReport}},
    {"SundaySchoolRole", {{kSundaySchoolRollReport}, kReport}},
    {"DiscipleshipTrainingRollReport", {{kDiscipleshipTrainingRollReport}, kReport}},
    {"WednesdayNightRollReport", {{kWednesdayNightRollReport}, kReport}},
    {"ProspectVisitationSheet", {{kProspectVisitationSheetReport}, kReport}},
    {"SSProsListing", {{kSundaySchoolProspectListing}, kReport}},
    {"ContributionsEntryControlReport", {{kMemberContributions}, kReport}},
    {"MemberContributions", {{kMemberContributions}, kReport}},
    {"SSClassListing", {{kAdministrativeReport}, kReport}},
    {"DiscTrainingClassListing", {{kAdministrativeReport}, kReport}},
    {"WedNightClassListing", {{kAdministrativeReport}, kReport}},
    {"CareGroupListing", {{kAdministrativeReport}, kReport}},
    {"ChurchResponsibilityListing", {{kAdministrativeReport}, kReport}},
};

// The people and records the guarded controls act on.
struct Church {
    qint64 ann = 0;
    qint64 bob = 0;
    qint64 seeker = 0;
};

Church seed()
{
    Church church;
    church.ann = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
    church.bob = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Bob"));
    church.seeker =
        TestDatabase::addMember(QStringLiteral("Seeker"), QStringLiteral("Sam"), QStringLiteral("Prospect"));
    MainDatabase.execute(QStringLiteral("UPDATE Member SET Address_1 = '1 Elm St', Head_Of_Household = 1 WHERE ID = ?"),
                         {church.ann});
    MainDatabase.execute(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) "
                                        "VALUES (?, 'Husband', ?)"),
                         {church.ann, church.bob});
    MainDatabase.execute(QStringLiteral("INSERT INTO Responsibilities (Name) VALUES ('Usher')"));
    MainDatabase.execute(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", "
                                        "\"End\") VALUES (?, ?, '2026-01-04', '2026-12-27')"),
                         {church.ann, QStringLiteral("Usher")});
    MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Visitor1, "
                                        "Rating) VALUES (?, '2026-12-01', 'Visit', ?, 'Warm')"),
                         {church.seeker, church.ann});
    return church;
}

// A log-in account holding exactly the given rights.
qint64 userWith(const QStringList& rights)
{
    const qint64 id = TestDatabase::addMember(QStringLiteral("Tester"), QStringLiteral("Tess"));
    for (const QString& right : rights)
        TestDatabase::grant(id, right);
    MainMod::CurrentUserID = id;
    MainMod::CurrentUserType = QStringLiteral("User");
    return id;
}

QStringList allBut(const QStringList& lacking)
{
    QStringList rights = PermissionNames::All;
    for (const QString& right : lacking)
        rights.removeAll(right);
    return rights;
}

bool refused(const ScriptedMessages& messages)
{
    for (const Messages::Message& shown : messages.shown())
        if (shown.title == QLatin1String("Invalid Permission"))
            return true;
    return false;
}

frmMemberEntry* memberScreen(MDI& mdi, qint64 id)
{
    mdi.runCommand(QStringLiteral("MemberEntry"));
    auto* screen = qobject_cast<frmMemberEntry*>(ScreenRegistry::find(QStringLiteral("frmMemberEntry")));
    if (screen && id)
        IdList::select(screen->cmbMember, id);
    return screen;
}

// Brings the tab that holds a control to the front, as the user does before using it.
void reveal(QWidget* control)
{
    for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(control))
                    tabs->setCurrentIndex(i);
        }
}

void click(QPushButton* button)
{
    reveal(button);
    QVERIFY(button->isVisible() || !button->window()->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

void doubleClickRow(QTableView* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// A guarded control: what gets a user to it, the right it asks for, its refusal, and the use of it.
struct Guarded {
    const char* name;
    QStringList reach;
    QString right;
    QString refusal;
    std::function<void(MDI&, const Church&)> use;
    // What is true afterwards when the control went ahead, and false when it was refused.
    std::function<bool(const Church&)> wentAhead = {};
};

int rows(const char* sql, const QVariantList& values = {})
{
    return MainDatabase.scalar(QString::fromLatin1(sql), values).toInt();
}

// Opens a navigator from its menu command and finds everyone; the person's row (else the first) is picked.
NavigatorScreen* findEveryone(MDI& mdi, const char* command, const char* screenClass, qint64 person = 0)
{
    mdi.runCommand(QString::fromLatin1(command));
    auto* navigator = qobject_cast<NavigatorScreen*>(ScreenRegistry::find(QString::fromLatin1(screenClass)));
    if (!navigator)
        return nullptr;
    QTest::mouseClick(navigator->findChild<QPushButton*>(QStringLiteral("btnFind")), Qt::LeftButton);
    NavigatorGrid* grid = navigator->vsfgMembers;
    const int row = std::max(0, int(grid->ids().indexOf(person)));
    if (grid->dataRows() > 0)
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 1)).center());
    return navigator;
}

void navigatorPrint(MDI& mdi, const char* command, const char* screenClass, const char* button)
{
    NavigatorScreen* navigator = findEveryone(mdi, command, screenClass);
    QVERIFY(navigator);
    QVERIFY(navigator->vsfgMembers->dataRows() > 0);
    QTest::mouseClick(navigator->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

const QList<Guarded>& guarded()
{
    static const QList<Guarded> all = {
        {"Member: Save & New",
         {kMemberView},
         kMemberEntryEdit,
         kSave,
         [](MDI& mdi, const Church& c) { click(memberScreen(mdi, c.ann)->btnSaveNew); },
         [](const Church& c) {
             return rows("SELECT COUNT(*) FROM Member WHERE ID = ? AND Date_Edited IS NOT NULL", {c.ann}) == 1;
         }},
        {"Member: Save & Close",
         {kMemberView},
         kMemberEntryEdit,
         kSave,
         [](MDI& mdi, const Church& c) { click(memberScreen(mdi, c.ann)->btnSaveClose); },
         [](const Church&) { return !ScreenRegistry::isOpen(QStringLiteral("frmMemberEntry")); }},
        {"Member: Delete",
         {kMemberView},
         kMemberEntryEdit,
         kRemove,
         [](MDI& mdi, const Church& c) { click(memberScreen(mdi, c.bob)->btnDelete); },
         [](const Church& c) { return rows("SELECT COUNT(*) FROM Member WHERE ID = ?", {c.bob}) == 0; }},
        {"Member: Clone Address",
         {kMemberView},
         kMemberEntryEdit,
         kSave,
         [](MDI& mdi, const Church& c) { click(memberScreen(mdi, c.ann)->btnCloneHOHAddress); },
         [](const Church& c) {
             return rows("SELECT COUNT(*) FROM Member WHERE ID = ? AND Address_1 = '1 Elm St'", {c.bob}) == 1;
         }},
        {"Member: Add family member",
         {kMemberView},
         kMemberEntryEdit,
         kSave,
         [](MDI& mdi, const Church& c) {
             frmMemberEntry* screen = memberScreen(mdi, c.ann);
             IdList::select(screen->cmbMemberAdd, c.seeker);
             screen->cmbRelationship->setCurrentIndex(0);
             click(screen->btnAddFamMember);
         },
         [](const Church& c) {
             return rows("SELECT COUNT(*) FROM Family_Connection WHERE Relative_Member_ID = ?", {c.seeker}) == 1;
         }},
        {"Member: Remove family member",
         {kMemberView},
         kMemberEntryEdit,
         kRemove,
         [](MDI& mdi, const Church& c) {
             frmMemberEntry* screen = memberScreen(mdi, c.ann);
             screen->vsfgFamilyMembers->pickRow(0);
             click(screen->btnRemoveFamMember);
         },
         [](const Church& c) {
             return rows("SELECT COUNT(*) FROM Family_Connection WHERE Member_ID = ?", {c.ann}) == 0;
         }},
        {"Member: Add responsibility",
         {kMemberView},
         kMemberEntryEdit,
         kSave,
         [](MDI& mdi, const Church& c) {
             frmMemberEntry* screen = memberScreen(mdi, c.bob);
             screen->cmbResp->setCurrentIndex(screen->cmbResp->findText(QStringLiteral("Usher")));
             click(screen->btnAddResp);
         },
         [](const Church& c) {
             return rows("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?", {c.bob}) == 1;
         }},
        {"Member: Remove responsibility",
         {kMemberView},
         kMemberEntryEdit,
         kRemove,
         [](MDI& mdi, const Church& c) {
             frmMemberEntry* screen = memberScreen(mdi, c.ann);
             screen->vsfgChurchResponsibilites->pickRow(0);
             click(screen->btnRemoveResp);
         },
         [](const Church& c) {
             return rows("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?", {c.ann}) == 0;
         }},
        {"Member: New Contact",
         {kMemberView},
         kProspectContactEntryEdit,
         kRecord,
         [](MDI& mdi, const Church& c) { click(memberScreen(mdi, c.seeker)->btnNewContact); },
         [](const Church&) { return ScreenRegistry::isOpen(QStringLiteral("frmProspectContactEntry")); }},
        {"Member: contact double-click",
         {kMemberView},
         kProspectContactEntryEdit,
         kEdit,
         [](MDI& mdi, const Church& c) {
             frmMemberEntry* screen = memberScreen(mdi, c.seeker);
             reveal(screen->vsfgProspectContacts);
             doubleClickRow(screen->vsfgProspectContacts, 0);
         },
         [](const Church&) { return ScreenRegistry::isOpen(QStringLiteral("frmProspectContactEntry")); }},
        {"Member Navigator: Mailing Labels",
         {kMemberView},
         kMailingLabelsReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "MemberNavigator", "frmMemberNavigator", "btnPrintMailingLabels");
         }},
        {"Member Navigator: Print List",
         {kMemberView},
         kMemberNavigatorReport,
         kReport,
         [](MDI& mdi, const Church&) { navigatorPrint(mdi, "MemberNavigator", "frmMemberNavigator", "btnPrintList"); }},
        {"Member Navigator: Print DOB/Anniv",
         {kMemberView},
         kMemberNavigatorReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "MemberNavigator", "frmMemberNavigator", "btnPrintListDOBAnniv");
         }},
        {"Prospect Navigator: Mailing Labels",
         {kMemberView},
         kMailingLabelsReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "ProspectNavigator", "frmProspectNavigator", "btnPrintMailingLabels");
         }},
        {"Prospect Navigator: Print List",
         {kMemberView},
         kProspectNavigatorReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "ProspectNavigator", "frmProspectNavigator", "btnPrintList");
         }},
        {"Prospect Navigator: Print Short",
         {kMemberView},
         kProspectNavigatorReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "ProspectNavigator", "frmProspectNavigator", "btnPrintListShort");
         }},
        {"Prospect Navigator: Print PCS",
         {kMemberView},
         kProspectVisitationSheetReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "ProspectNavigator", "frmProspectNavigator", "btnPrintPS");
         }},
        {"Attendance Navigator: Print List",
         {kAttendanceNavigator},
         kAttendanceNavigatorReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "AttendanceNavigator", "frmAttendanceNavigator", "btnPrintList");
         }},
        {"Attendance Navigator: Print Count",
         {kAttendanceNavigator},
         kAttendanceNavigatorReport,
         kReport,
         [](MDI& mdi, const Church&) {
             navigatorPrint(mdi, "AttendanceNavigator", "frmAttendanceNavigator", "btnPrintMissed");
         }},
        {"Prospect Navigator: contact double-click",
         {kMemberView},
         kProspectContactEntryEdit,
         kEdit,
         [](MDI& mdi, const Church& c) {
             NavigatorScreen* navigator = findEveryone(mdi, "ProspectNavigator", "frmProspectNavigator", c.seeker);
             QVERIFY(navigator);
             auto* contacts = navigator->findChild<NavigatorGrid*>(QStringLiteral("vsfgContact"));
             QVERIFY(contacts);
             QCOMPARE(contacts->dataRows(), 1);
             doubleClickRow(contacts, 0);
         },
         [](const Church&) { return ScreenRegistry::isOpen(QStringLiteral("frmProspectContactEntry")); }},
    };
    return all;
}

// A fresh church with the main window's commands, its screens opening in a test area, reports recorded.
struct Office {
    TestDatabase tdb;
    TestArea area;
    ScriptedMessages messages;
    RecordingOutput output;
    MDI mdi;

    Office() { ScreenRegistry::setArea(area.area()); }
    ~Office()
    {
        area.area()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ScreenRegistry::setArea(nullptr);
    }
};

} // namespace

class TestPermissionTable : public QObject {
    Q_OBJECT

private slots:
    void init() { MainMod::CurrentUserType.clear(); }

    // The table below names every command the menus hold that asks for a right.
    void everyGuardedCommandIsInTheTable()
    {
        MDI mdi;
        QStringList guardedCommands;
        for (const MDI::Command& command : mdi.commands())
            if (!command.permissions.isEmpty())
                guardedCommands << command.control;
        guardedCommands.sort();
        QStringList listed = kCommands.keys();
        listed.sort();
        QCOMPARE(guardedCommands, listed);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("right");
        for (auto it = kCommands.begin(); it != kCommands.end(); ++it)
            for (const QString& right : it.value().rights)
                QTest::addRow("%s with %s", qPrintable(it.key()), qPrintable(right)) << it.key() << right;
    }
    void commands()
    {
        QFETCH(QString, control);
        QFETCH(QString, right);
        const CommandRight& expected = kCommands[control];
        Office office;
        ScriptedMessages& messages = office.messages;
        RecordingOutput& output = office.output;
        MDI& mdi = office.mdi;
        seed();

        // Every right but the command's own (both, where either will do): refused, nothing opens.
        userWith(allBut(expected.rights));
        mdi.runCommand(control);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, expected.refusal);
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        QVERIFY(office.area.area()->subWindowList().isEmpty());
        QVERIFY(output.deliveries.isEmpty());

        // That one right alone: allowed, and something opens or is produced.
        messages.clear();
        userWith({right});
        mdi.runCommand(control);
        QVERIFY2(!refused(messages), qPrintable(messages.last().text));
        QVERIFY(!office.area.area()->subWindowList().isEmpty() || !output.deliveries.isEmpty() || messages.count() > 0);
    }

    void guardedControls_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < guarded().size(); ++i)
            QTest::newRow(guarded()[i].name) << i;
    }
    void guardedControls()
    {
        QFETCH(int, index);
        const Guarded& g = guarded()[index];
        for (const bool allowed : {false, true}) {
            Office office;
            ScriptedMessages& messages = office.messages;
            RecordingOutput& output = office.output;
            MDI& mdi = office.mdi;
            const Church church = seed();
            userWith(allowed ? g.reach + QStringList{g.right} : allBut({g.right}));
            g.use(mdi, church);
            if (allowed) {
                QVERIFY2(!refused(messages), qPrintable(messages.last().text));
            } else {
                QVERIFY(messages.count() > 0);
                QCOMPARE(messages.last().text, g.refusal);
                QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
                QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
                QCOMPARE(messages.count(), 1);
            }
            if (g.wentAhead)
                QCOMPARE(g.wentAhead(church), allowed);
            else
                QCOMPARE(output.deliveries.size(), allowed ? 1 : 0);
        }
    }

    // Screens that need their right to open and ask for it again at Save or Ok: a right withdrawn while the
    // screen is open stops the action.
    void rightAskedAgain_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("screenClass");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("Church information: Save") << "CompanyInfo"
                                                  << "frmChurchInfo" << kChurchInfo << "btnSave" << kSave;
        QTest::newRow("Prospect contact sheet: Ok")
            << "ProspectVisitationSheet"
            << "frmProspectVisitationSheetReport" << kProspectVisitationSheetReport << "btnOK" << kRun;
        QTest::newRow("Member info update: Ok")
            << "MemberInfoUpdateReportMdi"
            << "frmMemberInformationUpdateReport" << kMemberInformationUpdateReport << "btnOK" << kRun;
    }
    void rightAskedAgain()
    {
        QFETCH(QString, command);
        QFETCH(QString, screenClass);
        QFETCH(QString, right);
        QFETCH(QString, button);
        QFETCH(QString, refusal);
        for (const bool allowed : {false, true}) {
            Office office;
            const Church church = seed();
            const qint64 user = userWith({right});
            office.mdi.runCommand(command);
            Screen* screen = ScreenRegistry::find(screenClass);
            QVERIFY(screen);
            // What the action needs: a church name and pause, or a person.
            if (auto* name = screen->findChild<QLineEdit*>(QStringLiteral("txtCompany"))) {
                QTest::keyClicks(name, QStringLiteral("Grace"));
                QTest::keyClicks(screen->findChild<QLineEdit*>(QStringLiteral("txtKeyPressDelay")),
                                 QStringLiteral("1"));
            }
            if (auto* person = screen->findChild<QComboBox*>(QStringLiteral("cmbProspect")))
                IdList::select(person, church.seeker);
            if (!allowed)
                MainDatabase.execute(QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ?"), {user});
            click(screen->findChild<QPushButton*>(button));
            QCOMPARE(refused(office.messages), !allowed);
            if (!allowed) {
                QCOMPARE(office.messages.last().text, refusal);
                QCOMPARE(office.messages.last().icon, Messages::Icon::Exclamation);
            }
            const int churches =
                MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Church WHERE Name = 'Grace'")).toInt();
            QCOMPARE(churches + office.output.deliveries.size() > 0, allowed);
        }
    }

    // Gifts show on the member screen only to those who may see contributions.
    void contributionsTabNeedsItsRight()
    {
        for (const bool allowed : {false, true}) {
            Office office;
            ScriptedMessages& messages = office.messages;
            MDI& mdi = office.mdi;
            const Church church = seed();
            userWith(allowed ? QStringList{kMemberView, kMemberContributions} : allBut({kMemberContributions}));
            frmMemberEntry* screen = memberScreen(mdi, church.ann);
            QVERIFY(screen);
            bool shown = false;
            for (int i = 0; i < screen->SSTab1->count(); ++i)
                shown = shown || (screen->SSTab1->tabText(i).contains(QStringLiteral("Contributions")) &&
                                  screen->SSTab1->isTabVisible(i));
            QCOMPARE(shown, allowed);
            QCOMPARE(messages.count(), 0);
        }
    }

    // Gifts open from the member screen only with the right held at the double-click, not the one held when the
    // screen opened: the header row too, for the refusal comes first.
    void contributionDoubleClickAsksItsRightAgain_data()
    {
        QTest::addColumn<bool>("withdrawn");
        QTest::addColumn<int>("row");
        QTest::newRow("right held, a gift") << false << 0;
        QTest::newRow("right held, the header") << false << -1;
        QTest::newRow("right withdrawn, a gift") << true << 0;
        QTest::newRow("right withdrawn, the header") << true << -1;
    }
    void contributionDoubleClickAsksItsRightAgain()
    {
        QFETCH(bool, withdrawn);
        QFETCH(int, row);
        Office office;
        const Church church = seed();
        MainDatabase.execute(QStringLiteral("INSERT INTO Member_Contributions (MemberID, ContributionDate, Amount) "
                                            "VALUES (?, '2026-11-29', 40)"),
                             {church.ann});
        const qint64 user = userWith({kMemberView, kMemberContributions});
        frmMemberEntry* screen = memberScreen(office.mdi, church.ann);
        QVERIFY(screen);
        ListGrid* gifts = screen->vsfgMemberContributions;
        reveal(gifts);
        QCOMPARE(gifts->rows(), 1);
        if (withdrawn)
            MainDatabase.execute(QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ?"), {user});
        if (row < 0)
            QTest::mouseDClick(gifts->horizontalHeader()->viewport(), Qt::LeftButton, {},
                               QPoint(gifts->horizontalHeader()->sectionViewportPosition(0) + 4, 4));
        else
            doubleClickRow(gifts, row);
        QCOMPARE(refused(office.messages), withdrawn);
        if (withdrawn) {
            QCOMPARE(office.messages.count(), 1);
            QCOMPARE(office.messages.last().text, kScreen);
            QCOMPARE(office.messages.last().icon, Messages::Icon::Exclamation);
        }
        QCOMPARE(ScreenRegistry::isOpen(QStringLiteral("frmContributionEntry")), !withdrawn && row >= 0);
    }

    // A person double-clicked on another screen opens on the member screen only for a user who may open that
    // screen from its menu, also when the right went while the screen was open.
    void personDoubleClickAsksForTheMemberScreensRights_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("screenClass");
        QTest::addColumn<QStringList>("rights");
        QTest::addColumn<QString>("withdrawn");
        QTest::addColumn<bool>("opens");
        const QStringList attendance{kAttendanceEntryEdit, kAttendanceNavigator};
        QTest::newRow("attendance entry, attendance rights only") << "AttendanceEntry"
                                                                  << "frmAttendanceEntry" << attendance << "" << false;
        QTest::newRow("attendance navigator, attendance rights only")
            << "AttendanceNavigator"
            << "frmAttendanceNavigator" << attendance << "" << false;
        QTest::newRow("attendance entry, with Member View")
            << "AttendanceEntry"
            << "frmAttendanceEntry" << attendance + QStringList{kMemberView} << "" << true;
        QTest::newRow("attendance navigator, with Member Entry/Edit")
            << "AttendanceNavigator"
            << "frmAttendanceNavigator" << attendance + QStringList{kMemberEntryEdit} << "" << true;
        QTest::newRow("member navigator") << "MemberNavigator"
                                          << "frmMemberNavigator" << QStringList{kMemberView} << "" << true;
        QTest::newRow("member navigator, Member View withdrawn")
            << "MemberNavigator"
            << "frmMemberNavigator" << QStringList{kMemberView} << kMemberView << false;
        QTest::newRow("prospect navigator") << "ProspectNavigator"
                                            << "frmProspectNavigator" << QStringList{kMemberEntryEdit} << "" << true;
        QTest::newRow("prospect navigator, Member Entry/Edit withdrawn")
            << "ProspectNavigator"
            << "frmProspectNavigator" << QStringList{kMemberEntryEdit} << kMemberEntryEdit << false;
    }
    void personDoubleClickAsksForTheMemberScreensRights()
    {
        QFETCH(QString, command);
        QFETCH(QString, screenClass);
        QFETCH(QStringList, rights);
        QFETCH(QString, withdrawn);
        QFETCH(bool, opens);
        Office office;
        seed();
        const qint64 user = userWith(rights);
        NavigatorScreen* navigator = findEveryone(office.mdi, qPrintable(command), qPrintable(screenClass));
        QVERIFY(navigator);
        NavigatorGrid* grid = navigator->vsfgMembers;
        QVERIFY(grid->dataRows() > 0);
        if (!withdrawn.isEmpty())
            MainDatabase.execute(QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ? AND PermissionID = "
                                                "(SELECT ID FROM Permission WHERE Name = ?)"),
                                 {user, withdrawn});
        // On the last column, away from the attendance boxes.
        const QRect cell = grid->visualRect(grid->model()->index(0, grid->model()->columnCount() - 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QCOMPARE(member != nullptr, opens);
        QCOMPARE(refused(office.messages), !opens);
        if (opens) {
            QCOMPARE(member->MemberId(), grid->id(0));
        } else {
            QCOMPARE(office.messages.count(), 1);
            QCOMPARE(office.messages.last().text, kRecord);
            QCOMPARE(office.messages.last().icon, Messages::Icon::Exclamation);
        }
    }

    // An account marked inactive is turned away at the door, whatever it holds.
    void inactiveUserCannotLogIn()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        ScreenRegistry::setArea(area.area());
        const qint64 gone = TestDatabase::addMember(QStringLiteral("Gone"), QStringLiteral("Gus"));
        TestDatabase::addUser(gone, QStringLiteral("gus"), QStringLiteral("pw"), QStringLiteral("Admin"), true);
        MainMod::CurrentUserID = 0;
        auto* login = ScreenRegistry::load<frmLogin>();
        QTest::keyClicks(login->txtUsername, QStringLiteral("gus"));
        QTest::keyClicks(login->txtPassword, QStringLiteral("pw"));
        QTest::mouseClick(login->btnLogin, Qt::LeftButton);
        QCOMPARE(messages.last().text, QStringLiteral("Your username and/or password is invalid."));
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Username/Password"));
        QCOMPARE(MainMod::CurrentUserID, 0);
        QVERIFY(MainMod::CurrentUserType.isEmpty());
        area.area()->closeAllSubWindows();
        ScreenRegistry::setArea(nullptr);
    }
};

QTEST_MAIN(TestPermissionTable)
#include "tst_permissiontable.moc"
