// The member screen's frame and its record tabs, at their designed places in twips. Tab pages measure from the
// top left corner of the page, under the tab strip.
#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "MemberEntryControls.h"

#include "platform/EntryBoxes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using Controls::make;
using Controls::rightLabel;
using MemberEntryControls::date;
using MemberEntryControls::pastDate;
using MemberEntryControls::pick;

namespace {

constexpr int kRow = 360; // one line of fields

class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return QProxyStyle::pixelMetric(metric, option, widget) / 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A column of captioned lines: each line's caption stands right-aligned beside it.
class Lines {
public:
    Lines(QWidget* parent, int labelLeft, int labelWidth, int top)
        : m_parent(parent), m_left(labelLeft), m_width(labelWidth), m_top(top)
    {
    }
    // Puts the caption beside the next line and returns that line's top.
    int next(const char* caption)
    {
        const int top = m_top;
        m_label = *caption ? rightLabel(m_parent, QString::fromLatin1(caption), m_left, top, m_width) : nullptr;
        m_top += kRow;
        return top;
    }
    // The caption of the line last added.
    QLabel* label() const { return m_label; }

private:
    QWidget* m_parent;
    int m_left;
    int m_width;
    int m_top;
    QLabel* m_label = nullptr;
};

// The captions of the fields a record cannot be saved without are blue, as the refusal at Save says.
void markRequired(QLabel* caption, QWidget* field)
{
    caption->setBuddy(field);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    caption->setPalette(palette);
}

// Pick lists stand a little higher than text boxes, being taller.
constexpr int kPickRaise = 15;

QLineEdit* textBox(QWidget* parent, const char* objectName, int left, int top, int width)
{
    auto* box = make<QLineEdit>(parent, objectName, left, top, width, 285);
    SelectAllOnFocus::install(box);
    return box;
}

PhoneEdit* phoneBox(QWidget* parent, const char* objectName, int left, int top)
{
    auto* box = make<PhoneEdit>(parent, objectName, left, top, 1575, 285);
    SelectAllOnFocus::install(box);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const char* objectName, const QString& caption, int left, int top, int width)
{
    auto* box = make<QCheckBox>(parent, objectName, left, top, width, 255);
    box->setText(caption);
    return box;
}

QPushButton* button(QWidget* parent, const char* objectName, const QString& caption, int left, int top,
                    int width = 1095)
{
    auto* b = make<QPushButton>(parent, objectName, left, top, width, 375);
    b->setText(caption);
    return b;
}

QGroupBox* frame(QWidget* parent, const char* objectName, const QString& caption, int left, int top, int width,
                 int height)
{
    auto* box = make<QGroupBox>(parent, objectName, left, top, width, height);
    box->setTitle(caption);
    return box;
}

} // namespace

void frmMemberEntry::buildFrame()
{
    // The window is 11745 by 8160 twips outside its border and caption.
    Twips::setFixedClientSize(this, 11625, 7740);

    rightLabel(this, QStringLiteral("Name"), 120, 150, 615);
    cmbMember = pick(this, "cmbMember", 840, 120, 4695);

    SSTab1 = make<QTabWidget>(this, "SSTab1", 120, 540, 11385, 6600);
    // All eight tabs in one strip, as on the designed screen: tighter margins beside each caption.
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(SSTab1->tabBar());
    SSTab1->tabBar()->setStyle(tabStyle);
    const QStringList captions{
        QStringLiteral("Contact Info"),         QStringLiteral("Demographic Info"), QStringLiteral("Notes"),
        QStringLiteral("Church Info"),          QStringLiteral("Prospect Info"),    QStringLiteral("Attendance Info"),
        QStringLiteral("Church Organizations"), QStringLiteral("Contributions")};
    QList<QWidget*> tabs;
    for (const QString& caption : captions) {
        auto* page = new QWidget;
        SSTab1->addTab(page, caption);
        tabs << page;
    }
    buildContactTab(tabs[0]);
    buildDemographicTab(tabs[1]);
    buildNotesTab(tabs[2]);
    buildChurchTab(tabs[3]);
    buildProspectTab(tabs[4]);
    buildAttendanceTab(tabs[5]);
    buildOrganizationsTab(tabs[6]);
    buildContributionsTab(tabs[7]);

    constexpr int kButtonTop = 7260;
    constexpr int kButtonWidth = 1455;
    constexpr int kStep = 1530;
    constexpr int kFirst = 3930;
    btnNew = button(this, "btnNew", QStringLiteral("New"), kFirst, kButtonTop, kButtonWidth);
    btnSaveNew = button(this, "btnSaveNew", QStringLiteral("Save"), kFirst + kStep, kButtonTop, kButtonWidth);
    btnSaveClose =
        button(this, "btnSaveClose", QStringLiteral("Save And Close"), kFirst + 2 * kStep, kButtonTop, kButtonWidth);
    btnDelete = button(this, "btnDelete", QStringLiteral("Delete"), kFirst + 3 * kStep, kButtonTop, kButtonWidth);
    btnExit = button(this, "btnExit", QStringLiteral("Exit"), kFirst + 4 * kStep, kButtonTop, kButtonWidth);
}

