#include "frmResponsibilityEntry.h"

#include "MemberScreenLink.h"
#include "core/MainMod.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

using Controls::make;
using MainMod::MainDatabase;

frmResponsibilityEntry::frmResponsibilityEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmResponsibilityEntry"));
    setWindowTitle(QStringLiteral("Church Responsibility Entry/Edit"));
    Twips::setFixedClientSize(this, 4395, 1275);

    Controls::label(this, QStringLiteral("Name"), 120, 120, 615);
    Controls::label(this, QStringLiteral("Desc."), 120, 480, 615);

    // The one pick list that takes typed text: a typed name is looked up, saved or deleted as it stands.
    cmbName = make<QComboBox>(this, "cmbName", 840, 120, 3495, 315);
    cmbName->setEditable(true);
    cmbName->setInsertPolicy(QComboBox::NoInsert);
    // Keys edit the text only: no completion may fill in a stored name the user did not type.
    cmbName->setCompleter(nullptr);

    txtDescription = make<QLineEdit>(this, "txtDescription", 840, 480, 3495, 285);
    txtDescription->setMaxLength(50);
    SelectAllOnFocus::install(txtDescription);

    btnSave = make<QPushButton>(this, "btnSave", 1560, 840, 1335, 375);
    btnSave->setText(QStringLiteral("Save And Close"));
    btnExit = make<QPushButton>(this, "btnExit", 3000, 840, 1335, 375);
    btnExit->setText(QStringLiteral("Exit"));
    btnDelete = make<QPushButton>(this, "btnDelete", 120, 840, 1335, 375);
    btnDelete->setText(QStringLiteral("Delete"));

    setTabOrder(cmbName, txtDescription);
    setTabOrder(txtDescription, btnSave);
    setTabOrder(btnSave, btnExit);
    setTabOrder(btnExit, btnDelete);

    on(cmbName, &QComboBox::editTextChanged, [this] { cmbName_Change(); });
    on(cmbName, &QComboBox::currentIndexChanged, [this] { cmbName_Click(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
    on(btnDelete, &QPushButton::clicked, [this] { btnDelete_Click(); });
}

void frmResponsibilityEntry::Form_Load()
{
    LoadResponsibilities();
}

void frmResponsibilityEntry::LoadResponsibilities()
{
    placeTopLeft();
    WaitCursor wait;
    {
        const QSignalBlocker block(cmbName);
        cmbName->clear();
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Name FROM Responsibilities ORDER BY Name"));
        for (; !rs.Eof(); rs.MoveNext())
            cmbName->addItem(rs.Text(QStringLiteral("Name")));
        rs.Close();
        cmbName->setCurrentIndex(-1);
        cmbName->clearEditText();
    }
    txtDescription->clear();
}

void frmResponsibilityEntry::LoadResponsibility()
{
    const QString name = cmbName->currentText();
    // A cleared name leaves the description as it is.
    if (name.isEmpty())
        return;
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Description FROM Responsibilities WHERE Name = ?"), {name});
    if (rs.Eof())
        txtDescription->clear();
    else
        txtDescription->setText(rs.Text(QStringLiteral("Description")));
    rs.Close();
}

void frmResponsibilityEntry::cmbName_Change()
{
    LoadResponsibility();
}

void frmResponsibilityEntry::cmbName_Click()
{
    LoadResponsibility();
}

void frmResponsibilityEntry::btnSave_Click()
{
    const QString name = cmbName->currentText();
    if (name.isEmpty()) {
        Messages::show(QStringLiteral("Name is Required."), QStringLiteral("Required Fields"));
        return;
    }
    // The name is the key; its lookup ignores letter case, so a name retyped in other case edits its row.
    Recordset rs = MainDatabase.openTable(QStringLiteral("Responsibilities"), QStringLiteral("Name = ?"), {name});
    if (rs.Eof())
        rs.AddNew();
    else
        rs.Edit();
    rs.SetField(QStringLiteral("Name"), name);
    rs.SetField(QStringLiteral("Description"), txtDescription->text());
    rs.Update();
    rs.Close();
    MemberScreenLink::reloadListValues();
    Unload();
}

void frmResponsibilityEntry::btnDelete_Click()
{
    const QString name = cmbName->currentText();
    if (name.isEmpty())
        return;
    if (Messages::show(QStringLiteral("Are you sure you want to delete the selected Responsibility?"),
                       QStringLiteral("Delete Confirmation"), Messages::Icon::None, Messages::Buttons::YesNo)
        != Messages::Answer::Yes)
        return;
    // The holdings and the responsibility go together or not at all.
    Transaction transaction(MainDatabase);
    MainDatabase.execute(QStringLiteral("DELETE FROM Member_Responsibility WHERE Responsibility = ?"), {name});
    MainDatabase.execute(QStringLiteral("DELETE FROM Responsibilities WHERE Name = ?"), {name});
    transaction.commit();
    LoadResponsibilities();
}

void frmResponsibilityEntry::btnExit_Click()
{
    Unload();
}
