#include "frmProspectNavigator.h"

#include "frmProspectContactEntry.h"

#include "core/Permissions.h"
#include "core/TypeAhead.h"
#include "members/PickLists.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Messages.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"
#include "reports/PrintLoop.h"
#include "reports/Reports.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

using Controls::make;
using Controls::rightLabel;

namespace {

constexpr int kWidth = 13200;    // twips: the criteria frame and its margins
constexpr int kGridMargin = 120; // the grids' place in their frames
constexpr int kGridTop = 240;
constexpr int kFrameGap = 100;     // between the two grid frames
constexpr int kCaptionRoom = 750;  // under the contacts frame
constexpr int kGridUnder = 350;    // a grid is this much shorter than its frame
constexpr int kGridNarrower = 200; // and this much narrower
constexpr int kNotesColumn = 7;    // of the contacts grid

} // namespace

frmProspectNavigator::frmProspectNavigator(QWidget* parent)
    : NavigatorScreen({0, {}, true, QStringLiteral("Prospects - Matching Records: ")}, parent)
{
    setObjectName(QStringLiteral("frmProspectNavigator"));
    setWindowTitle(QStringLiteral("Prospect Navigator"));
    buildFrames(QRect(120, 0, 12900, 2655), QStringLiteral("Prospects"), QRect(120, 2760, 10935, 2415));
    Frame3 = make<QGroupBox>(this, "Frame3", 120, 5280, 10935, 2415);
    Frame3->setTitle(QStringLiteral("Contacts"));
    vsfgContact = make<NavigatorGrid>(Frame3, "vsfgContact", kGridMargin, kGridTop, 8415, 1935);
    // Notes read as running text, from the left.
    vsfgContact->navigatorModel()->setColumnAlignment(kNotesColumn, Qt::AlignLeft | Qt::AlignVCenter);
    // The sheets printed are one block of rows, so the count asked about is the count printed.
    vsfgMembers->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Column widths from the first rows: arrow keys and Find must not wait on measuring text.
    vsfgMembers->horizontalHeader()->setResizeContentsPrecision(50);
    buildCriteria();
    connectHandlers();
}

