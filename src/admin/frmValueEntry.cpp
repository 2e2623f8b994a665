#include "frmValueEntry.h"

#include "core/MainMod.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using Controls::make;
using MainMod::MainDatabase;

namespace {

const QString kPlainQuestion =
    QStringLiteral("Are you sure you want to delete this item? All references in the database will be removed. Proceed?");

// The lists may hold values that differ only in letter case. A delete matches without regard to it, as the text
// columns do: deleting "Mr." also removes "MR." and clears every reference to either, so none is left pointing
// at a value that is no longer listed.
QString clearWhere(const QString& table, const QString& column)
{
    return QStringLiteral("UPDATE %1 SET %2 = NULL WHERE %2 = ? COLLATE NOCASE").arg(table, column);
}

QString deleteWhere(const QString& table, const QString& column)
{
    return QStringLiteral("DELETE FROM %1 WHERE %2 = ? COLLATE NOCASE").arg(table, column);
}

bool listHolds(const QListWidget* list, const QString& value)
{
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() == value)
            return true;
    return false;
}

} // namespace

frmValueEntry::frmValueEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmValueEntry"));
    setWindowTitle(QStringLiteral("Defined Value Entry/Edit"));
    Twips::setFixedClientSize(this, 10620, 5265);

    Panel& level = m_panels[AttendanceLevel];
    level.table = QStringLiteral("AttendanceLevels");
    level.column = QStringLiteral("Levels");
    level.emptyMessage = QStringLiteral("You must enter an attendance level before clicking Add.");
    level.question = kPlainQuestion;
    for (const char* column : {"Sunday_School_Attendance_Level", "Worship_Service_Attendance_Level",
                               "Discipleship_Training_Attendance_Level", "Sunday_Evening_Service_Attendance_Level",
                               "Wednesday_Night_Attendance_Level"})
        level.cascade << clearWhere(QStringLiteral("Member"), QString::fromLatin1(column));
    level.cascade << deleteWhere(level.table, level.column);

    Panel& action = m_panels[ProspectAction];
    action.table = QStringLiteral("Prospect_Action");
    action.column = QStringLiteral("Action");
    action.emptyMessage = QStringLiteral("You must enter a Prospect Action before clicking Add.");
    action.question = QStringLiteral("Are you sure you want to delete this item? All references in the database will be "
                                     "removed and the Outreach Phase my not be complete. Proceed?");
    action.cascade << clearWhere(QStringLiteral("Member"), QStringLiteral("Prospect_Next_Contact_Action"))
                   << clearWhere(QStringLiteral("Outreach_Phase"), QStringLiteral("Action"))
                   << clearWhere(QStringLiteral("Prospect_Contact"), QStringLiteral("Action"))
                   << deleteWhere(action.table, action.column);

    Panel& relationship = m_panels[Relationship];
    relationship.table = QStringLiteral("Relationships");
    relationship.column = QStringLiteral("Relationships");
    relationship.emptyMessage = QStringLiteral("You must enter a Relationship before clicking Add.");
    relationship.question = QStringLiteral("Are you sure you want to delete this item? All references in the database "
                                           "will be removed, including any family links that include this "
                                           "relationship. Proceed?");
    relationship.cascade << deleteWhere(QStringLiteral("Family_Connection"), QStringLiteral("Relationship"))
                         << deleteWhere(relationship.table, relationship.column);

    Panel& rating = m_panels[ProspectContactRating];
    rating.table = QStringLiteral("Prospect_Contact_Rating");
    rating.column = QStringLiteral("Rating");
    rating.emptyMessage = QStringLiteral("You must enter a Prospect Contact Rating before clicking Add.");
    rating.question = kPlainQuestion;
    rating.cascade << clearWhere(QStringLiteral("Prospect_Contact"), QStringLiteral("Rating"))
                   << deleteWhere(rating.table, rating.column);

    Panel& title = m_panels[Title];
    title.table = QStringLiteral("Titles");
    title.column = QStringLiteral("Title");
    title.emptyMessage = QStringLiteral("You must enter a Title before clicking Add.");
    title.question = kPlainQuestion;
    title.cascade << clearWhere(QStringLiteral("Member"), QStringLiteral("Title")) << deleteWhere(title.table, title.column);

    Panel& permission = m_panels[Permission];
    permission.table = QStringLiteral("Permission");
    permission.column = QStringLiteral("Name");
    permission.emptyMessage = QStringLiteral("You must enter a Permission before clicking Add.");

    Panel& organization = m_panels[Organization];
    organization.table = QStringLiteral("Church_Organizations");
    organization.column = QStringLiteral("Name");
    organization.emptyMessage = QStringLiteral("You must enter an Organization before clicking Add.");

    Panel& designation = m_panels[Designation];
    designation.table = QStringLiteral("ContributionDesignation");
    designation.column = QStringLiteral("Name");
    designation.emptyMessage = QStringLiteral("You must enter a Contribution Designation before clicking Add.");

    makePanel(AttendanceLevel, QStringLiteral("Attendance Levels"), "lstAttendanceLevel", "txtAttendanceLevel",
              "btnAddAttendanceLevel", "btnDeleteAttendanceLevel", &btnAddAttendanceLevel, &btnDeleteAttendanceLevel);
    makePanel(ProspectAction, QStringLiteral("Prospect Action"), "lstProspectAction", "txtProspectAction",
              "btnAddProspectAction", "btnDeleteProspectAction", &btnAddProspectAction, &btnDeleteProspectAction);
    makePanel(Relationship, QStringLiteral("Relationships"), "lstRelationship", "txtRelationship",
              "btnAddRelationship", "btnDeleteRelationship", &btnAddRelationship, &btnDeleteRelationship);
    makePanel(ProspectContactRating, QStringLiteral("Prospect Contact Rating"), "lstProspectContactRating",
              "txtProspectContactRating", "btnAddProspectContactRating", "btnDeleteProspectContactRating",
              &btnAddProspectContactRating, &btnDeleteProspectContactRating);
    makePanel(Title, QStringLiteral("Titles"), "lstTitle", "txtTitle", "btnAddTitle", "btnDeleteTitle", &btnAddTitle,
              &btnDeleteTitle);
    makePanel(Permission, QStringLiteral("User Permissions"), "lstPermission", "txtPermission", "btnAddPermission",
              nullptr, &btnAddPermission, nullptr);
    makePanel(Organization, QStringLiteral("Church Organizations"), "lstOrganization", "txtOrganization",
              "btnAddOrganization", nullptr, &btnAddOrganization, nullptr);
    makePanel(Designation, QStringLiteral("Contributions Designation"), "lstDesignation", "txtDesignation",
              "btnAddDesignation", nullptr, &btnAddDesignation, nullptr);

    lstAttendanceLevel = m_panels[AttendanceLevel].list;
    txtAttendanceLevel = m_panels[AttendanceLevel].text;
    lstProspectAction = m_panels[ProspectAction].list;
    txtProspectAction = m_panels[ProspectAction].text;
    lstRelationship = m_panels[Relationship].list;
    txtRelationship = m_panels[Relationship].text;
    lstProspectContactRating = m_panels[ProspectContactRating].list;
    txtProspectContactRating = m_panels[ProspectContactRating].text;
    lstTitle = m_panels[Title].list;
    txtTitle = m_panels[Title].text;
    lstPermission = m_panels[Permission].list;
    txtPermission = m_panels[Permission].text;
    lstOrganization = m_panels[Organization].list;
    txtOrganization = m_panels[Organization].text;
    lstDesignation = m_panels[Designation].list;
    txtDesignation = m_panels[Designation].text;

    on(btnAddAttendanceLevel, &QPushButton::clicked, [this] { btnAddAttendanceLevel_Click(); });
    on(btnDeleteAttendanceLevel, &QPushButton::clicked, [this] { btnDeleteAttendanceLevel_Click(); });
    on(btnAddProspectAction, &QPushButton::clicked, [this] { btnAddProspectAction_Click(); });
    on(btnDeleteProspectAction, &QPushButton::clicked, [this] { btnDeleteProspectAction_Click(); });
    on(btnAddRelationship, &QPushButton::clicked, [this] { btnAddRelationship_Click(); });
    on(btnDeleteRelationship, &QPushButton::clicked, [this] { btnDeleteRelationship_Click(); });
    on(btnAddProspectContactRating, &QPushButton::clicked, [this] { btnAddProspectContactRating_Click(); });
    on(btnDeleteProspectContactRating, &QPushButton::clicked, [this] { btnDeleteProspectContactRating_Click(); });
    on(btnAddTitle, &QPushButton::clicked, [this] { btnAddTitle_Click(); });
    on(btnDeleteTitle, &QPushButton::clicked, [this] { btnDeleteTitle_Click(); });
    on(btnAddPermission, &QPushButton::clicked, [this] { btnAddPermission_Click(); });
    on(btnAddOrganization, &QPushButton::clicked, [this] { btnAddOrganization_Click(); });
    on(btnAddDesignation, &QPushButton::clicked, [this] { btnAddDesignation_Click(); });

    on(lstAttendanceLevel, &QListWidget::currentRowChanged, [this] { lstAttendanceLevel_Click(); });
    on(lstProspectAction, &QListWidget::currentRowChanged, [this] { lstProspectAction_Click(); });
    on(lstRelationship, &QListWidget::currentRowChanged, [this] { lstRelationship_Click(); });
    on(lstProspectContactRating, &QListWidget::currentRowChanged, [this] { lstProspectContactRating_Click(); });
    on(lstTitle, &QListWidget::currentRowChanged, [this] { lstTitle_Click(); });
}

