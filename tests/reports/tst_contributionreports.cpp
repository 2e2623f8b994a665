#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/Format.h"
#include "core/MainMod.h"
#include "members/MoneyEdit.h"
#include "members/frmContributionEntry.h"
#include "reports/ContributionReports.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"
#include "reports/Viewer.h"
#include "reports/frmContributionsEntryControlReport.h"
#include "reports/frmMemberContributionsReport.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

const QDate kToday(2026, 12, 7); // the test clock

qint64 insert(const QString& sql, const QVariantList& values)
{
    MainDatabase.execute(sql, values);
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

qint64 addPerson(const QString& last, const QString& first, const QString& middle = {},
                 const QString& address = QStringLiteral("1 Elm St"), const QString& envelope = {})
{
    return insert(QStringLiteral("INSERT INTO Member (Last_Name, First_Name, Middle_Name, Address_1, City, State, Zip, "
                                 "Envelope) VALUES (?, ?, ?, ?, 'Cedar Hollow', 'TN', '37150', ?)"),
                  {last, first, middle, address, envelope});
}

qint64 addGift(qint64 member, const QString& date, double amount, const QString& designation,
               const QString& entered = QStringLiteral("2026-12-07 09:00:00"), const QString& envelope = {})
{
    return insert(
        QStringLiteral("INSERT INTO Member_Contributions (MemberID, ContributionDate, EnvelopeNumber, Amount, "
                       "RefNumber, Designation, UserName, DateEntered) VALUES (?, ?, ?, ?, '', ?, 'clerk', ?)"),
        {member, date, envelope, amount, designation, entered});
}

QStringList allTexts(const ReportEngine::Document& doc)
{
    QStringList texts;
    for (int p = 0; p < doc.pageCount(); ++p)
        texts << doc.pageTexts(p);
    return texts;
}

// The texts of a page's line that holds the given text, left to right; the last such line when asked.
QStringList lineOf(const ReportEngine::Document& doc, int page, const QString& first, bool lastLine = false)
{
    const auto& runs = doc.pages.at(page).runs;
    for (int i = 0; i < runs.size(); ++i) {
        const ReportEngine::Run& run = runs.at(lastLine ? runs.size() - 1 - i : i);
        if (run.text != first)
            continue;
        QList<const ReportEngine::Run*> line;
        for (const ReportEngine::Run& other : doc.pages.at(page).runs)
            if (qAbs(other.rect.top() - run.rect.top()) < 2) // a box that grows sets its first line a little lower
                line << &other;
        std::sort(line.begin(), line.end(), [](auto a, auto b) { return a->rect.left() < b->rect.left(); });
        QStringList texts;
        for (const auto* r : line)
            texts << r->text;
        return texts;
    }
    return {};
}

void writePdfIfAsked(const ReportEngine::Document& doc, const QString& name)
{
    const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(ReportOutput::writePdf(doc, QDir(folder).filePath(name + QStringLiteral(".pdf"))));
}

void setChurch()
{
    MainMod::ChurchName = QStringLiteral("Grace Church");
    MainMod::ChurchAddress1 = QStringLiteral("100 Church St");
    MainMod::ChurchCity = QStringLiteral("Cedar Hollow");
    MainMod::ChurchState = QStringLiteral("TN");
    MainMod::ChurchZip = QStringLiteral("37150");
    MainMod::ChurchPhone = QStringLiteral("(615) 555-0100");
}

} // namespace

class TestContributionReports : public QObject {
    Q_OBJECT

private slots:
    void init() { setChurch(); }