void frmMemberEntry::buildContactTab(QWidget* tab)
{
    constexpr int kLabel = 0;
    constexpr int kLabelWidth = 1215;
    constexpr int kField = 1320;
    constexpr int kWide = 3375;
    rightLabel(tab, QStringLiteral("ID"), kLabel, 120, kLabelWidth);
    txtMemberID = make<QLineEdit>(tab, "txtMemberID", kField, 120, 1095, 285);
    txtMemberID->setReadOnly(true);
    txtMemberID->setFocusPolicy(Qt::NoFocus);
    QLabel* statusCaption = rightLabel(tab, QStringLiteral("Status"), 2460, 120, 615);
    // Wider than designed, and nearer its caption, so that "Previous Member" shows whole in the closed box and it
    // stays clear of the phone captions.
    cmbMemberStatus = pick(tab, "cmbMemberStatus", 3120, 105, 1875);
    markRequired(statusCaption, cmbMemberStatus);

    Lines lines(tab, kLabel, kLabelWidth, 120 + kRow);
    txtFName = textBox(tab, "txtFName", kField, lines.next("First Name"), kWide);
    markRequired(lines.label(), txtFName);
    txtMName = textBox(tab, "txtMName", kField, lines.next("Middle Name"), kWide);
    txtLName = textBox(tab, "txtLName", kField, lines.next("Last Name"), kWide);
    markRequired(lines.label(), txtLName);
    cmbTitle = pick(tab, "cmbTitle", kField, lines.next("Title") - kPickRaise, 1815);
    txtAddress1 = textBox(tab, "txtAddress1", kField, lines.next("Address1"), kWide);
    txtAddress2 = textBox(tab, "txtAddress2", kField, lines.next("Address2"), kWide);
    txtCity = textBox(tab, "txtCity", kField, lines.next("City"), kWide);
    const int stateTop = lines.next("State/Zip");
    cmbState = pick(tab, "cmbState", kField, stateTop - kPickRaise, 1095);
    txtZip = textBox(tab, "txtZip", 2520, stateTop, 1335);

    constexpr int kPhoneLabel = 5010;
    constexpr int kPhoneLabelWidth = 1050;
    constexpr int kPhone = 6120;
    rightLabel(tab, QStringLiteral("Home Phone"), kPhoneLabel, 120, kPhoneLabelWidth);
    txtHomePhone = phoneBox(tab, "txtHomePhone", kPhone, 120);
    rightLabel(tab, QStringLiteral("Cell"), kPhoneLabel, 120 + kRow, kPhoneLabelWidth);
    txtCell = phoneBox(tab, "txtCell", kPhone, 120 + kRow);
    rightLabel(tab, QStringLiteral("Work Phone"), kPhoneLabel, 120 + 2 * kRow, kPhoneLabelWidth);
    txtWorkPhone = phoneBox(tab, "txtWorkPhone", kPhone, 120 + 2 * kRow);
    rightLabel(tab, QStringLiteral("Email"), kPhoneLabel, 120 + 3 * kRow, kPhoneLabelWidth);
    txtEmail = textBox(tab, "txtEmail", kPhone, 120 + 3 * kRow, 2175);

    // A square box with room for a picture fitted to 165 pixels and the box's border.
    constexpr int kPicture = 2535;
    auto* pictureFrame = frame(tab, "FramePicture", QString(), 8400, 0, kPicture + 240, 3240);
    imgPic = make<QLabel>(pictureFrame, "imgPic", 120, 120, kPicture, kPicture);
    imgPic->setAlignment(Qt::AlignCenter);
    imgPic->setFrameShape(QFrame::StyledPanel);
    btnLoadPic = button(pictureFrame, "btnLoadPic", QStringLiteral("Load Picture"), 660, 2760, 1455);
    // The extension of a newly chosen picture: state for the save, not for the eye.
    txtFileType = make<QLineEdit>(pictureFrame, "txtFileType", 120, 2760, 100, 285);
    txtFileType->hide();

    Frame3 = frame(tab, "Frame3", QStringLiteral("Family Members"), 120, 3300, 11055, 2820);
    vsfgFamilyMembers = make<ListGrid>(Frame3, "vsfgFamilyMembers", 120, 300, 7695, 2400);
    constexpr int kEditor = 7935;
    Controls::label(Frame3, QStringLiteral("Member"), kEditor, 300, 2955);
    cmbMemberAdd = pick(Frame3, "cmbMemberAdd", kEditor, 540, 2955);
    Controls::label(Frame3, QStringLiteral("Relationship"), kEditor, 960, 2955);
    cmbRelationship = pick(Frame3, "cmbRelationship", kEditor, 1200, 2955);
    btnAddFamMember = button(Frame3, "btnAddFamMember", QStringLiteral("Add"), kEditor, 1680, 1395);
    btnRemoveFamMember = button(Frame3, "btnRemoveFamMember", QStringLiteral("Remove"), kEditor + 1560, 1680, 1395);
    btnCloneHOHAddress = button(Frame3, "btnCloneHOHAddress", QStringLiteral("Clone Address"), kEditor, 2160, 2955);
}

