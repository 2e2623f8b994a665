#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "outreach/frmProspectNavigator.h"
#include "reports/ClassRollDialog.h"
#include "reports/PersonSheetDialog.h"
#include "reports/PersonSheets.h"
#include "reports/ReportOutput.h"
#include "reports/frmSundaySchoolProspectListingReport.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

// Writes what was printed to PDF files in KOV_GRAB_DIR, when it is set, to look at.
void keep(const RecordingOutput& output, const QString& name)
{
    const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
    if (folder.isEmpty())
        return;
    for (int i = 0; i < output.deliveries.size(); ++i)
        ReportOutput::writePdf(*output.deliveries.at(i).report.document,
                               QDir(folder).filePath(QStringLiteral("%1-%2.pdf").arg(name).arg(i + 1)));
}

int printed(const RecordingOutput& output)
{
    int count = 0;
    for (const auto& delivery : output.deliveries)
        count += delivery.mode == ReportOutput::Mode::Print ? 1 : 0;
    return count;
}

} // namespace

// A week of outreach on the demo church, from the prospect navigator to the printed sheets and rolls.
class TestProspectLooks : public QObject {
    Q_OBJECT

private slots:
    void visitsDueNextWeek()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");

        auto* s = ScreenRegistry::load<frmProspectNavigator>();
        QVERIFY(s);
        s->parentWidget()->resize(1000, 700);
        const QDate today(2026, 12, 7);
        s->dtEndDate->setDate(today.addDays(7)); // ticks the range box, as the user's change does
        QVERIFY(s->chkNextDate->isChecked());
        s->cmbNextAction->setCurrentIndex(s->cmbNextAction->findText(QStringLiteral("Visit")));
        QTest::mouseClick(s->btnFind, Qt::LeftButton);
        QVERIFY(s->vsfgMembers->dataRows() >= 2);
        for (int r = 0; r < s->vsfgMembers->dataRows(); ++r)
            QCOMPARE(s->vsfgMembers->text(r, 5), QStringLiteral("Visit"));
        s->vsfgMembers->setFocus();
        s->vsfgMembers->pickRow(0);
        QVERIFY(s->vsfgContact->dataRows() > 0);
        grabIfAsked(s->parentWidget(), QStringLiteral("demo-frmProspectNavigator"));

        RecordingOutput output;
        s->vsfgMembers->selectAll();
        QTest::mouseClick(s->btnPrintPS, Qt::LeftButton);
        QCOMPARE(messages.last().title, QStringLiteral("Print Confirmation"));
        QCOMPARE(printed(output), s->vsfgMembers->dataRows());
        QTest::mouseClick(s->btnPrintList, Qt::LeftButton);
        QCOMPARE(output.deliveries.last().mode, ReportOutput::Mode::Preview);
        keep(output, QStringLiteral("demo-visits"));
    }

    void sheetsAndRolls()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        RecordingOutput output;

        auto* update = ScreenRegistry::load<frmMemberInformationUpdateReport>();
        QVERIFY(update);
        grabIfAsked(update->parentWidget(), QStringLiteral("demo-frmMemberInformationUpdateReport"));
        update->cmbProspect->setCurrentIndex(0);
        QTest::mouseClick(update->btnOK, Qt::LeftButton);
        const int heads = PersonSheets::groupIds(PersonSheets::kAllHeads).size();
        QVERIFY(heads > 3);
        QCOMPARE(printed(output), 1); // one print job of a sheet per head
        QCOMPARE(output.last().pageCount(), heads);
        keep(output, QStringLiteral("demo-update"));

        for (const char* kind : {"ss", "dt", "wn"}) {
            output.deliveries.clear();
            ClassRollDialog* dialog = nullptr;
            if (kind == QByteArray("ss"))
                dialog = ScreenRegistry::load<frmSundaySchoolRollReport>();
            else if (kind == QByteArray("dt"))
                dialog = ScreenRegistry::load<frmDiscipleshipTrainingRollReport>();
            else
                dialog = ScreenRegistry::load<frmWednesdayNightRollReport>();
            QVERIFY(dialog);
            if (kind == QByteArray("ss"))
                grabIfAsked(dialog->parentWidget(), QStringLiteral("demo-frmSundaySchoolRollReport"));
            QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
            QCOMPARE(output.deliveries.size(), 1);
            QVERIFY(output.last().pageCount() >= 2);
            keep(output, QStringLiteral("demo-roll-%1").arg(QString::fromLatin1(kind)));
        }

        output.deliveries.clear();
        auto* listing = ScreenRegistry::load<frmSundaySchoolProspectListingReport>();
        QVERIFY(listing);
        QTest::mouseClick(listing->btnSelectAll, Qt::LeftButton);
        listing->dtEnd->setDate(QDate(2026, 12, 14));
        for (int i = 0; i < listing->lstAction->count(); ++i)
            listing->lstAction->item(i)->setCheckState(Qt::Checked);
        grabIfAsked(listing->parentWidget(), QStringLiteral("demo-frmSundaySchoolProspectListingReport"));
        QTest::mouseClick(listing->btnOK, Qt::LeftButton);
        QVERIFY(printed(output) >= 3);
        keep(output, QStringLiteral("demo-sslisting"));
    }
};

QTEST_MAIN(TestProspectLooks)
#include "tst_prospectlooks.moc"
