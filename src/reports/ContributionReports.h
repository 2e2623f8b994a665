#pragma once

#include "reports/engine/Definition.h"
#include "reports/engine/Rows.h"

#include <QDate>
#include <QStringList>

// The two reports on the gifts: the entry control list of a batch and the givers' statements.
namespace ContributionReports {

// Gifts saved from the first second of fromDate to the last of toDate, in the order entered.
ReportEngine::Rows entryControlRows(const QDate& fromDate, const QDate& toDate);
// Gifts dated within the range, by giver (name, then ID, so two givers of one name stay apart), designation and
// date; member 0 for every giver. Each row carries the giver's address block as the letter shows it.
ReportEngine::Rows memberContributionRows(qint64 member, const QDate& fromDate, const QDate& toDate);

// The church's heading of its statements: name; first address line; city, state and zip; "Tel: " and phone.
// Always four lines, empty ones included.
QStringList churchHeader();
// "For 1/1/2026 to 12/31/2026"
QString periodText(const QDate& fromDate, const QDate& toDate);

ReportEngine::Definition crptContributionsEntryControlReport();
ReportEngine::Definition crptMemberContributionsReport();

} // namespace ContributionReports
