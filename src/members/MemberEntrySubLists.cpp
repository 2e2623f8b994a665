// The lists that hang off the member shown: family, responsibilities, prospect contacts and organizations, and
// what picking or double-clicking their rows does.
#include "frmMemberEntry.h"

#include "ListGrid.h"
#include "PickLists.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>

using MainMod::MainDatabase;

namespace {

QVariant dateValue(const Recordset& rs, const QString& column)
{
    const QDate date = SqlValue::toDate(rs.Field(column));
    return date.isValid() ? QVariant(date) : QVariant();
}

// A visitor's name, or Null when the contact names no one (or someone since deleted).
QString visitorName(const QString& alias)
{
    return QStringLiteral("CASE WHEN %1.ID IS NULL THEN NULL ELSE %2 END").arg(alias, Format::personNameSql(alias));
}

} // namespace

void frmMemberEntry::LoadFamilyMembers()
{
    // A head of household lists the relatives linked to them; anyone else the heads they are linked to. The grid
    // remembers which, so a picked row is read the way it was loaded.
    m_familyListsRelatives = chkHOH->isChecked();
    const QString shown = m_familyListsRelatives ? QStringLiteral("Relative_Member_ID") : QStringLiteral("Member_ID");
    const QString self = m_familyListsRelatives ? QStringLiteral("Member_ID") : QStringLiteral("Relative_Member_ID");
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Member.ID AS ID, Status, First_Name, Middle_Name, Last_Name, Title, Phone, Gender, "
                       "Date_Of_Birth, Member_Active_Status, Prospect_Active_Status, Relationship FROM "
                       "Family_Connection LEFT JOIN Member ON Family_Connection.%1 = Member.ID "
                       "WHERE Family_Connection.%2 = ? ORDER BY Relationship")
            .arg(shown, self),
        {m_memberId});
    QList<QVariantList> rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString name = rs.Text(QStringLiteral("Last_Name")) + QStringLiteral(", ") +
                             rs.Text(QStringLiteral("First_Name")) + QLatin1Char(' ') +
                             rs.Text(QStringLiteral("Middle_Name")) + QLatin1Char(' ') + rs.Text(QStringLiteral("Title"));
        rows.append({rs.Field(QStringLiteral("ID")), name,
                     m_familyListsRelatives ? QVariant(rs.Text(QStringLiteral("Relationship")))
                                            : QVariant(QStringLiteral("Head of Household")),
                     rs.Field(QStringLiteral("Status")), rs.Field(QStringLiteral("Member_Active_Status")),
                     rs.Field(QStringLiteral("Prospect_Active_Status")), rs.Field(QStringLiteral("Phone")),
                     rs.Field(QStringLiteral("Gender")), dateValue(rs, QStringLiteral("Date_Of_Birth"))});
    }
    rs.Close();
    vsfgFamilyMembers->fill({QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Relationship"),
                             QStringLiteral("Status"), QStringLiteral("Member Status"),
                             QStringLiteral("Prospect Status"), QStringLiteral("Phone"), QStringLiteral("Gender"),
                             QStringLiteral("DOB")},
                            std::move(rows));
}

void frmMemberEntry::LoadResponsibilities()
{
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Name, Description, \"Start\", \"End\" FROM Member_Responsibility LEFT JOIN "
                       "Responsibilities ON Member_Responsibility.Responsibility = Responsibilities.Name "
                       "WHERE Member_ID = ? ORDER BY Name"),
        {m_memberId});
    QList<QVariantList> rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows.append({rs.Field(QStringLiteral("Name")), dateValue(rs, QStringLiteral("Start")),
                     dateValue(rs, QStringLiteral("End")), rs.Field(QStringLiteral("Description"))});
    rs.Close();
    vsfgChurchResponsibilites->fill(
        {QStringLiteral("Name"), QStringLiteral("Start"), QStringLiteral("End"), QStringLiteral("Description")},
        std::move(rows));
}

