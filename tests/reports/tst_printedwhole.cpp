#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "NewDatabase.h"
#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/Clock.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"
#include "reports/engine/TextMeasure.h"
#include "reports/frmContributionsEntryControlReport.h"
#include "reports/frmMemberContributionsReport.h"
#include "shell/ScreenRegistry.h"

#include <QDateEdit>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using ReportEngine::Align;
using ReportEngine::Document;
using ReportEngine::Run;

namespace {

// Where a run's text lands on its page, measured as the layout measures it.
QRectF inkOf(const Document& doc, const Run& run, ReportEngine::TextMeasure& measure)
{
    const double width = measure.width(doc.fonts.at(run.font), run.text);
    const double left = run.align == Align::Right    ? run.rect.right() - width
                        : run.align == Align::Center ? run.rect.center().x() - width / 2
                                                     : run.rect.left();
    return QRectF(left, run.rect.top(), width, run.rect.height());
}

// Every run cut short, wider than its box, off its page, or printed over another on its line.
QStringList faultsOf(const Document& doc)
{
    ReportEngine::TextMeasure measure;
    QStringList faults;
    for (int p = 0; p < doc.pageCount(); ++p) {
        const auto& runs = doc.pages.at(p).runs;
        QVector<QRectF> ink;
        for (const Run& run : runs) {
            ink << inkOf(doc, run, measure);
            if (run.text.contains(QChar(0x2026)))
                faults << QStringLiteral("cut: ") + run.text;
            if (ink.last().width() > run.rect.width() + 0.05)
                faults << QStringLiteral("wider than its box: ") + run.text;
            if (ink.last().left() < 0 || ink.last().right() > doc.pageSize.width())
                faults << QStringLiteral("off the page: ") + run.text;
        }
        for (int i = 0; i < runs.size(); ++i)
            for (int j = i + 1; j < runs.size(); ++j) {
                const QRectF a = ink.at(i);
                const QRectF b = ink.at(j);
                const double across = std::min(a.right(), b.right()) - std::max(a.left(), b.left());
                const double down = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
                if (across > 0.5 && down > std::min(a.height(), b.height()) / 2 && !runs.at(i).text.isEmpty() &&
                    !runs.at(j).text.isEmpty())
                    faults << QStringLiteral("over each other: %1 / %2").arg(runs.at(i).text, runs.at(j).text);
            }
    }
    return faults;
}

// The text of a column from the run that starts with a text, following the lines under it (a wrapped line
// stands where a single one would, a little under the line above).
QString columnFrom(const Document& doc, const QString& start, int* page = nullptr, double* left = nullptr)
{
    for (int p = 0; p < doc.pageCount(); ++p) {
        const auto& runs = doc.pages.at(p).runs;
        for (const Run& first : runs) {
            if (first.text.size() < std::min<qsizetype>(4, start.size()) || !start.startsWith(first.text.left(4)))
                continue;
            QString text = first.text;
            QRectF last = first.rect;
            for (bool more = true; more;) {
                more = false;
                for (const Run& next : runs)
                    if (qAbs(next.rect.left() - first.rect.left()) < 0.01 && next.rect.top() > last.bottom() - 0.01 &&
                        next.rect.top() < last.bottom() + 2) {
                        text += QLatin1Char(' ') + next.text;
                        last = next.rect;
                        more = true;
                        break;
                    }
            }
            if (page)
                *page = p;
            if (left)
                *left = first.rect.left();
            return text;
        }
    }
    return {};
}

// Without blanks and commas: lines wrap at a blank, and the lists join street and town with commas.
QString plain(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\s,]")));
    return text;
}

// Writes each report it is given to a PDF file of its own, as Export PDF writes it.
class PdfFiles : public ReportOutput::Output {
public:
    explicit PdfFiles(const QString& folder) : m_folder(folder)
    {
        QDir().mkpath(folder);
        ReportOutput::install(this);
    }
    ~PdfFiles() override { ReportOutput::install(nullptr); }

    bool deliver(const ReportOutput::Report& report, ReportOutput::Mode) override
    {
        const QString& title = report.document->title;
        const QString file = QDir(m_folder).filePath(QStringLiteral("%1 %2.pdf").arg(written.size()).arg(title));
        written.append({title, file});
        return ReportOutput::writePdf(*report.document, file);
    }

