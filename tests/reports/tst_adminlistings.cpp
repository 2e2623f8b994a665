#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "reports/AdminListings.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"
#include "reports/Viewer.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QtTest>

using MainMod::MainDatabase;
using namespace AdminListings;

namespace {

qint64 insert(const QString& sql, const QVariantList& values)
{
    MainDatabase.execute(sql, values);
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

qint64 addPerson(const QString& last, const QString& first, const QString& middle = {})
{
    return insert(QStringLiteral("INSERT INTO Member (Last_Name, First_Name, Middle_Name) VALUES (?, ?, ?)"),
                  {last, first, middle});
}

// One column of every row, as text.
QStringList column(const ReportEngine::Rows& rows, const QString& name)
{
    QStringList values;
    const int at = rows.column(name);
    for (const auto& row : rows.values)
        values << (row.at(at).isNull() ? QStringLiteral("<null>") : row.at(at).toString());
    return values;
}

QStringList allTexts(const ReportEngine::Document& doc)
{
    QStringList texts;
    for (int p = 0; p < doc.pageCount(); ++p)
        texts << doc.pageTexts(p);
    return texts;
}

void classListing(ClassKind kind)
{
    switch (kind) {
    case ClassKind::SundaySchool:
        Reports::PrintSundaySchoolListingReport();
        break;
    case ClassKind::DiscipleshipTraining:
        Reports::PrintDiscipleshipTrainingClassListingReport();
        break;
    case ClassKind::WednesdayNight:
        Reports::PrintWednesdayNightClassListingReport();
        break;
    }
}

} // namespace

class TestAdminListings : public QObject {
    Q_OBJECT

private slots:
    void classListingsByNameWithTheirTeachers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("title");
        QTest::newRow("Sunday School") << int(ClassKind::SundaySchool) << "Sunday_School"
                                       << "Sunday School Class Listing";
        QTest::newRow("Discipleship") << int(ClassKind::DiscipleshipTraining) << "Discipleship_Training"
                                      << "Discipleship Training Class Listing";
        QTest::newRow("Wednesday") << int(ClassKind::WednesdayNight) << "Wednesday_Night"
                                   << "Wednesday Night Class Listing";
    }
    void classListingsByNameWithTheirTeachers()
    {
        QFETCH(int, kind);
        QFETCH(QString, table);
        QFETCH(QString, title);
        TestDatabase tdb;
        RecordingOutput output;
        MainMod::ChurchName = QStringLiteral("Grace Church");
        const qint64 ann = addPerson(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 bob = addPerson(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const QString add = QStringLiteral("INSERT INTO %1 (Name, Description, Teacher, Asst_Teacher, Location, Notes) "
                                           "VALUES (?, ?, ?, ?, ?, ?)")
                                .arg(table);
        insert(add, {QStringLiteral("Youth"), QStringLiteral("Teens"), ann, bob, QStringLiteral("Room 2"), QVariant()});
        insert(add, {QStringLiteral("adults"), QString(), QVariant(), QVariant(), QString(),
                     QStringLiteral("Meets in the hall.\nBring a Bible.")});
        insert(add, {QStringLiteral("Babies"), QString(), 999, ann, QString(), QString()}); // teacher gone

        const ReportEngine::Rows rows = classListingRows(ClassKind(kind));
        QCOMPARE(rows.columns,
                 (QStringList{"ID", "Name", "Description", "TeacherName", "AsstTeacherName", "Location", "Notes"}));
        QCOMPARE(column(rows, QStringLiteral("Name")), (QStringList{"adults", "Babies", "Youth"}));
        QCOMPARE(column(rows, QStringLiteral("TeacherName")), (QStringList{", ", ", ", "Smith, Ann"}));
        QCOMPARE(column(rows, QStringLiteral("AsstTeacherName")), (QStringList{", ", "Smith, Ann", "Jones, Bob"}));

        classListing(ClassKind(kind));
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        QCOMPARE(output.deliveries.last().report.rights, QStringList{QStringLiteral("Administrative Report")});
        const QStringList texts = output.last().pageTexts(0);
        QCOMPARE(texts.mid(0, 4), (QStringList{"Grace Church", "Printed", "12/7/2026", title}));
        // The notes print in full, line by line, under their class.
        const int adults = texts.indexOf(QStringLiteral("adults"));
        QCOMPARE(texts.mid(adults + 1, 2), (QStringList{"Meets in the hall.", "Bring a Bible."}));
        QVERIFY(texts.contains(QStringLiteral("Room 2")));
        QCOMPARE(texts.at(texts.indexOf(QStringLiteral("Number of classes:")) + 1), QStringLiteral("3"));
    }

    void careGroupsByClassThenLeader()
    {
        TestDatabase tdb;
        const qint64 ann = addPerson(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 bob = addPerson(QStringLiteral("jones"), QStringLiteral("Bob"));
        const qint64 cy = addPerson(QStringLiteral("Adams"), QStringLiteral("Cy"));
        const qint64 adults = insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults')"), {});
        const qint64 youth = insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Youth')"), {});
        const QString add = QStringLiteral(
            "INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, Sunday_School_Class, Notes) VALUES (?, ?, ?, ?)");
        insert(add, {ann, bob, youth, QStringLiteral("youth group")});
        insert(add, {ann, QVariant(), adults, QVariant()});
        insert(add, {bob, cy, adults, QVariant()});
        insert(add, {cy, QVariant(), QVariant(), QVariant()}); // no class: first
        const ReportEngine::Rows rows = careGroupListingRows();
        QCOMPARE(rows.columns, (QStringList{"ID", "LeaderName", "AsstLeaderName", "SSName", "Notes"}));
        QCOMPARE(column(rows, QStringLiteral("LeaderName")),
                 (QStringList{"Adams, Cy", "jones, Bob", "Smith, Ann", "Smith, Ann"}));
        QCOMPARE(column(rows, QStringLiteral("SSName")), (QStringList{"<null>", "Adults", "Adults", "Youth"}));
        QCOMPARE(column(rows, QStringLiteral("AsstLeaderName")), (QStringList{", ", "Adams, Cy", ", ", "jones, Bob"}));
    }

    void responsibilitiesWithEveryHoldingAndTheUnheldOnce()
    {
        TestDatabase tdb;
        RecordingOutput output;
        const qint64 ann = addPerson(QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("B"));
        const qint64 bob = addPerson(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const QString resp = QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)");
        insert(resp, {QStringLiteral("Usher"), QStringLiteral("Greets")});
        insert(resp, {QStringLiteral("Deacon"), QStringLiteral("Serves")});
        insert(resp, {QStringLiteral("Organist"), QVariant()});
        const QString hold = QStringLiteral(
            "INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") VALUES (?, ?, ?, ?)");
        insert(hold, {ann, QStringLiteral("usher"), QStringLiteral("2020-01-05"), QStringLiteral("2024-12-29")});
        insert(hold, {bob, QStringLiteral("Usher"), QStringLiteral("2019-01-06"), QStringLiteral("2022-06-05")});
        insert(hold, {ann, QStringLiteral("Deacon"), QStringLiteral("2021-03-07"), QVariant()});
        const ReportEngine::Rows rows = churchRespListingRows();
        QCOMPARE(rows.columns, (QStringList{"Name", "Description", "ID", "MemberName", "Start", "End"}));
        QCOMPARE(column(rows, QStringLiteral("Name")), (QStringList{"Deacon", "Organist", "Usher", "Usher"}));
        QCOMPARE(column(rows, QStringLiteral("MemberName")),
                 (QStringList{"Smith, Ann B", "<null>", "Jones, Bob ", "Smith, Ann B"}));
        QCOMPARE(column(rows, QStringLiteral("Start")).at(1), QStringLiteral("<null>"));
        QCOMPARE(column(rows, QStringLiteral("End")).at(1), QStringLiteral("<null>"));

        Reports::PrintChurchRespListingReport();
        const QStringList texts = allTexts(output.last());
        const int usher = texts.indexOf(QStringLiteral("Usher"));
        QCOMPARE(texts.mid(usher, 8), (QStringList{"Usher", "Greets", "Jones, Bob ", "1/6/2019", "6/5/2022",
                                                   "Smith, Ann B", "1/5/2020", "12/29/2024"}));
        QCOMPARE(texts.count(QStringLiteral("Organist")), 1);
    }

    void emptyTablesGiveEmptyListings()
    {
        TestDatabase tdb;
        RecordingOutput output;
        ScriptedMessages messages;
        Reports::PrintSundaySchoolListingReport();
        Reports::PrintCareGroupListingReport();
        Reports::PrintChurchRespListingReport();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(output.deliveries.size(), 3);
        for (const auto& delivery : output.deliveries) {
            QCOMPARE(delivery.report.document->pageCount(), 1);
            QVERIFY(delivery.report.document->pageTexts(0).contains(delivery.report.document->title));
            QVERIFY(delivery.busyPointer);
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aFailedQueryNamesTheReportAndTheProgramGoesOn()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainDatabase.execute(QStringLiteral("DROP TABLE Care_Group"));
        Reports::PrintCareGroupListingReport();
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.startsWith(
            QStringLiteral("The report \"Care Group Listing\" could not be produced.")));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!ScreenRegistry::isOpen(QStringLiteral("Viewer")));
        // The next report still works.
        Reports::PrintSundaySchoolListingReport();
        QCOMPARE(messages.count(), 1);
        QVERIFY(ScreenRegistry::isOpen(QStringLiteral("Viewer")));
    }

    // The five listings of the demonstration church, from the menu to the viewer. With KOV_GRAB_DIR set, each is
    // also written to a PDF and the viewer is grabbed.
    void demoChurchListingsFromTheMenu()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserID = DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        MainMod::LoadChurchInfo();
        MDI mdi;
        ScreenRegistry::setArea(area.area());
        const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
        const QStringList commands{"SSClassListing", "DiscTrainingClassListing", "WedNightClassListing",
                                   "CareGroupListing", "ChurchResponsibilityListing"};
        const QStringList tables{"Sunday_School", "Discipleship_Training", "Wednesday_Night"};
        for (int i = 0; i < commands.size(); ++i) {
            mdi.runCommand(commands.at(i));
            QCOMPARE(messages.count(), 0);
            auto* viewer = ScreenRegistry::find<Viewer>();
            QVERIFY(viewer);
            QCOMPARE(area.area()->subWindowList().size(), 1);
            QCOMPARE(viewer->rights(), QStringList{QStringLiteral("Administrative Report")});
            const QStringList texts = allTexts(*viewer->document());
            QVERIFY(texts.contains(MainMod::ChurchName));
            if (i < tables.size()) {
                Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Name FROM %1").arg(tables.at(i)));
                // A long name wraps onto lines of its own, placed one after the other.
                QStringList placed;
                for (const ReportEngine::Page& page : viewer->document()->pages)
                    for (const ReportEngine::Run& run : page.runs)
                        placed << run.text;
                const QString joined = placed.join(QLatin1Char(' '));
                for (; !rs.Eof(); rs.MoveNext())
                    QVERIFY2(joined.contains(rs.Text(QStringLiteral("Name"))), qPrintable(rs.Text("Name")));
            }
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                QVERIFY(ReportOutput::writePdf(*viewer->document(), QDir(folder).filePath(commands.at(i) + ".pdf")));
                grabIfAsked(viewer->window(), QStringLiteral("Viewer-") + commands.at(i));
            }
        }
    }
};

QTEST_MAIN(TestAdminListings)
#include "tst_adminlistings.moc"
