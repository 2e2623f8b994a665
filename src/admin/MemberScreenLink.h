#pragma once

// What the setup screens tell an open member screen after a save.
namespace MemberScreenLink {

// Has an open member screen reload its pick lists (classes, care groups, responsibilities); does nothing
// while it is closed.
void reloadListValues();

} // namespace MemberScreenLink