void frmMemberEntry::buildDemographicTab(QWidget* tab)
{
    constexpr int kLabel = 120;
    constexpr int kLabelWidth = 1575;
    constexpr int kField = 1800;
    constexpr int kWide = 3735;
    Lines lines(tab, kLabel, kLabelWidth, 120);
    txtPlaceofWork = textBox(tab, "txtPlaceofWork", kField, lines.next("Place of Work"), kWide);
    txtOccupation = textBox(tab, "txtOccupation", kField, lines.next("Occupation"), kWide);
    const int birthTop = lines.next("Date of Birth");
    chkDOB = checkBox(tab, "chkDOB", QString(), kField, birthTop + 15, 255);
    dtDOB = pastDate(tab, "dtDOB", kField + 300, birthTop);
    cmbGender = pick(tab, "cmbGender", kField, lines.next("Gender") - kPickRaise, 1755);
    cmbMaritalStatus = pick(tab, "cmbMaritalStatus", kField, lines.next("Marrital Status") - kPickRaise, 1755);
    const int annivTop = lines.next("Anniv. Date");
    chkAnnivDate = checkBox(tab, "chkAnnivDate", QString(), kField, annivTop + 15, 255);
    dtAnnivDate = pastDate(tab, "dtAnnivDate", kField + 300, annivTop);
    chkHOH = checkBox(tab, "chkHOH", QStringLiteral("Head of Household"), kField, lines.next("") + 15, 2175);
    txtMapSection = textBox(tab, "txtMapSection", kField, lines.next("Map Section"), 1755);
    txtHobbies = make<QLineEdit>(tab, "txtHobbies", kField, lines.next("Hobbies"), 7215, 285);
    txtOrganizations = make<QLineEdit>(tab, "txtOrganizations", kField, lines.next("Organizations"), 7215, 285);
}

void frmMemberEntry::buildNotesTab(QWidget* tab)
{
    auto* notesFrame = frame(tab, "FrameNotes", QStringLiteral("Notes"), 120, 60, 11055, 5175);
    txtNotes = Controls::notesBox(notesFrame, "txtNotes", 120, 300, 10815, 4755);
    rightLabel(tab, QStringLiteral("Added"), 120, 5460, 855);
    txtAdded = make<QLineEdit>(tab, "txtAdded", 1080, 5460, 3735, 285);
    rightLabel(tab, QStringLiteral("Last Edited"), 5040, 5460, 1095);
    txtEdited = make<QLineEdit>(tab, "txtEdited", 6240, 5460, 3735, 285);
    for (QLineEdit* stamp : {txtAdded, txtEdited})
        stamp->setReadOnly(true);
}