void frmMemberEntry::LoadProspectContacts()
{
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Prospect_Contact.ID AS ID, Contact_Date, Action, Type, %1 AS Visitor1Name, "
                       "%2 AS Visitor2Name, Rating, Prospect_Contact.Notes AS Notes FROM Prospect_Contact "
                       "LEFT JOIN Member AS Visitor1Tbl ON Prospect_Contact.Visitor1 = Visitor1Tbl.ID "
                       "LEFT JOIN Member AS Visitor2Tbl ON Prospect_Contact.Visitor2 = Visitor2Tbl.ID "
                       "WHERE Prospect_ID = ? ORDER BY Contact_Date DESC")
            .arg(visitorName(QStringLiteral("Visitor1Tbl")), visitorName(QStringLiteral("Visitor2Tbl"))),
        {m_memberId});
    QList<QVariantList> rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows.append({rs.Field(QStringLiteral("ID")), dateValue(rs, QStringLiteral("Contact_Date")),
                     rs.Field(QStringLiteral("Action")), rs.Field(QStringLiteral("Type")),
                     rs.Field(QStringLiteral("Rating")), rs.Field(QStringLiteral("Visitor1Name")),
                     rs.Field(QStringLiteral("Visitor2Name")), rs.Field(QStringLiteral("Notes"))});
    rs.Close();
    vsfgProspectContacts->fill({QStringLiteral("ID"), QStringLiteral("Date"), QStringLiteral("Action"),
                                QStringLiteral("Type"), QStringLiteral("Rating"), QStringLiteral("Visitor 1"),
                                QStringLiteral("Visitor 2"), QStringLiteral("Notes")},
                               std::move(rows));
}

void frmMemberEntry::LoadMemberOrganizations()
{
    lstAllOrganizations->clear();
    lstMemberOrganizations->clear();
    // A held row without an organization must not empty the NOT IN list.
    Recordset all = MainDatabase.openRecordset(
        QStringLiteral("SELECT Name FROM Church_Organizations WHERE Name NOT IN (SELECT Organization FROM "
                       "Member_Organizations WHERE MemberID = ? AND Organization IS NOT NULL) ORDER BY Name"),
        {m_memberId});
    for (; !all.Eof(); all.MoveNext())
        lstAllOrganizations->addItem(all.Text(QStringLiteral("Name")));
    all.Close();
    Recordset held = MainDatabase.openRecordset(
        QStringLiteral("SELECT Organization FROM Member_Organizations WHERE MemberID = ? ORDER BY Organization"),
        {m_memberId});
    for (; !held.Eof(); held.MoveNext())
        lstMemberOrganizations->addItem(held.Text(QStringLiteral("Organization")));
    held.Close();
}

void frmMemberEntry::vsfgChurchResponsibilites_SelectRow()
{
    const int row = vsfgChurchResponsibilites->currentRow();
    if (row < 0)
        return;
    PickLists::selectText(cmbResp, vsfgChurchResponsibilites->text(row, 0));
    const QDate start = vsfgChurchResponsibilites->value(row, 1).toDate();
    const QDate end = vsfgChurchResponsibilites->value(row, 2).toDate();
    if (start.isValid())
        dtRespStart->setDate(start);
    if (end.isValid())
        dtRespEnd->setDate(end);
}

void frmMemberEntry::vsfgFamilyMembers_SelectRow()
{
    // Only rows of relatives go into the editor, where Add changes their relationship.
    const int row = vsfgFamilyMembers->currentRow();
    if (!m_familyListsRelatives || row < 0)
        return;
    IdList::select(cmbMemberAdd, vsfgFamilyMembers->value(row, 0));
    PickLists::selectText(cmbRelationship, vsfgFamilyMembers->text(row, 2));
}

void frmMemberEntry::vsfgFamilyMembers_DblClick(int row)
{
    if (row < 0)
        return;
    const QVariant id = vsfgFamilyMembers->value(row, 0);
    if (!id.isNull())
        LoadMember(id.toLongLong());
}
