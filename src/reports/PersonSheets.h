#pragma once

#include "reports/engine/Definition.h"
#include "reports/engine/Document.h"
#include "reports/engine/Rows.h"

#include <QList>

// The sheets that describe one person: the prospect contact sheet and the member information update sheet.
namespace PersonSheets {

// The family lines of a person: a head of household lists the relatives with their relationship, anyone else the
// heads of household listing them. Each line is 70 characters and ends in CR LF: the name (25), the relationship
// (20), the gender (10) and the birth date (12), a blank between columns; a missing value is blanks.
QString familyText(qint64 memberId, bool headOfHousehold);

// One row per contact of the prospect, oldest first (one row without contact when there is none).
ReportEngine::Rows visitationRows(qint64 memberId);
// One row per responsibility of the member, the latest end first (one row without any when there is none).
ReportEngine::Rows updateRows(qint64 memberId);

// Who gets an update sheet: the group entries of the dialog, or one person.
inline const QString kAllHeads = QStringLiteral("***All Head of Household***");
inline const QString kAllMembers = QStringLiteral("***All Members & Child of Members***");
// The IDs of a group, in name order.
QList<qint64> groupIds(const QString& group);

inline const QString kUpdateTitle = QStringLiteral("Member Information Update");
// The update sheet of one member, laid out.
ReportEngine::Document updateSheet(qint64 memberId);

ReportEngine::Definition crptProspectVisitationSheetReport();
ReportEngine::Definition crptMemberInfoUpdateReport();

} // namespace PersonSheets
