// The prospect navigator's search: the thirteen criteria in their fixed order, the grid they fill, and the contact
// history of the person picked.
#include "frmProspectNavigator.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"
#include "search/NavigatorCells.h"
#include "search/SearchStatement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>

namespace {

// The columns the grid shows, name and address joined as the grid shows them (an empty part adds nothing, the
// separators stay).
const QString kBase = QStringLiteral(
    "SELECT Member.ID, "
    "IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || IFNULL(Middle_Name,'') || ' ' || "
    "IFNULL(Title,''), "
    "Status, Prospect_Phase, Prospect_Next_Contact_Date, Prospect_Next_Contact_Action, Prospect_Next_Contact_Type, "
    "Phone, Cell, Work_Phone, Email, "
    "IFNULL(Address_1,'') || ', ' || IFNULL(Address_2,'') || ', ' || IFNULL(City,'') || ', ' || IFNULL(State,'') || "
    "' ' || IFNULL(Zip,''), "
    "Date_Of_Birth, Anniversary_Date, Member_Active_Status, Prospect_Active_Status FROM Member");
const QString kOrderBy = QStringLiteral(" ORDER BY Last_Name, First_Name, Middle_Name, Member.ID");

const QStringList kHeadings{"ID",        "Name",  "Status",        "Phase",          "Next Date", "Next Action",
                            "Next Type", "Phone", "Cell",          "Work",           "Email",     "Address",
                            "DOB",       "Anniv", "Member Status", "Prospect Status"};

const QStringList kContactHeadings{"ID", "Date", "Action", "Type", "Rating", "Visitor 1", "Visitor 2", "Notes"};

constexpr int kNotesWidth = 5000; // twips: the contact grid's Notes column

// Contacts of one day come newest entry first, so their order never changes. A missing visitor still shows
// the comma and blanks of an empty name.
QString contactsSql()
{
    return QStringLiteral("SELECT Prospect_Contact.ID, Contact_Date, Action, Type, Rating, %1, %2, "
                          "Prospect_Contact.Notes FROM Prospect_Contact "
                          "LEFT JOIN Member AS Visitor1Tbl ON Prospect_Contact.Visitor1 = Visitor1Tbl.ID "
                          "LEFT JOIN Member AS Visitor2Tbl ON Prospect_Contact.Visitor2 = Visitor2Tbl.ID "
                          "WHERE Prospect_ID = ? ORDER BY Contact_Date DESC, Prospect_Contact.ID DESC")
        .arg(Format::personNameSql(QStringLiteral("Visitor1Tbl")),
             Format::personNameSql(QStringLiteral("Visitor2Tbl")));
}

// Runs a statement and makes one grid row of each record; first column the ID, the rest by cell().
QList<NavigatorRow> gridRows(const QString& sql, const SqlParams& params,
                             const std::function<QStringList(const QSqlQuery&)>& cells)
{
    QList<NavigatorRow> rows;
    MainMod::MainDatabase.forEachRow(sql, params, [&rows, &cells](const QSqlQuery& query) {
        NavigatorRow row;
        row.id = query.value(0).toLongLong();
        row.cells = cells(query);
        rows.append(std::move(row));
    });
    return rows;
}

} // namespace

void frmProspectNavigator::UpdateGrids()
{
    WaitCursor wait;
    SearchStatement search(kBase);
    search.addChosenText(cmbPhase, QStringLiteral("Member.Prospect_Phase = ?"));
    if (!txtName->text().isEmpty())
        search.addAnywhere({"Member.First_Name", "Member.Last_Name", "Member.Middle_Name"}, txtName->text());
    if (chkNextDate->isChecked())
        search.add(QStringLiteral("(Prospect_Next_Contact_Date >= ? AND Prospect_Next_Contact_Date <= ?)"),
                   {dtStartDate->date(), dtEndDate->date()});
    search.addChosenText(cmbNextAction, QStringLiteral("Prospect_Next_Contact_Action = ?"));
    // A contact made: in the range, of the action, or both. Each person is listed once however many match.
    const bool prevAction = cmbPrevAction->currentIndex() >= 0;
    if (chkPrevDate->isChecked() || prevAction) {
        QStringList tests;
        SqlParams params;
        if (chkPrevDate->isChecked()) {
            tests << QStringLiteral("Contact_Date >= ? AND Contact_Date <= ?");
            params << dtStartDatePrev->date() << dtEndDatePrev->date();
        }
        if (prevAction) {
            tests << QStringLiteral("Action = ?");
            params << cmbPrevAction->currentText();
        }
        search.add(QStringLiteral("Member.ID IN (SELECT Prospect_ID FROM Prospect_Contact WHERE %1)")
                       .arg(tests.join(QStringLiteral(" AND "))),
                   params);
    }
    search.addChosenText(cmbStatus, QStringLiteral("Status = ?"));
    search.addChosenText(cmbChurchStatus, QStringLiteral("Member_Active_Status = ?"));
    search.addChosenText(cmbProspectStatus, QStringLiteral("Prospect_Active_Status = ?"));
    if (!txtSearch->text().isEmpty())
        search.addAnywhere({"Hobbies", "Organizations", "Place_Of_Work", "Notes", "Prospect_Note"}, txtSearch->text());
    search.addChosenId(cmbSSClass, QStringLiteral("Prospect_Sunday_School_Class_Assigned"));
    search.addChosenId(cmbCG, QStringLiteral("Prospect_Care_Group_Assigned"));
    search.addMonth(cmbDobAnniv);
    if (!txtMapSection->text().isEmpty())
        search.addAnywhere({"Map_Section"}, txtMapSection->text());

    QList<NavigatorRow> rows = gridRows(search.sql(kOrderBy), search.params(), [](const QSqlQuery& q) {
        return QStringList{q.value(1).toString(),
                           q.value(2).toString(),
                           q.value(3).toString(),
                           NavigatorCells::paddedDate(q.value(4)),
                           q.value(5).toString(),
                           q.value(6).toString(),
                           NavigatorCells::phone(q.value(7)),
                           NavigatorCells::phone(q.value(8)),
                           NavigatorCells::phone(q.value(9)),
                           q.value(10).toString(),
                           q.value(11).toString(),
                           NavigatorCells::date(q.value(12)),
                           NavigatorCells::date(q.value(13)),
                           q.value(14).toString(),
                           q.value(15).toString()};
    });
    vsfgContact->clear();
    showResults(kHeadings, std::move(rows));
}

void frmProspectNavigator::vsfgMembers_AfterRowColChange()
{
    const int row = vsfgMembers->currentRow();
    if (row < 0 || row >= vsfgMembers->dataRows())
        return;
    QList<NavigatorRow> contacts = gridRows(contactsSql(), {vsfgMembers->id(row)}, [](const QSqlQuery& q) {
        return QStringList{QString::number(q.value(0).toLongLong()),
                           NavigatorCells::date(q.value(1)),
                           q.value(2).toString(),
                           q.value(3).toString(),
                           q.value(4).toString(),
                           q.value(5).toString(),
                           q.value(6).toString(),
                           q.value(7).toString()};
    });
    vsfgContact->fill(kContactHeadings, std::move(contacts));
    vsfgContact->setColumnWidth(7, Twips::toPixels(kNotesWidth));
}
