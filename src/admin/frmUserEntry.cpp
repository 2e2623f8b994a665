#include "frmUserEntry.h"

#include "core/Administrators.h"
#include "core/Format.h"
#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/Passwords.h"
#include "core/TypeAhead.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/SqlValue.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using Controls::make;
using Controls::rightLabel;
using MainMod::MainDatabase;

namespace {
const QString kAdmin = QStringLiteral("Admin");
const QString kUser = QStringLiteral("User");

void showRequired()
{
    Messages::show(QStringLiteral("Name, Type, Username, and Password are Required."), QStringLiteral("Required Fields"));
}
} // namespace

frmUserEntry::frmUserEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmUserEntry"));
    setWindowTitle(QStringLiteral("User Entry/Edit"));
    // Wider than designed by a sixth: both permission lists show the longest right's name whole beside their
    // scroll bars, and the controls at the right move along.
    Twips::setFixedClientSize(this, 8265, 6180);

    rightLabel(this, QStringLiteral("Name"), 120, 120, 615);
    rightLabel(this, QStringLiteral("Type"), 120, 600, 615);
    cmbName = make<QComboBox>(this, "cmbName", 840, 120, 2775, 315);
    cmbType = make<QComboBox>(this, "cmbType", 840, 600, 2775, 315);

    // Wider than designed to the left, so the captions are not clipped in today's fonts.
    rightLabel(this, QStringLiteral("Username"), 4650, 120, 1035);
    rightLabel(this, QStringLiteral("Password"), 4650, 480, 1035);
    txtUsername = make<QLineEdit>(this, "txtUsername", 5790, 120, 2415, 285);
    txtPassword = make<QLineEdit>(this, "txtPassword", 5790, 480, 2415, 285);
    txtUsername->setMaxLength(Passwords::kMaxLength);
    txtPassword->setMaxLength(Passwords::kMaxLength);
    makePasswordBox(txtPassword);
    SelectAllOnFocus::install(txtUsername);
    SelectAllOnFocus::install(txtPassword);
    chkInactive = make<QCheckBox>(this, "chkInactive", 5070, 840, 975, 255);
    chkInactive->setText(QStringLiteral("Inactive"));

    fraPermissions = make<QGroupBox>(this, "fraPermissions", 120, 1080, 8085, 4575);
    fraPermissions->setTitle(QStringLiteral("Permissions"));
    // Captions sit on their lists, clear of the frame's line.
    const Qt::Alignment onList = Qt::AlignLeft | Qt::AlignBottom;
    constexpr int kListWidth = 3450;
    Controls::label(fraPermissions, QStringLiteral("All Permissions"), 120, 240, kListWidth, 240, onList);
    lstAllPermissions = make<QListWidget>(fraPermissions, "lstAllPermissions", 120, 480, kListWidth, 3960);
    // The move buttons fill the gap between the lists, so "<< Rem" is not clipped.
    constexpr int kMoveLeft = 3615;
    constexpr int kMoveWidth = 855;
    btnAdd = make<QPushButton>(fraPermissions, "btnAdd", kMoveLeft, 600, kMoveWidth, 375);
    btnAdd->setText(QStringLiteral("Add >"));
    btnRemove = make<QPushButton>(fraPermissions, "btnRemove", kMoveLeft, 1080, kMoveWidth, 375);
    btnRemove->setText(QStringLiteral("< Rem"));
    btnAddAll = make<QPushButton>(fraPermissions, "btnAddAll", kMoveLeft, 1560, kMoveWidth, 375);
    btnAddAll->setText(QStringLiteral("Add >>"));
    btnRemoveAll = make<QPushButton>(fraPermissions, "btnRemoveAll", kMoveLeft, 2040, kMoveWidth, 375);
    btnRemoveAll->setText(QStringLiteral("<< Rem"));
    Controls::label(fraPermissions, QStringLiteral("User Permissions"), 4515, 240, kListWidth, 240, onList);
    lstUserPermissions = make<QListWidget>(fraPermissions, "lstUserPermissions", 4515, 480, kListWidth, 3960);
    for (QListWidget* list : {lstAllPermissions, lstUserPermissions}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setSortingEnabled(false);
    }

    btnSave = make<QPushButton>(this, "btnSave", 5190, 5760, 1455, 375);
    btnSave->setText(QStringLiteral("Save And Close"));
    btnExit = make<QPushButton>(this, "btnExit", 6750, 5760, 1455, 375);
    btnExit->setText(QStringLiteral("Exit"));

    TypeAhead::install(cmbName);
    TypeAhead::install(cmbType);
    txtUsername->installEventFilter(this);

    on(cmbName, &QComboBox::currentIndexChanged, [this] { cmbName_Click(); });
    on(cmbType, &QComboBox::currentIndexChanged, [this] { cmbType_Click(); });
    on(btnAdd, &QPushButton::clicked, [this] { btnAdd_Click(); });
    on(btnRemove, &QPushButton::clicked, [this] { btnRemove_Click(); });
    on(btnAddAll, &QPushButton::clicked, [this] { btnAddAll_Click(); });
    on(btnRemoveAll, &QPushButton::clicked, [this] { btnRemoveAll_Click(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmUserEntry::Form_Load()
{
    placeTopLeft();
    WaitCursor wait;
    DisablePermissionLists();

    {
        Recordset rs = MainDatabase.openRecordset(
            QStringLiteral("SELECT First_Name, Middle_Name, Last_Name, ID FROM Member WHERE Status = 'Member' "
                           "ORDER BY Last_Name, First_Name, Middle_Name"));
        QList<IdList::Entry> members;
        members.reserve(rs.RecordCount());
        for (; !rs.Eof(); rs.MoveNext())
            members.append(
                {Format::personName(rs.Text(QStringLiteral("Last_Name")), rs.Text(QStringLiteral("First_Name")),
                                    rs.Text(QStringLiteral("Middle_Name"))),
                 rs.Id(QStringLiteral("ID"))});
        rs.Close();
        // Every member of a large church: the list gets its model whole.
        IdList::setEntries({cmbName}, std::move(members));
    }
    {
        const QSignalBlocker block(cmbType);
        Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Name FROM UserType ORDER BY Name"));
        for (; !rs.Eof(); rs.MoveNext())
            cmbType->addItem(rs.Text(QStringLiteral("Name")));
        rs.Close();
        cmbType->setCurrentIndex(-1);
    }
    LoadAllPermissions();
}

QVariant frmUserEntry::MemberId() const
{
    return IdList::currentId(cmbName);
}

void frmUserEntry::SetPermissionListsEnabled(bool enabled)
{
    for (QListWidget* list : {lstAllPermissions, lstUserPermissions}) {
        list->setEnabled(enabled);
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, enabled ? QColor(Qt::white) : palette.color(QPalette::Button));
        list->setPalette(palette);
    }
    for (QPushButton* button : {btnAdd, btnRemove, btnAddAll, btnRemoveAll})
        button->setEnabled(enabled);
}

void frmUserEntry::DisablePermissionLists()
{
    SetPermissionListsEnabled(false);
}

void frmUserEntry::EnablePermissionLists()
{
    SetPermissionListsEnabled(true);
}

void frmUserEntry::cmbType_Click()
{
    // Only a plain "User" account holds grants; "Admin" passes every check without them.
    if (cmbType->currentIndex() >= 0 && cmbType->currentText() == kUser)
        EnablePermissionLists();
    else
        DisablePermissionLists();
}

void frmUserEntry::LoadAllPermissions()
{
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT ID, Name FROM Permission ORDER BY Name"));
    for (; !rs.Eof(); rs.MoveNext())
        IdList::add(lstAllPermissions, rs.Text(QStringLiteral("Name")), rs.Id(QStringLiteral("ID")));
    rs.Close();
}

void frmUserEntry::ClearUser()
{
    cmbType->setCurrentIndex(-1);
    chkInactive->setChecked(false);
    lstUserPermissions->clear();
    lstAllPermissions->clear();
    txtUsername->clear();
    txtPassword->clear();
}

void frmUserEntry::cmbName_Click()
{
    LoadUser();
}

void frmUserEntry::LoadUser()
{
    ClearUser();
    const QVariant memberId = MemberId();
    if (memberId.isNull()) {
        LoadAllPermissions();
        return;
    }
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Type, Username, Inactive FROM User WHERE Member_ID = ?"), {memberId});
    if (rs.Eof()) {
        rs.Close();
        LoadAllPermissions();
        return;
    }
    // The stored password is a hash and is never shown: an empty box keeps it.
    txtUsername->setText(rs.Text(QStringLiteral("Username")));
    // Only the exact text selects a type, so a save never rewrites a stored type in other letter case.
    const QString type = rs.Text(QStringLiteral("Type"));
    cmbType->setCurrentIndex(type.isEmpty() ? -1
                                            : cmbType->findText(type, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    chkInactive->setChecked(SqlValue::toBool(rs.Field(QStringLiteral("Inactive"))));
    rs.Close();

    // A grant without a right (Null) must not empty the NOT IN list.
    Recordset held = MainDatabase.openRecordset(
        QStringLiteral("SELECT ID, Name FROM Permission WHERE ID NOT IN (SELECT PermissionID FROM UserPermission "
                       "WHERE MemberID = ? AND PermissionID IS NOT NULL) ORDER BY Name"),
        {memberId});
    for (; !held.Eof(); held.MoveNext())
        IdList::add(lstAllPermissions, held.Text(QStringLiteral("Name")), held.Id(QStringLiteral("ID")));
    held.Close();

    // Each granted right once, with the right's own ID.
    Recordset granted = MainDatabase.openRecordset(
        QStringLiteral("SELECT ID, Name FROM Permission WHERE ID IN (SELECT PermissionID FROM UserPermission "
                       "WHERE MemberID = ?) ORDER BY Name"),
        {memberId});
    for (; !granted.Eof(); granted.MoveNext())
        IdList::add(lstUserPermissions, granted.Text(QStringLiteral("Name")), granted.Id(QStringLiteral("ID")));
    granted.Close();
}

bool frmUserEntry::eventFilter(QObject* watched, QEvent* event)
{
    // Switching to another window or program, opening a context menu or closing the screen is no leaving of the box.
    if (watched == txtUsername && !m_checkingUsername && focusMovesTo(txtUsername, event))
        Guard::run([this] { txtUsername_LostFocus(); });
    return Screen::eventFilter(watched, event);
}

bool frmUserEntry::txtUsername_LostFocus()
{
    // Trimmed as the log-in trims it; the database compares without regard to letter case.
    const QString name = txtUsername->text().trimmed();
    if (name.isEmpty())
        return true;
    QString sql = QStringLiteral("SELECT 1 FROM User WHERE Username = ?");
    SqlParams params{name};
    const QVariant memberId = MemberId();
    if (!memberId.isNull()) {
        sql += QStringLiteral(" AND Member_ID <> ?");
        params << memberId;
    }
    sql += QStringLiteral(" LIMIT 1");
    const QVariant found = MainDatabase.scalar(sql, params);
    if (!found.isValid() || found.isNull())
        return true;
    // The message box takes the focus away again; that second loss must not ask twice.
    m_checkingUsername = true;
    Messages::show(QStringLiteral("This username already exists.  Please choose a different username."),
                   QStringLiteral("Username Exists"));
    txtUsername->clear();
    txtUsername->setFocus();
    m_checkingUsername = false;
    return false;
}

void frmUserEntry::MoveEntries(QListWidget* source, QListWidget* target, bool selectedOnly)
{
    // From the last entry to the first: moved entries arrive at the end in reverse order.
    for (int row = source->count() - 1; row >= 0; --row) {
        QListWidgetItem* item = source->item(row);
        if (selectedOnly && !item->isSelected())
            continue;
        IdList::add(target, item->text(), IdList::id(source, row));
        delete source->takeItem(row);
    }
}

void frmUserEntry::btnAdd_Click()
{
    if (lstAllPermissions->currentRow() < 0)
        return;
    MoveEntries(lstAllPermissions, lstUserPermissions, true);
}

void frmUserEntry::btnRemove_Click()
{
    if (lstUserPermissions->currentRow() < 0)
        return;
    MoveEntries(lstUserPermissions, lstAllPermissions, true);
}

void frmUserEntry::btnAddAll_Click()
{
    MoveEntries(lstAllPermissions, lstUserPermissions, false);
}

void frmUserEntry::btnRemoveAll_Click()
{
    MoveEntries(lstUserPermissions, lstAllPermissions, false);
}

void frmUserEntry::btnSave_Click()
{
    const QString userName = txtUsername->text().trimmed();
    const QString password = txtPassword->text().trimmed();
    const QVariant memberId = MemberId();
    if (memberId.isNull() || cmbName->currentText().isEmpty() || cmbType->currentIndex() < 0 ||
        cmbType->currentText().isEmpty() || userName.isEmpty()) {
        showRequired();
        return;
    }
    // An empty box keeps the stored password; an account without one must be given one.
    if (password.isEmpty()) {
        const QString stored = SqlValue::toText(
            MainDatabase.scalar(QStringLiteral("SELECT Password FROM User WHERE Member_ID = ?"), {memberId}));
        if (stored.isEmpty()) {
            showRequired();
            return;
        }
    }
    // The name may have been typed without leaving the box, or taken meanwhile.
    if (!txtUsername_LostFocus())
        return;

    const QString type = cmbType->currentText();
    // The member and the other accounts are read in the transaction that writes: a member deleted meanwhile gets
    // no account, and two desks cannot each demote one of the last two administrators.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction, {memberId}))
        return;
    if ((type != kAdmin || chkInactive->isChecked()) && Administrators::holdsTheLastActive(memberId.toLongLong())) {
        transaction.rollback();
        Messages::show(QStringLiteral("At least one active administrator account must remain."),
                       QStringLiteral("Last Administrator"), Messages::Icon::Exclamation);
        return;
    }
    Recordset rs = MainDatabase.openTable(QStringLiteral("User"), QStringLiteral("Member_ID = ?"), {memberId});
    if (rs.Eof()) {
        rs.AddNew();
        rs.SetField(QStringLiteral("DateEntered"), Clock::today());
        rs.SetField(QStringLiteral("Member_ID"), memberId);
    } else {
        rs.Edit();
    }
    rs.SetField(QStringLiteral("Inactive"), chkInactive->isChecked());
    rs.SetField(QStringLiteral("Type"), type);
    rs.SetField(QStringLiteral("Username"), userName);
    if (!password.isEmpty())
        rs.SetField(QStringLiteral("Password"), Passwords::hash(password));
    rs.Update();
    rs.Close();

    // The grants are rewritten whole; an "Admin" keeps none, whatever is still listed.
    MainDatabase.execute(QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ?"), {memberId});
    if (type != kAdmin) {
        for (int row = lstUserPermissions->count() - 1; row >= 0; --row)
            MainDatabase.execute(QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) VALUES (?, ?)"),
                                 {memberId, IdList::id(lstUserPermissions, row)});
    }
    transaction.commit();
    Unload();
}

void frmUserEntry::btnExit_Click()
{
    Unload();
}
