#pragma once

#include "OutreachPlanLink.h"

#include "shell/Screen.h"

#include <QDate>
#include <QHash>
#include <QVariant>
#include <functional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// One contact made with a prospect, and the prospect's next step. Choosing a prospect fills in its planned
// contact; a change of the contact's action or date proposes the step after it from the outreach plan. The name
// lists carry each member's ID as item data.
class frmProspectContactEntry : public Screen {
    Q_OBJECT
public:
    explicit frmProspectContactEntry(QWidget* parent = nullptr);

    void Form_Load() override;
    // Shows a recorded contact for editing.
    void LoadContact(qint64 id);
    // New Contact from the member screen: a new contact (a recorded one shown is cleared first) with the person as
    // prospect (which fills in the planned contact), then the member screen's next contact date, and its action
    // when it has one.
    void PresetFromMember(qint64 memberId, const QDate& nextContactDate, const QString& nextContactAction);
    // After the outreach plan was saved: the phase list read again, its choice kept under the phase's new name.
    void ReloadPhases(const OutreachPlanLink::Renames& renames);

    void cmbProspect_Click();
    void cmbAction_Click();
    void dtDate_Change();
    void btnSave_Click();
    void btnDelete_Click();
    void btnExit_Click();

    QLineEdit* txtID;
    QComboBox* cmbProspect;
    QDateEdit* dtDate;
    QComboBox* cmbAction;
    QLineEdit* txtType;
    QComboBox* cmbVisitor1;
    QComboBox* cmbVisitor2;
    QComboBox* cmbRating;
    QPlainTextEdit* txtNotes;
    QComboBox* cmbNextPhase;
    QDateEdit* dtNextContactDate;
    QComboBox* cmbNextContactAction;
    QLineEdit* txtNextType;
    QPushButton* btnDelete;
    QPushButton* btnSave;
    QPushButton* btnExit;

private:
    void SuggestNextContact();
    void LoadContactFields();
    void ClearContactForm();

    void FillNames();
    void FillActions(QComboBox* combo, bool emptyFirst);
    void FillPhases();
    void FillRatings();
    // Chooses the entry of a value. A value the list lacks (added since the screen opened) reloads that list
    // once; still missing, the list is left with no choice.
    void ChooseText(QComboBox* combo, const QString& text);
    void ChooseId(QComboBox* combo, const QVariant& id);
    void Choose(QComboBox* combo, const std::function<int()>& find);

    QHash<QComboBox*, std::function<void()>> m_fill;
    int m_suggestions = 0;                 // how often the suggestion has run, so the prefill knows whether it did
};