    // Whether a gift saved at a moment is on the list of 12/1 to 12/6.
    void entryControlTakesWholeDays_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<bool>("listed");
        QTest::newRow("first second") << "2026-12-01 00:00:00" << true;
        QTest::newRow("date only") << "2026-12-01" << true;
        QTest::newRow("last second") << "2026-12-06 23:59:59" << true;
        QTest::newRow("next midnight") << "2026-12-07 00:00:00" << false;
        QTest::newRow("day before") << "2026-11-30 23:59:59" << false;
    }
    void entryControlTakesWholeDays()
    {
        QFETCH(QString, entered);
        QFETCH(bool, listed);
        TestDatabase tdb;
        const qint64 amy = addPerson("Adams", "Amy");
        addGift(amy, "2026-11-01", 5, "General Fund", entered);
        const ReportEngine::Rows rows = ContributionReports::entryControlRows(QDate(2026, 12, 1), QDate(2026, 12, 6));
        QCOMPARE(rows.size(), listed ? 1 : 0);
    }

    void entryControlListsInEntryOrderWithTotals()
    {
        TestDatabase tdb;
        RecordingOutput output;
        const qint64 zoe = addPerson("Young", "Zoe");
        const qint64 amy = addPerson("Adams", "Amy");
        const qint64 gone = addPerson("Gone", "Gus");
        addGift(zoe, "2026-12-06", 0.10, "Missions", "2026-12-07 08:00:00", "007");
        addGift(amy, "2026-12-06", 1234.5, "General Fund", "2026-12-07 08:01:00", "12");
        addGift(zoe, "2026-12-06", 0.20, "missions", "2026-12-07 08:02:00", "007");
        addGift(gone, "2026-12-06", -5, "General Fund", "2026-12-07 08:03:00");
        MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = ?"), {gone}); // a gift left behind
        addGift(amy, "2026-12-06", 99, "General Fund", "2026-12-08 08:00:00");           // the next day

        Reports::PrintContributionsEntryControlReport(kToday, kToday);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        QCOMPARE(output.deliveries.last().report.rights, QStringList{QStringLiteral("Member Contributions")});
        const ReportEngine::Document& doc = output.last();
        QVERIFY(doc.landscape);
        QCOMPARE(doc.pageCount(), 1);
        const QStringList texts = doc.pageTexts(0);
        QVERIFY(texts.contains(QStringLiteral("12/7/2026 to 12/7/2026")));
        QVERIFY(texts.contains(QStringLiteral("Grace Church")));
        // In the order entered; envelope numbers as typed, amounts as money.
        QCOMPARE(lineOf(doc, 0, "1"), (QStringList{"1", "Young, Zoe ", "12/6/2026", "007", "Missions", "$0.10", "clerk",
                                                   "12/7/2026 8:00:00 AM"}));
        QCOMPARE(lineOf(doc, 0, "2").at(5), QStringLiteral("$1,234.50"));
        QCOMPARE(lineOf(doc, 0, "3").at(1), QStringLiteral("Young, Zoe "));
        QCOMPARE(lineOf(doc, 0, "4").mid(1, 1), QStringList{"12/6/2026"}); // the giver is gone, the gift is listed
        // Totals per designation (letter case aside) and in all, in cents.
        QCOMPARE(lineOf(doc, 0, "General Fund", true), (QStringList{"General Fund", "2", "$1,229.50"}));
        QCOMPARE(lineOf(doc, 0, "Missions", true), (QStringList{"Missions", "2", "$0.30"}));
        QCOMPARE(lineOf(doc, 0, "Total of all contributions"),
                 (QStringList{"Total of all contributions", "4", "$1,229.80"}));
        writePdfIfAsked(doc, QStringLiteral("EntryControl-small"));
    }

    void statementsForEveryGiverApartAndInCents()
    {
        TestDatabase tdb;
        RecordingOutput output;
        const qint64 john1 = addPerson("Smith", "John", {}, "1 Elm St", "101");
        const qint64 john2 = addPerson("Smith", "John", {}, "9 Oak Ave", "202");
        const qint64 amy = addPerson("adams", "Amy", "B", QString(), "303");
        addPerson("Nogift", "Ned");
        addGift(john1, "2026-01-01", 0.10, "General Fund"); // the first day
        addGift(john1, "2026-12-31", 0.20, "General Fund"); // the last day
        addGift(john1, "2027-01-01", 50, "General Fund");   // the next year
        addGift(john1, "2026-06-07", 5, "Building Fund");
        addGift(john2, "2026-03-01", 40, "General Fund");
        addGift(amy, "2026-05-05", 12.34, "Missions");

        Reports::PrintMemberContributionsReport(Reports::kAllMembers, QDate(2026, 1, 1), QDate(2026, 12, 31));
        const ReportEngine::Document& doc = output.last();
        QVERIFY(!doc.landscape);
        // One letter per giver, by name, then ID; a giver without gifts gets none.
        QCOMPARE(doc.pageCount(), 3);
        const QStringList first = doc.pageTexts(0);
        QCOMPARE(first.mid(0, 4), (QStringList{"Grace Church", "100 Church St  \u00b7  Cedar Hollow, TN 37150",
                                               "Tel: (615) 555-0100", "Contribution Statement"}));
        QVERIFY(first.contains(QStringLiteral("For 1/1/2026 to 12/31/2026")));
        QVERIFY(first.contains(QStringLiteral("Amy B adams")));
        QVERIFY(!first.contains(QString())); // no empty address line
        QCOMPARE(lineOf(doc, 0, "Total contributions"), (QStringList{"Total contributions", "$12.34"}));

        const QStringList john = doc.pageTexts(1);
        QCOMPARE(john.mid(john.indexOf("John Smith"), 3),
                 (QStringList{"John Smith", "1 Elm St", "Cedar Hollow, TN 37150"}));
        QVERIFY(john.contains(QStringLiteral("Envelope No. 101")));
        // Designations in order, each with its subtotal; 0.10 + 0.20 is thirty cents.
        const int building = john.indexOf(QStringLiteral("Building Fund"));
        const int general = john.indexOf(QStringLiteral("General Fund"));
        QVERIFY(building > 0 && general > building);
        QCOMPARE(lineOf(doc, 1, "1/1/2026").last(), QStringLiteral("$0.10"));
        QCOMPARE(lineOf(doc, 1, "12/31/2026").last(), QStringLiteral("$0.20"));
        QVERIFY(!john.contains(QStringLiteral("1/1/2027")));
        QStringList subtotals;
        for (int i = 0; i < john.size(); ++i)
            if (john.at(i) == QLatin1String("Subtotal"))
                subtotals << john.at(i + 1);
        QCOMPARE(subtotals, (QStringList{"$5.00", "$0.30"}));
        QCOMPARE(lineOf(doc, 1, "Total contributions"), (QStringList{"Total contributions", "$5.30"}));

        const QStringList other = doc.pageTexts(2);
        QVERIFY(other.contains(QStringLiteral("9 Oak Ave")));
        QCOMPARE(lineOf(doc, 2, "Total contributions"), (QStringList{"Total contributions", "$40.00"}));

        // One giver alone.
        Reports::PrintMemberContributionsReport(john2, QDate(2026, 1, 1), QDate(2026, 12, 31));
        QCOMPARE(output.last().pageCount(), 1);
        QVERIFY(output.last().pageTexts(0).contains(QStringLiteral("9 Oak Ave")));
    }

    void aLongStatementNamesItsGiverOnEveryPage()
    {
        TestDatabase tdb;
        RecordingOutput output;
        const qint64 amy = addPerson("Adams", "Amy");
        for (int week = 0; week < 52; ++week) {
            addGift(amy, QDate(2026, 1, 4).addDays(7 * week).toString(Qt::ISODate), 25, "General Fund");
            addGift(amy, QDate(2026, 1, 4).addDays(7 * week).toString(Qt::ISODate), 5, "Missions");
        }
        Reports::PrintMemberContributionsReport(amy, QDate(2026, 1, 1), QDate(2026, 12, 31));
        const ReportEngine::Document& doc = output.last();
        QVERIFY(doc.pageCount() >= 3);
        for (int p = 1; p < doc.pageCount(); ++p) {
            const QStringList texts = doc.pageTexts(p);
            QCOMPARE(texts.at(0), QStringLiteral("Grace Church"));
            QVERIFY(texts.contains(QStringLiteral("Amy Adams")));
            QVERIFY(!texts.contains(QStringLiteral("Contribution Statement")));
            QVERIFY(texts.contains(QStringLiteral("(continued)")));
        }
        QCOMPARE(lineOf(doc, doc.pageCount() - 1, "Total contributions").last(), QStringLiteral("$1,560.00"));
        writePdfIfAsked(doc, QStringLiteral("Statement-long"));
    }

    // However the gifts fall on the pages, each page of a statement says whose it is and which of its pages it is,
    // a designation's heading stands over its gifts, and the total comes with the last gifts.
    void statementPagesNameTheirGiverAndCountWithinIt_data()
    {
        QTest::addColumn<int>("general");
        QTest::addColumn<int>("missions");
        QTest::newRow("one page") << 10 << 1;
        QTest::newRow("the last heading falls at the foot of the first page") << 28 << 1;
        QTest::newRow("the total falls alone on the second page") << 30 << 0;
        QTest::newRow("the last heading falls at the foot of the second page") << 72 << 1;
        QTest::newRow("the total falls alone on the third page") << 70 << 0;
    }
    void statementPagesNameTheirGiverAndCountWithinIt()
    {
        QFETCH(int, general);
        QFETCH(int, missions);
        TestDatabase tdb;
        RecordingOutput output;
        const qint64 amy = addPerson("Adams", "Amy", {}, "1 Elm St", "12");
        addGift(addPerson("Brown", "Bob", {}, "2 Oak St", "7"), "2026-03-01", 10, "General Fund");
        for (int i = 0; i < general; ++i)
            addGift(amy, QDate(2026, 1, 1).addDays(i * 4).toString(Qt::ISODate), 25, "General Fund");
        for (int i = 0; i < missions; ++i)
            addGift(amy, QDate(2026, 1, 1).addDays(i * 4).toString(Qt::ISODate), 5, "Missions");
        Reports::PrintMemberContributionsReport(Reports::kAllMembers, QDate(2026, 1, 1), QDate(2026, 12, 31));
        const ReportEngine::Document& doc = output.last();
        const int amyPages = doc.pageCount() - 1;
        static const QRegularExpression date(QStringLiteral("^\\d+/\\d+/2026$"));
        for (int p = 0; p < doc.pageCount(); ++p) {
            const QStringList texts = doc.pageTexts(p);
            const QString lastOfBody = texts.at(texts.size() - 2);
            QVERIFY2(lastOfBody != QLatin1String("General Fund") && lastOfBody != QLatin1String("Missions"),
                     qPrintable(QStringLiteral("page %1 ends with a heading").arg(p + 1)));
            if (texts.contains(QStringLiteral("Total contributions")))
                QVERIFY2(!texts.filter(date).isEmpty(),
                         qPrintable(QStringLiteral("page %1 holds the total without the last gifts").arg(p + 1)));
        }
        for (int p = 0; p < doc.pageCount(); ++p) {
            const QStringList texts = doc.pageTexts(p);
            const bool isAmy = p < amyPages;
            if (isAmy && p > 0) {
                QVERIFY(texts.contains(QStringLiteral("Amy Adams")));
                QVERIFY(texts.contains(QStringLiteral("Envelope No. 12")));
                QVERIFY(texts.contains(QStringLiteral("Amount")));
            }
            QCOMPARE(texts.last(), QStringLiteral("Page %1 of %2").arg(isAmy ? p + 1 : 1).arg(isAmy ? amyPages : 1));
        }
        QCOMPARE(lineOf(doc, amyPages - 1, "Total contributions").last(),
                 ::Format::money(25.0 * general + 5.0 * missions));
    }

    void churchHeaderHasFourLines()
    {
        MainMod::ChurchAddress1.clear();
        QCOMPARE(ContributionReports::churchHeader(),
                 (QStringList{"Grace Church", "", "Cedar Hollow, TN 37150", "Tel: (615) 555-0100"}));
    }

    void dialogsPreselectTodayAndRunTheirReport()
    {
        TestDatabase tdb;
        TestArea area;
        RecordingOutput output;
        const qint64 amy = addPerson("Adams", "Amy");
        insert(QStringLiteral("UPDATE Member SET Title = 'Dr.' WHERE ID = ?"), {amy});
        const qint64 bob = addPerson("Brown", "Bob");
        addGift(amy, "2026-12-07", 10, "General Fund");
        addGift(bob, "2026-12-07", 20, "General Fund");

        auto* control = ScreenRegistry::load<frmContributionsEntryControlReport>();
        QCOMPARE(control->dtStartDate->date(), kToday);
        QCOMPARE(control->dtEndDate->date(), kToday);
        grabIfAsked(control->parentWidget(), QStringLiteral("frmContributionsEntryControlReport"));
        QTest::mouseClick(control->btnCancel, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 0);
        control = ScreenRegistry::load<frmContributionsEntryControlReport>();
        control->dtStartDate->setDate(QDate(2026, 12, 8)); // after the end: nothing found, still shown
        QTest::mouseClick(control->btnOK, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        QVERIFY(!allTexts(output.last()).contains(QStringLiteral("Adams, Amy ")));
        QVERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmContributionsEntryControlReport")));

        auto* statements = ScreenRegistry::load<frmMemberContributionsReport>();
        QCOMPARE(statements->dtStartDate->date(), kToday);
        QCOMPARE(statements->cmbMember->currentText(), QStringLiteral("***All***"));
        // Every person, the database's first one included.
        QCOMPARE(statements->cmbMember->count(),
                 1 + MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt());
        const int amyAt = statements->cmbMember->findText(QStringLiteral("Adams, Amy  Dr."));
        QVERIFY(amyAt > 0);
        grabIfAsked(statements->parentWidget(), QStringLiteral("frmMemberContributionsReport"));
        QTest::mouseClick(statements->btnOK, Qt::LeftButton);
        QCOMPARE(output.last().pageCount(), 2);
        statements = ScreenRegistry::load<frmMemberContributionsReport>();
        statements->cmbMember->setCurrentIndex(statements->cmbMember->findText(QStringLiteral("Brown, Bob  ")));
        QTest::mouseClick(statements->btnOK, Qt::LeftButton);
        QCOMPARE(output.last().pageCount(), 1);
        QVERIFY(output.last().pageTexts(0).contains(QStringLiteral("Bob Brown")));
    }

    // The office's week on the demonstration church: a batch keyed, one gift corrected, one deleted, the entry
    // control list of the day, and the year's statements of every giver. With KOV_GRAB_DIR set, the screen is
    // grabbed and both reports are written to PDF.
    void demoChurchBatchAndStatements()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        RecordingOutput output;
        MainMod::CurrentUserID = DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        MainMod::CurrentUsername = QStringLiteral("admin");
        MainMod::LoadChurchInfo();
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        mdi.runCommand(QStringLiteral("ContributionEntry"));
        auto* entry = ScreenRegistry::find<frmContributionEntry>();
        QVERIFY(entry);
        QApplication::setActiveWindow(area.area());
        entry->dtDate->setDate(kToday.addDays(-1));
        entry->cmbDesignation->setCurrentIndex(entry->cmbDesignation->findText(QStringLiteral("General Fund")));
        const QStringList envelopes{"101", "102", "103", "104", "105"};
        for (int i = 0; i < envelopes.size(); ++i) {
            entry->txtEnv->setFocus();
            QTest::keyClicks(entry->txtEnv, envelopes.at(i));
            entry->txtAmount->setFocus();
            QTest::keyClicks(entry->txtAmount, QString::number(20 + 5 * i));
            if (i == 4)
                grabIfAsked(entry->parentWidget(), QStringLiteral("frmContributionEntry-demo"));
            QTest::mouseClick(entry->btnSave, Qt::LeftButton);
        }
        QCOMPARE(messages.count(), 0);
        const qint64 last =
            MainDatabase.scalar(QStringLiteral("SELECT MAX(ID) FROM Member_Contributions")).toLongLong();
        entry->LoadContribution(last - 1); // correct one
        entry->txtAmount->setFocus();
        entry->txtAmount->selectAll();
        QTest::keyClicks(entry->txtAmount, QStringLiteral("$1,000.00"));
        QTest::mouseClick(entry->btnSave, Qt::LeftButton);
        entry->LoadContribution(last); // delete one
        QTest::mouseClick(entry->btnDelete, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);

        mdi.runCommand(QStringLiteral("ContributionsEntryControlReport"));
        QTest::mouseClick(ScreenRegistry::find<frmContributionsEntryControlReport>()->btnOK, Qt::LeftButton);
        const ReportEngine::Document control = output.last();
        QCOMPARE(lineOf(control, 0, "Total of all contributions"),
                 (QStringList{"Total of all contributions", "4", "$1,075.00"}));
        writePdfIfAsked(control, QStringLiteral("EntryControl-demo"));

        mdi.runCommand(QStringLiteral("MemberContributions"));
        auto* statements = ScreenRegistry::find<frmMemberContributionsReport>();
        statements->dtStartDate->setDate(QDate(2026, 1, 1));
        statements->dtEndDate->setDate(QDate(2026, 12, 31));
        QTest::mouseClick(statements->btnOK, Qt::LeftButton);
        const ReportEngine::Document& all = output.last();
        const int givers = MainDatabase
                               .scalar(QStringLiteral("SELECT COUNT(DISTINCT MemberID) FROM Member_Contributions "
                                                      "WHERE ContributionDate BETWEEN '2026-01-01' AND '2026-12-31'"))
                               .toInt();
        int letters = 0;
        for (int p = 0; p < all.pageCount(); ++p)
            letters += all.pageTexts(p).contains(QStringLiteral("Contribution Statement")) ? 1 : 0;
        QCOMPARE(letters, givers);
        writePdfIfAsked(all, QStringLiteral("Statements-demo"));
    }
};

QTEST_MAIN(TestContributionReports)
#include "tst_contributionreports.moc"
