#pragma once

#include <QByteArray>
#include <QString>

// Passwords are kept only as PBKDF2-HMAC-SHA256 hashes, each with a random
// salt of its own, stored as "pbkdf2-sha256$ITERATIONS$SALT$HASH" (salt
// and hash in Base64).
namespace PasswordHash {

// The iterations of a new hash, and the fewest a stored one may have.
int iterations();

// The stored form of a new hash of password.
QString make(const QString &password);

// Whether stored is a hash this program accepts: of the form above, with a
// salt of 16 bytes or more, a 32-byte hash, and from iterations() up to
// ten million iterations (more would hold a login up for minutes).
bool isUsable(const QString &stored);

// Whether password is the one stored was made from; false for any stored
// text that is not usable. The hashes are compared in constant time.
bool matches(const QString &password, const QString &stored);

// The same work done for a name nobody has, so that the time taken does not
// tell which names exist.
void spendTime(const QString &password);

// PBKDF2-HMAC-SHA256 of password and salt: length bytes.
QByteArray derive(const QByteArray &password, const QByteArray &salt, int iterations, int length);

} // namespace PasswordHash
