#pragma once

#include <QString>

// A small key/value store with registry-style key paths ("SOFTWARE\Vendor\Tool", value "PATH"), kept in
// keystore.ini beside the program. Used to find helper programs such as the system information tool.
namespace KeyStore {

// The file it reads; tests point it elsewhere.
QString filePath();
void setFilePath(const QString& path);

// Reads a text value; false when the key or value is absent or not text.
bool read(const QString& root, const QString& keyName, const QString& valueName, QString& value);

} // namespace KeyStore
