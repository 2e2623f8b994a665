#pragma once

#include "shell/Screen.h"

#include <QHash>

class MoneyEdit;
class Recordset;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// Gifts keyed one after another by envelope number, for batch entry: after a save the giver, envelope, amount
// and reference are emptied, the date and designation stay. Also shows, edits and deletes one stored gift.
// The member list holds the people flagged for it when the screen opened, each entry carrying its member ID
// (Qt::UserRole) and envelope number (kEnvelopeRole).
class frmContributionEntry : public Screen {
    Q_OBJECT
public:
    explicit frmContributionEntry(QWidget* parent = nullptr);

    static constexpr int kEnvelopeRole = Qt::UserRole + 1;

    void Form_Load() override;
    // Shows a stored gift for editing.
    void LoadContribution(qint64 id);

    void btnSave_Click();
    void btnDelete_Click();
    void btnExit_Click();
    void cmbMember_Click();
    void txtEnv_Change();
    // False when the envelope number was refused.
    bool txtEnv_LostFocus();

    QLineEdit* txtID;
    QDateEdit* dtDate;
    QComboBox* cmbMember;
    QLineEdit* txtEnv;
    MoneyEdit* txtAmount;
    QLineEdit* txtRefNo;
    QComboBox* cmbDesignation;
    QPushButton* btnDelete;
    QPushButton* btnSave;
    QPushButton* btnExit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadMembers();
    void ShowContribution();
    // The stored gift's date, amount, reference and designation.
    void ShowGiftValues(const Recordset& rs);
    void ClearContributionEntry();
    void SyncEnvelopeFromMember();
    // Sets the envelope box for the member at list index "holder", who keeps the pick when they hold the number.
    void putEnvelope(const QString& envelope, int holder);
    // False, having said so and read the list again, when the chosen member no longer holds the typed number.
    // A stored gift shown with its own giver and number left as they are is not checked.
    bool EnvelopeStillHeld();
    // True while the stored gift shown keeps the giver and envelope number it was shown with.
    bool showsStoredGift() const;
    // Empties the giver, envelope, amount and reference for the next gift.
    void ClearGift();
    // The first listed member holding the envelope number exactly; -1 when none does.
    int memberWithEnvelope(const QString& envelope) const;
    // The member screen lists the gifts again when it shows that member.
    static void RefreshMemberScreen(qint64 memberId);

    QHash<QString, int> m_envelopes; // envelope number -> first list index holding it
    QHash<qint64, int> m_members;    // member ID -> list index
    bool m_checkingEnvelope = false;
    int m_envelopeHolder = -1; // list index of the member whose number the screen is putting in the box
    qint64 m_shownGiver = 0;   // the stored gift's giver as shown; 0 when no gift is shown
    QString m_shownEnvelope;   // the envelope number shown with it
};