void frmMemberEntry::buildChurchTab(QWidget* tab)
{
    constexpr int kLabel = 0;
    constexpr int kLabelWidth = 1575;
    constexpr int kBox = 1680;
    constexpr int kPicker = 1980;
    Lines lines(tab, kLabel, kLabelWidth, 120);
    cmbChurchStatus = pick(tab, "cmbChurchStatus", kBox, lines.next("Status") - kPickRaise, 1755);
    markRequired(lines.label(), cmbChurchStatus);

    struct DateRow {
        const char* caption;
        const char* box;
        const char* picker;
        QCheckBox** boxMember;
        QDateEdit** pickerMember;
    };
    const DateRow dates[] = {
        {"Member Since", "chkMemberSince", "dtMemberSince", &chkMemberSince, &dtMemberSince},
        {"Came Forward", "chkCameForward", "dtCameForward", &chkCameForward, &dtCameForward},
        {"Baptized", "chkBaptized", "dtBaptized", &chkBaptized, &dtBaptized},
        {"Letter Out", "chkLetterOut", "dtLetterOut", &chkLetterOut, &dtLetterOut},
        {"Deceased", "chkDeceased", "dtDeceased", &chkDeceased, &dtDeceased},
    };
    for (const DateRow& row : dates) {
        const int top = lines.next(row.caption);
        *row.boxMember = checkBox(tab, row.box, QString(), kBox, top + 15, 255);
        *row.pickerMember = pastDate(tab, row.picker, kPicker, top);
    }
    txtPreviousChurch = textBox(tab, "txtPreviousChurch", kBox, lines.next("Previous Church"), 1935);
    chkNewMail =
        checkBox(tab, "chkNewMail", QStringLiteral("Receive Newsletter Via Mail"), 240, lines.next("") + 15, 3375);
    chkNewEmail =
        checkBox(tab, "chkNewEmail", QStringLiteral("Receive Newsletter Via E-Mail"), 240, lines.next("") + 15, 3375);

    // Attendance levels and assignments, labels right-aligned against their lists.
    constexpr int kListLabel = 3720;
    constexpr int kListLabelWidth = 3855;
    constexpr int kList = 7680;
    constexpr int kListWidth = 3375;
    struct PickRow {
        const char* caption;
        const char* name;
        QComboBox** member;
    };
    const PickRow lists[] = {
        {"Sunday School Attendance Level", "cmbSSAttend", &cmbSSAttend},
        {"Worship Service Attendance Level", "cmbWorshipAttend", &cmbWorshipAttend},
        {"Discipleship Training Attendance Level", "cmbDiscAttend", &cmbDiscAttend},
        {"Sunday Evening Service Attendance Lavel", "cmbSundayEveAttend", &cmbSundayEveAttend},
        {"Wednesday Night Attendance Level", "cmbWedAttend", &cmbWedAttend},
        {"Sunday School Class", "cmbSSClass", &cmbSSClass},
        {"Care Group Assigned", "cmbCareGroup", &cmbCareGroup},
        {"Discipleship Training Class", "cmbDiscClass", &cmbDiscClass},
        {"Wednesday Night Class", "cmbWedClass", &cmbWedClass},
        {"Deacon Assigned", "cmbDeacon", &cmbDeacon},
    };
    Lines listLines(tab, kListLabel, kListLabelWidth, 120);
    for (const PickRow& row : lists)
        *row.member = pick(tab, row.name, kList, listLines.next(row.caption) - kPickRaise, kListWidth);

    Frame4 = frame(tab, "Frame4", QStringLiteral("Church Responsibilies"), 120, 3780, 11055, 2340);
    rightLabel(Frame4, QStringLiteral("Resp."), 120, 300, 495);
    cmbResp = pick(Frame4, "cmbResp", 720, 285, 3015);
    rightLabel(Frame4, QStringLiteral("Start"), 3840, 300, 495);
    dtRespStart = date(Frame4, "dtRespStart", 4440, 300);
    rightLabel(Frame4, QStringLiteral("End"), 6120, 300, 375);
    dtRespEnd = date(Frame4, "dtRespEnd", 6600, 300);
    btnAddResp = button(Frame4, "btnAddResp", QStringLiteral("Add"), 8400, 255);
    btnRemoveResp = button(Frame4, "btnRemoveResp", QStringLiteral("Remove"), 9600, 255);
    vsfgChurchResponsibilites = make<ListGrid>(Frame4, "vsfgChurchResponsibilites", 120, 720, 10815, 1500);
}

