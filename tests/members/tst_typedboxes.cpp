#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmChurchInfo.h"
#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "platform/EntryBoxes.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

QVariant column(qint64 id, const QString& name)
{
    return MainDatabase.scalar(QStringLiteral("SELECT \"%1\" FROM Member WHERE ID = ?").arg(name), {id});
}

// A member with everything a save needs, and the columns given.
qint64 addSavableMember(const QVariantMap& more = {})
{
    QVariantMap columns{{"Member_Active_Status", "Active"}, {"Prospect_Active_Status", "Active"}};
    columns.insert(more);
    return addPerson("Miller", "Mae", columns);
}

} // namespace

class TestTypedBoxes : public QObject {
    Q_OBJECT

private slots:
    // Dates are typed into the member screen's boxes key by key, as people write them; the test clock stands at
    // 12/7/2026, so two-digit years run from 1946 to 2045.
    void typedDates_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("tabOut");
        QTest::addColumn<QString>("saved");
        const auto row = [](const char* tag, const char* box, const char* stored, bool selectAll, const char* keys,
                            bool tabOut, const char* saved) {
            QTest::newRow(tag) << QString(box) << QString(stored) << selectAll << QString(keys) << tabOut
                               << QString(saved);
        };
        // The box is entered with Tab, which selects the month; or all its text is selected first.
        row("one-digit month", "dtDOB", "", false, "3/14/1980", true, "1980-03-14");
        row("two-digit month", "dtDOB", "", false, "03/14/1980", true, "1980-03-14");
        row("two-digit year", "dtDOB", "", false, "3/14/80", true, "1980-03-14");
        row("digits only", "dtDOB", "", false, "03141980", true, "1980-03-14");
        row("one-digit day, dashes", "dtDOB", "", true, "10-1-1999", true, "1999-10-01");
        row("corrected with Backspace", "dtDOB", "", true, "3/15\b4/1980", true, "1980-03-14");
        row("year 45 is ahead", "dtAnnivDate", "", false, "6/1/45", true, "2045-06-01");
        row("year 46 is behind", "dtAnnivDate", "", false, "6/1/46", true, "1946-06-01");
        row("anniversary, saved without leaving", "dtAnnivDate", "", false, "6/18/55", false, "1955-06-18");
        row("over the month shown", "dtDOB", "1975-06-15", false, "3", true, "1975-03-15");
        row("over month and day shown", "dtAnnivDate", "1975-06-15", false, "12/1", true, "1975-12-01");
        row("29 February of a leap year", "dtDOB", "", false, "2/29/2000", true, "2000-02-29");
        row("31 February", "dtDOB", "1975-06-15", false, "02/31/2000", true, "");
        row("29 February of no leap year", "dtAnnivDate", "", false, "2/29/2001", true, "");
        row("three-digit year, saved without leaving", "dtDOB", "", false, "3/14/198", false, "");
        row("no year, all selected", "dtDOB", "1975-06-15", true, "3/14", true, "");
    }

    void typedDates()
    {
        QFETCH(QString, box);
        QFETCH(QString, stored);
        QFETCH(bool, selectAll);
        QFETCH(QString, keys);
        QFETCH(bool, tabOut);
        QFETCH(QString, saved);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const QString columnName = box == "dtDOB" ? "Date_Of_Birth" : "Anniversary_Date";
        const qint64 id = addSavableMember(stored.isEmpty() ? QVariantMap{} : QVariantMap{{columnName, stored}});
        frmMemberEntry* s = openMemberScreen();
        QApplication::setActiveWindow(ScreenRegistry::area());
        s->LoadMember(id);
        auto* picker = s->findChild<QDateEdit*>(box);
        auto* check = s->findChild<QCheckBox*>(box == "dtDOB" ? "chkDOB" : "chkAnnivDate");
        QVERIFY(picker && check);
        for (int tab = 0; tab < s->SSTab1->count(); ++tab)
            if (s->SSTab1->widget(tab)->isAncestorOf(picker))
                s->SSTab1->setCurrentIndex(tab);
        if (!check->isChecked())
            QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(picker->isEnabled());

        picker->setFocus(Qt::TabFocusReason);
        if (selectAll)
            QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(picker, keys);
        grabIfAsked(s, QStringLiteral("typed-") + QTest::currentDataTag());
        if (tabOut)
            QTest::keyClick(picker, Qt::Key_Tab);
        if (saved.isEmpty()) {
            if (tabOut) {
                // Refused as the box is left: it keeps the focus and what was typed.
                QCOMPARE(messages.count(), 1);
                QCOMPARE(QApplication::focusWidget(), picker);
            }
            s->btnSaveNew->click();
            QVERIFY(messages.count() >= 1);
            QCOMPARE(messages.last().text, QStringLiteral("Please enter a valid date."));
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Date"));
            QCOMPARE(QApplication::focusWidget(), picker);
            QCOMPARE(column(id, columnName).toString(), stored);
            QVERIFY(column(id, "Date_Edited").isNull());
            return;
        }
        const QDate date = QDate::fromString(saved, Qt::ISODate);
        if (tabOut) {
            QVERIFY(QApplication::focusWidget() != picker);
            QCOMPARE(picker->date(), date);
            QCOMPARE(picker->text(), date.toString("M/d/yyyy"));
            grabIfAsked(s, QStringLiteral("left-") + QTest::currentDataTag());
        }
        s->btnSaveNew->click();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(column(id, columnName).toString(), saved);
        QCOMPARE(picker->text(), date.toString("M/d/yyyy"));
    }

    // A phone stored in any shape comes back from a save that did not touch it; typing still gives the mask.
    void phonesKeepTheirShape_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("masked");
        QTest::addColumn<bool>("emptyFirst");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");

        QTest::newRow("usual shape") << "(615) 555-0102" << true << false << ""
                                     << "";
        QTest::newRow("partly filled by the mask") << "(615) 555-01__" << true << false << ""
                                                   << "";
        QTest::newRow("leading 1") << "1-615-555-0102" << false << false << ""
                                   << "";
        QTest::newRow("seven digits") << "555-1234" << false << false << ""
                                      << "";
        QTest::newRow("bare digits") << "6155550102" << false << false << ""
                                     << "";
        QTest::newRow("extension") << "(615) 555-0102 x12" << false << false << ""
                                   << "";
        QTest::newRow("empty") << "" << true << false << ""
                               << "";
        QTest::newRow("typed into an empty box") << "" << true << false << "6155550199"
                                                 << "(615) 555-0199";
        QTest::newRow("typed over another shape") << "555-1234" << false << false << "555-9876 ext 4"
                                                  << "555-9876 ext 4";
        QTest::newRow("emptied, then typed") << "555-1234" << false << true << "6155550199"
                                             << "(615) 555-0199";
    }

    void phonesKeepTheirShape()
    {
        QFETCH(QString, stored);
        QFETCH(bool, masked);
        QFETCH(bool, emptyFirst);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;

        // The member screen's three boxes, the cell one typed into when the row says so.
        const qint64 id = addSavableMember({{"Phone", stored}, {"Cell", stored}, {"Work_Phone", stored}});
        frmMemberEntry* s = openMemberScreen();
        QApplication::setActiveWindow(ScreenRegistry::area());
        s->LoadMember(id);
        for (PhoneEdit* box : {s->txtHomePhone, s->txtCell, s->txtWorkPhone}) {
            QCOMPARE(box->displayText(), stored.isEmpty() ? QStringLiteral("(___) ___-____") : stored);
            QCOMPARE(box->inputMask().isEmpty(), !masked);
        }
        if (!typed.isEmpty()) {
            s->txtCell->setFocus(Qt::TabFocusReason);
            s->txtCell->selectAll();
            if (emptyFirst)
                QTest::keyClick(s->txtCell, Qt::Key_Delete);
            if (!s->txtCell->inputMask().isEmpty())
                s->txtCell->home(false);
            QTest::keyClicks(s->txtCell, typed);
        }
        grabIfAsked(s, QStringLiteral("phones-") + QTest::currentDataTag());
        s->btnSaveNew->click();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(column(id, "Phone").toString(), stored);
        QCOMPARE(column(id, "Cell").toString(), typed.isEmpty() ? stored : saved);
        QCOMPARE(column(id, "Work_Phone").toString(), stored);

        // The church screen's phone and fax, saved with Save And Close.
        MainDatabase.execute(QStringLiteral("DELETE FROM Church"));
        MainDatabase.execute(
            QStringLiteral("INSERT INTO Church (Name, Phone, Fax, KeyPressDelay) VALUES ('Grace', ?, ?, 1)"),
            {stored, stored});
        auto* church = ScreenRegistry::load<frmChurchInfo>();
        QCOMPARE(church->txtPhone->displayText(), stored.isEmpty() ? QStringLiteral("(___) ___-____") : stored);
        grabIfAsked(church, QStringLiteral("church-") + QTest::currentDataTag());
        church->btnSave->click();
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Phone FROM Church")).toString(), stored);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Fax FROM Church")).toString(), stored);
    }
};

QTEST_MAIN(TestTypedBoxes)
#include "tst_typedboxes.moc"
