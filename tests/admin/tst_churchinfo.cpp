#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmChurchInfo.h"
#include "core/MainMod.h"
#include "platform/EntryBoxes.h"
#include "shell/ScreenRegistry.h"
#include "shell/frmLogin.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

class TestChurchInfo : public QObject {
    Q_OBJECT

private slots:
    void firstSaveAddsSecondEdits()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        auto* screen = ScreenRegistry::load<frmChurchInfo>();
        QVERIFY(screen->txtCompany->text().isEmpty());
        QCOMPARE(screen->cmbState->currentIndex(), -1);
        QCOMPARE(screen->cmbState->count(), 51);
        screen->txtCompany->setText(QStringLiteral("St. Mary's; DROP TABLE Church"));
        screen->txtKeyPressDelay->setText(QStringLiteral("2"));
        screen->btnSave_Click();
        QCOMPARE(messages.count(), 0);
        QVERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmChurchInfo")));
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Church"));
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Text(QStringLiteral("Name")), QStringLiteral("St. Mary's; DROP TABLE Church"));
        QCOMPARE(rs.Field(QStringLiteral("State")).toString(), QString()); // empty text, not Null
        QVERIFY(!rs.Field(QStringLiteral("State")).isNull());
        QCOMPARE(rs.Text(QStringLiteral("Phone")), QString());
        // The new settings count at once.
        QCOMPARE(MainMod::KeyPressDelay, 2.0);
        QCOMPARE(MainMod::ChurchName, QStringLiteral("St. Mary's; DROP TABLE Church"));

        screen = ScreenRegistry::load<frmChurchInfo>();
        QCOMPARE(screen->txtKeyPressDelay->text(), QStringLiteral("2"));
        screen->cmbState->setCurrentIndex(screen->cmbState->findText(QStringLiteral("TN")));
        screen->txtPhone->setValue(QStringLiteral("(615) 555-0100"));
        screen->btnSave_Click();
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 1);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT State FROM Church")).toString(), QStringLiteral("TN"));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Phone FROM Church")).toString(),
                 QStringLiteral("(615) 555-0100"));
        QCOMPARE(MainMod::ChurchState, QStringLiteral("TN"));
    }

    void pauseRule_data()
    {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one") << "1" << true;
        QTest::newRow("half") << "0.5" << false;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("two and letters") << "2abc" << true;
    }
    void pauseRule()
    {
        QFETCH(QString, delay);
        QFETCH(bool, accepted);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        auto* screen = ScreenRegistry::load<frmChurchInfo>();
        screen->txtCompany->setText(QStringLiteral("First Church"));
        screen->txtKeyPressDelay->setText(delay);
        QCOMPARE(screen->txtKeyPressDelay_LostFocus(), accepted);
        QCOMPARE(messages.count(), accepted ? 0 : 1);
        if (!accepted) {
            QCOMPARE(messages.last().text, QStringLiteral("Quantity must be greater than 0."));
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Entry"));
            QCOMPARE(screen->txtKeyPressDelay->text(), delay); // the text stays
        }
        // Save checks again: a refused pause never reaches the database.
        messages.clear();
        screen->btnSave_Click();
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), accepted ? 1 : 0);
        QCOMPARE(ScreenRegistry::isOpen(QStringLiteral("frmChurchInfo")), !accepted);
    }

    // With an empty pause in the box: only moving to another control of the screen asks for a pause.
    void pauseIsCheckedOnlyWhenTheFocusMovesOn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Tab to the next box") << "tab" << 1 << true;
        QTest::newRow("click into another box") << "click" << 1 << true;
        QTest::newRow("Exit") << "exit" << 0 << false;
        QTest::newRow("close control") << "close" << 0 << false;
        QTest::newRow("into the log-in window") << "login" << 0 << true;
    }
    void pauseIsCheckedOnlyWhenTheFocusMovesOn()
    {
        QFETCH(QString, how);
        QFETCH(int, asked);
        QFETCH(bool, stays);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        auto* screen = ScreenRegistry::load<frmChurchInfo>();
        auto* login = ScreenRegistry::load<frmLogin>(); // beside it on a first start
        QApplication::setActiveWindow(area.area());
        area.area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(screen->parentWidget()));
        screen->txtKeyPressDelay->setFocus();
        QCOMPARE(QApplication::focusWidget(), screen->txtKeyPressDelay);

        if (how == QLatin1String("tab"))
            QTest::keyClick(screen->txtKeyPressDelay, Qt::Key_Tab);
        else if (how == QLatin1String("click"))
            QTest::mouseClick(screen->txtCompany, Qt::LeftButton);
        else if (how == QLatin1String("exit"))
            QTest::mouseClick(screen->btnExit, Qt::LeftButton);
        else if (how == QLatin1String("close"))
            screen->parentWidget()->close();
        else
            QTest::mouseClick(login->txtUsername, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(messages.count(), asked);
        if (asked)
            QCOMPARE(messages.last().text, QStringLiteral("Quantity must be greater than 0."));
        QCOMPARE(ScreenRegistry::isOpen(QStringLiteral("frmChurchInfo")), stays);
        if (asked)
            QCOMPARE(QApplication::focusWidget(), screen->txtKeyPressDelay);
        if (how == QLatin1String("login"))
            QCOMPARE(QApplication::focusWidget(), login->txtUsername);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 0);
    }

    void permissionComesBeforeTheNameCheck()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        auto* screen = ScreenRegistry::load<frmChurchInfo>(); // open before anyone logged in
        screen->btnSave_Click();
        QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to save this record."));
        MainMod::CurrentUserType = QStringLiteral("Admin");
        screen->btnSave_Click();
        QCOMPARE(messages.last().text, QStringLiteral("Church Name is Required."));
        QCOMPARE(messages.last().title, QStringLiteral("Required Fields"));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 0);
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmChurchInfo"));
    }

    void failedLoadRestoresOnlyItsOwnPointer()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainDatabase.execute(QStringLiteral("DROP TABLE State"));
        QApplication::setOverrideCursor(Qt::BusyCursor); // a pointer someone else set
        QVERIFY(ScreenRegistry::load<frmChurchInfo>() == nullptr);
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void storedValuesShowAsStored()
    {
        TestDatabase tdb;
        TestArea area;
        MainDatabase.execute(QStringLiteral("INSERT INTO Church (Name, State, Email) VALUES (NULL, 'XX', 'a@b.org')"));
        auto* screen = ScreenRegistry::load<frmChurchInfo>();
        QVERIFY(screen->txtCompany->text().isEmpty());
        QCOMPARE(screen->cmbState->currentIndex(), -1); // a state not in the list
        QCOMPARE(screen->txtEmail->text(), QStringLiteral("a@b.org"));
        QVERIFY(screen->txtKeyPressDelay->text().isEmpty());
    }
};

QTEST_MAIN(TestChurchInfo)
#include "tst_churchinfo.moc"