void frmProspectNavigator::buildCriteria()
{
    QGroupBox* f = Frame1;
    // Today's fonts need more room than designed: the columns are wider and the buttons too.
    // Left column: the outreach state.
    const auto left = [f](const QString& caption, int top) { rightLabel(f, caption, 120, top, 1300); };
    const auto range = [f](const char* box, const QString& caption, const char* from, const char* to, int top,
                           QCheckBox*& check, QDateEdit*& start, QDateEdit*& end) {
        check = make<QCheckBox>(f, box, 120, top, 1800, 285);
        check->setText(caption);
        start = datePicker(f, from, 1920, top, 1400);
        Controls::label(f, QStringLiteral("to"), 3320, top, 220, 285, Qt::AlignCenter);
        end = datePicker(f, to, 3540, top, 1400);
    };
    left(QStringLiteral("Phase"), 240);
    cmbPhase = pickList(f, "cmbPhase", 1480, 240, 3460);
    range("chkNextDate", QStringLiteral("Next Contact"), "dtStartDate", "dtEndDate", 600, chkNextDate, dtStartDate,
          dtEndDate);
    left(QStringLiteral("Next Action"), 1080);
    cmbNextAction = pickList(f, "cmbNextAction", 1480, 1080, 3460);
    range("chkPrevDate", QStringLiteral("Previous Contact"), "dtStartDatePrev", "dtEndDatePrev", 1440, chkPrevDate,
          dtStartDatePrev, dtEndDatePrev);
    left(QStringLiteral("Prev. Act,"), 1920);
    cmbPrevAction = pickList(f, "cmbPrevAction", 1480, 1920, 3460);

    // Middle column: statuses and free text.
    const auto middle = [f](const QString& caption, int top) { rightLabel(f, caption, 5000, top, 1380); };
    middle(QStringLiteral("Member Status"), 240);
    cmbStatus = pickList(f, "cmbStatus", 6440, 240, 2000);
    middle(QStringLiteral("Church Status"), 600);
    cmbChurchStatus = pickList(f, "cmbChurchStatus", 6440, 600, 2000);
    middle(QStringLiteral("Prospect Status"), 960);
    cmbProspectStatus = pickList(f, "cmbProspectStatus", 6440, 960, 2000);
    middle(QStringLiteral("Search"), 1320);
    txtSearch = textBox(f, "txtSearch", 6440, 1320, 2000);
    middle(QStringLiteral("Name"), 1680);
    txtName = textBox(f, "txtName", 6440, 1680, 2000);

    // Right column: what the person is assigned to as a prospect, dates of the year, the map.
    const auto right = [f](const QString& caption, int top) { rightLabel(f, caption, 8500, top, 1000); };
    right(QStringLiteral("SS Class"), 240);
    cmbSSClass = pickList(f, "cmbSSClass", 9560, 240, 3220);
    right(QStringLiteral("CG Assign"), 600);
    cmbCG = pickList(f, "cmbCG", 9560, 600, 3220);
    right(QStringLiteral("DOB/Anniv"), 960);
    cmbDobAnniv = pickList(f, "cmbDobAnniv", 9560, 960, 3220);
    right(QStringLiteral("Map"), 1320);
    txtMapSection = textBox(f, "txtMapSection", 9560, 1320, 3220);

    btnPrintMailingLabels = button(f, "btnPrintMailingLabels", QStringLiteral("Print Mail Lbl"), 8800, 1680, 1300);
    btnPrintListShort = button(f, "btnPrintListShort", QStringLiteral("Print Short"), 10140, 1680, 1300);
    btnPrintList = button(f, "btnPrintList", QStringLiteral("Print List"), 11480, 1680, 1300);
    btnPrintPS = button(f, "btnPrintPS", QStringLiteral("Print PCS"), 7460, 2160, 1300);
    btnFind = button(f, "btnFind", QStringLiteral("Find"), 8800, 2160, 1300);
    btnClear = button(f, "btnClear", QStringLiteral("Clear"), 10140, 2160, 1300);
    btnExit = button(f, "btnExit", QStringLiteral("Exit"), 11480, 2160, 1300);

    const QList<QWidget*> order{cmbPhase,
                                chkNextDate,
                                dtStartDate,
                                dtEndDate,
                                cmbNextAction,
                                chkPrevDate,
                                dtStartDatePrev,
                                dtEndDatePrev,
                                cmbPrevAction,
                                cmbStatus,
                                cmbChurchStatus,
                                cmbProspectStatus,
                                txtSearch,
                                txtName,
                                cmbSSClass,
                                cmbCG,
                                cmbDobAnniv,
                                txtMapSection,
                                btnPrintMailingLabels,
                                btnPrintListShort,
                                btnPrintList,
                                btnPrintPS,
                                btnFind,
                                btnClear,
                                btnExit,
                                vsfgMembers,
                                vsfgContact};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmProspectNavigator::connectHandlers()
{
    // The phase list keeps the list's own keys.
    for (QComboBox* combo :
         {cmbCG, cmbChurchStatus, cmbDobAnniv, cmbNextAction, cmbPrevAction, cmbProspectStatus, cmbSSClass, cmbStatus})
        TypeAhead::install(combo);
    linkRange(chkNextDate, {dtStartDate, dtEndDate});
    linkRange(chkPrevDate, {dtStartDatePrev, dtEndDatePrev});
    on(btnFind, &QPushButton::clicked, [this] { btnFind_Click(); });
    on(btnClear, &QPushButton::clicked, [this] { btnClear_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
    on(btnPrintList, &QPushButton::clicked, [this] { btnPrintList_Click(); });
    on(btnPrintListShort, &QPushButton::clicked, [this] { btnPrintListShort_Click(); });
    on(btnPrintMailingLabels, &QPushButton::clicked, [this] { btnPrintMailingLabels_Click(); });
    on(btnPrintPS, &QPushButton::clicked, [this] { btnPrintPS_Click(); });
    on(vsfgMembers->selectionModel(), &QItemSelectionModel::currentRowChanged,
       [this] { vsfgMembers_AfterRowColChange(); });
    connect(vsfgContact, &NavigatorGrid::rowDoubleClicked, this,
            [this](int row) { Guard::run([this, row] { vsfgContact_DblClick(row); }); });
    connect(vsfgContact->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this] { Guard::run([this] { vsfgContact_DblClick(-1); }); });
}

void frmProspectNavigator::Form_Load()
{
    placeOnLoad(kWidth);
    LoadSearchValues();
}

void frmProspectNavigator::LoadSearchValues()
{
    WaitCursor wait;
    const QDate today = Clock::today();
    txtSearch->clear();
    setDateQuietly(dtStartDate, today);
    setDateQuietly(dtEndDate, today);
    chkNextDate->setChecked(false);
    setDateQuietly(dtStartDatePrev, today);
    setDateQuietly(dtEndDatePrev, today);
    chkPrevDate->setChecked(false);
    fillTexts(cmbPhase, QStringLiteral("SELECT Phase FROM Outreach_Phase ORDER BY PhaseOrder, rowid"));
    fillTexts(cmbNextAction, QStringLiteral("SELECT Action FROM Prospect_Action ORDER BY Action"));
    fillFixed(cmbPrevAction, [this] {
        QStringList actions;
        for (int i = 0; i < cmbNextAction->count(); ++i)
            actions << cmbNextAction->itemText(i);
        return actions;
    }());
    fillTexts(cmbStatus, QStringLiteral("SELECT Status FROM MemberStatus ORDER BY Status"));
    fillTexts(cmbChurchStatus, QStringLiteral("SELECT Status FROM ChurchStatus ORDER BY Status"));
    fillTexts(cmbProspectStatus, QStringLiteral("SELECT Status FROM ProspectStatus ORDER BY Status"));
    PickLists::fillWithIds(cmbSSClass, QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name, ID"));
    // A group whose leader is no member shows as ", ".
    PickLists::fillWithIds(cmbCG, QStringLiteral("SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,''), "
                                                 "Care_Group.ID FROM Care_Group "
                                                 "LEFT JOIN Member ON Care_Group.Group_Leader = Member.ID "
                                                 "ORDER BY Last_Name, First_Name, Care_Group.ID"));
    fillFixed(cmbDobAnniv, monthNames());
    txtMapSection->clear();
    clearGrid();
    vsfgContact->clear();
}

void frmProspectNavigator::btnFind_Click()
{
    UpdateGrids();
}

void frmProspectNavigator::btnClear_Click()
{
    const QDate today = Clock::today();
    txtName->clear();
    chkNextDate->setChecked(false);
    setDateQuietly(dtStartDate, today);
    setDateQuietly(dtEndDate, today);
    cmbNextAction->setCurrentIndex(-1);
    chkPrevDate->setChecked(false);
    setDateQuietly(dtStartDatePrev, today);
    setDateQuietly(dtEndDatePrev, today);
    for (QComboBox* combo : {cmbPrevAction, cmbStatus, cmbChurchStatus, cmbProspectStatus})
        combo->setCurrentIndex(-1);
    txtSearch->clear();
    for (QComboBox* combo : {cmbSSClass, cmbCG, cmbDobAnniv})
        combo->setCurrentIndex(-1);
    txtMapSection->clear();
    clearGrid();
    vsfgContact->clear();
    cmbPhase->setCurrentIndex(-1);
}

void frmProspectNavigator::btnExit_Click()
{
    Unload();
}

void frmProspectNavigator::btnPrintList_Click()
{
    printListed(PermissionNames::kProspectNavigatorReport,
                [](const QList<qint64>& ids) { Reports::PrintProspectNavigatorReport(ids, true); });
}

void frmProspectNavigator::btnPrintListShort_Click()
{
    printListed(PermissionNames::kProspectNavigatorReport,
                [](const QList<qint64>& ids) { Reports::PrintProspectNavigatorShortReport(ids, true); });
}

void frmProspectNavigator::btnPrintMailingLabels_Click()
{
    printListed(PermissionNames::kMailingLabelsReport,
                [](const QList<qint64>& ids) { Reports::PrintMailingLabels(ids); });
}

QList<int> frmProspectNavigator::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : vsfgMembers->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmProspectNavigator::btnPrintPS_Click()
{
    if (!Refusal::check(PermissionNames::kProspectVisitationSheetReport, Refusal::kViewReport))
        return;
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const Messages::Answer answer = Messages::show(
        QStringLiteral("Are you sure you want to print Prospect Visitation Sheets for each name selected in the box "
                       "below? Total number is: %1")
            .arg(rows.size()),
        QStringLiteral("Print Confirmation"), Messages::Icon::None, Messages::Buttons::YesNo);
    if (answer != Messages::Answer::Yes)
        return;
    // The IDs are taken now: the grid may be searched again while the sheets print.
    QList<qint64> ids;
    for (int row : rows)
        ids << vsfgMembers->id(row);
    Reports::printEach(QStringLiteral("Prospect Contact Sheets"), int(ids.size()),
                       [&ids](int i) { return Reports::PrintProspectVisitationSheetReport(ids.at(i), false); });
}

void frmProspectNavigator::vsfgContact_DblClick(int row)
{
    // The right is asked first, so the heading answers a user without it too.
    if (!Refusal::check(PermissionNames::kProspectContactEntryEdit, Refusal::kEditRecord))
        return;
    if (row < 0 || row >= vsfgContact->dataRows())
        return;
    if (auto* contact = ScreenRegistry::load<frmProspectContactEntry>())
        contact->LoadContact(vsfgContact->id(row));
}

void frmProspectNavigator::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    Form_Resize();
}

void frmProspectNavigator::Form_Resize()
{
    const QMdiSubWindow* sub = subWindow();
    if (sub && sub->isMinimized())
        return;
    const QSize outer = sub ? sub->size() : size();
    const auto px = [](int twips) { return Twips::toPixels(twips); };
    const auto setWidth = [](QWidget* w, int width) {
        if (width > 0)
            w->resize(width, w->height());
    };
    const auto setHeight = [](QWidget* w, int height) {
        if (height > 0)
            w->resize(w->width(), height);
    };
    const int frameWidth = outer.width() - px(300);
    if (frameWidth > 0) {
        setWidth(Frame2, frameWidth);
        setWidth(vsfgMembers, Frame2->width() - px(kGridNarrower));
        setWidth(Frame3, Frame2->width());
        setWidth(vsfgContact, Frame3->width() - px(kGridNarrower));
    }
    const int below = outer.height() - Frame1->height();
    if (below > 0) {
        setHeight(Frame2, below / 2);
        setHeight(vsfgMembers, Frame2->height() - px(kGridUnder));
        setHeight(Frame3, below - Frame2->height() - px(kCaptionRoom));
        Frame3->move(Frame3->x(), Frame2->y() + Frame2->height() + px(kFrameGap));
        setHeight(vsfgContact, Frame3->height() - px(kGridUnder));
    }
}
