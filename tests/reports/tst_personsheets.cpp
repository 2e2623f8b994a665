#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "reports/PersonSheetDialog.h"
#include "reports/PersonSheets.h"
#include "reports/Reports.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

void link(qint64 head, const QString& relationship, qint64 relative)
{
    addRow("Family_Connection",
           {{"Member_ID", head}, {"Relationship", relationship}, {"Relative_Member_ID", relative}});
}

QStringList allTexts(const ReportEngine::Document& doc)
{
    QStringList texts;
    for (int p = 0; p < doc.pageCount(); ++p)
        texts << doc.pageTexts(p);
    return texts;
}

QString firstNameOn(const ReportEngine::Document& doc)
{
    return doc.pageTexts(0).filter(QRegularExpression(QStringLiteral("^[A-Z][a-z]+, [A-Z][a-z]+$"))).value(0);
}

} // namespace

class TestPersonSheets : public QObject {
    Q_OBJECT

private slots:
    // A head lists the relatives by relationship; every line is 70 characters and CR LF, Null parts blanks.
    void familyOfAHead()
    {
        TestDatabase tdb;
        const qint64 head = addPerson("Reed", "Ray", {{"Head_Of_Household", 1}});
        const qint64 wife = addPerson("Reed", "Rose", {{"Gender", "Female"}, {"Date_Of_Birth", "1970-03-02"}});
        const qint64 son = addPerson("Reed-Montgomery-Hollister", "Bartholomew", {{"Gender", "Male"}});
        const qint64 girl = addRow("Member", {{"First_Name", "Ruth"}});
        link(head, "Spouse", wife);
        link(head, "Son", son);
        link(head, "Daughter", girl);
        // A link without a relationship sorts first and shows blanks.
        const qint64 guest = addPerson("Reed", "Gia", {{"Gender", "Female"}});
        addRow("Family_Connection", {{"Member_ID", head}, {"Relative_Member_ID", guest}});
        const QString text = PersonSheets::familyText(head, true);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        for (const QString& line : lines)
            QCOMPARE(line.size(), 70);
        QCOMPARE(lines.takeFirst(), QStringLiteral("Gia Reed").leftJustified(26) + QString(21, QLatin1Char(' ')) +
                                        QStringLiteral("Female").leftJustified(11) + QString(12, QLatin1Char(' ')));
        QCOMPARE(lines.at(0), QStringLiteral("Ruth").leftJustified(26) + QStringLiteral("Daughter").leftJustified(21) +
                                  QString(23, QLatin1Char(' ')));
        QCOMPARE(lines.at(1).left(47), QStringLiteral("Bartholomew Reed-Montgome Son                  "));
        QCOMPARE(lines.at(1).mid(47, 10), QStringLiteral("Male      "));
        QCOMPARE(lines.at(1).mid(58), QStringLiteral("            "));
        QCOMPARE(lines.at(2), QStringLiteral("Rose Reed                 Spouse               Female     03/02/1970  "));
        // Nobody in the family: no text at all, not an empty line.
        QCOMPARE(PersonSheets::familyText(wife, true), QString());
    }

