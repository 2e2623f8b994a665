#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "platform/Transaction.h"
#include "reports/PersonLists.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"

#include <QDir>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

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

// The run that shows a text on a page.
ReportEngine::Run runOf(const ReportEngine::Document& doc, int page, const QString& text)
{
    for (const ReportEngine::Run& run : doc.pages.at(page).runs)
        if (run.text == text)
            return run;
    return {};
}

} // namespace

class TestPersonLists : public QObject {
    Q_OBJECT

private slots:
    void memberListOncePerPersonWithClassesLeaderAndDeacon()
    {
        TestDatabase tdb;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member"));
        const qint64 leader = addPerson("Lee", "Lia");
        const qint64 deacon = addPerson("Dunn", "Dan");
        const qint64 ss = addRow("Sunday_School", {{"Name", "Adults"}});
        const qint64 dt = addRow("Discipleship_Training", {{"Name", "Basics"}});
        const qint64 wn = addRow("Wednesday_Night", {{"Name", "Prayer"}});
        const qint64 cg = addRow("Care_Group", {{"Group_Leader", leader}});
        const qint64 amy2 = addPerson("Abel", "Amy");
        const qint64 amy1 = addPerson("Abel", "Amy");
        const qint64 zoe = addPerson("Zorn", "Zoe",
                                     {{"Sunday_School_Class", ss},
                                      {"Discipleship_Training_Class", dt},
                                      {"Wednesday_Night_Class", wn},
                                      {"Care_Group_Assigned", cg},
                                      {"DeaconID", deacon},
                                      {"Phone", "(615) 555-0101"},
                                      {"Date_Of_Birth", "1970-03-02"}});
        // Zoe twice and an ID that is gone: each listed person once.
        const ReportEngine::Rows rows = PersonLists::memberListRows({zoe, amy1, zoe, amy2, 9999});
        const QStringList fields{"ID",
                                 "Status",
                                 "First_Name",
                                 "Middle_Name",
                                 "Last_Name",
                                 "Title",
                                 "Address_1",
                                 "Address_2",
                                 "City",
                                 "State",
                                 "Zip",
                                 "Phone",
                                 "Cell",
                                 "Work_Phone",
                                 "Email",
                                 "Place_Of_Work",
                                 "Occupation",
                                 "Date_Of_Birth",
                                 "Head_Of_Household",
                                 "Gender",
                                 "Marital_Status",
                                 "Anniversary_Date",
                                 "Hobbies",
                                 "Organizations",
                                 "Map_Section",
                                 "Notes",
                                 "Member_Active_Status",
                                 "Member_Since",
                                 "Previous_Church",
                                 "Came_Forward",
                                 "Baptized",
                                 "Sunday_School.Name",
                                 "Discipleship_Training.Name",
                                 "Wednesday_Night.Name",
                                 "CGLeader",
                                 "Deacon",
                                 "Receive_Newsletter_Via_Mail",
                                 "Receive_Newsletter_Via_EMail"};
        QCOMPARE(rows.columns.mid(0, fields.size()), fields);
        QCOMPARE(column(rows, "ID"), (QStringList{QString::number(amy2), QString::number(amy1), QString::number(zoe)}));
        QCOMPARE(column(rows, "CGLeader"), (QStringList{"<null>", "<null>", "Lee, Lia"}));
        QCOMPARE(column(rows, "Deacon"), (QStringList{"<null>", "<null>", "Dunn, Dan"}));
        QCOMPARE(column(rows, "Sunday_School.Name"), (QStringList{"<null>", "<null>", "Adults"}));
        QCOMPARE(column(rows, "Discipleship_Training.Name").last(), QStringLiteral("Basics"));
        QCOMPARE(column(rows, "Wednesday_Night.Name").last(), QStringLiteral("Prayer"));

        RecordingOutput output;
        Reports::PrintMemberNavigatorReport({zoe, amy1, amy2}, true);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        QStringList texts = allTexts(output.last());
        QCOMPARE(texts.count(QStringLiteral("Abel, Amy")), 2);
        QVERIFY(texts.indexOf(QStringLiteral("Abel, Amy")) < texts.indexOf(QStringLiteral("Zorn, Zoe")));
        QVERIFY(texts.contains(QStringLiteral("Lee, Lia")));
        QVERIFY(texts.contains(QStringLiteral("03/02/1970")));
        QCOMPARE(texts.at(texts.indexOf(QStringLiteral("Number of people:")) + 1), QStringLiteral("3"));

        Reports::PrintMemberNavigatorDOBAnnivReport({zoe}, false);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Print);
        texts = allTexts(output.last());
        const int at = texts.indexOf(QStringLiteral("Zorn, Zoe"));
        QCOMPARE(texts.mid(at, 3), (QStringList{"Zorn, Zoe", "03/02/1970", "(615) 555-0101"}));
    }

    void aListOfThousandsOfPeople()
    {
        TestDatabase tdb;
        {
            Transaction t(MainDatabase);
            for (int i = 0; i < 3000; ++i)
                addPerson(QStringLiteral("P%1").arg(i, 5, 10, QLatin1Char('0')), "X");
            t.commit();
        }
        QList<qint64> ids;
        for (qint64 id = 1; id <= 40000; ++id)
            ids << id;
        QCOMPARE(PersonLists::memberListRows(ids).size(), 3001);
        QCOMPARE(PersonLists::mailingLabelRows(ids).size(), 3001);
        QCOMPARE(PersonLists::prospectListRows(ids).size(), 3001);
        QCOMPARE(PersonLists::prospectContactRows(ids).size(), 0);
    }

    void prospectListWithEveryContactNewestFirst()
    {
        TestDatabase tdb;
        RecordingOutput output;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member"));
        const qint64 visitor = addPerson("Vance", "Val", {{"Middle_Name", "V"}});
        const qint64 leader = addPerson("Lee", "Lia");
        const qint64 youth = addRow("Sunday_School", {{"Name", "Youth"}});
        const qint64 adults = addRow("Sunday_School", {{"Name", "Adults"}});
        const qint64 cg = addRow("Care_Group", {{"Group_Leader", leader}});
        const qint64 pam = addPerson("Price", "Pam",
                                     {{"Status", "Prospect"},
                                      {"Prospect_Sunday_School_Class_Assigned", youth},
                                      {"Sunday_School_Class", adults},
                                      {"Prospect_Care_Group_Assigned", cg},
                                      {"Prospect_Phase", "Visit"},
                                      {"Prospect_Next_Contact_Date", "2026-12-13"}});
        const qint64 quin = addPerson("Quinn", "Quin", {{"Status", "Prospect"}});
        const auto contact = [&](qint64 who, const QString& date, const QString& action) {
            return addRow("Prospect_Contact",
                          {{"Prospect_ID", who}, {"Contact_Date", date}, {"Action", action}, {"Visitor1", visitor}});
        };
        const qint64 first = contact(pam, "2026-11-01", "Letter");
        const qint64 sameDayA = contact(pam, "2026-11-20", "Call");
        const qint64 sameDayB = contact(pam, "2026-11-20", "Visit");
        const ReportEngine::Rows rows = PersonLists::prospectListRows({quin, pam});
        QCOMPARE(column(rows, "Name"), (QStringList{"Youth", "<null>"}));
        QCOMPARE(column(rows, "CGLeader"), (QStringList{"Lee, Lia", "<null>"}));
        const ReportEngine::Rows contacts = PersonLists::prospectContactRows({quin, pam});
        QCOMPARE(column(contacts, "ID"),
                 (QStringList{QString::number(sameDayB), QString::number(sameDayA), QString::number(first)}));
        QCOMPARE(column(contacts, "Visitor1Name").first(), QStringLiteral("Vance, Val V"));
        QCOMPARE(column(contacts, "Visitor2Name").first(), QStringLiteral("<null>"));

        Reports::PrintProspectNavigatorReport({quin, pam}, true);
        const QStringList texts = allTexts(output.last());
        const int price = texts.indexOf(QStringLiteral("Price, Pam"));
        const int quinn = texts.indexOf(QStringLiteral("Quinn, Quin"));
        QVERIFY(price >= 0 && quinn > price);
        const QStringList underPam = texts.mid(price, quinn - price);
        QVERIFY(underPam.indexOf(QStringLiteral("Visit")) < underPam.indexOf(QStringLiteral("Call")));
        QVERIFY(underPam.indexOf(QStringLiteral("Call")) < underPam.indexOf(QStringLiteral("Letter")));
        QVERIFY(texts.mid(quinn).contains(QStringLiteral("No contacts recorded.")));
        QVERIFY(!underPam.contains(QStringLiteral("No contacts recorded.")));

        Reports::PrintProspectNavigatorShortReport({pam}, true);
        const QStringList brief = allTexts(output.last());
        QVERIFY(brief.contains(QStringLiteral("Price, Pam")));
        QVERIFY(brief.contains(QStringLiteral("12/13/2026")));
        QVERIFY(!brief.contains(QStringLiteral("Letter")));
    }

    void labelsAcrossThenDownWithEmptyLinesDropped()
    {
        TestDatabase tdb;
        RecordingOutput output;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member"));
        const QVariantMap address{{"Address_1", "1 Elm"}, {"City", "Cedar"}, {"State", "TN"}, {"Zip", "37150"}};
        QVariantMap withSecond = address;
        withSecond.insert("Address_2", "Apt 2");
        QList<qint64> ids;
        ids << addPerson("Cole", "Cy", withSecond);
        QVariantMap titled = address;
        titled.insert("Title", "Dr.");
        titled.insert("Middle_Name", "B");
        ids << addPerson("Abel", "Al", titled);
        QVariantMap middleA = address;
        middleA.insert("Middle_Name", "A");
        ids << addPerson("Abel", "Al", middleA);
        ids << addPerson("Dane", "Dee", address);
        Reports::PrintMailingLabels(ids);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        const ReportEngine::Document& doc = output.last();
        QCOMPARE(doc.pageCount(), 1);
        // By last, first and middle name: across the first row, then down.
        const ReportEngine::Run a = runOf(doc, 0, QStringLiteral("Al A Abel"));
        const ReportEngine::Run b = runOf(doc, 0, QStringLiteral("Dr. Al B Abel"));
        const ReportEngine::Run c = runOf(doc, 0, QStringLiteral("Cy Cole"));
        const ReportEngine::Run d = runOf(doc, 0, QStringLiteral("Dee Dane"));
        QVERIFY(!a.text.isEmpty() && !b.text.isEmpty() && !c.text.isEmpty() && !d.text.isEmpty());
        QCOMPARE(b.rect.top(), a.rect.top());
        QCOMPARE(c.rect.top(), a.rect.top());
        QVERIFY(a.rect.left() < b.rect.left() && b.rect.left() < c.rect.left());
        QCOMPARE(d.rect.left(), a.rect.left());
        QVERIFY(d.rect.top() > a.rect.top());
        // Four lines with a second address line, three without.
        int cyLines = 0;
        int alLines = 0;
        for (const ReportEngine::Run& run : doc.pages.at(0).runs) {
            cyLines += run.rect.left() == c.rect.left() && run.rect.top() < d.rect.top();
            alLines += run.rect.left() == a.rect.left() && run.rect.top() < d.rect.top();
        }
        QCOMPARE(cyLines, 4);
        QCOMPARE(alLines, 3);
        QVERIFY(doc.pageTexts(0).contains(QStringLiteral("Cedar, TN 37150")));

        // Thirty to a sheet.
        {
            Transaction t(MainDatabase);
            for (int i = 0; i < 27; ++i)
                ids << addPerson(QStringLiteral("Z%1").arg(i, 2, 10, QLatin1Char('0')), "Zed", address);
            t.commit();
        }
        Reports::PrintMailingLabels(ids);
        QCOMPARE(output.last().pageCount(), 2);
        QCOMPARE(output.last().pageTexts(1).first(), QStringLiteral("Zed Z26"));
    }

    void emptyListsKeepTheirFrame()
    {
        TestDatabase tdb;
        RecordingOutput output;
        ScriptedMessages messages;
        Reports::PrintMemberNavigatorReport({424242}, true);
        Reports::PrintProspectNavigatorReport({424242}, true);
        Reports::PrintMailingLabels({424242});
        QCOMPARE(messages.count(), 0);
        QCOMPARE(output.deliveries.size(), 3);
        QVERIFY(allTexts(*output.deliveries.at(0).report.document).contains(QStringLiteral("Member List")));
        QCOMPARE(output.deliveries.at(0).report.rights,
                 (QStringList{"Member Navigator Report", "Attendance Navigator Report"}));
        QCOMPARE(output.deliveries.at(2).report.rights, QStringList{"Mailing Labels Report"});
    }

    // The prospects of the demonstration church with their contacts. With KOV_GRAB_DIR set, both prospect lists
    // are written to PDF files as well.
    void demoChurchProspectLists()
    {
        TestDatabase tdb;
        RecordingOutput output;
        ScriptedMessages messages;
        DemoData::fill(MainDatabase);
        MainMod::LoadChurchInfo();
        QList<qint64> prospects;
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT ID FROM Member WHERE Status = 'Prospect'"));
        for (; !rs.Eof(); rs.MoveNext())
            prospects << rs.Id();
        QVERIFY(!prospects.isEmpty());
        const int contacts = MainDatabase
                                 .scalar(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact WHERE Prospect_ID IN "
                                                        "(SELECT ID FROM Member WHERE Status = 'Prospect')"))
                                 .toInt();
        QVERIFY(contacts > 0);
        QCOMPARE(PersonLists::prospectContactRows(prospects).size(), contacts);
        Reports::PrintProspectNavigatorReport(prospects, true);
        Reports::PrintProspectNavigatorShortReport(prospects, true);
        QCOMPARE(messages.count(), 0);
        for (const auto& delivery : output.deliveries) {
            const QStringList texts = allTexts(*delivery.report.document);
            QCOMPARE(texts.at(texts.indexOf(QStringLiteral("Number of prospects:")) + 1),
                     QString::number(prospects.size()));
        }
        const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            QVERIFY(ReportOutput::writePdf(*output.deliveries.at(0).report.document,
                                           QDir(folder).filePath(QStringLiteral("prospect-list.pdf"))));
            QVERIFY(ReportOutput::writePdf(*output.deliveries.at(1).report.document,
                                           QDir(folder).filePath(QStringLiteral("prospect-short-list.pdf"))));
        }
    }
};

QTEST_MAIN(TestPersonLists)
#include "tst_personlists.moc"
