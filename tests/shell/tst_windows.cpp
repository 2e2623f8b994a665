#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "platform/IdList.h"
#include "platform/Twips.h"
#include "reports/Viewer.h"
#include "search/NavigatorGrid.h"
#include "search/frmAttendanceEntry.h"
#include "search/frmMemberNavigator.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

QMdiSubWindow* windowOf(MDI& mdi, const QString& className)
{
    for (QMdiSubWindow* sub : mdi.area()->subWindowList())
        if (QString::fromLatin1(sub->widget()->metaObject()->className()) == className)
            return sub;
    return nullptr;
}

QMdiSubWindow* frontWindow(MDI& mdi)
{
    const QList<QMdiSubWindow*> order = mdi.area()->subWindowList(QMdiArea::StackingOrder);
    return order.isEmpty() ? nullptr : order.last();
}

// A double-click as the user makes it: a first click picks the row, the second opens it.
void doubleClickRow(NavigatorGrid* grid, int row)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, 1)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

// Screens asked for while they are open, and screens opened while another fills the work area.
class TestWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<MDI> mdi;
    qint64 pam = 0;

    // Runs a menu command, the member screen's New Contact on Pam, or the navigator's Print Mail Lbl clicked just
    // after the Viewer's Export PDF was saved or cancelled.
    void ask(const QString& what)
    {
        if (what.startsWith(QLatin1String("Export"))) {
            mdi->runCommand(QStringLiteral("MemberNavigator"));
            auto* navigator = ScreenRegistry::find<frmMemberNavigator>();
            QTest::mouseClick(navigator->btnFind, Qt::LeftButton);
            QTemporaryDir dir;
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir.filePath("roll.pdf"));
                QMetaObject::invokeMethod(dialog, what == QLatin1String("ExportSaved") ? "accept" : "reject");
            });
            QTest::mouseClick(ScreenRegistry::find<Viewer>()->btnExportPdf, Qt::LeftButton);
            QTest::mouseClick(navigator->btnPrintMailingLabels, Qt::LeftButton);
            QApplication::setActiveWindow(mdi.get()); // the click gives the main window back its activation
            return;
        }
        if (what != QLatin1String("NewContact")) {
            mdi->runCommand(what);
            return;
        }
        mdi->runCommand(QStringLiteral("MemberEntry"));
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QVERIFY(member);
        member->LoadMember(pam);
        QTest::mouseClick(member->btnNewContact, Qt::LeftButton);
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
        Twips::applyDesignFont();
        mdi = std::make_unique<MDI>();
        mdi->resize(1280, 800);
        ScreenRegistry::setArea(mdi->area());
        mdi->show();
        MainMod::CurrentUserType = QStringLiteral("Admin");
        mdi->setLoggedIn(true);
        pam = TestDatabase::addMember(QStringLiteral("Page"), QStringLiteral("Pam"), QStringLiteral("Prospect"));
        TestDatabase::addMember(QStringLiteral("Adams"), QStringLiteral("Ann"));
    }

    void cleanup()
    {
        mdi->area()->closeAllSubWindows();
        qDeleteAll(mdi->area()->subWindowList());
        ScreenRegistry::setArea(nullptr);
        mdi.reset();
        messages.reset();
        db.reset();
    }

    // The screen asked for again comes to the front as it was left (restored when minimised), with what it held.
    void aScreenAskedForAgainComesForward_data()
    {
        QTest::addColumn<QString>("first");     // what opens the screen
        QTest::addColumn<QString>("screen");    // its class
        QTest::addColumn<bool>("minimised");    // else covered by another screen
        QTest::addColumn<QString>("again");     // what asks for it again
        QTest::addColumn<QString>("showsThen"); // the Viewer's report afterwards
        QTest::newRow("navigator behind another") << "MemberNavigator"
                                                  << "frmMemberNavigator" << false << "MemberNavigator"
                                                  << "";
        QTest::newRow("navigator minimised") << "MemberNavigator"
                                             << "frmMemberNavigator" << true << "MemberNavigator"
                                             << "";
        QTest::newRow("viewer behind, a second preview") << "SSClassListing"
                                                         << "Viewer" << false << "CareGroupListing"
                                                         << "Care Group Listing";
        QTest::newRow("viewer minimised, a second preview") << "SSClassListing"
                                                            << "Viewer" << true << "ChurchResponsibilityListing"
                                                            << "Church Responsibility Listing";
        QTest::newRow("viewer, labels after export") << "SSClassListing"
                                                     << "Viewer" << false << "ExportSaved"
                                                     << "Mailing Labels";
        QTest::newRow("viewer, labels after cancel") << "SSClassListing"
                                                     << "Viewer" << false << "ExportCancelled"
                                                     << "Mailing Labels";
        QTest::newRow("contact screen behind, New Contact") << "ProspectEntry"
                                                            << "frmProspectContactEntry" << false << "NewContact"
                                                            << "";
        QTest::newRow("contact screen minimised, New Contact") << "ProspectEntry"
                                                               << "frmProspectContactEntry" << true << "NewContact"
                                                               << "";
    }
    void aScreenAskedForAgainComesForward()
    {
        QFETCH(QString, first);
        QFETCH(QString, screen);
        QFETCH(bool, minimised);
        QFETCH(QString, again);
        QFETCH(QString, showsThen);
        mdi->runCommand(first);
        QMdiSubWindow* sub = windowOf(*mdi, screen);
        QVERIFY(sub);
        sub->move(60, 40);
        const QRect placed = sub->geometry();
        auto* navigator = qobject_cast<frmMemberNavigator*>(sub->widget());
        if (navigator)
            QTest::keyClicks(navigator->txtName, QStringLiteral("Ada"));
        if (minimised)
            sub->showMinimized();
        mdi->runCommand(QStringLiteral("About")); // another screen in front
        QVERIFY(frontWindow(*mdi) != sub);

        ask(again);
        grabIfAsked(mdi.get(), QStringLiteral("asked-again-") + QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(windowOf(*mdi, screen), sub);
        QCOMPARE(mdi->area()->activeSubWindow(), sub);
        QCOMPARE(frontWindow(*mdi), sub);
        QVERIFY(!sub->isMinimized());
        QCOMPARE(sub->geometry(), placed);
        if (navigator)
            QCOMPARE(navigator->txtName->text(), QStringLiteral("Ada"));
        if (auto* viewer = qobject_cast<Viewer*>(sub->widget()))
            QCOMPARE(viewer->document()->title, showsThen);
        if (auto* contact = qobject_cast<frmProspectContactEntry*>(sub->widget()))
            QCOMPARE(IdList::currentId(contact->cmbProspect).toLongLong(), pam);
    }

    // Over a maximised navigator a screen opens whole: its own size, its title bar, in front; the navigator goes
    // back to its normal size.
    void aScreenOpenedOverAMaximisedOneIsWhole_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("openBehind"); // the screen was open already, behind the navigator
        QTest::newRow("double-click a row") << "row"
                                            << "frmMemberEntry" << false;
        QTest::newRow("double-click, member screen behind") << "row"
                                                            << "frmMemberEntry" << true;
        QTest::newRow("menu, fixed-size screen") << "CompanyInfo"
                                                 << "frmChurchInfo" << false;
        QTest::newRow("menu, sizable screen") << "ProspectNavigator"
                                              << "frmProspectNavigator" << false;
        QTest::newRow("menu, screen behind") << "UserEntry"
                                             << "frmUserEntry" << true;
    }
    void aScreenOpenedOverAMaximisedOneIsWhole()
    {
        QFETCH(QString, how);
        QFETCH(QString, screen);
        QFETCH(bool, openBehind);
        if (openBehind)
            mdi->runCommand(how == QLatin1String("row") ? QStringLiteral("MemberEntry") : how);
        mdi->runCommand(QStringLiteral("MemberNavigator"));
        QMdiSubWindow* navigatorWindow = windowOf(*mdi, QStringLiteral("frmMemberNavigator"));
        auto* navigator = qobject_cast<frmMemberNavigator*>(navigatorWindow->widget());
        navigatorWindow->showMaximized();
        QTest::mouseClick(navigator->btnFind, Qt::LeftButton);
        QVERIFY(navigator->vsfgMembers->dataRows() >= 2);

        if (how == QLatin1String("row"))
            doubleClickRow(navigator->vsfgMembers, 0);
        else
            mdi->runCommand(how);
        grabIfAsked(mdi.get(), QStringLiteral("over-maximised-") + QString::fromLatin1(QTest::currentDataTag()));
        QMdiSubWindow* sub = windowOf(*mdi, screen);
        QVERIFY(sub);
        QCOMPARE(mdi->area()->activeSubWindow(), sub);
        QCOMPARE(frontWindow(*mdi), sub);
        QVERIFY(!sub->isMaximized());
        QVERIFY(!navigatorWindow->isMaximized());
        // The title bar stands above the screen, which keeps its own size.
        QVERIFY(sub->widget()->geometry().top() > 0);
        if (sub->widget()->minimumSize() == sub->widget()->maximumSize())
            QCOMPARE(sub->widget()->size(), sub->widget()->minimumSize());
        else
            QVERIFY(sub->width() < mdi->area()->viewport()->width());
        QCOMPARE(messages->count(), 0);
    }

    // Closing a screen brings forward the one used last before it (here the member screen), whole at its own size.
    void closingAScreenBringsForwardTheOneUsedBefore_data()
    {
        QTest::addColumn<QString>("opened"); // menu commands in turn; the last opens the screen closed
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QString>("button");
        QTest::newRow("maximised navigator") << "MemberEntry MemberNavigator" << true << "btnExit";
        QTest::newRow("outreach phases") << "MemberNavigator MemberEntry OutreachPhaseEntry" << false << "btnSave";
        QTest::newRow("class") << "ProspectNavigator MemberEntry MemberNavigator MemberEntry SSClassEntry" << false
                               << "btnSave";
        QTest::newRow("contributions") << "MemberNavigator MemberEntry ContributionEntry" << false << "btnExit";
    }
    void closingAScreenBringsForwardTheOneUsedBefore()
    {
        QFETCH(QString, opened);
        QFETCH(bool, maximised);
        QFETCH(QString, button);
        for (const QString& command : opened.split(QLatin1Char(' ')))
            mdi->runCommand(command);
        QMdiSubWindow* closing = mdi->area()->activeSubWindow();
        if (maximised)
            closing->showMaximized();
        if (auto* name = closing->widget()->findChild<QLineEdit*>(QStringLiteral("txtName")))
            QTest::keyClicks(name, QStringLiteral("Adults")); // a class is saved with its name
        QTest::mouseClick(closing->widget()->findChild<QPushButton*>(button), Qt::LeftButton);
        grabIfAsked(mdi.get(), QStringLiteral("closed-") + QString::fromLatin1(QTest::currentDataTag()));
        QMdiSubWindow* sub = windowOf(*mdi, QStringLiteral("frmMemberEntry"));
        QCOMPARE(mdi->area()->activeSubWindow(), sub);
        QCOMPARE(frontWindow(*mdi), sub);
        QVERIFY(!sub->isMaximized());
        QCOMPARE(sub->widget()->size(), sub->widget()->minimumSize());
        QVERIFY(sub->widget()->geometry().top() > 0);
        QCOMPARE(messages->count(), 0);
    }

    // Ctrl+W typed ahead of a box that a screen shows deletes nothing under it: the screen goes on once answered.
    void aScreenClosedWhileItsBoxWaitsGoesOn()
    {
        mdi->runCommand(QStringLiteral("AttendanceEntry"));
        QPointer<frmAttendanceEntry> attendance = ScreenRegistry::find<frmAttendanceEntry>();
        Messages::setHandler({}); // the real box
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            attendance->parentWidget()->close(); // what the window's Close (Ctrl+W, Ctrl+F4) does
            QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Return); });
        });
        QApplication::setActiveWindow(mdi.get());
        attendance->dtWeekOf->setFocus();
        QTest::keyClicks(attendance->dtWeekOf, QStringLiteral("99\t"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(attendance && attendance->isVisible());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
