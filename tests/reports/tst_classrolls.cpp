#include "support/MemberRows.h"
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "reports/ClassRollDialog.h"
#include "reports/ClassRolls.h"
#include "reports/Reports.h"
#include "shell/ScreenRegistry.h"

#include <QDateEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

class TestClassRolls : public QObject {
    Q_OBJECT

private slots:
    // Who is on a roll, for each kind of class; two classes of one name stay apart, each on its own page.
    void rollsOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Sunday School") << 0;
        QTest::newRow("Discipleship Training") << 1;
        QTest::newRow("Wednesday Night") << 2;
    }
    void rollsOfEachKind()
    {
        QFETCH(int, kind);
        const ClassRolls::ClassKind& k = kind == 0   ? ClassRolls::kSundaySchool
                                         : kind == 1 ? ClassRolls::kDiscipleshipTraining
                                                     : ClassRolls::kWednesdayNight;
        TestDatabase tdb;
        const qint64 first = addRow(k.table, {{"Name", "Adults"}});
        const qint64 second = addRow(k.table, {{"Name", "Adults"}});
        const qint64 leader = addPerson("Lee", "Lia");
        const qint64 group = addRow("Care_Group", {{"Group_Leader", leader}});
        const auto member = [&](const QString& last, const QString& first, qint64 cls, const QVariantMap& more = {}) {
            QVariantMap columns{{"Member_Active_Status", "Active"}, {k.memberColumn, cls}};
            columns.insert(more);
            return addPerson(last, first, columns);
        };
        member("Zorn", "Zed", first, {{"Care_Group_Assigned", group}});
        member("Abel", "Amy", first);
        member("Moss", "Max", second, {{"Status", "Child Of Member"}});
        member("Gone", "Gil", first, {{"Status", "Previous Member"}});
        member("Gone", "Del", first, {{"Status", "Deleted Member"}});
        member("Idle", "Ida", first, {{"Member_Active_Status", "InActive"}});
        addPerson("None", "Ned", {{"Member_Active_Status", "Active"}});
        const ReportEngine::Rows rows = ClassRolls::rollRows(k);
        QStringList names;
        for (const auto& row : rows.values)
            names << row.at(rows.column(QStringLiteral("First_Name"))).toString() + QLatin1Char('@') +
                         row.at(rows.column(QStringLiteral("ClassID"))).toString();
        QCOMPARE(names, (QStringList{QStringLiteral("Amy@%1").arg(first), QStringLiteral("Zed@%1").arg(first),
                                     QStringLiteral("Max@%1").arg(second)}));
        QCOMPARE(rows.values.at(0).at(rows.column(QStringLiteral("CGLeader"))).toString(), QStringLiteral(", "));
        QCOMPARE(rows.values.at(1).at(rows.column(QStringLiteral("CGLeader"))).toString(), QStringLiteral("Lee, Lia"));

        RecordingOutput output;
        const bool printed = kind == 0   ? Reports::PrintSundaySchoolRollReport(false, QDate(2026, 12, 13))
                             : kind == 1 ? Reports::PrintDiscipleshipTrainingRollReport(false, QDate(2026, 12, 13))
                                         : Reports::PrintWednesdayNightRollReport(false, QDate(2026, 12, 13));
        QVERIFY(printed);
        const ReportEngine::Document& doc = output.last();
        QCOMPARE(doc.pageCount(), 2);
        QVERIFY(doc.pageTexts(0).contains(QStringLiteral("Abel, Amy")));
        QVERIFY(!doc.pageTexts(0).contains(QStringLiteral(", "))); // Amy has no care group: no lone comma
        QVERIFY(doc.pageTexts(0).contains(QStringLiteral("12/13/2026")));
        QVERIFY(!doc.pageTexts(0).contains(QStringLiteral("Moss, Max")));
        QVERIFY(doc.pageTexts(1).contains(QStringLiteral("Moss, Max")));
        QVERIFY(doc.pageTexts(1).contains(QStringLiteral("Adults")));
        QCOMPARE(doc.pageTexts(0).at(doc.pageTexts(0).indexOf(QStringLiteral("On the roll:")) + 1),
                 QStringLiteral("2"));
    }

    // The teacher's sheet with the last names carries the count and the visitor lines: they never stand alone.
    void countAndVisitorLinesComeWithTheLastNames_data()
    {
        QTest::addColumn<int>("members");
        QTest::newRow("one page") << 5;
        QTest::newRow("the closing block would stand alone") << 19;
        QTest::newRow("two pages") << 30;
    }
    void countAndVisitorLinesComeWithTheLastNames()
    {
        QFETCH(int, members);
        TestDatabase tdb;
        const qint64 cls = addRow("Sunday_School", {{"Name", "Adults"}});
        for (int i = 0; i < members; ++i)
            addPerson(QStringLiteral("Name%1").arg(i, 2, 10, QLatin1Char('0')), "Ann",
                      {{"Member_Active_Status", "Active"}, {"Sunday_School_Class", cls}});
        RecordingOutput output;
        QVERIFY(Reports::PrintSundaySchoolRollReport(true, QDate(2026, 12, 13)));
        const ReportEngine::Document& doc = output.last();
        int names = 0;
        for (int p = 0; p < doc.pageCount(); ++p) {
            const QStringList texts = doc.pageTexts(p);
            QVERIFY(texts.contains(QStringLiteral("Adults")));
            const int here = texts.filter(QStringLiteral(", Ann")).size();
            QVERIFY(here > 0);
            names += here;
            if (texts.contains(QStringLiteral("On the roll:"))) {
                QCOMPARE(p, doc.pageCount() - 1);
                QVERIFY(here >= std::min(2, members));
                QCOMPARE(texts.at(texts.indexOf(QStringLiteral("On the roll:")) + 1), QString::number(members));
            }
        }
        QCOMPARE(names, members);
    }

    // Ok previews the rolls with the date shown, today unless changed, and closes the dialog.
    void dialogPreviewsWithItsDate()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        RecordingOutput output;
        auto* d = ScreenRegistry::load<frmWednesdayNightRollReport>();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Wednesday Night Roll Report"));
        QCOMPARE(d->dtDate->date(), QDate(2026, 12, 7));
        QTest::mouseClick(d->btnOK, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        QVERIFY(output.deliveries.last().busyPointer);
        QCOMPARE(output.last().title, QStringLiteral("Wednesday Night Roll"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ScreenRegistry::find<frmWednesdayNightRollReport>());

        auto* ss = ScreenRegistry::load<frmSundaySchoolRollReport>();
        ss->dtDate->setDate(QDate(2026, 12, 20));
        QTest::mouseClick(ss->btnCancel, Qt::LeftButton);
        QCOMPARE(output.deliveries.size(), 1);
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_MAIN(TestClassRolls)
#include "tst_classrolls.moc"
