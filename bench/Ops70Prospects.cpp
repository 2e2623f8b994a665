// The prospect navigator: a Find over the whole church, moving through the people found with their contacts;
// and the member information update sheets of every head of household sent to print.

#include "Bench.h"

#include "core/MainMod.h"
#include "outreach/frmProspectNavigator.h"
#include "reports/PersonSheetDialog.h"
#include "reports/PersonSheets.h"
#include "reports/ReportOutput.h"
#include "reports/engine/Paint.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDateEdit>
#include <QPdfWriter>
#include <QPushButton>

namespace {

using Bench::Kind;

frmProspectNavigator* navigator()
{
    auto* screen = ScreenRegistry::find<frmProspectNavigator>();
    if (!screen)
        throw Bench::Failure(QStringLiteral("the prospect navigator is not open"));
    return screen;
}

void openNavigator()
{
    if (!ScreenRegistry::find<frmProspectNavigator>())
        Bench::openFromMenu(QStringLiteral("ProspectNavigator"), "frmProspectNavigator");
    navigator()->btnClear_Click();
}

// The grid's rows as the search fetches them: everybody with the prospect columns, in name order.
const QString kEverybody = QStringLiteral(
    "SELECT Member.ID, IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || IFNULL(Middle_Name,'') || ' ' "
    "|| IFNULL(Title,''), Status, Prospect_Phase, Prospect_Next_Contact_Date, Prospect_Next_Contact_Action, "
    "Prospect_Next_Contact_Type, Phone, Cell, Work_Phone, Email, IFNULL(Address_1,'') || ', ' || "
    "IFNULL(Address_2,'') || ', ' || IFNULL(City,'') || ', ' || IFNULL(State,'') || ' ' || IFNULL(Zip,''), "
    "Date_Of_Birth, Anniversary_Date, Member_Active_Status, Prospect_Active_Status FROM Member");

// Each sheet goes where a printer would take it: painted, here into a PDF in memory.
class PaintingOutput : public ReportOutput::Output {
public:
    bool deliver(const ReportOutput::Report& report, ReportOutput::Mode) override
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        sheets += report.document->pageCount();
        return ReportEngine::paint(*report.document, writer);
    }
    int sheets = 0;
};
PaintingOutput* painting = nullptr;

int row = 0;

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Prospect Navigator: Find with no criteria (every person)"),
        .kind = Kind::Rows,
        .budgetMs = 100,
        .setUp = openNavigator,
        .run =
            [] {
                navigator()->btnFind->click();
                const int everybody =
                    MainMod::MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();
                if (navigator()->vsfgMembers->dataRows() != everybody)
                    throw Bench::Failure(QStringLiteral("the Find did not list everybody"));
            },
        .raw = [] { Bench::fetchAll(kEverybody + QStringLiteral(" ORDER BY Last_Name, First_Name, Middle_Name, ID")); },
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Prospect Navigator: Find the prospects due within a week"),
        .kind = Kind::Rows,
        .budgetMs = 100,
        .setUp =
            [] {
                openNavigator();
                frmProspectNavigator* s = navigator();
                s->cmbStatus->setCurrentIndex(s->cmbStatus->findText(QStringLiteral("Prospect")));
                s->dtEndDate->setDate(QDate::currentDate().addDays(7));
            },
        .run =
            [] {
                navigator()->btnFind->click();
                if (navigator()->vsfgMembers->dataRows() == 0)
                    throw Bench::Failure(QStringLiteral("nobody is due"));
            },
        .raw =
            [] {
                Bench::fetchAll(kEverybody + QStringLiteral(" WHERE Prospect_Next_Contact_Date >= ? AND "
                                                            "Prospect_Next_Contact_Date <= ? AND Status = ? "
                                                            "ORDER BY Last_Name, First_Name, Middle_Name, ID"),
                                {QDate::currentDate(), QDate::currentDate().addDays(7), QStringLiteral("Prospect")});
            },
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Prospect Navigator: next row and its contacts (arrow key)"),
        .kind = Kind::Absolute,
        .budgetMs = 30,
        .setUp =
            [] {
                if (!ScreenRegistry::find<frmProspectNavigator>() || navigator()->vsfgMembers->dataRows() < 2) {
                    openNavigator();
                    navigator()->btnFind->click();
                    row = 0;
                }
            },
        .run =
            [] {
                frmProspectNavigator* s = navigator();
                s->vsfgMembers->pickRow(++row % s->vsfgMembers->dataRows());
                QApplication::processEvents();
                if (!s->vsfgContact->hasHeading())
                    throw Bench::Failure(QStringLiteral("the contacts were not shown"));
            },
        .raw = {},
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Update sheets for every head of household, painted"),
        .kind = Kind::Absolute,
        .budgetMs = 60000,
        .setUp =
            [] {
                Bench::closeScreens();
                painting = new PaintingOutput;
                ReportOutput::install(painting);
                Bench::openFromMenu(QStringLiteral("MemberInfoUpdateReportMdi"), "frmMemberInformationUpdateReport");
            },
        .run =
            [] {
                auto* dialog = ScreenRegistry::find<frmMemberInformationUpdateReport>();
                dialog->cmbProspect->setCurrentIndex(dialog->cmbProspect->findText(PersonSheets::kAllHeads));
                dialog->btnOK->click();
                const int heads = int(PersonSheets::groupIds(PersonSheets::kAllHeads).size());
                if (painting->sheets != heads)
                    throw Bench::Failure(
                        QStringLiteral("%1 of %2 sheets were printed").arg(painting->sheets).arg(heads));
            },
        .raw = {},
        .tearDown =
            [] {
                ReportOutput::install(nullptr);
                delete painting;
                painting = nullptr;
                Bench::closeScreens();
            },
    });
    return true;
}();

} // namespace
