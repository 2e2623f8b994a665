#pragma once

// A layer under SQLite, installed as its default file layer, that counts the changes made to the files of a
// database (a write, a truncate, a sync, a file removed) while armed, and ends the process with SIGKILL right after
// the change numbered killAfter: a crash at an exact point of a write, journal and all.
namespace KillingVfs {

// killAfter 0 never kills. Install before the database opens.
void install(int killAfter);
void arm(bool armed);
// The changes counted while armed.
int changes();

} // namespace KillingVfs