QGroupBox* frmValueEntry::makePanel(PanelIndex index, const QString& caption, const char* list, const char* text,
                                    const char* add, const char* remove, QPushButton** addButton,
                                    QPushButton** deleteButton)
{
    // Two columns of four frames, filled row by row.
    const int left = index % 2 == 0 ? 120 : 5400;
    const int top = (index / 2) * 1320;
    auto* frame = make<QGroupBox>(this, "", left, top, 5175, 1215);
    frame->setObjectName(QStringLiteral("fra") + QString::fromLatin1(list).mid(3));
    frame->setTitle(caption);

    Panel& panel = m_panels[index];
    panel.text = make<QLineEdit>(frame, text, 120, 240, 2295, 285);
    SelectAllOnFocus::install(panel.text);
    panel.list = make<QListWidget>(frame, list, 2520, 240, 2535, 840);
    *addButton = make<QPushButton>(frame, add, 120, 720, 1095, 375);
    (*addButton)->setText(QStringLiteral("Add"));
    if (remove) {
        *deleteButton = make<QPushButton>(frame, remove, 1320, 720, 1095, 375);
        (*deleteButton)->setText(QStringLiteral("Delete"));
    }
    setTabOrder(panel.text, *addButton);
    if (remove)
        setTabOrder(*addButton, *deleteButton);
    return frame;
}

