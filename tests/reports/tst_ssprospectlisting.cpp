#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "reports/PersonLists.h"
#include "reports/Reports.h"
#include "reports/SundaySchoolProspectListing.h"
#include "reports/frmSundaySchoolProspectListingReport.h"
#include "shell/ScreenRegistry.h"

#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

qint64 prospect(const QString& last, const QString& first, qint64 cls, const QVariant& next, const QString& action,
                const QVariantMap& more = {})
{
    QVariantMap columns{{"Status", "Prospect"},
                        {"Prospect_Active_Status", "Active"},
                        {"Prospect_Sunday_School_Class_Assigned", cls},
                        {"Prospect_Next_Contact_Date", next},
                        {"Prospect_Next_Contact_Action", action}};
    columns.insert(more);
    return addPerson(last, first, columns);
}

// What a delivery is: the listing of a class, or the sheet of a person.
QString what(const RecordingOutput::Delivery& delivery)
{
    const ReportEngine::Document& doc = *delivery.report.document;
    const QStringList texts = doc.pageTexts(0);
    if (doc.title == QLatin1String("Sunday School Prospect Listing"))
        return QStringLiteral("listing ") + texts.at(texts.indexOf(QStringLiteral("Class")) + 1);
    return QStringLiteral("sheet ") + texts.at(texts.indexOf(QStringLiteral("Prospect Contact Sheet")) + 1);
}

void tick(QListWidget* list, const QString& text)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    items.first()->setCheckState(Qt::Checked);
}

} // namespace

class TestSundaySchoolProspectListing : public QObject {
    Q_OBJECT

private slots:
    // Dated prospects first by date, action and name; undated ones after; only the class's active prospects.
    void listingOrderAndMemos()
    {
        TestDatabase tdb;
        const qint64 cls = addRow("Sunday_School", {{"Name", "Adults"}});
        const qint64 other = addRow("Sunday_School", {{"Name", "Youth"}});
        const QString memo = QStringLiteral("Bakes bread for the shut-ins. ").repeated(12) + QStringLiteral("THE END");
        prospect("Nash", "Nia", cls, {}, "Visit");
        prospect("Able", "Al", cls, {}, "Letter");
        prospect("Cole", "Cy", cls, "2026-12-09", "Visit", {{"Hobbies", memo}});
        prospect("Bell", "Bo", cls, "2026-12-09", "Letter");
        prospect("Dunn", "Di", cls, "2026-12-01", "Visit");
        prospect("Gone", "Gil", cls, "2026-12-01", "Visit", {{"Prospect_Active_Status", "Joined"}});
        prospect("Else", "Eli", other, "2026-12-01", "Visit");
        const ReportEngine::Rows rows = PersonLists::classProspectRows(cls);
        QStringList names;
        for (const auto& row : rows.values)
            names << row.at(rows.column(QStringLiteral("First_Name"))).toString() + QLatin1Char('/') +
                         row.at(rows.column(QStringLiteral("SortOrder"))).toString();
        QCOMPARE(names, (QStringList{"Di/1", "Bo/1", "Cy/1", "Al/2", "Nia/2"}));

        RecordingOutput output;
        QVERIFY(Reports::PrintSundaySchoolProspectListingReport(cls, false));
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Print);
        QStringList texts;
        for (int p = 0; p < output.last().pageCount(); ++p)
            texts << output.last().pageTexts(p);
        QVERIFY(memo.size() > 255);
        QVERIFY2(texts.join(QLatin1Char(' ')).contains(QStringLiteral("shut-ins. THE END")), "the memo prints whole");
        QVERIFY(!texts.contains(QStringLiteral("Gone, Gil")));

        // A class without active prospects makes nothing at all.
        const qint64 empty = addRow("Sunday_School", {{"Name", "Empty"}});
        prospect("Late", "Lu", empty, {}, "Visit", {{"Prospect_Active_Status", "Joined"}});
        QVERIFY(Reports::PrintSundaySchoolProspectListingReport(empty, false));
        QCOMPARE(output.deliveries.size(), 1);
    }

    // The dialog: each ticked class's listing, then its sheets (next action ticked, next date in the range, both
    // ends whole), class by class in name order; an action with an apostrophe selects its sheets.
    void dialogPrintsListingsThenSheets()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        MainDatabase.execute(QStringLiteral("INSERT INTO Prospect_Action VALUES ('Pastor''s Call')"));
        const qint64 youth = addRow("Sunday_School", {{"Name", "Youth"}});
        const qint64 adults = addRow("Sunday_School", {{"Name", "Adults"}});
        addRow("Sunday_School", {{"Name", "Empty"}});
        prospect("Ames", "Ann", adults, "2026-12-07", "Pastor's Call");
        prospect("Bond", "Ben", adults, "2026-12-14", "Visit");
        prospect("Cray", "Cal", adults, "2026-12-15", "Visit");
        prospect("Drew", "Dot", adults, "2026-12-10", "Letter");
        prospect("Yule", "Yan", youth, "2026-12-08", "Visit");
        RecordingOutput output;
        auto* d = ScreenRegistry::load<frmSundaySchoolProspectListingReport>();
        QVERIFY(d);
        QCOMPARE(d->lstSSClass->count(), 3);
        QCOMPARE(d->lstSSClass->item(0)->text(), QStringLiteral("Adults"));
        QTest::mouseClick(d->btnSelectAll, Qt::LeftButton);
        QTest::mouseClick(d->btnSelectNone, Qt::LeftButton);
        QCOMPARE(d->lstSSClass->item(2)->checkState(), Qt::Unchecked);
        QTest::mouseClick(d->btnSelectAll, Qt::LeftButton);
        d->dtEnd->setDate(QDate(2026, 12, 14));
        tick(d->lstAction, QStringLiteral("Visit"));
        tick(d->lstAction, QStringLiteral("Pastor's Call"));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QStringList order;
        for (const auto& delivery : output.deliveries)
            order << what(delivery);
        QCOMPARE(order, (QStringList{"listing Adults", "sheet Ames, Ann", "sheet Bond, Ben", "listing Youth",
                                     "sheet Yule, Yan"}));
        QCOMPARE(messages.count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ScreenRegistry::find<frmSundaySchoolProspectListingReport>());
    }

    void noActionNoSheets()
    {
        TestDatabase tdb;
        const qint64 adults = addRow("Sunday_School", {{"Name", "Adults"}});
        prospect("Ames", "Ann", adults, "2026-12-07", "Visit");
        QVERIFY(SundaySchoolProspectListing::sheetIds(adults, QDate(2026, 12, 1), QDate(2026, 12, 31), {}).isEmpty());
        QCOMPARE(
            SundaySchoolProspectListing::sheetIds(adults, QDate(2026, 12, 1), QDate(2026, 12, 31), {"visit"}).size(),
            1);
    }
};

QTEST_MAIN(TestSundaySchoolProspectListing)
#include "tst_ssprospectlisting.moc"
