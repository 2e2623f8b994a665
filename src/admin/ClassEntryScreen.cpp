#include "ClassEntryScreen.h"

#include "MemberScreenLink.h"
#include "core/Format.h"
#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/TypeAhead.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using Controls::make;
using Controls::rightLabel;
using MainMod::MainDatabase;

ClassEntryScreen::ClassEntryScreen(const QString& screenName, const QString& table, const QString& caption,
                                   QWidget* parent)
    : Screen(parent), m_table(table)
{
    setObjectName(screenName);
    setWindowTitle(caption);
    Twips::setFixedClientSize(this, 4890, 3945);

    rightLabel(this, QStringLiteral("Select"), 0, 150, 1215);
    rightLabel(this, QStringLiteral("Name"), 0, 495, 1215);
    rightLabel(this, QStringLiteral("Desc."), 0, 855, 1215);
    rightLabel(this, QStringLiteral("Teacher"), 0, 1230, 1215);
    rightLabel(this, QStringLiteral("Asst. Teacher"), 0, 1590, 1215);
    rightLabel(this, QStringLiteral("Location"), 0, 1935, 1215);
    rightLabel(this, QStringLiteral("Notes"), 0, 2280, 1215);

    cmbName = make<QComboBox>(this, "cmbName", 1320, 120, 3495, 315);
    txtName = make<QLineEdit>(this, "txtName", 1320, 480, 3495, 285);
    txtDescription = make<QLineEdit>(this, "txtDescription", 1320, 840, 3495, 285);
    cmbTeacher = make<QComboBox>(this, "cmbTeacher", 1320, 1200, 3495, 315);
    cmbAsstTeacher = make<QComboBox>(this, "cmbAsstTeacher", 1320, 1560, 3495, 315);
    txtLocation = make<QLineEdit>(this, "txtLocation", 1320, 1920, 3495, 285);
    txtNotes = Controls::notesBox(this, "txtNotes", 1320, 2280, 3495, 1095);
    btnSave = make<QPushButton>(this, "btnSave", 1800, 3480, 1455, 375);
    btnSave->setText(QStringLiteral("Save And Close"));
    btnExit = make<QPushButton>(this, "btnExit", 3360, 3480, 1455, 375);
    btnExit->setText(QStringLiteral("Exit"));

    for (QLineEdit* edit : {txtName, txtDescription, txtLocation}) {
        edit->setMaxLength(50);
        SelectAllOnFocus::install(edit);
    }
    for (QComboBox* combo : {cmbName, cmbTeacher, cmbAsstTeacher})
        TypeAhead::install(combo);

    on(cmbName, &QComboBox::currentIndexChanged, [this] { cmbName_Click(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void ClassEntryScreen::Form_Load()
{
    placeTopLeft();
    WaitCursor wait;
    const QSignalBlocker block(cmbName);
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT ID, Name FROM \"%1\" ORDER BY Name, ID").arg(m_table));
    for (; !rs.Eof(); rs.MoveNext())
        IdList::add(cmbName, rs.Text(QStringLiteral("Name")), rs.Id());
    rs.Close();
    // Nothing chosen: the screen opens ready to add a class.
    cmbName->setCurrentIndex(-1);
    SetupLists::fillPeople(cmbTeacher, cmbAsstTeacher);
}

void ClassEntryScreen::cmbName_Click()
{
    LoadClass();
}

void ClassEntryScreen::LoadClass()
{
    const QVariant id = IdList::currentId(cmbName);
    if (!id.isValid())
        return;
    Recordset rs = MainDatabase.openTable(m_table, QStringLiteral("ID = ?"), {id});
    if (!rs.Eof()) {
        txtName->setText(rs.Text(QStringLiteral("Name")));
        txtDescription->setText(rs.Text(QStringLiteral("Description")));
        // A class without a teacher shows no one; keeping the previous class's choice would be saved with
        // this class.
        IdList::select(cmbTeacher, rs.Field(QStringLiteral("Teacher")));
        IdList::select(cmbAsstTeacher, rs.Field(QStringLiteral("Asst_Teacher")));
        txtLocation->setText(rs.Text(QStringLiteral("Location")));
        txtNotes->setPlainText(rs.Text(QStringLiteral("Notes")));
    }
    rs.Close();
}

void ClassEntryScreen::btnSave_Click()
{
    if (txtName->text().isEmpty()) {
        Messages::show(QStringLiteral("Name is Required."), QStringLiteral("Required Fields"));
        return;
    }
    const QVariant teacher = IdList::currentId(cmbTeacher);
    const QVariant asstTeacher = IdList::currentId(cmbAsstTeacher);
    // A teacher deleted since the lists were read has handed the class to the stand-by member: writing the
    // deleted one back would undo that.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction, {teacher, asstTeacher}))
        return;
    Recordset rs;
    const QVariant id = IdList::currentId(cmbName);
    if (id.isValid()) {
        rs = MainDatabase.openTable(m_table, QStringLiteral("ID = ?"), {id});
        rs.Edit();
    } else {
        rs = MainDatabase.openTable(m_table, QStringLiteral("0"));
        rs.AddNew();
    }
    rs.SetField(QStringLiteral("Name"), txtName->text());
    rs.SetField(QStringLiteral("Description"), txtDescription->text());
    rs.SetField(QStringLiteral("Teacher"), teacher);
    rs.SetField(QStringLiteral("Asst_Teacher"), asstTeacher);
    rs.SetField(QStringLiteral("Location"), txtLocation->text());
    rs.SetField(QStringLiteral("Notes"), txtNotes->toPlainText());
    rs.Update();
    rs.Close();
    transaction.commit();
    MemberScreenLink::reloadListValues();
    Unload();
}

void ClassEntryScreen::btnExit_Click()
{
    Unload();
}

frmSSClassEntry::frmSSClassEntry(QWidget* parent)
    : ClassEntryScreen(QStringLiteral("frmSSClassEntry"), QStringLiteral("Sunday_School"),
                       QStringLiteral("Sunday School Class Entry/Edit"), parent)
{
}

frmDTClassEntry::frmDTClassEntry(QWidget* parent)
    : ClassEntryScreen(QStringLiteral("frmDTClassEntry"), QStringLiteral("Discipleship_Training"),
                       QStringLiteral("Discipleship Training Class Entry/Edit"), parent)
{
}

frmWedClassEntry::frmWedClassEntry(QWidget* parent)
    : ClassEntryScreen(QStringLiteral("frmWedClassEntry"), QStringLiteral("Wednesday_Night"),
                       QStringLiteral("Wednesday Night Class Entry/Edit"), parent)
{
}

namespace SetupLists {

void fillPeople(QComboBox* first, QComboBox* second)
{
    QList<IdList::Entry> people{{QString(), QVariant()}};
    Recordset rs =
        MainDatabase.openRecordset(QStringLiteral("SELECT First_Name, Middle_Name, Last_Name, ID FROM Member "
                                                  "ORDER BY Last_Name, First_Name, Middle_Name, ID"));
    people.reserve(rs.RecordCount() + 1);
    for (; !rs.Eof(); rs.MoveNext())
        people.append({Format::personName(rs.Text(QStringLiteral("Last_Name")), rs.Text(QStringLiteral("First_Name")),
                                          rs.Text(QStringLiteral("Middle_Name"))),
                       rs.Id()});
    rs.Close();
    // Thousands of people: both lists show one model, filled whole.
    IdList::setEntries({first, second}, std::move(people));
}

} // namespace SetupLists
