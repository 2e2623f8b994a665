#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmChurchInfo.h"
#include "core/MainMod.h"
#include "members/MoneyEdit.h"
#include "members/frmContributionEntry.h"
#include "members/frmMemberEntry.h"
#include "platform/EntryBoxes.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
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

// One notch of the wheel down, over the middle of the box, as the window system delivers it to the window.
void turnWheel(QWidget* box)
{
    QWindow* window = box->window()->windowHandle();
    const QPointF at = window->mapFromGlobal(box->mapToGlobal(QPointF(box->rect().center())));
    QWheelEvent wheel(at, window->mapToGlobal(at), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window, &wheel);
}

} // namespace

class TestTypedBoxes : public QObject {
    Q_OBJECT

private slots:
    // Dates are typed key by key into the member screen's boxes and Contribution Entry's, as people write them, and
    // judged whole when the box is left; the test clock stands at 12/7/2026. Two-digit years of what has happened
    // (birth, anniversary, church dates) are never ahead of 2026; other boxes run from 1946 to 2045.
    void typedDates_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("enter"); // tab (selects the month), all (Ctrl+A), click (before the day), paste
        QTest::addColumn<QString>("keys");  // "|how|": the focus away and back between goes (typeWithTrips)
        // tab, save (the save button), page (save, another tab, save), calendar (its drop-down), wheel, "tab, wheel"
        // (over the box and a pick list once left), alt>NAME (Alt, then a click on NAME), new (a click on New), untick
        // (a click on its tick box), held (its tick box pressed and let go off it, then save)
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QString>("saved"); // empty: refused, or no date after an untick
        const auto row = [](const char* tag, const char* box, const char* stored, const char* enter, const char* keys,
                            const char* leave, const char* saved) {
            QTest::newRow(tag) << QString(box) << QString(stored) << QString(enter) << QString(keys) << QString(leave)
                               << QString(saved);
        };
        row("one-digit month", "dtDOB", "", "tab", "3/14/1980", "tab", "1980-03-14");
        row("two-digit month", "dtDOB", "", "tab", "03/14/1980", "tab", "1980-03-14");
        row("two-digit year", "dtDOB", "", "tab", "3/14/80", "tab", "1980-03-14");
        row("digits only", "dtDOB", "", "tab", "03141980", "tab", "1980-03-14");
        row("six digits", "dtDOB", "", "tab", "031480", "tab", "1980-03-14");
        row("one-digit day, dashes", "dtDOB", "", "all", "10-1-1999", "tab", "1999-10-01");
        row("corrected with Backspace", "dtDOB", "", "all", "3/15\b4/1980", "tab", "1980-03-14");
        row("year 45 of an anniversary is behind", "dtAnnivDate", "", "tab", "6/1/45", "tab", "1945-06-01");
        row("year 26 is this year", "dtAnnivDate", "", "tab", "6/1/26", "tab", "2026-06-01");
        row("year 38 of a birth", "dtDOB", "", "tab", "5/2/38", "tab", "1938-05-02");
        row("year 38 of a next contact is ahead", "dtNextContactDate", "", "tab", "5/2/38", "tab", "2038-05-02");
        row("anniversary, saved without leaving", "dtAnnivDate", "", "tab", "6/18/55", "save", "1955-06-18");
        row("typed over the date shown", "dtDOB", "1975-06-15", "tab", "3", "tab", "");
        row("month 13 over the date shown", "dtDOB", "1933-04-01", "tab", "13/01/2000", "tab", "");
        row("typed after a click inside the date", "dtMemberSince", "", "click", "1/5/2005", "tab", "2005-01-05");
        row("pasted", "dtDOB", "", "paste", "3/14/80", "tab", "1980-03-14");
        row("29 February of a leap year", "dtDOB", "", "tab", "2/29/2000", "tab", "2000-02-29");
        row("31 February", "dtDOB", "1975-06-15", "tab", "02/31/2000", "tab", "");
        row("29 February of no leap year", "dtAnnivDate", "", "tab", "2/29/2001", "tab", "");
        row("30 February, then another tab", "dtCameForward", "", "tab", "2/30/2001", "page", "");
        row("30 February, then the calendar", "dtDOB", "", "tab", "2/30/1990", "calendar", "");
        row("three-digit year, saved without leaving", "dtDOB", "", "tab", "3/14/198", "save", "");
        row("no year, all selected", "dtDOB", "1975-06-15", "all", "3/14", "tab", "");
        row("gift, dots", "dtDate", "", "tab", "12.6.2026", "tab", "2026-12-06");
        row("gift, across another program", "dtDate", "", "tab", "3/1|program|4/2026", "tab", "2026-03-14");
        row("gift, across the menu bar", "dtDate", "", "tab", "3/1|alt|4/2026", "tab", "2026-03-14");
        row("gift, 30 February, Alt, a click into Amount", "dtDate", "", "tab", "2/30/2026", "alt>txtAmount", "");
        row("gift, day 32", "dtDate", "", "tab", "11/32/2026", "tab", "");
        row("gift, day 45", "dtDate", "", "tab", "1/45/2000", "tab", "");
        row("gift, month 14", "dtDate", "", "tab", "14/2/2020", "tab", "");
        row("gift, five-digit year", "dtDate", "", "tab", "12/31/20261", "save", "");
        row("gift, letters", "dtDate", "", "tab", "Dec 6 2026", "tab", "");
        row("gift, 30 February, then the wheel", "dtDate", "", "tab", "2/30/2026", "wheel", "");
        row("the wheel over the box once left", "dtMemberSince", "", "tab", "1/5/2005", "tab, wheel", "2005-01-05");
        // New and unticking the date throw away what is typed, without a word; the tick box only pressed does not.
        row("30 February, then New", "dtAnnivDate", "", "tab", "2/30/2001", "new", "");
        row("30 February in a box showing today, then New", "dtNextContactDate", "2026-12-07", "tab", "2/30/2001",
            "new", "");
        row("30 February, anniversary unticked", "dtAnnivDate", "1990-06-09", "tab", "2/30/2001", "untick", "");
        row("30 February, date of death unticked", "dtDeceased", "2020-01-15", "tab", "2/30/2001", "untick", "");
        row("30 February, tick box let go off it", "dtAnnivDate", "1990-06-09", "tab", "2/30/2001", "held", "");
    }

    void typedDates()
    {
        QFETCH(QString, box);
        QFETCH(QString, stored);
        QFETCH(QString, enter);
        QFETCH(QString, keys);
        QFETCH(QString, leave);
        QFETCH(QString, saved);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;

        // The screen, its box, its save button and what it stored.
        QWidget* screen = nullptr;
        QPushButton* save = nullptr;
        std::function<QString()> storedNow;
        if (box == "dtDate") {
            addPerson("Ward", "Wendy", {{"Envelope", "7"}, {"ShowInContributionList", 1}});
            MainMod::CurrentUserType = QStringLiteral("Admin");
            auto* gifts = ScreenRegistry::load<frmContributionEntry>();
            QApplication::setActiveWindow(ScreenRegistry::area());
            gifts->cmbMember->setCurrentIndex(0);
            gifts->cmbDesignation->setCurrentIndex(0);
            gifts->txtAmount->setFocus();
            QTest::keyClicks(gifts->txtAmount, "25");
            screen = gifts;
            save = gifts->btnSave;
            storedNow = [] {
                return MainDatabase
                    .scalar(QStringLiteral("SELECT group_concat(ContributionDate) FROM Member_Contributions"))
                    .toString();
            };
        } else {
            const QMap<QString, QString> columns{
                {"dtDOB", "Date_Of_Birth"},        {"dtAnnivDate", "Anniversary_Date"},
                {"dtMemberSince", "Member_Since"}, {"dtCameForward", "Came_Forward"},
                {"dtDeceased", "Deceased_Date"},   {"dtNextContactDate", "Prospect_Next_Contact_Date"}};
            const QString columnName = columns.value(box);
            QVariantMap more{{"Prospect_Phase", "First Visit"}, {"Prospect_Next_Contact_Action", "Visit"}};
            if (!stored.isEmpty())
                more.insert(columnName, stored);
            const qint64 id = addSavableMember(more);
            frmMemberEntry* s = openMemberScreen();
            QApplication::setActiveWindow(ScreenRegistry::area());
            s->LoadMember(id);
            screen = s;
            save = s->btnSaveNew;
            storedNow = [id, columnName] { return column(id, columnName).toString(); };
        }
        const QString before = storedNow();
        auto* picker = screen->findChild<QDateEdit*>(box);
        auto* tabs = screen->findChild<QTabWidget*>();
        int pickerTab = -1;
        for (int tab = 0; tabs && tab < tabs->count(); ++tab)
            if (tabs->widget(tab)->isAncestorOf(picker))
                tabs->setCurrentIndex(pickerTab = tab);
        auto* check = screen->findChild<QCheckBox*>(QString(box).replace("dt", "chk"));
        if (check && !check->isChecked())
            QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(picker->isEnabled());

        picker->setFocus(Qt::TabFocusReason);
        if (enter == "all")
            QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
        if (enter == "click") {
            // Just before the day of the date shown.
            auto* edit = picker->findChild<QLineEdit*>();
            const QString shown = edit->text();
            const int dayAt = edit->fontMetrics().horizontalAdvance(shown.left(shown.indexOf('/') + 1));
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(dayAt + 2, edit->height() / 2));
        }
        if (enter == "paste") {
            QGuiApplication::clipboard()->setText(keys);
            QTest::keyClick(picker, Qt::Key_V, Qt::ControlModifier);
        } else {
            typeWithTrips(picker, keys);
        }
        const QString typed =
            keys.contains('\b') ? QStringLiteral("3/14/1980") : QString(keys).remove(QRegularExpression("\\|\\w+\\|"));
        QCOMPARE(picker->text(), typed);
        grabIfAsked(screen, QStringLiteral("typed-") + QTest::currentDataTag());
        if (leave.startsWith("tab"))
            QTest::keyClick(picker, Qt::Key_Tab);
        if (leave.startsWith("alt>"))
            typeWithTrips(picker, "|" + leave + "|");
        if (leave == "calendar")
            QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 6, picker->height() / 2));
        if (leave == "wheel")
            turnWheel(picker);
        if (leave == "tab, wheel") { // neither the box left nor a pick list without the focus steps with it
            turnWheel(picker);
            turnWheel(screen->findChild<QComboBox*>("cmbSSAttend"));
            QCOMPARE(screen->findChild<QComboBox*>("cmbSSAttend")->currentIndex(), -1);
        }
        if (leave == "new")
            QTest::mouseClick(screen->findChild<QPushButton*>("btnNew"), Qt::LeftButton);
        if (leave == "untick")
            QTest::mouseClick(check, Qt::LeftButton);
        if (leave == "held") {
            QTest::mousePress(check, Qt::LeftButton);
            QTest::mouseRelease(check, Qt::LeftButton, {}, QPoint(-20, -20));
            QVERIFY(check->isChecked());
        }
        if (leave == "new" || leave == "untick") {
            // Gone without a word: a new entry is made, or the box, greyed, shows the date it held before.
            QCOMPARE(messages.count(), 0);
            const QDate held = leave == "new" ? QDate(2026, 12, 7) : QDate::fromString(stored, Qt::ISODate);
            QCOMPARE(picker->date(), held);
            QCOMPARE(picker->text(), held.toString("M/d/yyyy"));
            QCOMPARE(picker->isEnabled(), !check); // off with its tick box
            if (leave == "new") {
                QCOMPARE(screen->findChild<QLineEdit*>("txtMemberID")->text(), QString());
                QCOMPARE(tabs->currentIndex(), 0);
                QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmbMemberStatus"));
                QCOMPARE(storedNow(), before);
                return;
            }
            grabIfAsked(screen, QStringLiteral("unticked-") + QTest::currentDataTag());
            save->click();
            QCOMPARE(messages.count(), 0);
            QCOMPARE(storedNow(), saved);
            return;
        }
        if (leave == "page") {
            save->click();
            QCOMPARE(messages.count(), 1);
            QTabBar* bar = tabs->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pickerTab == 0 ? 1 : 0).center());
            QVERIFY(!picker->isVisible());
            QCOMPARE(messages.count(), 1);
        }
        if (saved.isEmpty()) {
            if (leave == "held")
                QCOMPARE(messages.count(), 0); // it waits for the save
            else if (leave != "save" && leave != "page") {
                // Refused as the box is left or stepped: it keeps the focus and what was typed.
                QCOMPARE(messages.count(), 1);
                QCOMPARE(QApplication::focusWidget(), picker);
                if (leave.startsWith("alt>")) // to be typed over
                    QCOMPARE(picker->findChild<QLineEdit*>()->selectedText(), typed);
            }
            save->click();
            QVERIFY(messages.count() >= 1);
            QCOMPARE(messages.last().text, QStringLiteral("Please enter a valid date."));
            QCOMPARE(messages.last().title, QStringLiteral("Invalid Date"));
            QVERIFY(picker->isVisible());
            QCOMPARE(QApplication::focusWidget(), picker);
            QCOMPARE(picker->text(), typed);
            QCOMPARE(storedNow(), before);
            return;
        }
        const QDate date = QDate::fromString(saved, Qt::ISODate);
        if (leave.startsWith("tab")) {
            QVERIFY(QApplication::focusWidget() != picker);
            QCOMPARE(picker->date(), date);
            QCOMPARE(picker->text(), date.toString("M/d/yyyy"));
            grabIfAsked(screen, QStringLiteral("left-") + QTest::currentDataTag());
        }
        save->click();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(storedNow(), saved);
        QCOMPARE(picker->date(), date);
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
