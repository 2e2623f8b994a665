#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "platform/Twips.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

// The main window, active, with the administrator logged in; its screens are closed at the end.
struct AdminWindow {
    MDI mdi;
    AdminWindow()
    {
        ScreenRegistry::setArea(mdi.area());
        mdi.show();
        QApplication::setActiveWindow(&mdi);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        mdi.setLoggedIn(true);
    }
    ~AdminWindow()
    {
        mdi.area()->closeAllSubWindows();
        ScreenRegistry::setArea(nullptr);
    }
};

// Enter presses a report dialog's Ok, and Escape its Cancel, wherever the focus stands in it.
class TestOptionDialogs : public QObject {
    Q_OBJECT

private slots:
    void enterPressesOkEscapeCancels_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("outcome"); // report: Ok ran it; closed: cancelled; message: Ok asked for a choice
        const int enter = Qt::Key_Return;
        const int escape = Qt::Key_Escape;
        QTest::newRow("SS roll, Enter in the date") << "SundaySchoolRole"
                                                    << "dtDate" << enter << "report";
        QTest::newRow("DT roll, keypad Enter") << "DiscipleshipTrainingRollReport"
                                               << "dtDate" << int(Qt::Key_Enter) << "report";
        QTest::newRow("Wed roll, Escape on Ok") << "WednesdayNightRollReport"
                                                << "btnOK" << escape << "closed";
        QTest::newRow("Wed roll, Enter on Cancel") << "WednesdayNightRollReport"
                                                   << "btnCancel" << enter << "closed";
        QTest::newRow("entry control, Enter in a date") << "ContributionsEntryControlReport"
                                                        << "dtEndDate" << enter << "report";
        QTest::newRow("contributions, Escape in the names") << "MemberContributions"
                                                            << "cmbMember" << escape << "closed";
        QTest::newRow("contact sheet, Enter in the type-ahead list") << "ProspectVisitationSheet"
                                                                     << "cmbProspect" << enter << "message";
        QTest::newRow("update sheet, Escape in the type-ahead list") << "MemberInfoUpdateReportMdi"
                                                                     << "cmbProspect" << escape << "closed";
        QTest::newRow("SS prospects, Enter in the class list") << "SSProsListing"
                                                               << "lstSSClass" << enter << "report";
    }
    void enterPressesOkEscapeCancels()
    {
        QFETCH(QString, command);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, outcome);
        TestDatabase tdb;
        ScriptedMessages messages;
        RecordingOutput output;
        Twips::applyDesignFont();
        // A class with a prospect, so that its listing prints.
        const qint64 adults =
            addRow(QStringLiteral("Sunday_School"), {{QStringLiteral("Name"), QStringLiteral("Adults")}});
        addPerson(QStringLiteral("Page"), QStringLiteral("Pam"),
                  {{QStringLiteral("Status"), QStringLiteral("Prospect")},
                   {QStringLiteral("Prospect_Active_Status"), QStringLiteral("Active")},
                   {QStringLiteral("Prospect_Sunday_School_Class_Assigned"), adults}});
        AdminWindow window;
        MDI& mdi = window.mdi;
        QVERIFY(QTest::qWaitForWindowActive(&mdi));

        mdi.runCommand(command);
        QMdiSubWindow* sub = mdi.area()->activeSubWindow();
        QVERIFY(sub);
        QWidget* screen = sub->widget();
        const QString dialog = QString::fromLatin1(screen->metaObject()->className());
        if (auto* classes = screen->findChild<QListWidget*>(QStringLiteral("lstSSClass")))
            classes->item(0)->setCheckState(Qt::Checked);
        auto* control = screen->findChild<QWidget*>(focus);
        QVERIFY(control);
        control->setFocus();
        QVERIFY(QApplication::focusWidget() == control || control->isAncestorOf(QApplication::focusWidget()));
        grabIfAsked(&mdi, QStringLiteral("dialog-") + dialog);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        const bool open = ScreenRegistry::isOpen(dialog);
        if (outcome == QLatin1String("message")) {
            QVERIFY(open);
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text, QStringLiteral("You must select a Prospect."));
            QCOMPARE(output.deliveries.size(), 0);
        } else {
            QVERIFY(!open);
            QCOMPARE(messages.count(), 0);
            QCOMPARE(output.deliveries.size(), outcome == QLatin1String("report") ? 1 : 0);
        }
    }

    // Enter right after a date is typed runs the report for the typed date; a date that does not exist stops it.
    void enterTakesTypedDate_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("period"); // empty: refused
        QTest::newRow("start date") << "dtStartDate"
                                    << "1/5/2026"
                                    << "1/5/2026 to 12/7/2026";
        QTest::newRow("end date, two-digit year") << "dtEndDate"
                                                  << "12/31/26"
                                                  << "12/7/2026 to 12/31/2026";
        QTest::newRow("no such day") << "dtStartDate"
                                     << "2/30/2026"
                                     << "";
    }
    void enterTakesTypedDate()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, period);
        TestDatabase tdb;
        ScriptedMessages messages;
        RecordingOutput output;
        AdminWindow window;
        MDI& mdi = window.mdi;
        QVERIFY(QTest::qWaitForWindowActive(&mdi));

        mdi.runCommand(QStringLiteral("ContributionsEntryControlReport"));
        QWidget* screen = mdi.area()->activeSubWindow()->widget();
        auto* date = screen->findChild<QWidget*>(box);
        QVERIFY(date);
        date->setFocus(Qt::TabFocusReason);
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(date, typed);
        QTest::keyClick(date, Qt::Key_Return);
        if (period.isEmpty()) {
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Date"));
            QVERIFY(ScreenRegistry::isOpen(QStringLiteral("frmContributionsEntryControlReport")));
            QCOMPARE(output.deliveries.size(), 0);
        } else {
            QCOMPARE(messages.count(), 0);
            QCOMPARE(output.deliveries.size(), 1);
            QStringList texts;
            for (int p = 0; p < output.last().pageCount(); ++p)
                texts << output.last().pageTexts(p);
            QVERIFY2(texts.contains(period), qPrintable(texts.mid(0, 6).join(QLatin1Char('|'))));
        }
    }
    // Cancel and Clear throw away a half-typed date with the rest of the screen's input, without a word.
    void cancelAndClearDropAHalfTypedDate_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog"); // the screen's class
        QTest::addColumn<QString>("button");
        QTest::newRow("report dialog, Cancel") << "ContributionsEntryControlReport"
                                               << "frmContributionsEntryControlReport"
                                               << "btnCancel";
        QTest::newRow("member navigator, Clear") << "MemberNavigator"
                                                 << "frmMemberNavigator"
                                                 << "btnClear";
    }
    void cancelAndClearDropAHalfTypedDate()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, button);
        TestDatabase tdb;
        ScriptedMessages messages;
        RecordingOutput output;
        AdminWindow window;
        MDI& mdi = window.mdi;
        QVERIFY(QTest::qWaitForWindowActive(&mdi));

        mdi.runCommand(command);
        QWidget* screen = mdi.area()->activeSubWindow()->widget();
        auto* date = screen->findChild<QDateEdit*>(QStringLiteral("dtStartDate"));
        QVERIFY(date);
        date->setFocus(Qt::TabFocusReason);
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(date, QStringLiteral("3/15"));
        auto* pressed = screen->findChild<QAbstractButton*>(button);
        QVERIFY(pressed);
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        if (button == QLatin1String("btnCancel")) {
            QVERIFY(!ScreenRegistry::isOpen(dialog));
        } else {
            QVERIFY(ScreenRegistry::isOpen(dialog));
            QCOMPARE(date->text(), QStringLiteral("12/7/2026"));
        }
        QCOMPARE(output.deliveries.size(), 0);
    }
};

QTEST_MAIN(TestOptionDialogs)
#include "tst_optiondialogs.moc"
