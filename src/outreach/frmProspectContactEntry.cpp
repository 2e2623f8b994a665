#include "frmProspectContactEntry.h"

#include "NextOutreachStep.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "core/MemberCheck.h"
#include "core/TypeAhead.h"
#include "members/PickLists.h"
#include "members/frmMemberEntry.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "platform/Messages.h"
#include "platform/SqlValue.h"
#include "platform/Transaction.h"
#include "platform/Twips.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

using Controls::make;
using Controls::rightLabel;
using MainMod::MainDatabase;

namespace {

constexpr int kLabel = 120;
constexpr int kLabelWidth = 1815;
constexpr int kField = 2040;
constexpr int kWide = 4335;
constexpr int kNarrow = 2415;

QComboBox* pick(QWidget* parent, const char* name, int top, int width)
{
    auto* combo = make<QComboBox>(parent, name, kField, top, width, 315);
    combo->setEditable(false);
    TypeAhead::install(combo);
    return combo;
}

QDateEdit* date(QWidget* parent, const char* name, int top)
{
    return Controls::datePicker(parent, name, kField, top, 1455, 315);
}

QLineEdit* text(QWidget* parent, const char* name, int top)
{
    auto* edit = make<QLineEdit>(parent, name, kField, top, kWide, 285);
    SelectAllOnFocus::install(edit);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* b = make<QPushButton>(parent, name, left, top, 1455, 375);
    b->setText(caption);
    return b;
}

} // namespace

