#pragma once

#include <QString>

class Database;

namespace NewDatabase {

// Creates a Kov database at path with one "Admin" account, leaving it open in db. With demo it also holds a
// small living church. Refuses an existing file. Throws DbError.
void create(Database& db, const QString& path, const QString& userName, const QString& password, bool demo);

} // namespace NewDatabase
