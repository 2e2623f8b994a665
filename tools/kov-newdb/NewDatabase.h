#pragma once

#include "BigChurch.h"

#include <QString>

class Database;

namespace NewDatabase {

struct Options {
    QString userName;
    QString password;
    bool demo = false;      // a small living church
    BigChurch::Options big; // with people > 0: a generated church of that size instead
};

// Creates a Kov database at path with one "Admin" account, leaving it open in db. With demo it also holds a
// church. Refuses an existing file; leaves no file behind when it fails. Throws DbError.
void create(Database& db, const QString& path, const Options& options);

} // namespace NewDatabase
