#pragma once

#include <QString>

class Database;

// Lays out a new Kov database: the tables, the supplied rows and the password check.
namespace Schema {

QString schemaScript();
QString seedScript();

// Creates the file at path (refused when it exists) and leaves it open in db.
void createDatabase(Database& db, const QString& path, const QString& password);

} // namespace Schema
