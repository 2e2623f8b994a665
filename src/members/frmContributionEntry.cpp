#include "frmContributionEntry.h"

#include "MoneyEdit.h"
#include "PickLists.h"
#include "frmMemberEntry.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/TypeAhead.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/FocusLoan.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/SqlValue.h"
#include "platform/Transaction.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardItemModel>

using Controls::make;
using Controls::rightLabel;
using MainMod::MainDatabase;

namespace {
const QString kTable = QStringLiteral("Member_Contributions");
} // namespace

frmContributionEntry::frmContributionEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmContributionEntry"));
    setWindowTitle(QStringLiteral("Member Contribution Entry"));
    setRights({PermissionNames::kMemberContributions});
    Twips::setFixedClientSize(this, 6000, 3330);

    // The boxes start a little right of their design, so "Envelope No." is not clipped in today's fonts.
    constexpr int kLabelLeft = 30;
    constexpr int kLabelWidth = 1230;
    constexpr int kLeft = 1320;
    constexpr int kWide = 4575;
    rightLabel(this, QStringLiteral("ID"), kLabelLeft, 120, kLabelWidth);
    txtID = make<QLineEdit>(this, "txtID", kLeft, 120, 1815, 285);
    txtID->setReadOnly(true);
    rightLabel(this, QStringLiteral("Date"), kLabelLeft, 480, kLabelWidth);
    dtDate = Controls::datePicker(this, "dtDate", kLeft, 480, 1815);
    rightLabel(this, QStringLiteral("Member"), kLabelLeft, 960, kLabelWidth);
    cmbMember = make<QComboBox>(this, "cmbMember", kLeft, 945, kWide, 315);
    rightLabel(this, QStringLiteral("Envelope No."), kLabelLeft, 1320, kLabelWidth);
    txtEnv = make<QLineEdit>(this, "txtEnv", kLeft, 1320, kWide, 285);
    rightLabel(this, QStringLiteral("Amount"), kLabelLeft, 1680, kLabelWidth);
    txtAmount = make<MoneyEdit>(this, "txtAmount", kLeft, 1680, kWide, 285);
    rightLabel(this, QStringLiteral("Ref. No."), kLabelLeft, 2040, kLabelWidth);
    txtRefNo = make<QLineEdit>(this, "txtRefNo", kLeft, 2040, kWide, 285);
    rightLabel(this, QStringLiteral("Designation"), kLabelLeft, 2400, kLabelWidth);
    cmbDesignation = make<QComboBox>(this, "cmbDesignation", kLeft, 2385, kWide, 315);
    btnDelete = make<QPushButton>(this, "btnDelete", 1320, 2880, 1455, 375);
    btnDelete->setText(QStringLiteral("Delete"));
    btnSave = make<QPushButton>(this, "btnSave", 2880, 2880, 1455, 375);
    btnSave->setText(QStringLiteral("Save And New"));
    btnExit = make<QPushButton>(this, "btnExit", 4440, 2880, 1455, 375);
    btnExit->setText(QStringLiteral("Exit"));

    for (QLineEdit* box : {txtEnv, static_cast<QLineEdit*>(txtAmount), txtRefNo})
        SelectAllOnFocus::install(box);
    QWidget* order[] = {dtDate,         cmbMember, txtEnv,  txtAmount, txtRefNo,
                        cmbDesignation, btnDelete, btnSave, btnExit,   txtID};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    TypeAhead::install(cmbMember);
    TypeAhead::install(cmbDesignation);
    txtEnv->installEventFilter(this);

    on(cmbMember, &QComboBox::currentIndexChanged, [this] { cmbMember_Click(); });
    on(txtEnv, &QLineEdit::textChanged, [this] { txtEnv_Change(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnDelete, &QPushButton::clicked, [this] { btnDelete_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmContributionEntry::Form_Load()
{
    placeTopLeft();
    dtDate->setDate(Clock::today());
    WaitCursor wait;
    {
        const QSignalBlocker block(cmbDesignation);
        Recordset rs =
            MainDatabase.openRecordset(QStringLiteral("SELECT Name FROM ContributionDesignation ORDER BY Name"));
        for (; !rs.Eof(); rs.MoveNext())
            cmbDesignation->addItem(rs.Text(QStringLiteral("Name")));
        rs.Close();
        cmbDesignation->setCurrentIndex(-1);
    }
    LoadMembers();
    dtDate->setFocus();
}

void frmContributionEntry::LoadMembers()
{
    // Built apart and set at once: a large church flags thousands of givers.
    QList<QStandardItem*> items;
    m_envelopes.clear();
    m_members.clear();
    MainDatabase.forEachRow(
        QStringLiteral("SELECT First_Name, Middle_Name, Last_Name, ID, Envelope FROM Member "
                       "WHERE ShowInContributionList <> 0 ORDER BY Last_Name, First_Name, Middle_Name, ID"),
        {}, [&](const QSqlQuery& query) {
            const qint64 id = query.value(3).toLongLong();
            const QString envelope = SqlValue::toText(query.value(4));
            auto* item = new QStandardItem(Format::personName(
                SqlValue::toText(query.value(2)), SqlValue::toText(query.value(0)), SqlValue::toText(query.value(1))));
            item->setData(id, Qt::UserRole);
            item->setData(envelope, kEnvelopeRole);
            const int index = items.size();
            if (!envelope.isEmpty() && !m_envelopes.contains(envelope))
                m_envelopes.insert(envelope, index);
            m_members.insert(id, index);
            items.append(item);
        });

    auto* model = new QStandardItemModel(cmbMember);
    if (!items.isEmpty())
        model->appendColumn(items);
    const QSignalBlocker block(cmbMember);
    cmbMember->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(cmbMember->view()))
        view->setUniformItemSizes(true);
    cmbMember->setModel(model);
    cmbMember->setCurrentIndex(-1);
}

int frmContributionEntry::memberWithEnvelope(const QString& envelope) const
{
    return m_envelopes.value(envelope, -1);
}

void frmContributionEntry::cmbMember_Click()
{
    SyncEnvelopeFromMember();
}

void frmContributionEntry::SyncEnvelopeFromMember()
{
    const int index = cmbMember->currentIndex();
    if (index < 0)
        return;
    const QString envelope = cmbMember->itemData(index, kEnvelopeRole).toString();
    if (txtEnv->text() != envelope)
        putEnvelope(envelope, index);
}

void frmContributionEntry::putEnvelope(const QString& envelope, int holder)
{
    const int before = m_envelopeHolder;
    m_envelopeHolder = holder;
    txtEnv->setText(envelope);
    m_envelopeHolder = before;
}

void frmContributionEntry::txtEnv_Change()
{
    const QString envelope = txtEnv->text();
    if (envelope.isEmpty())
        return;
    int index = memberWithEnvelope(envelope);
    // A number the screen put in for a chosen person stays with that person, though someone listed before
    // holds the same number; a number the user types goes to its first holder.
    if (m_envelopeHolder >= 0 && cmbMember->itemData(m_envelopeHolder, kEnvelopeRole).toString() == envelope)
        index = m_envelopeHolder;
    if (cmbMember->currentIndex() != index)
        cmbMember->setCurrentIndex(index);
}

bool frmContributionEntry::eventFilter(QObject* watched, QEvent* event)
{
    // Only a real leaving checks the number: not another program, a menu, the menu bar or a message box.
    if (watched == txtEnv && event->type() == QEvent::FocusOut && !m_checkingEnvelope && isVisible() &&
        FocusLoan::leaves(txtEnv, static_cast<QFocusEvent*>(event)))
        Guard::run([this] { txtEnv_LostFocus(); });
    return Screen::eventFilter(watched, event);
}

bool frmContributionEntry::txtEnv_LostFocus()
{
    const QString envelope = txtEnv->text();
    if (envelope.isEmpty() || memberWithEnvelope(envelope) >= 0 || showsStoredGift())
        return true;
    // The message box takes the focus away again; that second loss must not ask twice.
    m_checkingEnvelope = true;
    Messages::show(QStringLiteral("Envenlope number: %1 is not assigned to a member. Please re-enter.").arg(envelope),
                   QStringLiteral("Invalid Envelope Number"), Messages::Icon::Exclamation);
    txtEnv->clear();
    txtEnv->setFocus();
    m_checkingEnvelope = false;
    return false;
}

void frmContributionEntry::btnSave_Click()
{
    if (!DateBox::acceptAllTyped(this))
        return;
    if (cmbMember->currentIndex() < 0 || cmbMember->currentText().isEmpty() || cmbDesignation->currentIndex() < 0 ||
        cmbDesignation->currentText().isEmpty() || txtAmount->value().trimmed().isEmpty()) {
        Messages::show(QStringLiteral("Member, Amount, and Designation are Required."),
                       QStringLiteral("Required Fields"));
        return;
    }
    bool isAmount = false;
    const double amount = Format::parseAmount(txtAmount->value(), &isAmount);
    if (!isAmount) {
        Messages::show(QStringLiteral("Amount must be a number."), QStringLiteral("Invalid Amount"),
                       Messages::Icon::Exclamation);
        txtAmount->setFocus();
        return;
    }
    // The envelope may have been typed without leaving the box.
    if (!txtEnv_LostFocus())
        return;
    if (!EnvelopeStillHeld())
        return;

    const qint64 memberId = IdList::currentId(cmbMember).toLongLong();
    // The giver is read in the same transaction that writes the gift: a giver deleted at another desk gets none.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction, {memberId}))
        return;
    Recordset rs;
    if (!txtID->text().isEmpty()) {
        rs = MainDatabase.openTable(kTable, QStringLiteral("ID = ?"), {txtID->text().toLongLong()});
        if (rs.Eof()) {
            transaction.rollback();
            Messages::show(QStringLiteral("This contribution has been deleted meanwhile, so the changes cannot be "
                                          "saved."),
                           QStringLiteral("Contribution Not Found"), Messages::Icon::Exclamation);
            return;
        }
        rs.Edit();
    } else {
        rs = MainDatabase.openTable(kTable, QStringLiteral("0"));
        rs.AddNew();
    }
    rs.SetField(QStringLiteral("MemberID"), memberId);
    rs.SetField(QStringLiteral("ContributionDate"), dtDate->date());
    rs.SetField(QStringLiteral("EnvelopeNumber"), txtEnv->text());
    // Stored in whole cents, as it is shown and summed.
    rs.SetField(QStringLiteral("Amount"), double(Format::cents(amount)) / 100.0);
    rs.SetField(QStringLiteral("RefNumber"), txtRefNo->text());
    rs.SetField(QStringLiteral("Designation"), cmbDesignation->currentText());
    rs.SetField(QStringLiteral("UserName"), MainMod::CurrentUsername);
    rs.SetField(QStringLiteral("DateEntered"), Clock::now());
    rs.Update();
    rs.Close();
    transaction.commit();

    RefreshMemberScreen(memberId);
    ClearGift();
}

bool frmContributionEntry::EnvelopeStillHeld()
{
    const QString envelope = txtEnv->text();
    if (envelope.isEmpty() || showsStoredGift())
        return true;
    // The list was read when the screen opened: the number may have gone to someone else since.
    const int index = cmbMember->currentIndex();
    const QVariant stored = MainDatabase.scalar(QStringLiteral("SELECT Envelope FROM Member WHERE ID = ?"),
                                                {cmbMember->itemData(index, Qt::UserRole)});
    if (SqlValue::toText(stored) == envelope)
        return true;
    Messages::show(QStringLiteral("Envelope number %1 is no longer held by %2. The member list has been read again; "
                                  "check the member and save again.")
                       .arg(envelope, cmbMember->itemText(index).trimmed()),
                   QStringLiteral("Envelope Number Moved"), Messages::Icon::Exclamation);
    const qint64 giver = IdList::currentId(cmbMember).toLongLong();
    LoadMembers();
    // The gift stays with the person chosen, now with the number they hold, or with nobody when they have left
    // the list; everything else typed stays.
    cmbMember->setCurrentIndex(m_members.value(giver, -1));
    return false;
}

void frmContributionEntry::RefreshMemberScreen(qint64 memberId)
{
    if (!MainMod::MemberEntryOpen())
        return;
    frmMemberEntry* member = ScreenRegistry::find<frmMemberEntry>();
    if (member && member->MemberId() == memberId)
        member->RefreshContributions();
}

void frmContributionEntry::ClearGift()
{
    txtID->clear();
    cmbMember->setCurrentIndex(-1);
    txtEnv->clear();
    txtAmount->setValue(QString());
    txtRefNo->clear();
    cmbMember->setFocus();
}

void frmContributionEntry::LoadContribution(qint64 id)
{
    txtID->setText(QString::number(id));
    ShowContribution();
}

void frmContributionEntry::ShowContribution()
{
    m_shownGiver = 0;
    if (txtID->text().isEmpty())
        return;
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Member_Contributions WHERE ID = ?"),
                                              {txtID->text().toLongLong()});
    if (rs.Eof()) {
        // The gift is gone (deleted since its list was shown): what is typed next is a new gift, not a copy of
        // the gift shown before.
        ClearGift();
        Messages::show(QStringLiteral("This contribution no longer exists."), QStringLiteral("Contribution Not Found"),
                       Messages::Icon::Exclamation);
        return;
    }
    const int index = m_members.value(rs.Id(QStringLiteral("MemberID")), -1);
    if (index < 0) {
        // The gift stays chosen with its own values, so nothing of the gift shown before stays for a save to write
        // over this one; only its giver is left to choose, whose number the gift then takes.
        const QString id = txtID->text();
        ClearGift();
        txtID->setText(id);
        ShowGiftValues(rs);
        rs.Close();
        Messages::show(QStringLiteral("This member is not selected to show up in the list. You must select that item "
                                      "on member entry and reopen."),
                       QStringLiteral("Member Not In List"), Messages::Icon::Critical);
        return;
    }
    cmbMember->setCurrentIndex(index);
    // The gift keeps its giver and the number it was given under, though the number has gone to someone else
    // since; without a stored number it shows the giver's present one.
    const QString envelope = rs.Text(QStringLiteral("EnvelopeNumber"));
    {
        const QSignalBlocker block(txtEnv);
        txtEnv->setText(envelope.isEmpty() ? cmbMember->itemData(index, kEnvelopeRole).toString() : envelope);
    }
    m_shownGiver = rs.Id(QStringLiteral("MemberID"));
    m_shownEnvelope = txtEnv->text();
    ShowGiftValues(rs);
    rs.Close();
}

void frmContributionEntry::ShowGiftValues(const Recordset& rs)
{
    dtDate->setDate(SqlValue::toDate(rs.Field(QStringLiteral("ContributionDate"))));
    const QVariant amount = rs.Field(QStringLiteral("Amount"));
    txtAmount->setValue(amount.isNull() ? QString() : QString::number(amount.toDouble(), 'f', 2));
    // The reference shown is always the gift's own, so a save never writes another gift's number into it.
    txtRefNo->setText(rs.Text(QStringLiteral("RefNumber")));
    PickLists::selectText(cmbDesignation, rs.Text(QStringLiteral("Designation")));
}

bool frmContributionEntry::showsStoredGift() const
{
    return !txtID->text().isEmpty() && m_shownGiver != 0 && IdList::currentId(cmbMember).toLongLong() == m_shownGiver &&
           txtEnv->text() == m_shownEnvelope;
}

void frmContributionEntry::btnDelete_Click()
{
    if (Messages::show(QStringLiteral("Are you sure you want to permanently remove this Contribution?"),
                       QStringLiteral("Delete Confirmation"), Messages::Icon::None,
                       Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return;
    if (!txtID->text().isEmpty())
        MainDatabase.execute(QStringLiteral("DELETE FROM Member_Contributions WHERE ID = ?"),
                             {txtID->text().toLongLong()});
    ClearContributionEntry();
    cmbMember->setFocus();
}

void frmContributionEntry::ClearContributionEntry()
{
    txtID->clear();
    cmbMember->setCurrentIndex(-1);
    dtDate->setDate(Clock::today());
    txtEnv->clear();
    txtAmount->setValue(QString());
    txtRefNo->clear();
    cmbDesignation->setCurrentIndex(-1);
}

void frmContributionEntry::btnExit_Click()
{
    Unload();
}
