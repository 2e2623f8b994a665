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
// Names and addresses, by last, first and middle name.
ReportEngine::Rows mailingLabelRows(const QList<qint64>& ids);

ReportEngine::Definition crptMemberNavigatorReport();
ReportEngine::Definition crptMemberNavigatorDOBAnnivReport();
ReportEngine::Definition crptProspectNavigatorReport();
ReportEngine::Definition crptProspectNavigatorShortReport();
ReportEngine::Definition crptMailingLabels();

} // namespace PersonLists
