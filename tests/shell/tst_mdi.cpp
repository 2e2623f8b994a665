#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "core/Permissions.h"
#include "schema/PermissionNames.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {
QAction* entry(MDI& mdi, const QString& control)
{
    for (QAction* action : mdi.findChildren<QAction*>())
        if (action->objectName() == control)
            return action;
    return nullptr;
}

QStringList openScreens(QMdiArea* area)
{
    QStringList names;
    for (QMdiSubWindow* sub : area->subWindowList())
        names << QString::fromLatin1(sub->widget()->metaObject()->className());
    return names;
}
} // namespace

class TestMdi : public QObject {
    Q_OBJECT

private slots:
    void menuTreeInOrder()
    {
        MDI mdi;
        QStringList titles;
        for (QAction* action : mdi.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"File", "Names", "Prospects", "Attendance", "Contributions", "Administrative",
                                      "Reports", "Help"}));
        QStringList file;
        for (QAction* action : entry(mdi, QStringLiteral("File"))->menu()->actions())
            file << action->objectName();
        QCOMPARE(file, (QStringList{"CompanyInfo", "DBMaint", "LogOff", "Exit"}));
        QCOMPARE(mdi.commands().size(), 32);
        QCOMPARE(mdi.windowTitle(), QStringLiteral("Kov"));
    }

    void menuBarIsReachedFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opensMenu");
        QTest::newRow("F10") << int(Qt::Key_F10) << true;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << false;
    }
    void menuBarIsReachedFromTheKeyboard()
    {
        QFETCH(int, key);
        QFETCH(bool, opensMenu);
        MDI mdi;
        mdi.setLoggedIn(false);
        mdi.show();
        QApplication::setActiveWindow(&mdi);
        QVERIFY(QTest::qWaitForWindowActive(&mdi));
        QAction* file = entry(mdi, QStringLiteral("File"));
        QVERIFY(mdi.menuBar()->activeAction() == nullptr);
        QTest::keyClick(&mdi, Qt::Key(key), key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
        QCOMPARE(mdi.menuBar()->activeAction(), file);
        QCOMPARE(file->menu()->isVisible(), opensMenu);
        if (!opensMenu) {
            QTest::keyClick(mdi.menuBar(), Qt::Key_Down); // then the arrow keys open the menu
            QVERIFY(file->menu()->isVisible());
        }
        file->menu()->hide();
    }

    void loggedOffOnlyFileAndExit()
    {
        MDI mdi;
        mdi.setLoggedIn(false);
        for (QAction* action : mdi.findChildren<QAction*>()) {
            if (action->objectName().isEmpty())
                continue;
            const bool usable = action->objectName() == QLatin1String("File") ||
                                action->objectName() == QLatin1String("Exit");
            QCOMPARE(action->isEnabled(), usable);
        }
        mdi.setLoggedIn(true);
        for (QAction* action : mdi.findChildren<QAction*>()) {
            if (action->objectName() == QLatin1String("DBMaint")) {
                QVERIFY(!action->isVisible());
                continue;
            }
            if (!action->objectName().isEmpty())
                QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        }
    }

    void logOffLeavesTheOpenScreensWindowMenusAlone()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        MDI mdi;
        ScreenRegistry::setArea(mdi.area());
        mdi.show();
        QApplication::setActiveWindow(&mdi);
        QVERIFY(QTest::qWaitForWindowActive(&mdi));
        MainMod::CurrentUserType = QStringLiteral("Admin");
        mdi.setLoggedIn(true);
        mdi.runCommand(QStringLiteral("CompanyInfo"));
        QMdiSubWindow* sub = mdi.area()->subWindowList().value(0);
        QVERIFY(sub);
        QList<bool> usable;
        for (QAction* action : sub->systemMenu()->actions())
            usable << action->isEnabled();

        mdi.runCommand(QStringLiteral("LogOff"));
        QVERIFY(!entry(mdi, QStringLiteral("Names"))->isEnabled());
        QList<bool> afterLogOff;
        for (QAction* action : sub->systemMenu()->actions())
            afterLogOff << action->isEnabled();
        QCOMPARE(afterLogOff, usable);

        // Ctrl+F4 still closes the screen, which stays usable under the previous user until then.
        mdi.area()->setActiveSubWindow(sub);
        QPointer<QMdiSubWindow> closing(sub);
        QTest::keyClick(sub->widget()->focusWidget() ? sub->widget()->focusWidget() : sub->widget(), Qt::Key_F4,
                        Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull());
        QCOMPARE(openScreens(mdi.area()), QStringList{"frmLogin"});
        ScreenRegistry::setArea(nullptr);
    }

    // Every command against a user holding nothing, then holding exactly its right.
    void commandsCheckTheirRights_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("permission");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("opens");
        const QString record = QStringLiteral("You do not have permission to view this record.");
        const QString report = QStringLiteral("You do not have permission to view this report.");
        const QString screen = QStringLiteral("You do not have permission to view this screen.");
        QTest::newRow("Setup") << "CompanyInfo" << "Church Info" << record << "frmChurchInfo";
        QTest::newRow("Member Navigator") << "MemberNavigator" << "Member View" << record << "frmMemberNavigator";
        QTest::newRow("Member Entry") << "MemberEntry" << "Member View" << record << "frmMemberEntry";
        QTest::newRow("Prospect Navigator") << "ProspectNavigator" << "Member View" << record << "frmProspectNavigator";
        QTest::newRow("Prospect Contact") << "ProspectEntry" << "Prospect Contact Entry/Edit" << record
                                          << "frmProspectContactEntry";
        QTest::newRow("Attendance Navigator") << "AttendanceNavigator" << "Attendance Navigator" << record
                                              << "frmAttendanceNavigator";
        QTest::newRow("Attendance Entry") << "AttendanceEntry" << "Attendance Entry/Edit" << record
                                          << "frmAttendanceEntry";
        QTest::newRow("Contribution Entry") << "ContributionEntry" << "Member Contributions" << screen << "frmContributionEntry";
        QTest::newRow("SS Class") << "SSClassEntry" << "Sunday School Class Entry/Edit" << record << "frmSSClassEntry";
        QTest::newRow("DT Class") << "DTClassEntry" << "Discipleship Training Class Entry/Edit" << record
                                  << "frmDTClassEntry";
        QTest::newRow("Wed Class") << "WedClassEntry" << "Wednesday Night Class Entry/Edit" << record
                                   << "frmWedClassEntry";
        QTest::newRow("Care Group") << "CGEntry" << "Care Group Entry/Edit" << record << "frmCGClassEntry";
        QTest::newRow("Responsibility") << "ChurchResponsibilityEntry" << "Church Responsibility Entry/Edit" << record
                                        << "frmResponsibilityEntry";
        QTest::newRow("Outreach") << "OutreachPhaseEntry" << "Outreach Phase Entry/Edit" << record
                                  << "frmOutreachPhaseEntry";
        QTest::newRow("Defined Values") << "DefinedValues" << "Defined Values" << record << "frmValueEntry";
        QTest::newRow("User Entry") << "UserEntry" << "User Permissions" << record << "frmUserEntry";
        QTest::newRow("Info Update") << "MemberInfoUpdateReportMdi" << "Member Information Update Report" << report
                                     << "frmMemberInformationUpdateReport";
        QTest::newRow("SS Roll") << "SundaySchoolRole" << "Sunday School Roll Report" << report
                                 << "frmSundaySchoolRollReport";
        QTest::newRow("DT Roll") << "DiscipleshipTrainingRollReport" << "Discipleship Training Roll Report" << report
                                 << "frmDiscipleshipTrainingRollReport";
        QTest::newRow("Wed Roll") << "WednesdayNightRollReport" << "Wednesday Night Roll Report" << report
                                  << "frmWednesdayNightRollReport";
        QTest::newRow("Contact Sheet") << "ProspectVisitationSheet" << "Prospect Visitation Sheet Report" << report
                                       << "frmProspectVisitationSheetReport";
        QTest::newRow("SS Prospects") << "SSProsListing" << "Sunday School Prospect Listing" << report
                                      << "frmSundaySchoolProspectListingReport";
        QTest::newRow("Entry Control") << "ContributionsEntryControlReport" << "Member Contributions" << report
                                          << "frmContributionsEntryControlReport";
        QTest::newRow("Contributions") << "MemberContributions" << "Member Contributions" << report
                                          << "frmMemberContributionsReport";
        QTest::newRow("SS Listing") << "SSClassListing" << "Administrative Report" << report << "Viewer";
        QTest::newRow("DT Listing") << "DiscTrainingClassListing" << "Administrative Report" << report << "Viewer";
        QTest::newRow("Wed Listing") << "WedNightClassListing" << "Administrative Report" << report << "Viewer";
        QTest::newRow("CG Listing") << "CareGroupListing" << "Administrative Report" << report << "Viewer";
        QTest::newRow("Resp Listing") << "ChurchResponsibilityListing" << "Administrative Report" << report << "Viewer";
    }
    void commandsCheckTheirRights()
    {
        QFETCH(QString, control);
        QFETCH(QString, permission);
        QFETCH(QString, refusal);
        QFETCH(QString, opens);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        const qint64 user = TestDatabase::addMember(QStringLiteral("Clerk"), QStringLiteral("Carol"));
        TestDatabase::addUser(user, QStringLiteral("carol"), QStringLiteral("pw"));
        MainMod::CurrentUserID = user;
        MainMod::CurrentUserType = QStringLiteral("User");

        mdi.runCommand(control);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, refusal);
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        QVERIFY(openScreens(area.area()).isEmpty());

        messages.clear();
        TestDatabase::grant(user, permission);
        mdi.runCommand(control);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(openScreens(area.area()), QStringList{opens});
        mdi.runCommand(control); // a second time opens no second copy
        QCOMPARE(openScreens(area.area()), QStringList{opens});
    }

    void memberCommandsPassWithEitherRight()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        const qint64 user = TestDatabase::addMember(QStringLiteral("Editor"), QStringLiteral("Ed"));
        MainMod::CurrentUserID = user;
        MainMod::CurrentUserType = QStringLiteral("User");
        TestDatabase::grant(user, PermissionNames::kMemberEntryEdit);
        for (const char* control : {"MemberNavigator", "MemberEntry", "ProspectNavigator"}) {
            messages.clear();
            mdi.runCommand(QString::fromLatin1(control));
            QVERIFY(messages.last().title != QStringLiteral("Invalid Permission"));
        }
    }

    void adminPassesAndLetterCaseOfTypeCounts()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        MainMod::CurrentUserID = TestDatabase::addMember(QStringLiteral("Boss"), QStringLiteral("B"));
        MainMod::CurrentUserType = QStringLiteral("admin"); // not "Admin": needs grants like anyone
        mdi.runCommand(QStringLiteral("CompanyInfo"));
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Permission"));
        messages.clear();
        MainMod::CurrentUserType = QStringLiteral("Admin");
        mdi.runCommand(QStringLiteral("CompanyInfo"));
        QCOMPARE(messages.count(), 0);
        QCOMPARE(openScreens(area.area()), QStringList{"frmChurchInfo"});
    }

    void permissionNameIgnoresCaseAndMissingRowsRefuse()
    {
        TestDatabase tdb;
        const qint64 user = TestDatabase::addMember(QStringLiteral("U"), QStringLiteral("u"));
        MainMod::CurrentUserID = user;
        MainMod::CurrentUserType = QStringLiteral("User");
        TestDatabase::grant(user, QStringLiteral("Church Info"));
        QVERIFY(MainMod::HasPermission(QStringLiteral("church info")));
        QVERIFY(!MainMod::HasPermission(QStringLiteral("Defined Values")));
        QVERIFY(!MainMod::HasPermission(QStringLiteral("No Such Right")));
        MainMod::CurrentUserID = 0; // before any log-in
        MainMod::CurrentUserType.clear();
        QVERIFY(!MainMod::HasPermission(QStringLiteral("Church Info")));
    }

    void aboutOpensForEveryone()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        MainMod::CurrentUserType = QStringLiteral("User");
        mdi.runCommand(QStringLiteral("About"));
        QCOMPARE(messages.count(), 0);
        QCOMPARE(openScreens(area.area()), QStringList{"frmAbout"});
    }
};

QTEST_MAIN(TestMdi)
#include "tst_mdi.moc"
