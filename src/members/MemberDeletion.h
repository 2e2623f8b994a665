#pragma once

#include <QtGlobal>

// Removing a person from the register.
namespace MemberDeletion {

// The stand-by member: the roles of a deleted member pass to it, so it is never deleted itself.
constexpr qint64 kStandByMember = 1;

// Deletes the member and every row that belongs to them (attendance, family links, responsibilities,
// organizations, contacts as a prospect, contributions, their user account and its rights); the roles they held
// (class teacher, care-group leader, visitor) pass to the stand-by member and members they served as deacon have
// none. All of it in one transaction: a failure raises DbError and changes nothing.
void deleteMember(qint64 memberId);

} // namespace MemberDeletion