void frmValueEntry::Form_Load()
{
    placeTopLeft();
    WaitCursor wait;
    LoadAttendanceLevelList();
    LoadProspectActionList();
    LoadRelationshipList();
    LoadProspectContactRatingList();
    LoadTitleList();
    LoadPermissionList();
    LoadOrganizationList();
    LoadDesignationList();
}

void frmValueEntry::loadList(PanelIndex index)
{
    const Panel& panel = m_panels[index];
    const QSignalBlocker block(panel.list);
    panel.list->clear();
    // Values of other letter case sort together; the exact order between them stays the same on every load.
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT %2 FROM %1 WHERE %2 IS NOT NULL ORDER BY %2, %2 COLLATE BINARY").arg(panel.table, panel.column));
    for (; !rs.Eof(); rs.MoveNext())
        panel.list->addItem(rs.Text(panel.column));
    rs.Close();
    panel.list->setCurrentRow(-1);
}

void frmValueEntry::LoadAttendanceLevelList() { loadList(AttendanceLevel); }
void frmValueEntry::LoadProspectActionList() { loadList(ProspectAction); }
void frmValueEntry::LoadRelationshipList() { loadList(Relationship); }
void frmValueEntry::LoadProspectContactRatingList() { loadList(ProspectContactRating); }
void frmValueEntry::LoadTitleList() { loadList(Title); }
void frmValueEntry::LoadPermissionList() { loadList(Permission); }
void frmValueEntry::LoadOrganizationList() { loadList(Organization); }
void frmValueEntry::LoadDesignationList() { loadList(Designation); }

