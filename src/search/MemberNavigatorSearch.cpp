// The member navigator's search: the seventeen criteria in their fixed order, and the grid they fill.
#include "frmMemberNavigator.h"

#include "NavigatorCells.h"
#include "SearchStatement.h"

#include "core/MainMod.h"
#include "platform/DbError.h"
#include "platform/WaitCursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>

namespace {

// The columns the grid shows, name and address joined as the grid shows them (an empty part adds nothing, the
// separators stay).
const QString kBase =
    QStringLiteral("SELECT Member.ID, ") + SearchStatement::gridName() +
    QStringLiteral(", Status, Phone, Cell, Work_Phone, Email, "
                   "IFNULL(Address_1,'') || ', ' || IFNULL(Address_2,'') || ', ' || IFNULL(City,'') || ', ' || "
                   "IFNULL(State,'') || ' ' || IFNULL(Zip,''), "
                   "Date_Of_Birth, Anniversary_Date, Member_Active_Status, Prospect_Active_Status FROM Member");
const QString kOrderBy = QStringLiteral(" ORDER BY Last_Name, First_Name, Middle_Name, Member.ID");

const QStringList kHeadings{"ID",    "Name",    "Status", "Phone", "Cell",          "Work",
                            "Email", "Address", "DOB",    "Anniv", "Member Status", "Prospect Status"};

void addYesNo(SearchStatement& search, const QComboBox* combo, const QString& column)
{
    if (combo->currentIndex() >= 0)
        search.add(column +
                   (combo->currentText() == QLatin1String("True") ? QStringLiteral(" <> 0") : QStringLiteral(" = 0")));
}

} // namespace

void frmMemberNavigator::UpdateGrids()
{
    WaitCursor wait;
    SearchStatement search(kBase);
    if (!txtName->text().isEmpty())
        search.addAnywhere({"Member.First_Name", "Member.Last_Name", "Member.Middle_Name"}, txtName->text());
    if (chkMemberSince->isChecked())
        search.add(QStringLiteral("(Member_Since >= ? AND Member_Since <= ?)"),
                   {dtStartDate->date(), dtEndDate->date()});
    if (!txtSearch->text().isEmpty())
        search.addAnywhere({"Hobbies", "Organizations", "Place_Of_Work", "Notes", "Prospect_Note"}, txtSearch->text());
    search.addChosenText(cmbStatus, QStringLiteral("Status = ?"));
    search.addChosenText(cmbChurchStatus, QStringLiteral("Member_Active_Status = ?"));
    search.addChosenText(cmbProspectStatus, QStringLiteral("Prospect_Active_Status = ?"));
    search.addMonth(cmbDobAnniv);
    if (!txtMapSection->text().isEmpty())
        search.addAnywhere({"Map_Section"}, txtMapSection->text());
    search.addChosenId(cmbSSClass, QStringLiteral("Sunday_School_Class"));
    search.addChosenId(cmbCG, QStringLiteral("Care_Group_Assigned"));
    search.addChosenId(cmbDiscClass, QStringLiteral("Discipleship_Training_Class"));
    search.addChosenId(cmbWedClass, QStringLiteral("Wednesday_Night_Class"));
    search.addChosenId(cmbDeacon, QStringLiteral("DeaconID"));
    // Whoever holds or once held the responsibility, whatever the dates.
    search.addChosenText(
        cmbResponsibility,
        QStringLiteral("Member.ID IN (SELECT Member_ID FROM Member_Responsibility WHERE Responsibility = ?)"));
    addYesNo(search, cmbReceiveNL, QStringLiteral("Receive_Newsletter_Via_Mail"));
    addYesNo(search, cmbHOH, QStringLiteral("Head_Of_Household"));
    search.addChosenText(
        cmbOrganization,
        QStringLiteral("Member.ID IN (SELECT MemberID FROM Member_Organizations WHERE Organization = ?)"));

    QList<NavigatorRow> rows;
    search.forEachRow(kOrderBy, [&rows](const QSqlQuery& query) {
        NavigatorRow row;
        row.id = query.value(0).toLongLong();
        row.cells = {query.value(1).toString(),
                     query.value(2).toString(),
                     NavigatorCells::phone(query.value(3)),
                     NavigatorCells::phone(query.value(4)),
                     NavigatorCells::phone(query.value(5)),
                     query.value(6).toString(),
                     query.value(7).toString(),
                     NavigatorCells::date(query.value(8)),
                     NavigatorCells::date(query.value(9)),
                     query.value(10).toString(),
                     query.value(11).toString()};
        rows.append(std::move(row));
    });
    showResults(kHeadings, std::move(rows));
}
