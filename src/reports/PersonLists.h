#pragma once

#include "reports/engine/Definition.h"
#include "reports/engine/Rows.h"

#include <QList>
#include <QString>

// The lists of people a navigator prints: their queries and their layouts.
namespace PersonLists {

// Full rows of the listed people with their classes, care-group leader and deacon, by last name, first name, ID.
ReportEngine::Rows memberListRows(const QList<qint64>& ids);
// The statement of those rows, with more columns after the newsletter columns and more joins after the list's
// own; its last value is the list of people (Reports::idListValue).
QString memberListSql(const QString& moreColumns = {}, const QString& moreJoins = {});
// The listed people with their prospect fields and the class and care group assigned to them as prospects.
ReportEngine::Rows prospectListRows(const QList<qint64>& ids);
// Every contact with the listed people, newest first.
ReportEngine::Rows prospectContactRows(const QList<qint64>& ids);
// The active prospects of a Sunday School class, with a next contact date first (SortOrder 1, by that date,
// action, name), then the others (SortOrder 2); with their hobbies and organizations.
ReportEngine::Rows classProspectRows(qint64 classId);
// Every contact with anyone assigned to the class as a prospect, newest first.
ReportEngine::Rows classContactRows(qint64 classId);
// Names and addresses, by last, first and middle name.
ReportEngine::Rows mailingLabelRows(const QList<qint64>& ids);

ReportEngine::Definition crptMemberNavigatorReport();
ReportEngine::Definition crptMemberNavigatorDOBAnnivReport();
ReportEngine::Definition crptProspectNavigatorReport();
ReportEngine::Definition crptProspectNavigatorShortReport();
// The prospect list of one class under the class name.
ReportEngine::Definition crptSundaySchoolProspectListingReport();
ReportEngine::Definition crptMailingLabels();

} // namespace PersonLists
