#pragma once

#include "reports/engine/Definition.h"
#include "reports/engine/Rows.h"

#include <QDate>

// The class rolls: every active member of a class of one kind, class by class, for the teacher to mark.
namespace ClassRolls {

// A kind of class: its table, the Member column naming a member's class, and the roll's title.
struct ClassKind {
    QString table;
    QString memberColumn;
    QString title;
};
extern const ClassKind kSundaySchool;
extern const ClassKind kDiscipleshipTraining;
extern const ClassKind kWednesdayNight;

// The people on the rolls of a kind: active, neither previous nor deleted members, with a class of that kind;
// by class (its ID, so two classes of one name stay apart), then last name, first name, ID. The class ID is the
// trailing column ClassID.
ReportEngine::Rows rollRows(const ClassKind& kind);

// The rolls' layout: a class to a page, the roll date (text object txtRollDate) under the class name.
ReportEngine::Definition rollDefinition(const ClassKind& kind);

bool print(const ClassKind& kind, bool preview, const QDate& rollDate);

} // namespace ClassRolls
