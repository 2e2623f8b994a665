#pragma once

#include <QDate>
#include <QString>

namespace MainMod {

// The step a prospect takes after a contact: the phase it is then in, when to contact it next, and how.
// Empty texts stand for no phase and no action.
struct OutreachStep {
    QString phase;
    QDate date;
    QString action;
};

// Walks the outreach plan from the prospect's current phase. The contact's action advances the prospect when it
// is exactly the phase's own action (letter case counts), past the last phase back to the first; any other
// action keeps it in its phase. The next date is the contact date plus the weeks of the phase being left; a
// prospect without a known phase starts the plan one week after the contact. The rating takes no part. Reads only.
OutreachStep GetNextOutreachStep(qint64 prospectId, const QDate& contactDate, const QString& contactAction,
                                 const QString& contactRating);

} // namespace MainMod
