#include "NextOutreachStep.h"

#include "core/MainMod.h"
#include "platform/SqlValue.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace MainMod {

namespace {

// Several phases may share a name or an order; the earlier row of the plan wins.
const QString kFirstPhase =
    QStringLiteral("SELECT Phase, Action FROM Outreach_Phase ORDER BY PhaseOrder, rowid LIMIT 1");

OutreachStep phaseOf(Recordset& rs, const QDate& date)
{
    OutreachStep step{QString(), date, QString()};
    if (!rs.Eof()) {
        step.phase = rs.Text(QStringLiteral("Phase"));
        step.action = rs.Text(QStringLiteral("Action"));
    }
    rs.Close();
    return step;
}

// Whole weeks of a stored TimePeriod: rounded half to even, as a 16-bit value.
int WholeWeeks(double weeks)
{
    if (std::isnan(weeks))
        return 0;
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(weeks);
    std::fesetround(saved);
    return int(qBound(double(std::numeric_limits<qint16>::min()), rounded, double(std::numeric_limits<qint16>::max())));
}

} // namespace

OutreachStep GetNextOutreachStep(qint64 prospectId, const QDate& contactDate, const QString& contactAction,
                                 const QString& /*contactRating*/)
{
    Recordset current = MainDatabase.openRecordset(
        QStringLiteral("SELECT PhaseOrder, Phase, Action, TimePeriod FROM Outreach_Phase JOIN Member ON "
                       "Outreach_Phase.Phase = Member.Prospect_Phase WHERE Member.ID = ? "
                       "ORDER BY PhaseOrder, Outreach_Phase.rowid LIMIT 1"),
        {prospectId});
    if (current.Eof()) {
        // No phase, or one the plan no longer holds: the plan starts over.
        current.Close();
        Recordset first = MainDatabase.openRecordset(kFirstPhase);
        return phaseOf(first, contactDate.addDays(7));
    }

    const QString phase = current.Text(QStringLiteral("Phase"));
    const QString phaseAction = current.Text(QStringLiteral("Action"));
    const double order = current.Field(QStringLiteral("PhaseOrder")).toDouble();
    const int weeks = WholeWeeks(current.Field(QStringLiteral("TimePeriod")).toDouble());
    current.Close();
    const QDate next = contactDate.addDays(7 * qint64(weeks));

    if (contactAction != phaseAction)
        return {phase, next, phaseAction};

    Recordset following = MainDatabase.openRecordset(
        QStringLiteral("SELECT Phase, Action FROM Outreach_Phase WHERE PhaseOrder > ? ORDER BY PhaseOrder, rowid "
                       "LIMIT 1"),
        {order});
    if (!following.Eof())
        return phaseOf(following, next);
    following.Close();
    // Past the last phase the plan begins again.
    Recordset first = MainDatabase.openRecordset(kFirstPhase);
    return phaseOf(first, next);
}

} // namespace MainMod
