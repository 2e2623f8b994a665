#include "frmCGClassEntry.h"

#include "ClassEntryScreen.h"
#include "MemberScreenLink.h"
#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/TypeAhead.h"
#include "platform/Controls.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

using Controls::make;
using Controls::rightLabel;
using MainMod::MainDatabase;

frmCGClassEntry::frmCGClassEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmCGClassEntry"));
    setWindowTitle(QStringLiteral("Care Group Entry/Edit"));
    Twips::setFixedClientSize(this, 4890, 3210);

    rightLabel(this, QStringLiteral("Select"), 0, 150, 1215);
    rightLabel(this, QStringLiteral("Leader"), 0, 510, 1215);
    rightLabel(this, QStringLiteral("Asst. Leader"), 0, 870, 1215);
    rightLabel(this, QStringLiteral("SS Class"), 0, 1230, 1215);
    rightLabel(this, QStringLiteral("Notes"), 0, 1560, 1215);

    cmbName = make<QComboBox>(this, "cmbName", 1320, 120, 3495, 315);
    cmbTeacher = make<QComboBox>(this, "cmbTeacher", 1320, 480, 3495, 315);
    cmbAsstTeacher = make<QComboBox>(this, "cmbAsstTeacher", 1320, 840, 3495, 315);
    cmbSSClass = make<QComboBox>(this, "cmbSSClass", 1320, 1200, 3495, 315);
    txtNotes = Controls::notesBox(this, "txtNotes", 1320, 1560, 3495, 1095);
    btnSave = make<QPushButton>(this, "btnSave", 1800, 2760, 1455, 375);
    btnSave->setText(QStringLiteral("Save And Close"));
    btnExit = make<QPushButton>(this, "btnExit", 3360, 2760, 1455, 375);
    btnExit->setText(QStringLiteral("Exit"));

    for (QComboBox* combo : {cmbName, cmbTeacher, cmbAsstTeacher, cmbSSClass})
        TypeAhead::install(combo);

    on(cmbName, &QComboBox::currentIndexChanged, [this] { cmbName_Click(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmCGClassEntry::Form_Load()
{
    placeTopLeft();
    WaitCursor wait;
    {
        const QSignalBlocker block(cmbName);
        // A leader missing from Member still lists its group, as ", ".
        Recordset rs = MainDatabase.openRecordset(
            QStringLiteral("SELECT Last_Name, First_Name, Care_Group.ID AS ID FROM Care_Group "
                           "LEFT JOIN Member ON Care_Group.Group_Leader = Member.ID "
                           "ORDER BY Last_Name, First_Name, Care_Group.ID"));
        for (; !rs.Eof(); rs.MoveNext())
            IdList::add(cmbName, rs.Text(QStringLiteral("Last_Name")) + QStringLiteral(", ") + rs.Text(QStringLiteral("First_Name")),
                        rs.Id());
        rs.Close();
        cmbName->setCurrentIndex(-1);
    }
    SetupLists::fillPeople(cmbTeacher, cmbAsstTeacher);
    {
        const QSignalBlocker block(cmbSSClass);
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name, ID"));
        for (; !rs.Eof(); rs.MoveNext())
            IdList::add(cmbSSClass, rs.Text(QStringLiteral("Name")), rs.Id());
        rs.Close();
        cmbSSClass->setCurrentIndex(-1);
    }
}

void frmCGClassEntry::cmbName_Click()
{
    LoadCareGroup();
}

void frmCGClassEntry::LoadCareGroup()
{
    const QVariant id = IdList::currentId(cmbName);
    if (!id.isValid())
        return;
    Recordset rs = MainDatabase.openTable(QStringLiteral("Care_Group"), QStringLiteral("ID = ?"), {id});
    if (!rs.Eof()) {
        // Null shows no choice; keeping the previous group's choice would be saved with this group.
        IdList::select(cmbTeacher, rs.Field(QStringLiteral("Group_Leader")));
        IdList::select(cmbAsstTeacher, rs.Field(QStringLiteral("Asst_Group_Leader")));
        IdList::select(cmbSSClass, rs.Field(QStringLiteral("Sunday_School_Class")));
        txtNotes->setPlainText(rs.Text(QStringLiteral("Notes")));
    }
    rs.Close();
}

void frmCGClassEntry::btnSave_Click()
{
    const QVariant leader = IdList::currentId(cmbTeacher);
    if (!leader.isValid()) {
        Messages::show(QStringLiteral("Leader is Required."), QStringLiteral("Required Fields"));
        return;
    }
    const QVariant asstLeader = IdList::currentId(cmbAsstTeacher);
    // A leader deleted since the lists were read has handed the group to the stand-by member: writing the
    // deleted one back would undo that.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction, {leader, asstLeader}))
        return;
    Recordset rs;
    const QVariant id = IdList::currentId(cmbName);
    if (id.isValid()) {
        rs = MainDatabase.openTable(QStringLiteral("Care_Group"), QStringLiteral("ID = ?"), {id});
        rs.Edit();
    } else {
        rs = MainDatabase.openTable(QStringLiteral("Care_Group"), QStringLiteral("0"));
        rs.AddNew();
    }
    rs.SetField(QStringLiteral("Group_Leader"), leader);
    rs.SetField(QStringLiteral("Asst_Group_Leader"), asstLeader);
    rs.SetField(QStringLiteral("Sunday_School_Class"), IdList::currentId(cmbSSClass));
    rs.SetField(QStringLiteral("Notes"), txtNotes->toPlainText());
    rs.Update();
    rs.Close();
    transaction.commit();
    MemberScreenLink::reloadListValues();
    Unload();
}

void frmCGClassEntry::btnExit_Click()
{
    Unload();
}