    QList<QPair<QString, QString>> written; // title and file of each report

private:
    QString m_folder;
};

QList<qint64> idsOf(const QString& sql)
{
    QList<qint64> ids;
    MainMod::MainDatabase.forEachRow(sql, {}, [&ids](const QSqlQuery& query) { ids << query.value(0).toLongLong(); });
    return ids;
}

} // namespace

class TestPrintedWhole : public QObject {
    Q_OBJECT

private slots:
    // Amounts, totals, references and envelope numbers of the contribution reports print whole, however large
    // or long, when the office runs them from their dialogs.
    void moneyAndReferencesPrintWhole_data()
    {
        QTest::addColumn<bool>("statement");
        QTest::addColumn<QList<double>>("amounts");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("total");
        QTest::newRow("control: a year of a large church") << false << QList<double>{3000000, 794340} << "1042"
                                                           << "$3,794,340.00";
        QTest::newRow("control: a designation of ten million") << false << QList<double>{12345678.9, 0.1} << "5517"
                                                               << "$12,345,679.00";
        QTest::newRow("control: a billion") << false << QList<double>{1234567890, 0.12} << "8830"
                                            << "$1,234,567,890.12";
        QTest::newRow("control: a long reference") << false << QList<double>{25, 50} << "CHK-2026-000123456789"
                                                   << "$75.00";
        QTest::newRow("statement: ten million and a long reference")
            << true << QList<double>{10000000, 0.5} << "WIRE-TRANSFER-2026-000987654321-CEDAR-HOLLOW-BANK"
            << "$10,000,000.50";
    }
    void moneyAndReferencesPrintWhole()
    {
        QFETCH(bool, statement);
        QFETCH(QList<double>, amounts);
        QFETCH(QString, reference);
        QFETCH(QString, total);
        TestDatabase tdb;
        TestArea area;
        RecordingOutput output;
        const qint64 giver = addPerson(QStringLiteral("Adams"), QStringLiteral("Amy"));
        const QString envelope = QStringLiteral("12345678901234567890");
        for (double amount : amounts)
            addRow(QStringLiteral("Member_Contributions"), {{"MemberID", giver},
                                                            {"ContributionDate", "2026-12-06"},
                                                            {"EnvelopeNumber", envelope},
                                                            {"Amount", amount},
                                                            {"RefNumber", reference},
                                                            {"Designation", "General Fund"},
                                                            {"UserName", "clerk"},
                                                            {"DateEntered", "2026-12-07 09:00:00"}});
        if (statement) {
            auto* dialog = ScreenRegistry::load<frmMemberContributionsReport>();
            dialog->dtStartDate->setDate(QDate(2026, 1, 1));
            QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        } else {
            QTest::mouseClick(ScreenRegistry::load<frmContributionsEntryControlReport>()->btnOK, Qt::LeftButton);
        }
        QCOMPARE(output.deliveries.size(), 1);
        const Document& doc = output.last();
        QCOMPARE(faultsOf(doc), QStringList());
        QStringList texts;
        for (int p = 0; p < doc.pageCount(); ++p)
            texts << doc.pageTexts(p);
        for (double amount : amounts)
            QVERIFY2(texts.contains(Format::moneyCell(amount)), qPrintable(Format::moneyCell(amount)));
        // The designation's total and the report's total (the control report shows both).
        QCOMPARE(texts.count(total), 2);
        QCOMPARE(plain(columnFrom(doc, reference)).left(reference.size()), reference);
        QCOMPARE(plain(columnFrom(doc, envelope)).left(envelope.size()), envelope);
    }