void frmValueEntry::addValue(PanelIndex index)
{
    const Panel& panel = m_panels[index];
    // Taken as typed: blanks are part of the value.
    const QString value = panel.text->text();
    if (value.isEmpty()) {
        Messages::show(panel.emptyMessage, QStringLiteral("No Data Entered"));
        return;
    }
    if (listHolds(panel.list, value))
        return;
    // The list may be older than the table; a value stored meanwhile is not added twice either.
    const QString stored = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ? COLLATE BINARY").arg(panel.table, panel.column);
    if (MainDatabase.scalar(stored, {value}).toInt() == 0)
        MainDatabase.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(panel.table, panel.column), {value});
    panel.text->clear();
    loadList(index);
}

void frmValueEntry::deleteValue(PanelIndex index)
{
    const Panel& panel = m_panels[index];
    const QString value = panel.text->text();
    if (!listHolds(panel.list, value))
        return;
    if (Messages::show(panel.question, QStringLiteral("Rename Confirmation"), Messages::Icon::None,
                       Messages::Buttons::YesNo)
        != Messages::Answer::Yes)
        return;
    // The references and the value go together: a failure part-way leaves every table as it was.
    Transaction transaction(MainDatabase);
    for (const QString& statement : panel.cascade)
        MainDatabase.execute(statement, {value});
    transaction.commit();
    panel.text->clear();
    loadList(index);
}

void frmValueEntry::chooseValue(PanelIndex index)
{
    const Panel& panel = m_panels[index];
    if (QListWidgetItem* item = panel.list->currentItem(); item && panel.list->currentRow() >= 0)
        panel.text->setText(item->text());
}

void frmValueEntry::btnAddAttendanceLevel_Click() { addValue(AttendanceLevel); }
void frmValueEntry::btnDeleteAttendanceLevel_Click() { deleteValue(AttendanceLevel); }
void frmValueEntry::btnAddProspectAction_Click() { addValue(ProspectAction); }
void frmValueEntry::btnDeleteProspectAction_Click() { deleteValue(ProspectAction); }
void frmValueEntry::btnAddRelationship_Click() { addValue(Relationship); }
void frmValueEntry::btnDeleteRelationship_Click() { deleteValue(Relationship); }
void frmValueEntry::btnAddProspectContactRating_Click() { addValue(ProspectContactRating); }
void frmValueEntry::btnDeleteProspectContactRating_Click() { deleteValue(ProspectContactRating); }
void frmValueEntry::btnAddTitle_Click() { addValue(Title); }
void frmValueEntry::btnDeleteTitle_Click() { deleteValue(Title); }
void frmValueEntry::btnAddPermission_Click() { addValue(Permission); }
void frmValueEntry::btnAddOrganization_Click() { addValue(Organization); }
void frmValueEntry::btnAddDesignation_Click() { addValue(Designation); }

void frmValueEntry::lstAttendanceLevel_Click() { chooseValue(AttendanceLevel); }
void frmValueEntry::lstProspectAction_Click() { chooseValue(ProspectAction); }
void frmValueEntry::lstRelationship_Click() { chooseValue(Relationship); }
void frmValueEntry::lstProspectContactRating_Click() { chooseValue(ProspectContactRating); }
void frmValueEntry::lstTitle_Click() { chooseValue(Title); }
