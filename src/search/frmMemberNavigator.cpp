#include "frmMemberNavigator.h"

#include "core/MainMod.h"
#include "core/TypeAhead.h"
#include "members/PickLists.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"
#include "reports/Reports.h"
#include "schema/PermissionNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using Controls::make;
using Controls::rightLabel;

namespace {

constexpr int kWidth = 11835; // twips: the criteria frame and its margins
constexpr int kButtonWidth = 1450;

const QStringList kTrueFalse{"True", "False"};

} // namespace

frmMemberNavigator::frmMemberNavigator(QWidget* parent)
    : NavigatorScreen({0, {}, true, QStringLiteral("Members/Prospects - Matching Records: "), false}, parent)
{
    setObjectName(QStringLiteral("frmMemberNavigator"));
    setWindowTitle(QStringLiteral("Member Navigator"));
    buildFrames(QRect(120, 120, 11535, 2825), QStringLiteral("Members/Prospects"), QRect(120, 3000, 10935, 4215));
    buildCriteria();
    connectHandlers();
}

void frmMemberNavigator::buildCriteria()
{
    QGroupBox* f = Frame1;
    // Today's fonts need more room than designed: the left column is wider and the others move right.
    // Left column.
    rightLabel(f, QStringLiteral("Name"), 120, 240, 900);
    txtName = textBox(f, "txtName", 1080, 240, 3560);
    chkMemberSince = make<QCheckBox>(f, "chkMemberSince", 120, 600, 1560, 285);
    chkMemberSince->setText(QStringLiteral("Member Since"));
    dtStartDate = datePicker(f, "dtStartDate", 1680, 600, 1380);
    Controls::label(f, QStringLiteral("to"), 3060, 600, 200, 285, Qt::AlignCenter);
    dtEndDate = datePicker(f, "dtEndDate", 3260, 600, 1380);
    rightLabel(f, QStringLiteral("Search"), 120, 1080, 900);
    txtSearch = textBox(f, "txtSearch", 1080, 1080, 3560);
    rightLabel(f, QStringLiteral("Map"), 120, 1440, 900);
    txtMapSection = textBox(f, "txtMapSection", 1080, 1440, 3560);

    // Middle column.
    // Its lists are wider than designed, so that responsibilities such as "Sunday School Director" show whole.
    const auto middle = [f](const QString& caption, const char* name, int top) {
        rightLabel(f, caption, 4620, top, 1300);
        return pickList(f, name, 5930, top, 2310);
    };
    cmbStatus = middle(QStringLiteral("Member Status"), "cmbStatus", 240);
    cmbChurchStatus = middle(QStringLiteral("Church Status"), "cmbChurchStatus", 600);
    cmbProspectStatus = middle(QStringLiteral("Prospect Status"), "cmbProspectStatus", 960);
    cmbDobAnniv = middle(QStringLiteral("DOB/Anniv"), "cmbDobAnniv", 1320);
    cmbResponsibility = middle(QStringLiteral("Responsibility"), "cmbResponsibility", 1680);
    cmbReceiveNL = middle(QStringLiteral("Receive NL"), "cmbReceiveNL", 2040);
    cmbOrganization = middle(QStringLiteral("Organization"), "cmbOrganization", 2400);

    // Right column.
    const auto right = [f](const QString& caption, const char* name, int top) {
        rightLabel(f, caption, 8250, top, 880);
        return pickList(f, name, 9140, top, 2275);
    };
    cmbSSClass = right(QStringLiteral("SS Class"), "cmbSSClass", 240);
    cmbCG = right(QStringLiteral("CG Assign"), "cmbCG", 600);
    cmbDiscClass = right(QStringLiteral("Disc Class"), "cmbDiscClass", 960);
    cmbWedClass = right(QStringLiteral("Wed Class"), "cmbWedClass", 1320);
    cmbDeacon = right(QStringLiteral("Deacon"), "cmbDeacon", 1680);
    cmbHOH = right(QStringLiteral("HOH"), "cmbHOH", 2040);

    btnFind = button(f, "btnFind", QStringLiteral("Find"), 120, 1800, kButtonWidth);
    btnClear = button(f, "btnClear", QStringLiteral("Clear"), 1650, 1800, kButtonWidth);
    btnExit = button(f, "btnExit", QStringLiteral("Exit"), 3180, 1800, kButtonWidth);
    btnPrintMailingLabels =
        button(f, "btnPrintMailingLabels", QStringLiteral("Print Mail Lbl"), 120, 2280, kButtonWidth);
    btnPrintList = button(f, "btnPrintList", QStringLiteral("Print List"), 1650, 2280, kButtonWidth);
    btnPrintListDOBAnniv =
        button(f, "btnPrintListDOBAnniv", QStringLiteral("Print DOB/Anniv"), 3180, 2280, kButtonWidth);

    const QList<QWidget*> order{txtName,
                                chkMemberSince,
                                dtStartDate,
                                dtEndDate,
                                txtSearch,
                                txtMapSection,
                                cmbStatus,
                                cmbChurchStatus,
                                cmbProspectStatus,
                                cmbDobAnniv,
                                cmbResponsibility,
                                cmbReceiveNL,
                                cmbOrganization,
                                cmbSSClass,
                                cmbCG,
                                cmbDiscClass,
                                cmbWedClass,
                                cmbDeacon,
                                cmbHOH,
                                btnFind,
                                btnClear,
                                btnExit,
                                btnPrintMailingLabels,
                                btnPrintList,
                                btnPrintListDOBAnniv,
                                vsfgMembers};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmMemberNavigator::connectHandlers()
{
    // Receive NL, HOH and Organization keep the list's own keys.
    for (QComboBox* combo : {cmbStatus, cmbChurchStatus, cmbProspectStatus, cmbDobAnniv, cmbResponsibility, cmbSSClass,
                             cmbCG, cmbDiscClass, cmbWedClass, cmbDeacon})
        TypeAhead::install(combo);
    linkRange(chkMemberSince, {dtStartDate, dtEndDate});
    on(btnFind, &QPushButton::clicked, [this] { btnFind_Click(); });
    on(btnClear, &QPushButton::clicked, [this] { btnClear_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
    on(btnPrintMailingLabels, &QPushButton::clicked, [this] { btnPrintMailingLabels_Click(); });
    on(btnPrintList, &QPushButton::clicked, [this] { btnPrintList_Click(); });
    on(btnPrintListDOBAnniv, &QPushButton::clicked, [this] { btnPrintListDOBAnniv_Click(); });
}

void frmMemberNavigator::Form_Load()
{
    placeOnLoad(kWidth);
    LoadSearchValues();
}

void frmMemberNavigator::LoadSearchValues()
{
    WaitCursor wait;
    fillTexts(cmbStatus, QStringLiteral("SELECT Status FROM MemberStatus ORDER BY Status"));
    fillTexts(cmbChurchStatus, QStringLiteral("SELECT Status FROM ChurchStatus ORDER BY Status"));
    fillTexts(cmbProspectStatus, QStringLiteral("SELECT Status FROM ProspectStatus ORDER BY Status"));
    fillFixed(cmbDobAnniv, monthNames());
    fillTexts(cmbResponsibility, QStringLiteral("SELECT Name FROM Responsibilities ORDER BY Name"));
    fillFixed(cmbReceiveNL, kTrueFalse);
    fillFixed(cmbHOH, kTrueFalse);
    PickLists::fillWithIds(cmbSSClass, QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name, ID"));
    PickLists::fillWithIds(cmbDiscClass,
                           QStringLiteral("SELECT Name, ID FROM Discipleship_Training ORDER BY Name, ID"));
    PickLists::fillWithIds(cmbWedClass, QStringLiteral("SELECT Name, ID FROM Wednesday_Night ORDER BY Name, ID"));
    // A group whose leader is no member shows as ", ".
    PickLists::fillWithIds(cmbCG, QStringLiteral("SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,''), "
                                                 "Care_Group.ID FROM Care_Group "
                                                 "LEFT JOIN Member ON Care_Group.Group_Leader = Member.ID "
                                                 "ORDER BY Last_Name, First_Name, Care_Group.ID"));
    // One entry per Deacon holding, so a deacon who held it twice is listed twice.
    PickLists::fillWithIds(cmbDeacon,
                           QStringLiteral("SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,''), Member.ID "
                                          "FROM Member_Responsibility "
                                          "LEFT JOIN Member ON Member_Responsibility.Member_ID = Member.ID "
                                          "WHERE Responsibility = 'Deacon' ORDER BY Last_Name, First_Name, Member.ID"));
    fillTexts(cmbOrganization, QStringLiteral("SELECT Name FROM Church_Organizations ORDER BY Name"));
    clearGrid();
    const QDate today = Clock::today();
    setDateQuietly(dtStartDate, today);
    setDateQuietly(dtEndDate, today);
}

void frmMemberNavigator::btnFind_Click()
{
    UpdateGrids();
}

void frmMemberNavigator::btnClear_Click()
{
    const QDate today = Clock::today();
    txtName->clear();
    setDateQuietly(dtStartDate, today);
    setDateQuietly(dtEndDate, today);
    txtSearch->clear();
    txtMapSection->clear();
    for (QComboBox* combo :
         {cmbStatus, cmbChurchStatus, cmbProspectStatus, cmbDobAnniv, cmbSSClass, cmbCG, cmbDiscClass, cmbWedClass})
        combo->setCurrentIndex(-1);
    clearGrid();
    chkMemberSince->setChecked(false);
    for (QComboBox* combo : {cmbDeacon, cmbResponsibility, cmbReceiveNL, cmbHOH, cmbOrganization})
        combo->setCurrentIndex(-1);
}

void frmMemberNavigator::btnExit_Click()
{
    Unload();
}

void frmMemberNavigator::btnPrintMailingLabels_Click()
{
    printListed(PermissionNames::kMailingLabelsReport,
                [](const QList<qint64>& ids) { Reports::PrintMailingLabels(ids); });
}

void frmMemberNavigator::btnPrintList_Click()
{
    printListed(PermissionNames::kMemberNavigatorReport,
                [](const QList<qint64>& ids) { Reports::PrintMemberNavigatorReport(ids, true); });
}

void frmMemberNavigator::btnPrintListDOBAnniv_Click()
{
    printListed(PermissionNames::kMemberNavigatorReport,
                [](const QList<qint64>& ids) { Reports::PrintMemberNavigatorDOBAnnivReport(ids, true); });
}
