#pragma once

#include "reports/engine/Definition.h"
#include "reports/engine/Rows.h"

// The five listings of the church's organisation: their queries and their layouts.
namespace AdminListings {

enum class ClassKind { SundaySchool, DiscipleshipTraining, WednesdayNight };

// Every class of a kind with its teachers, by class name.
ReportEngine::Rows classListingRows(ClassKind kind);
// Every care group with its leaders and class, by class name and then leader.
ReportEngine::Rows careGroupListingRows();
// Every responsibility with each holding, and once with no holder when nobody holds it.
ReportEngine::Rows churchRespListingRows();

ReportEngine::Definition crptClassListing(const QString& title);
ReportEngine::Definition crptCareGroupListingReport();
ReportEngine::Definition crptChurchRespListingReport();

} // namespace AdminListings