frmProspectContactEntry::frmProspectContactEntry(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmProspectContactEntry"));
    setWindowTitle(QStringLiteral("Prospect Contact Entry/Edit"));
    // The member screen opens it too, not only the menu command.
    setRights({PermissionNames::kProspectContactEntryEdit});
    Twips::setFixedClientSize(this, 6495, 6960);

    // Made in tab order; the ID box, shown only, comes last.
    rightLabel(this, QStringLiteral("Prospect"), kLabel, 510, kLabelWidth);
    cmbProspect = pick(this, "cmbProspect", 480, kWide);
    rightLabel(this, QStringLiteral("Date"), kLabel, 900, kLabelWidth);
    dtDate = date(this, "dtDate", 870);
    rightLabel(this, QStringLiteral("Action"), kLabel, 1290, kLabelWidth);
    cmbAction = pick(this, "cmbAction", 1260, kNarrow);
    rightLabel(this, QStringLiteral("Type"), kLabel, 1665, kLabelWidth);
    txtType = text(this, "txtType", 1650);
    rightLabel(this, QStringLiteral("Contactee 1"), kLabel, 2070, kLabelWidth);
    cmbVisitor1 = pick(this, "cmbVisitor1", 2040, kWide);
    rightLabel(this, QStringLiteral("Contactee 2"), kLabel, 2460, kLabelWidth);
    cmbVisitor2 = pick(this, "cmbVisitor2", 2430, kWide);
    rightLabel(this, QStringLiteral("Rating"), kLabel, 2850, kLabelWidth);
    cmbRating = pick(this, "cmbRating", 2820, kNarrow);
    rightLabel(this, QStringLiteral("Notes"), kLabel, 3240, kLabelWidth);
    txtNotes = Controls::notesBox(this, "txtNotes", kField, 3210, kWide, 1095);

    auto* line = make<QFrame>(this, "Line1", 120, 4425, 6255, 30);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    rightLabel(this, QStringLiteral("Next Phase"), kLabel, 4590, kLabelWidth);
    cmbNextPhase = pick(this, "cmbNextPhase", 4560, kWide);
    rightLabel(this, QStringLiteral("Next Contact Date"), kLabel, 4980, kLabelWidth);
    dtNextContactDate = date(this, "dtNextContactDate", 4950);
    rightLabel(this, QStringLiteral("Next Contact Action"), kLabel, 5370, kLabelWidth);
    cmbNextContactAction = pick(this, "cmbNextContactAction", 5340, kNarrow);
    rightLabel(this, QStringLiteral("Next Action Type"), kLabel, 5745, kLabelWidth);
    txtNextType = text(this, "txtNextType", 5730);

    btnDelete = button(this, "btnDelete", QStringLiteral("Delete"), 1800, 6420);
    btnSave = button(this, "btnSave", QStringLiteral("Save And New"), 3360, 6420);
    btnExit = button(this, "btnExit", QStringLiteral("Exit"), 4920, 6420);

    rightLabel(this, QStringLiteral("ID"), kLabel, 120, kLabelWidth);
    txtID = make<QLineEdit>(this, "txtID", kField, 105, 1095, 285);
    txtID->setReadOnly(true);

    m_fill = {{cmbProspect, [this] { FillNames(); }},
              {cmbVisitor1, [this] { FillNames(); }},
              {cmbVisitor2, [this] { FillNames(); }},
              {cmbAction, [this] { FillActions(cmbAction, false); }},
              {cmbNextContactAction, [this] { FillActions(cmbNextContactAction, true); }},
              {cmbRating, [this] { FillRatings(); }},
              {cmbNextPhase, [this] { FillPhases(); }}};

    on(cmbProspect, &QComboBox::currentIndexChanged, [this] { cmbProspect_Click(); });
    on(cmbAction, &QComboBox::currentIndexChanged, [this] { cmbAction_Click(); });
    on(dtDate, &QDateEdit::dateChanged, [this] { dtDate_Change(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnDelete, &QPushButton::clicked, [this] { btnDelete_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmProspectContactEntry::Form_Load()
{
    placeTopLeft();
    {
        // Nothing is chosen yet, so the dates run no suggestion.
        const QDate today = Clock::today();
        dtDate->setDate(today);
        dtNextContactDate->setDate(today);
    }
    WaitCursor wait;
    FillPhases();
    FillActions(cmbNextContactAction, true);
    FillActions(cmbAction, false);
    FillRatings();
    FillNames();
}

void frmProspectContactEntry::FillNames()
{
    // The prospect and both visitor lists show one list of every person; a reload keeps what each had chosen.
    const QList<QComboBox*> lists{cmbProspect, cmbVisitor1, cmbVisitor2};
    QList<PickLists::Choice> kept;
    for (QComboBox* combo : lists)
        kept << PickLists::choice(combo);
    IdList::setEntries(lists, PickLists::entriesWithIds(QStringLiteral("SELECT %1, ID FROM Member ORDER BY Last_Name, "
                                                                       "First_Name, Middle_Name, ID")
                                                            .arg(Format::personNameSql(QStringLiteral("Member")))));
    for (int i = 0; i < lists.size(); ++i)
        PickLists::restore(lists[i], kept[i]);
}

void frmProspectContactEntry::FillActions(QComboBox* combo, bool emptyFirst)
{
    const QSignalBlocker block(combo);
    combo->clear();
    if (emptyFirst)
        combo->addItem(QString());
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Action FROM Prospect_Action ORDER BY Action"));
    for (; !rs.Eof(); rs.MoveNext())
        combo->addItem(rs.Text(QStringLiteral("Action")));
    rs.Close();
    combo->setCurrentIndex(-1);
}

void frmProspectContactEntry::FillPhases()
{
    const QSignalBlocker block(cmbNextPhase);
    cmbNextPhase->clear();
    cmbNextPhase->addItem(QString());
    Recordset rs =
        MainDatabase.openRecordset(QStringLiteral("SELECT Phase FROM Outreach_Phase ORDER BY PhaseOrder, rowid"));
    for (; !rs.Eof(); rs.MoveNext())
        cmbNextPhase->addItem(rs.Text(QStringLiteral("Phase")));
    rs.Close();
    cmbNextPhase->setCurrentIndex(-1);
}

void frmProspectContactEntry::ReloadPhases(const OutreachPlanLink::Renames& renames)
{
    const bool chosen = cmbNextPhase->currentIndex() >= 0;
    const QString phase = OutreachPlanLink::renamed(renames, cmbNextPhase->currentText());
    FillPhases();
    if (chosen) {
        const QSignalBlocker block(cmbNextPhase);
        cmbNextPhase->setCurrentIndex(cmbNextPhase->findText(phase, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
}

void frmProspectContactEntry::FillRatings()
{
    const QSignalBlocker block(cmbRating);
    cmbRating->clear();
    Recordset rs =
        MainDatabase.openRecordset(QStringLiteral("SELECT Rating FROM Prospect_Contact_Rating ORDER BY Rating"));
    for (; !rs.Eof(); rs.MoveNext())
        cmbRating->addItem(rs.Text(QStringLiteral("Rating")));
    rs.Close();
    cmbRating->setCurrentIndex(-1);
}

void frmProspectContactEntry::Choose(QComboBox* combo, const std::function<int()>& find)
{
    int index = find();
    if (index < 0) {
        const PickLists::Choice kept = PickLists::choice(combo);
        m_fill.value(combo)();
        PickLists::restore(combo, kept);
        index = find();
    }
    combo->setCurrentIndex(index);
}

void frmProspectContactEntry::ChooseText(QComboBox* combo, const QString& text)
{
    Choose(combo, [combo, text] {
        const int exact = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        return exact >= 0 ? exact : combo->findText(text, Qt::MatchFixedString);
    });
}

void frmProspectContactEntry::ChooseId(QComboBox* combo, const QVariant& id)
{
    if (id.isNull() || !id.isValid()) {
        combo->setCurrentIndex(-1);
        return;
    }
    const qint64 wanted = id.toLongLong();
    Choose(combo, [combo, wanted] { return combo->findData(wanted); });
}

void frmProspectContactEntry::cmbProspect_Click()
{
    if (cmbProspect->currentIndex() < 0 || cmbProspect->currentText().isEmpty())
        return;
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Prospect_Phase, Prospect_Next_Contact_Date, Prospect_Next_Contact_Action FROM Member "
                       "WHERE ID = ?"),
        {IdList::currentId(cmbProspect)});
    if (rs.Eof())
        return;
    const QString phase = rs.Text(QStringLiteral("Prospect_Phase"));
    QDate planned = SqlValue::toDate(rs.Field(QStringLiteral("Prospect_Next_Contact_Date")));
    const QString action = rs.Text(QStringLiteral("Prospect_Next_Contact_Action"));
    rs.Close();

    if (phase.isEmpty()) {
        dtDate->setDate(Clock::today());
        cmbAction->setCurrentIndex(-1);
        return;
    }
    // The planned contact; a plan without a date is due today.
    if (!planned.isValid())
        planned = Clock::today();
    const int before = m_suggestions;
    dtDate->setDate(planned);
    if (action.isEmpty())
        cmbAction->setCurrentIndex(-1);
    else
        ChooseText(cmbAction, action);
    // The step after the planned contact is proposed even when the date and action were already the planned ones.
    if (m_suggestions == before)
        SuggestNextContact();
}

void frmProspectContactEntry::cmbAction_Click()
{
    SuggestNextContact();
}

void frmProspectContactEntry::dtDate_Change()
{
    SuggestNextContact();
}

void frmProspectContactEntry::SuggestNextContact()
{
    if (cmbAction->currentText().isEmpty() || cmbProspect->currentIndex() < 0)
        return;
    ++m_suggestions;
    const MainMod::OutreachStep step =
        MainMod::GetNextOutreachStep(IdList::currentId(cmbProspect).toLongLong(), dtDate->date(),
                                     cmbAction->currentText(), cmbRating->currentText());
    // An empty phase chooses the list's empty entry.
    ChooseText(cmbNextPhase, step.phase);
    dtNextContactDate->setDate(step.date);
    if (step.action.isEmpty())
        cmbNextContactAction->setCurrentIndex(-1);
    else
        ChooseText(cmbNextContactAction, step.action);
}

void frmProspectContactEntry::btnSave_Click()
{
    if (!DateBox::acceptAllTyped(this))
        return;
    if (cmbProspect->currentIndex() < 0 || cmbAction->currentText().isEmpty() || cmbVisitor1->currentIndex() < 0 ||
        cmbRating->currentText().isEmpty()) {
        Messages::show(QStringLiteral("Prospect, Action, Visitor 1, and Rating are Required."),
                       QStringLiteral("Required Fields"));
        return;
    }
    const qint64 prospectId = IdList::currentId(cmbProspect).toLongLong();

    // The contact and the prospect's next step are saved together or not at all; the people chosen are read in the
    // same transaction, so none deleted meanwhile gets a contact.
    Transaction transaction(MainDatabase, Transaction::Lock::Immediate);
    if (!MemberCheck::stillExist(transaction,
                                 {prospectId, IdList::currentId(cmbVisitor1), IdList::currentId(cmbVisitor2)}))
        return;
    Recordset rs;
    if (!txtID->text().isEmpty()) {
        rs = MainDatabase.openTable(QStringLiteral("Prospect_Contact"), QStringLiteral("ID = ?"),
                                    {txtID->text().toLongLong()});
        if (rs.Eof()) {
            transaction.rollback();
            Messages::show(QStringLiteral("This contact has been deleted since it was opened, so it cannot be "
                                          "saved."),
                           QStringLiteral("Contact Not Found"), Messages::Icon::Exclamation);
            return;
        }
        rs.Edit();
    } else {
        rs = MainDatabase.openTable(QStringLiteral("Prospect_Contact"), QStringLiteral("ID IS NULL"));
        rs.AddNew();
    }
    rs.SetField(QStringLiteral("Prospect_ID"), prospectId);
    rs.SetField(QStringLiteral("Contact_Date"), dtDate->date());
    rs.SetField(QStringLiteral("Action"), cmbAction->currentText());
    rs.SetField(QStringLiteral("Type"), txtType->text());
    rs.SetField(QStringLiteral("Visitor1"), IdList::currentId(cmbVisitor1));
    rs.SetField(QStringLiteral("Visitor2"), IdList::currentId(cmbVisitor2));
    rs.SetField(QStringLiteral("Rating"), cmbRating->currentText());
    rs.SetField(QStringLiteral("Notes"), txtNotes->toPlainText());
    rs.Update();
    rs.Close();

    // A prospect has all four next-step values or none.
    if (!cmbNextPhase->currentText().isEmpty() && !cmbNextContactAction->currentText().isEmpty())
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = ?, Prospect_Next_Contact_Date = ?, "
                                            "Prospect_Next_Contact_Action = ?, Prospect_Next_Contact_Type = ? "
                                            "WHERE ID = ?"),
                             {cmbNextPhase->currentText(), dtNextContactDate->date(),
                              cmbNextContactAction->currentText(), txtNextType->text(), prospectId});
    else
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = NULL, Prospect_Next_Contact_Date = "
                                            "NULL, Prospect_Next_Contact_Action = NULL, Prospect_Next_Contact_Type = "
                                            "NULL WHERE ID = ?"),
                             {prospectId});
    transaction.commit();

    if (MainMod::MemberEntryOpen()) {
        frmMemberEntry* member = ScreenRegistry::find<frmMemberEntry>();
        if (member && member->MemberId() == prospectId)
            member->RefreshNextStep();
    }
    ClearContactForm();
    cmbProspect->setFocus();
}

void frmProspectContactEntry::btnDelete_Click()
{
    if (Messages::show(QStringLiteral("Are you sure you want to permanently remove the prospect contact?"),
                       QStringLiteral("Delete Confirmation"), Messages::Icon::None,
                       Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return;
    if (!txtID->text().isEmpty())
        MainDatabase.execute(QStringLiteral("DELETE FROM Prospect_Contact WHERE ID = ?"), {txtID->text().toLongLong()});
    ClearContactForm();
    cmbProspect->setFocus();
}

void frmProspectContactEntry::btnExit_Click()
{
    Unload();
}

void frmProspectContactEntry::LoadContact(qint64 id)
{
    txtID->setText(QString::number(id));
    LoadContactFields();
}

void frmProspectContactEntry::LoadContactFields()
{
    if (txtID->text().isEmpty())
        return;
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Prospect_Contact WHERE ID = ?"),
                                              {txtID->text().toLongLong()});
    if (rs.Eof())
        return;
    // Each choice runs its handler as the user's would: the prospect its prefill, the date and action the
    // suggestion, so the next step shown follows the loaded contact.
    ChooseId(cmbProspect, rs.Field(QStringLiteral("Prospect_ID")));
    const QDate contactDate = SqlValue::toDate(rs.Field(QStringLiteral("Contact_Date")));
    if (contactDate.isValid())
        dtDate->setDate(contactDate);
    const QString action = rs.Text(QStringLiteral("Action"));
    if (action.isEmpty())
        cmbAction->setCurrentIndex(-1);
    else
        ChooseText(cmbAction, action);
    txtType->setText(rs.Text(QStringLiteral("Type")));
    ChooseId(cmbVisitor1, rs.Field(QStringLiteral("Visitor1")));
    ChooseId(cmbVisitor2, rs.Field(QStringLiteral("Visitor2")));
    const QString rating = rs.Text(QStringLiteral("Rating"));
    if (rating.isEmpty())
        cmbRating->setCurrentIndex(-1);
    else
        ChooseText(cmbRating, rating);
    txtNotes->setPlainText(rs.Text(QStringLiteral("Notes")));
    rs.Close();
}

void frmProspectContactEntry::ClearContactForm()
{
    // The prospect goes first, so nothing after it runs the prefill or the suggestion.
    txtID->clear();
    cmbProspect->setCurrentIndex(-1);
    dtDate->setDate(Clock::today());
    cmbAction->setCurrentIndex(-1);
    txtType->clear();
    cmbVisitor1->setCurrentIndex(-1);
    cmbVisitor2->setCurrentIndex(-1);
    cmbRating->setCurrentIndex(-1);
    txtNotes->clear();
    dtNextContactDate->setDate(Clock::today());
    cmbNextContactAction->setCurrentIndex(-1);
    cmbNextPhase->setCurrentIndex(-1);
    txtNextType->clear();
}

void frmProspectContactEntry::PresetFromMember(qint64 memberId, const QDate& nextContactDate,
                                               const QString& nextContactAction)
{
    // A new contact: a recorded contact on the screen is put away first, so none of its fields passes to this
    // person's; a contact not saved yet keeps what was typed.
    if (!txtID->text().isEmpty())
        ClearContactForm();
    ChooseId(cmbProspect, memberId);
    dtDate->setDate(nextContactDate);
    if (!nextContactAction.isEmpty())
        ChooseText(cmbAction, nextContactAction);
}