void frmMemberEntry::buildProspectTab(QWidget* tab)
{
    constexpr int kLabel = 0;
    constexpr int kLabelWidth = 2775;
    constexpr int kField = 2880;
    constexpr int kWidth = 2535;
    Lines lines(tab, kLabel, kLabelWidth, 120);
    cmbProspectStatus = pick(tab, "cmbProspectStatus", kField, lines.next("Status") - kPickRaise, kWidth);
    markRequired(lines.label(), cmbProspectStatus);
    txtProspectSource = textBox(tab, "txtProspectSource", kField, lines.next("Prospect Source"), kWidth);
    cmbProspectSSClass =
        pick(tab, "cmbProspectSSClass", kField, lines.next("Sunday School Class Assigned") - kPickRaise, kWidth);
    cmbProspectCGAssign =
        pick(tab, "cmbProspectCGAssign", kField, lines.next("Care Group Assigned") - kPickRaise, kWidth);
    txtProspectMemberOf = textBox(tab, "txtProspectMemberOf", kField, lines.next("Member Of"), kWidth);

    auto* notesFrame = frame(tab, "FrameProspectNotes", QStringLiteral("Notes"), 5520, 0, 5655, 1920);
    txtProspectNotes = Controls::notesBox(notesFrame, "txtProspectNotes", 120, 300, 5415, 1500);

    auto* contacts = frame(tab, "FrameContacts", QStringLiteral("Contacts Made"), 120, 2040, 11055, 4080);
    Controls::label(contacts, QStringLiteral("Next Contact"), 120, 300, 1455);
    dtNextContactDate = date(contacts, "dtNextContactDate", 120, 540);
    Controls::label(contacts, QStringLiteral("Action"), 1680, 300, 1935);
    cmbNextContactAction = pick(contacts, "cmbNextContactAction", 1680, 525, 1935);
    Controls::label(contacts, QStringLiteral("Phase"), 3720, 300, 2535);
    cmbNextPhase = pick(contacts, "cmbNextPhase", 3720, 525, 2535);
    Controls::label(contacts, QStringLiteral("Type"), 6360, 300, 1935);
    txtNextType = make<QLineEdit>(contacts, "txtNextType", 6360, 540, 1935, 285);
    btnNewContact = button(contacts, "btnNewContact", QStringLiteral("New Contact"), 9480, 480, 1455);
    vsfgProspectContacts = make<ListGrid>(contacts, "vsfgProspectContacts", 120, 960, 10815, 3000);
}

void frmMemberEntry::buildOrganizationsTab(QWidget* tab)
{
    const Qt::Alignment onList = Qt::AlignLeft | Qt::AlignBottom;
    Controls::label(tab, QStringLiteral("All Organizations"), 480, 120, 4335, 240, onList);
    lstAllOrganizations = make<QListWidget>(tab, "lstAllOrganizations", 480, 360, 4335, 5520);
    constexpr int kMove = 4935;
    btnAdd = button(tab, "btnAdd", QStringLiteral("Add >"), kMove, 600);
    btnRemove = button(tab, "btnRemove", QStringLiteral("< Rem"), kMove, 1080);
    btnAddAll = button(tab, "btnAddAll", QStringLiteral("Add >>"), kMove, 1560);
    btnRemoveAll = button(tab, "btnRemoveAll", QStringLiteral("<< Rem"), kMove, 2040);
    Controls::label(tab, QStringLiteral("Member Organizations"), 6150, 120, 4335, 240, onList);
    lstMemberOrganizations = make<QListWidget>(tab, "lstMemberOrganizations", 6150, 360, 4335, 5520);
    for (QListWidget* list : {lstAllOrganizations, lstMemberOrganizations}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setSortingEnabled(false);
    }
}