    // Anyone else lists the heads that name them, each as "Head of Household".
    void familyOfARelativeUnderTwoHeads()
    {
        TestDatabase tdb;
        const qint64 child = addPerson("Lane", "Lou");
        const qint64 mother = addPerson("Lane", "Lisa", {{"Head_Of_Household", 1}});
        const qint64 father = addPerson("Moss", "Mark", {{"Head_Of_Household", 1}, {"Gender", "Gentleman1"}});
        link(mother, "Son", child);
        link(father, "Daughter", child);
        const QStringList lines = PersonSheets::familyText(child, false).chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).left(57), QStringLiteral("Mark Moss                 Head of Household    Gentleman1"));
        QCOMPARE(lines.at(1).left(47), QStringLiteral("Lisa Lane                 Head of Household    "));
    }

    // The contact sheet: oldest contact first, same day by entry; a Null head flag as No; a long memo whole.
    void contactSheet()
    {
        TestDatabase tdb;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1"));
        const QString longNote = QStringLiteral("Loves gardening. ").repeated(30).trimmed() + QStringLiteral(" END");
        const qint64 p = addPerson("Pike", "Pam", {{"Status", "Prospect"}, {"Hobbies", longNote}});
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Head_Of_Household = 0 WHERE ID = ?"), {p});
        const qint64 head = addPerson("Pike", "Paul", {{"Head_Of_Household", 1}});
        link(head, "Spouse", p);
        const qint64 second =
            addRow("Prospect_Contact", {{"Prospect_ID", p}, {"Contact_Date", "2026-11-02"}, {"Action", "Visit"}});
        const qint64 first =
            addRow("Prospect_Contact", {{"Prospect_ID", p}, {"Contact_Date", "2026-10-02"}, {"Action", "Letter"}});
        const qint64 third =
            addRow("Prospect_Contact", {{"Prospect_ID", p}, {"Contact_Date", "2026-11-02"}, {"Action", "Phone Call"}});
        const ReportEngine::Rows rows = PersonSheets::visitationRows(p);
        QCOMPARE(rows.size(), 3);
        const int id = rows.column(QStringLiteral("Prospect_Contact.ID"));
        QCOMPARE(rows.values.at(0).at(id).toLongLong(), first);
        QCOMPARE(rows.values.at(1).at(id).toLongLong(), second);
        QCOMPARE(rows.values.at(2).at(id).toLongLong(), third);

        RecordingOutput output;
        QVERIFY(Reports::PrintProspectVisitationSheetReport(p, false));
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Print);
        const QString joined = allTexts(output.last()).join(QLatin1Char(' '));
        QVERIFY(joined.contains(QStringLiteral("Paul Pike")));
        QVERIFY(joined.contains(QStringLiteral("Head of Household")));
        QVERIFY(longNote.size() > 255);
        QVERIFY2(joined.contains(QStringLiteral("gardening. END")), "the hobbies print in full");
        QCOMPARE(output.last().pageCount(), 1);

        // Nobody with that ID: a sheet without rows, and no family.
        QVERIFY(PersonSheets::visitationRows(99999).size() == 0);
        const qint64 alone = addPerson("Solo", "Sam", {{"Status", "Prospect"}});
        QCOMPARE(PersonSheets::visitationRows(alone).size(), 1);
        QVERIFY(Reports::PrintProspectVisitationSheetReport(alone, true));
        QVERIFY(allTexts(output.last()).contains(QStringLiteral("No contacts recorded.")));
    }

    void updateSheetListsResponsibilitiesLatestFirst()
    {
        TestDatabase tdb;
        const qint64 m = addPerson("Hart", "Hal", {{"Head_Of_Household", 1}});
        addRow("Member_Responsibility",
               {{"Member_ID", m}, {"Responsibility", "Usher"}, {"Start", "2010-01-03"}, {"End", "2012-01-01"}});
        addRow("Member_Responsibility", {{"Member_ID", m}, {"Responsibility", "Deacon"}, {"Start", "2020-01-05"}});
        addRow("Member_Responsibility",
               {{"Member_ID", m}, {"Responsibility", "Teacher"}, {"Start", "2015-01-04"}, {"End", "2019-12-29"}});
        const ReportEngine::Rows rows = PersonSheets::updateRows(m);
        QStringList names;
        for (const auto& row : rows.values)
            names << row.at(rows.column(QStringLiteral("Responsibility"))).toString();
        QCOMPARE(names, (QStringList{"Teacher", "Usher", "Deacon"}));
    }

    // The update dialog's group entries pick their people, in name order.
    // A sheet of many contacts or responsibilities goes on over pages: each further page names the person and
    // repeats the column captions, its number counts the sheet's own pages, and the room to write comes with rows.
    void longSheetsNameTheirPersonOnEveryPage_data()
    {
        QTest::addColumn<bool>("contacts");
        QTest::addColumn<int>("rows");
        QTest::newRow("contact sheet") << true << 40;
        QTest::newRow("update sheet, room to write would stand alone") << false << 20;
        QTest::newRow("update sheet of three pages") << false << 90;
    }
    void longSheetsNameTheirPersonOnEveryPage()
    {
        QFETCH(bool, contacts);
        QFETCH(int, rows);
        TestDatabase tdb;
        RecordingOutput output;
        const qint64 p = addPerson("Pike", "Pam", {{"Status", contacts ? "Prospect" : "Member"}});
        for (int i = 0; i < rows; ++i) {
            const QString day = QDate(2020, 1, 1).addDays(7 * i).toString(Qt::ISODate);
            if (contacts)
                addRow("Prospect_Contact", {{"Prospect_ID", p},
                                            {"Contact_Date", day},
                                            {"Action", "Visit"},
                                            {"Notes", i % 2 ? "A note." : QString()}});
            else
                addRow("Member_Responsibility", {{"Member_ID", p}, {"Responsibility", "Usher"}, {"Start", day}});
        }
        QVERIFY(contacts ? Reports::PrintProspectVisitationSheetReport(p, true)
                         : Reports::PrintMemberInfoUpdateReport(p, true));
        const ReportEngine::Document& doc = output.last();
        QVERIFY(doc.pageCount() >= 2);
        const QString caption = contacts ? QStringLiteral("Action") : QStringLiteral("Responsibility");
        const QString room = contacts ? QStringLiteral("This visit") : QStringLiteral("Corrections and additions");
        const QString row = contacts ? QStringLiteral("Visit") : QStringLiteral("Usher");
        int shown = 0;
        for (int page = 0; page < doc.pageCount(); ++page) {
            const QStringList texts = doc.pageTexts(page);
            QVERIFY(texts.contains(QStringLiteral("Pike, Pam")));
            QVERIFY(texts.contains(caption));
            QCOMPARE(texts.contains(QStringLiteral("(continued)")), page > 0);
            QCOMPARE(texts.last(), QStringLiteral("Page %1 of %2").arg(page + 1).arg(doc.pageCount()));
            if (texts.contains(room))
                QVERIFY2(texts.count(row) >= 2, qPrintable(QStringLiteral("page %1").arg(page + 1)));
            shown += texts.count(row);
        }
        QCOMPARE(shown, rows);
    }

    void groupsChooseTheirPeople()
    {
        TestDatabase tdb;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1"));
        const qint64 zed = addPerson("Zane", "Zed", {{"Head_Of_Household", 1}, {"Member_Active_Status", "InActive"}});
        const qint64 amy = addPerson("Ames", "Amy", {{"Head_Of_Household", 1}, {"Member_Active_Status", "Active"}});
        const qint64 kid =
            addPerson("Ames", "Kit", {{"Status", "Child Of Member"}, {"Member_Active_Status", "Active"}});
        addPerson("Ames", "Old",
                  {{"Status", "Previous Member"}, {"Head_Of_Household", 1}, {"Member_Active_Status", "Active"}});
        addPerson("Pratt", "Pete",
                  {{"Status", "Prospect"}, {"Head_Of_Household", 1}, {"Member_Active_Status", "Active"}});
        const qint64 bea = addPerson("Bell", "Bea", {{"Member_Active_Status", "Active"}});
        QCOMPARE(PersonSheets::groupIds(PersonSheets::kAllHeads), (QList<qint64>{amy, zed}));
        QCOMPARE(PersonSheets::groupIds(PersonSheets::kAllMembers), (QList<qint64>{amy, kid, bea}));
    }

    // Ok in the update dialog: the right, then a choice, then one sheet a person through the print loop, which
    // says how many were printed when the printer fails.
    void updateDialog()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainDatabase.execute(QStringLiteral("DELETE FROM Member WHERE ID = 1"));
        const qint64 user = addPerson("Clerk", "Cal");
        TestDatabase::addUser(user, QStringLiteral("cal"), QStringLiteral("pw"));
        addPerson("Ames", "Amy", {{"Head_Of_Household", 1}});
        addPerson("Bell", "Ben", {{"Head_Of_Household", 1}});
        MainMod::CurrentUserID = user;
        MainMod::CurrentUserType = QStringLiteral("User");
        auto* d = ScreenRegistry::load<frmMemberInformationUpdateReport>();
        QVERIFY(d);
        QCOMPARE(d->cmbProspect->itemText(0), PersonSheets::kAllHeads);
        QCOMPARE(d->cmbProspect->itemText(1), PersonSheets::kAllMembers);
        QCOMPARE(d->cmbProspect->itemText(2), QStringLiteral("Ames, Amy  "));
        QCOMPARE(d->cmbProspect->currentIndex(), -1);
        RecordingOutput output;

        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(messages.last().text, QStringLiteral("You do not have permission to run this report."));
        TestDatabase::grant(user, PermissionNames::kMemberInformationUpdateReport);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(messages.last().text, QStringLiteral("You must select a Prospect."));
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Selection"));
        QVERIFY(ScreenRegistry::find<frmMemberInformationUpdateReport>());

        output.printerWorks = false;
        d->cmbProspect->setCurrentIndex(0);
        messages.clear();
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Printing stopped: 0 of 2 printed."));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ScreenRegistry::find<frmMemberInformationUpdateReport>());

        output.printerWorks = true;
        output.deliveries.clear();
        d = ScreenRegistry::load<frmMemberInformationUpdateReport>();
        d->cmbProspect->setCurrentIndex(0);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Print);
        QCOMPARE(output.last().pageCount(), 2);
        QCOMPARE(firstNameOn(output.last()), QStringLiteral("Ames, Amy"));
        QVERIFY(output.last().pageTexts(1).contains(QStringLiteral("Bell, Ben")));
    }

    // Thousands of sheets go out in jobs of fifty; a job the printer refuses stops the loop, and only the sheets
    // of the jobs printed count.
    void updateSheetsGoOutInJobs()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        for (int i = 0; i < 120; ++i)
            addPerson(QStringLiteral("Head%1").arg(i, 3, 10, QLatin1Char('0')), "Hal", {{"Head_Of_Household", 1}});
        RecordingOutput output;
        auto* d = ScreenRegistry::load<frmMemberInformationUpdateReport>();
        d->cmbProspect->setCurrentIndex(0);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 3);
        QCOMPARE(output.deliveries.at(0).report.document->pageCount(), 50);
        QCOMPARE(output.deliveries.at(2).report.document->pageCount(), 20);
        QVERIFY(output.deliveries.at(2).report.document->pageTexts(19).contains(QStringLiteral("Head119, Hal")));
        QVERIFY(output.deliveries.at(2).report.document->pageTexts(19).contains(QStringLiteral("Page 1 of 1")));
        QCOMPARE(messages.count(), 0);

        output.deliveries.clear();
        int jobs = 0;
        struct Refusing : RecordingOutput {
            int* jobs;
            bool deliver(const ReportOutput::Report& report, ReportOutput::Mode mode) override
            {
                RecordingOutput::deliver(report, mode);
                return ++*jobs < 2;
            }
        } refusing;
        refusing.jobs = &jobs;
        d = ScreenRegistry::load<frmMemberInformationUpdateReport>();
        d->cmbProspect->setCurrentIndex(0);
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(jobs, 2);
        QCOMPARE(messages.last().text, QStringLiteral("Printing stopped: 50 of 120 printed."));
    }

    void contactSheetDialogPreviewsOne()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        const qint64 p = addPerson("Pike", "Pam", {{"Status", "Prospect"}});
        auto* d = ScreenRegistry::load<frmProspectVisitationSheetReport>();
        QVERIFY(d);
        QCOMPARE(d->cmbProspect->findText(QStringLiteral("***All Head of Household***")), -1);
        RecordingOutput output;
        d->cmbProspect->setCurrentIndex(d->cmbProspect->findText(QStringLiteral("Pike, Pam  ")));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        QVERIFY(output.deliveries.last().busyPointer);
        QCOMPARE(firstNameOn(output.last()), QStringLiteral("Pike, Pam"));
        Q_UNUSED(p);
    }
};

QTEST_MAIN(TestPersonSheets)
#include "tst_personsheets.moc"