    // The whole address, street to ZIP, stands in one column of the lists and on the label, never cut; so does every
    // value a sheet asks the member to check, and a prospect's contacts go on under the prospect's name. Visitors,
    // e-mails and teachers too wide for their columns print whole in them, set smaller or wrapped.
    void addressesPrintWhole_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("city"); // empty where the report shows no address
        QTest::addColumn<bool>("heading"); // the column is headed "Address"
        QTest::addColumn<bool>("oneLine"); // the town line stands on one line
        // Stored over the usual values; "class" names the class, "contacts" counts the prospect's contacts,
        // "visitors" ("Last, First Middle") make one more contact, "teachers" ("Last, First") teach the class.
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QStringList>("whole"); // each stands whole in a column of its own
        const QString town = QStringLiteral("Lake Saint Catherine Village");
        const QString longest = QStringLiteral("Saint Catherine of the Lake Village Township North");
        const QVariantMap none;
        const QStringList nothing;
        QTest::newRow("short prospect list") << "short prospect list" << town << true << false << none << nothing;
        QTest::newRow("Sunday School roll") << "Sunday School roll" << town << true << false << none << nothing;
        QTest::newRow("member list") << "member list" << town << false << true << none << nothing;
        QTest::newRow("mailing labels") << "mailing labels" << town << false << true << none << nothing;
        QTest::newRow("mailing labels, longest town")
            << "mailing labels" << longest << false << false << none << nothing;
        QTest::newRow("mailing labels, three long lines")
            << "mailing labels"
            << "Lower Saint Catherine of the Lake Village North" << false << false
            << QVariantMap{{"Address_1", "Magnolia Terrace Retirement Community, Apt 4127"},
                           {"Address_2", "Westmoreland Memorial Wing, Mailroom No. 2048"}}
            << nothing;
        for (const char* list : {"prospect list", "Sunday School prospect listing"})
            QTest::newRow(list) << list << town << false << true << QVariantMap{{"contacts", 40}} << nothing;
        QTest::newRow("update sheet") << "update sheet" << town << false << true
                                      << QVariantMap{{"Last_Name", "Whitfield-Montgomery-Castellanos-Abernathy"},
                                                     {"Previous_Church", "First Missionary Baptist Church of Lakeside"},
                                                     {"Place_Of_Work", "Cumberland Regional Medical Center, West Wing"},
                                                     {"class", "Young Married Adults and Newcomers Fellowship"}}
                                      << nothing;
        // Of each pair of visitors, teachers or e-mails, one is too long even for the smallest type and wraps; the
        // other is set smaller.
        const QStringList visitors{"Castellanos-Abernathy, Maximiliana Josephine", "Richardson-Whitaker, Daniel"};
        for (const char* list : {"prospect list", "Sunday School prospect listing"})
            QTest::newRow(qPrintable(list + QStringLiteral(", long visitors")))
                << list << town << false << true << QVariantMap{{"contacts", 40}, {"visitors", visitors}} << visitors;
        QTest::newRow("contact sheet, long visitors")
            << "contact sheet" << town << false << true << QVariantMap{{"visitors", visitors}}
            << QStringList{"Castellanos-Abernathy, Maximiliana", "Richardson-Whitaker, Daniel"};
        for (const QString email :
             {"alexandra.whitfield-montgomery.castellanos@example.com", "alexandra.whitfield@example.com"})
            QTest::newRow(qPrintable("birthday list, " + email)) << "birthday list" << QString() << false << false
                                                                 << QVariantMap{{"Email", email}} << QStringList{email};
        const QStringList teachers{"Richardson, Catherine", "Castellanos-Abernathy, Maximiliana"};
        for (const char* listing :
             {"Sunday School listing", "Discipleship Training listing", "Wednesday Night listing"})
            QTest::newRow(qPrintable(listing + QStringLiteral(", long teachers")))
                << listing << QString() << false << false << QVariantMap{{"teachers", teachers}} << teachers;
    }
    void addressesPrintWhole()
    {
        QFETCH(QString, report);
        QFETCH(QString, city);
        QFETCH(bool, heading);
        QFETCH(bool, oneLine);
        QFETCH(QVariantMap, values);
        QFETCH(QStringList, whole);
        TestDatabase tdb;
        RecordingOutput output;
        const int contacts = values.take(QStringLiteral("contacts")).toInt();
        // People named "Last, First Middle".
        auto people = [&values](const QString& key) {
            QList<qint64> ids;
            for (const QString& name : values.take(key).toStringList()) {
                const QStringList firstAndMiddle = name.section(QStringLiteral(", "), 1).split(QLatin1Char(' '));
                ids << addPerson(name.section(QStringLiteral(", "), 0, 0), firstAndMiddle.first(),
                                 {{"Middle_Name", firstAndMiddle.mid(1).join(QLatin1Char(' '))}});
            }
            return ids;
        };
        const QList<qint64> visitors = people(QStringLiteral("visitors"));
        const QList<qint64> teachers = people(QStringLiteral("teachers"));
        const qint64 adults = addRow(QStringLiteral("Sunday_School"), {{"Name", values.value("class", "Adults")}});
        values.remove(QStringLiteral("class"));
        const QString street =
            values.value("Address_1", "12345 Old Hickory Ridge Road Extension, Building C").toString();
        const QString second = values.value("Address_2", "Apartment 1234, Rear Entrance").toString();
        const qint64 person =
            addPerson(QStringLiteral("Whitfield-Montgomery"), QStringLiteral("Alexandra"),
                      {{"Status", report == QLatin1String("short prospect list") ? "Prospect" : "Member"},
                       {"Prospect_Active_Status", "Active"},
                       {"Member_Active_Status", "Active"},
                       {"Sunday_School_Class", adults},
                       {"Prospect_Sunday_School_Class_Assigned", adults},
                       {"Address_1", street},
                       {"Address_2", second},
                       {"City", city},
                       {"State", "TN"},
                       {"Zip", "37150-1234"}});
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            MainMod::MainDatabase.execute(QStringLiteral("UPDATE Member SET %1 = ? WHERE ID = ?").arg(it.key()),
                                          {it.value(), person});
        for (int i = 0; i < contacts; ++i)
            addRow(QStringLiteral("Prospect_Contact"), {{"Prospect_ID", person}, {"Action", "Visit"}});
        if (!visitors.isEmpty())
            addRow(QStringLiteral("Prospect_Contact"), {{"Prospect_ID", person},
                                                        {"Contact_Date", "2026-11-07"},
                                                        {"Action", "Visit"},
                                                        {"Visitor1", visitors.at(0)},
                                                        {"Visitor2", visitors.at(1)}});
        if (!teachers.isEmpty())
            addRow(report.section(QLatin1Char(' '), 0, -2).replace(QLatin1Char(' '), QLatin1Char('_')),
                   {{"Name", "Young Adults"}, {"Teacher", teachers.at(0)}, {"Asst_Teacher", teachers.at(1)}});
        if (report == QLatin1String("short prospect list"))
            Reports::PrintProspectNavigatorShortReport({person}, true);
        else if (report == QLatin1String("prospect list"))
            Reports::PrintProspectNavigatorReport({person}, true);
        else if (report == QLatin1String("Sunday School prospect listing"))
            QVERIFY(Reports::PrintSundaySchoolProspectListingReport(adults, true));
        else if (report == QLatin1String("update sheet"))
            QVERIFY(Reports::PrintMemberInfoUpdateReport(person, true));
        else if (report == QLatin1String("contact sheet"))
            QVERIFY(Reports::PrintProspectVisitationSheetReport(person, true));
        else if (report == QLatin1String("birthday list"))
            Reports::PrintMemberNavigatorDOBAnnivReport({person}, true);
        else if (report == QLatin1String("Sunday School listing"))
            Reports::PrintSundaySchoolListingReport();
        else if (report == QLatin1String("Discipleship Training listing"))
            Reports::PrintDiscipleshipTrainingClassListingReport();
        else if (report == QLatin1String("Wednesday Night listing"))
            Reports::PrintWednesdayNightClassListingReport();
        else if (report == QLatin1String("Sunday School roll"))
            QVERIFY(Reports::PrintSundaySchoolRollReport(true, QDate(2026, 12, 13)));
        else if (report == QLatin1String("member list"))
            Reports::PrintMemberNavigatorReport({person}, true);
        else
            Reports::PrintMailingLabels({person});
        const Document& doc = output.last();
        QCOMPARE(faultsOf(doc), QStringList());
        for (const QString& value : whole)
            QVERIFY2(plain(columnFrom(doc, value)).startsWith(plain(value)), qPrintable(columnFrom(doc, value)));
        if (city.isEmpty())
            return;
        int page = -1;
        double left = -1;
        const QString column = columnFrom(doc, street, &page, &left);
        QCOMPARE(plain(column), plain(street + second + city + QStringLiteral("TN 37150-1234")));
        if (heading) {
            bool headed = false;
            for (const Run& run : doc.pages.at(page).runs)
                headed = headed || (run.text == QLatin1String("Address") && qAbs(run.rect.left() - left) < 0.01);
            QVERIFY(headed);
        }
        // The town line stands whole on one line unless even a label's smallest type cannot hold it.
        if (oneLine)
            QVERIFY(doc.pageTexts(page).contains(city + QStringLiteral(", TN 37150-1234")));
        // A page the contacts go on to names their prospect above their headings.
        QCOMPARE(doc.pageCount() > 1, contacts > 0);
        for (int p = 1; p < doc.pageCount(); ++p)
            QVERIFY(doc.pageTexts(p).join('|').contains("Whitfield-Montgomery, Alexandra|(continued)|Contact|Action"));
    }

    // Every report of the demo church, written to PDF files, reads whole: no value ends in "…".
    void demoChurchPrintsNothingCut()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
        TestDatabase tdb;
        MainMod::MainDatabase.close();
        NewDatabase::Options options;
        options.userName = QStringLiteral("admin");
        options.password = QStringLiteral("admin");
        options.demo = true;
        NewDatabase::create(MainMod::MainDatabase, QDir(tdb.folder()).filePath(QStringLiteral("demo.db")), options);
        MainMod::LoadChurchInfo();
        PdfFiles files(QDir(tdb.folder()).filePath(QStringLiteral("printed reports")));

        const QList<qint64> everybody = idsOf(QStringLiteral("SELECT ID FROM Member"));
        const QDate today = Clock::today();
        Reports::PrintSundaySchoolListingReport();
        Reports::PrintDiscipleshipTrainingClassListingReport();
        Reports::PrintWednesdayNightClassListingReport();
        Reports::PrintCareGroupListingReport();
        Reports::PrintChurchRespListingReport();
        Reports::PrintContributionsEntryControlReport(today.addYears(-20), today);
        Reports::PrintMemberContributionsReport(Reports::kAllMembers, today.addYears(-20), today);
        Reports::PrintMemberNavigatorReport(everybody, true);
        Reports::PrintMemberNavigatorDOBAnnivReport(everybody, true);
        Reports::PrintProspectNavigatorReport(everybody, true);
        Reports::PrintProspectNavigatorShortReport(everybody, true);
        Reports::PrintMailingLabels(everybody);
        Reports::PrintAttendanceNavigatorCountReport(everybody, today.addYears(-1), today, 52, true);
        QVERIFY(Reports::PrintSundaySchoolRollReport(true, today));
        QVERIFY(Reports::PrintDiscipleshipTrainingRollReport(true, today));
        QVERIFY(Reports::PrintWednesdayNightRollReport(true, today));
        for (qint64 id : idsOf(QStringLiteral("SELECT ID FROM Sunday_School")))
            QVERIFY(Reports::PrintSundaySchoolProspectListingReport(id, false));
        for (qint64 id : everybody) {
            QVERIFY(Reports::PrintProspectVisitationSheetReport(id, false));
            QVERIFY(Reports::PrintMemberInfoUpdateReport(id, false));
        }

        QSet<QString> titles;
        for (const auto& [title, file] : std::as_const(files.written)) {
            QProcess process;
            process.start(pdftotext, {QStringLiteral("-raw"), file, QStringLiteral("-")});
            QVERIFY(process.waitForFinished(60000));
            const QString text = QString::fromUtf8(process.readAllStandardOutput());
            QVERIFY2(!text.isEmpty(), qPrintable(title));
            const qsizetype cut = text.indexOf(QChar(0x2026));
            QVERIFY2(cut < 0, qPrintable(title + QStringLiteral(": ") + text.mid(cut - 40, 41)));
            titles.insert(title);
        }
        QCOMPARE(titles.size(), 19);
    }
};

QTEST_MAIN(TestPrintedWhole)
#include "tst_printedwhole.moc"
