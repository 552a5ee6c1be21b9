#pragma once
// Salted, deliberately slow password hashes, as a password file stores them:
//
//   pbkdf2-sha256$ITERATIONS$SALT$KEY        (SALT and KEY in base64)
//
// PBKDF2 with HMAC-SHA256, a random 16-byte salt and a 32-byte key. At the default count a
// check takes some 150 ms, which is what makes guessing slow; the count is stored with each
// hash, so it can be raised later without invalidating old entries.

#include <QByteArray>
#include <QString>

namespace ger {

class PasswordHash {
public:
    static constexpr int kDefaultIterations = 100'000;
    static constexpr int kMinIterations = 1'000;

    static QString make(const QString& password, int iterations = kDefaultIterations);

    // Whether `password` is the one `stored` was made from. False for a malformed entry.
    static bool matches(const QString& stored, const QString& password);

    // Takes as long as a check at the default count, with nothing to match: the answer for an
    // unknown user must not come sooner than for a known one.
    static void spend(const QString& password);

    // Whether `stored` has the form above (its count at least kMinIterations).
    static bool isWellFormed(const QString& stored);

    // Compares without stopping at the first difference, so the time taken tells nothing of
    // where two keys differ.
    static bool equalInConstantTime(const QByteArray& a, const QByteArray& b);
};

} // namespace ger
