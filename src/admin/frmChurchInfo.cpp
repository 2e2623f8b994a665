#include "frmChurchInfo.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "core/Permissions.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/Messages.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Controls::make;
using Controls::rightLabel;

frmChurchInfo::frmChurchInfo(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmChurchInfo"));
    setWindowTitle(QStringLiteral("Setup"));
    Twips::setFixedClientSize(this, 7185, 2610);

    rightLabel(this, QStringLiteral("Name"), 0, 120, 855);
    rightLabel(this, QStringLiteral("Address1"), 0, 480, 855);
    rightLabel(this, QStringLiteral("Address2"), 0, 840, 855);
    rightLabel(this, QStringLiteral("City"), 0, 1200, 855);
    rightLabel(this, QStringLiteral("State"), 0, 1560, 855);
    rightLabel(this, QStringLiteral("Zip"), 0, 1920, 855);
    txtCompany = make<QLineEdit>(this, "txtCompany", 960, 120, 2415, 285);
    txtAddress1 = make<QLineEdit>(this, "txtAddress1", 960, 480, 2415, 285);
    txtAddress2 = make<QLineEdit>(this, "txtAddress2", 960, 840, 2415, 285);
    txtCity = make<QLineEdit>(this, "txtCity", 960, 1200, 2415, 285);
    cmbState = make<QComboBox>(this, "cmbState", 960, 1560, 1095, 315);
    txtZip = make<QLineEdit>(this, "txtZip", 960, 1920, 1095, 285);

    rightLabel(this, QStringLiteral("Phone"), 3720, 120, 855);
    rightLabel(this, QStringLiteral("Fax"), 3720, 480, 855);
    rightLabel(this, QStringLiteral("Email"), 3720, 840, 855);
    rightLabel(this, QStringLiteral("Website"), 3720, 1200, 855);
    txtPhone = make<PhoneEdit>(this, "txtPhone", 4680, 120, 2415, 285);
    txtFax = make<PhoneEdit>(this, "txtFax", 4680, 480, 2415, 285);
    txtEmail = make<QLineEdit>(this, "txtEmail", 4680, 840, 2415, 285);
    txtWebsite = make<QLineEdit>(this, "txtWebsite", 4680, 1200, 2415, 285);
    rightLabel(this, QStringLiteral("Keypress Delay"), 3120, 1680, 1455);
    txtKeyPressDelay = make<QLineEdit>(this, "txtKeyPressDelay", 4680, 1680, 735, 285);
    Controls::label(this, QStringLiteral("(Seconds)"), 5520, 1680, 1000);

    for (QLineEdit* edit : {txtCompany, txtAddress1, txtAddress2, txtCity, txtZip, txtEmail, txtWebsite})
        edit->setMaxLength(50);
    txtKeyPressDelay->setMaxLength(50);
    for (QLineEdit* edit : {txtCompany, txtAddress1, txtAddress2, txtCity, txtZip, txtEmail, txtWebsite,
                            static_cast<QLineEdit*>(txtPhone), static_cast<QLineEdit*>(txtFax)})
        SelectAllOnFocus::install(edit);

    btnSave = make<QPushButton>(this, "btnSave", 4080, 2160, 1455, 375);
    btnSave->setText(QStringLiteral("Save And Close"));
    btnExit = make<QPushButton>(this, "btnExit", 5640, 2160, 1455, 375);
    btnExit->setText(QStringLiteral("Exit"));

    txtKeyPressDelay->installEventFilter(this);
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmChurchInfo::Form_Load()
{
    placeTopLeft();
    WaitCursor wait;
    const QSignalBlocker block(cmbState);
    Recordset rs = MainMod::MainDatabase.openRecordset(QStringLiteral("SELECT State FROM State ORDER BY State"));
    for (; !rs.Eof(); rs.MoveNext())
        cmbState->addItem(rs.Text(QStringLiteral("State")));
    rs.Close();
    cmbState->setCurrentIndex(-1);
    ShowChurchInfo();
}

void frmChurchInfo::ShowChurchInfo()
{
    Recordset rs = MainMod::MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Church LIMIT 1"));
    if (rs.Eof()) {
        for (QLineEdit* edit : {txtCompany, txtAddress1, txtAddress2, txtCity, txtZip, txtEmail, txtWebsite,
                                txtKeyPressDelay})
            edit->clear();
        txtPhone->setValue(QString());
        txtFax->setValue(QString());
        cmbState->setCurrentIndex(-1);
        return;
    }
    txtCompany->setText(rs.Text(QStringLiteral("Name")));
    txtEmail->setText(rs.Text(QStringLiteral("Email")));
    txtWebsite->setText(rs.Text(QStringLiteral("Website")));
    txtAddress1->setText(rs.Text(QStringLiteral("Address1")));
    txtAddress2->setText(rs.Text(QStringLiteral("Address2")));
    txtCity->setText(rs.Text(QStringLiteral("City")));
    // Selected by its exact text; a state not in the list leaves no selection.
    cmbState->setCurrentIndex(cmbState->findText(rs.Text(QStringLiteral("State")), Qt::MatchFixedString | Qt::MatchCaseSensitive));
    txtZip->setText(rs.Text(QStringLiteral("Zip")));
    txtPhone->setValue(rs.Text(QStringLiteral("Phone")));
    txtFax->setValue(rs.Text(QStringLiteral("Fax")));
    const QVariant delay = rs.Field(QStringLiteral("KeyPressDelay"));
    txtKeyPressDelay->setText(delay.isNull() ? QString() : QString::number(delay.toDouble()));
    rs.Close();
}

bool frmChurchInfo::eventFilter(QObject* watched, QEvent* event)
{
    // Only a move to another control is a leaving of the box: Exit and the close control close unchecked.
    if (watched == txtKeyPressDelay && !m_checkingDelay) {
        QWidget* target = focusMovesTo(txtKeyPressDelay, event);
        if (target && target != btnExit)
            Guard::run([this] { txtKeyPressDelay_LostFocus(); });
    }
    return Screen::eventFilter(watched, event);
}

bool frmChurchInfo::txtKeyPressDelay_LostFocus()
{
    if (Format::leadingNumber(txtKeyPressDelay->text()) >= 1)
        return true;
    // The message box takes the focus away again; that second loss must not ask twice.
    m_checkingDelay = true;
    Messages::show(QStringLiteral("Quantity must be greater than 0."), QStringLiteral("Invalid Entry"));
    txtKeyPressDelay->setFocus();
    m_checkingDelay = false;
    return false;
}

void frmChurchInfo::btnSave_Click()
{
    if (!Refusal::check(PermissionNames::kChurchInfo, Refusal::kSaveRecord))
        return;
    if (txtCompany->text().isEmpty()) {
        Messages::show(QStringLiteral("Church Name is Required."), QStringLiteral("Required Fields"));
        return;
    }
    // The pause is checked again here: a blank or non-numeric delay never reaches the database.
    if (!txtKeyPressDelay_LostFocus())
        return;
    Recordset rs = MainMod::MainDatabase.openTable(QStringLiteral("Church"), QStringLiteral("1 LIMIT 1"));
    if (rs.Eof())
        rs.AddNew();
    else
        rs.Edit();
    rs.SetField(QStringLiteral("Name"), txtCompany->text());
    rs.SetField(QStringLiteral("Address1"), txtAddress1->text());
    rs.SetField(QStringLiteral("Address2"), txtAddress2->text());
    rs.SetField(QStringLiteral("City"), txtCity->text());
    rs.SetField(QStringLiteral("State"), cmbState->currentIndex() < 0 ? QString() : cmbState->currentText());
    rs.SetField(QStringLiteral("Zip"), txtZip->text());
    rs.SetField(QStringLiteral("Phone"), txtPhone->value());
    rs.SetField(QStringLiteral("Fax"), txtFax->value());
    rs.SetField(QStringLiteral("Email"), txtEmail->text());
    rs.SetField(QStringLiteral("Website"), txtWebsite->text());
    rs.SetField(QStringLiteral("KeyPressDelay"), Format::leadingNumber(txtKeyPressDelay->text()));
    rs.Update();
    rs.Close();
    Unload();
    MainMod::LoadChurchInfo();
}

void frmChurchInfo::btnExit_Click()
{
    Unload();
}
