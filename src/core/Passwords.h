#pragma once

#include <QString>

// Log-in passwords are kept as salted PBKDF2-SHA256 hashes of the trimmed, case-folded text, so a log-in
// still ignores letter case and surrounding blanks.
namespace Passwords {

// The longest user name and password an account takes. The log-in boxes hold no more, so a long password cut
// short when the account was made is cut alike when it is typed at log-in.
inline constexpr int kMaxLength = 50;

QString hash(const QString& password);
bool isHashed(const QString& stored);
// True when the typed password matches the stored value, hashed or (from older data) plain.
bool matches(const QString& typed, const QString& stored);

} // namespace Passwords
