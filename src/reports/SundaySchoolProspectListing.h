#pragma once

#include <QDate>
#include <QList>
#include <QStringList>

// What the Sunday School prospect listing prints for one class.
namespace SundaySchoolProspectListing {

// Whether the class has an active prospect, so its listing prints at all.
bool hasProspects(qint64 classId);
// The active prospects of the class whose next contact falls between the days (both whole) with one of the next
// actions, by that date, action and name: whose contact sheets go with the listing.
QList<qint64> sheetIds(qint64 classId, const QDate& from, const QDate& to, const QStringList& actions);

} // namespace SundaySchoolProspectListing
