#pragma once

#include <QList>
#include <QPair>
#include <QString>

// What the outreach plan editor tells the open screens that list its phases, after it saved the plan.
namespace OutreachPlanLink {

// Phases renamed, old name to new, in plan order. Where an old name appears twice, its prospects followed the first.
using Renames = QList<QPair<QString, QString>>;

// The name a phase goes by after the renames.
QString renamed(const Renames& renames, const QString& phase);

// Has an open member screen and an open contact screen reload their phase lists, each keeping its choice under the
// phase's new name; does nothing for a screen that is closed.
void planSaved(const Renames& renames);

} // namespace OutreachPlanLink
