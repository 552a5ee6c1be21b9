#pragma once
// The users an application server admits: a text file of one line per user,
//
//   USER:HASH            (HASH as PasswordHash makes it; lines starting with # are comments)
//
// kept readable by its owner only (mode 600). User names are 1 to 64 printable ASCII
// characters without blanks or ':'.
//
//   PasswordFile users = PasswordFile::load("/etc/ger/users");     // EPasswordFileError
//   users.setPassword("maria", "segredo");  users.save("/etc/ger/users");
//   bool ok = users.verify({"maria", "segredo"});
//
// verify() runs the slow hash once per user and password: a password that matched is
// remembered (as a keyed digest, never in clear) for the life of the object, so a client that
// reconnects after an idle timeout does not pay for the hash again. Safe to call from many
// threads at once.

#include "platform/core/Exception.h"
#include "platform/net/Credential.h"
#include "platform/net/PasswordHash.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <mutex>

namespace ger {

class EPasswordFileError : public Exception {
public:
    using Exception::Exception;
};

class PasswordFile {
public:
    PasswordFile();
    PasswordFile(const PasswordFile& other);
    PasswordFile& operator=(const PasswordFile&) = delete;

    // A file that cannot be read or holds a malformed line raises EPasswordFileError naming
    // the file and the line.
    static PasswordFile load(const QString& path);
    // Writes the whole file anew (atomically), mode 600.
    void save(const QString& path) const;

    static bool isValidUser(const QString& user);
    // Raises EPasswordFileError for an invalid user name or an empty password.
    void setPassword(const QString& user, const QString& password,
                     int iterations = PasswordHash::kDefaultIterations);
    bool contains(const QString& user) const { return m_hashes.contains(user); }
    qsizetype size() const { return m_hashes.size(); }

    bool verify(const Credential& credential) const;

private:
    QByteArray digest(const Credential& credential) const;

    QMap<QString, QString> m_hashes; // user -> hash, in name order for a stable file
    QByteArray m_digestKey;          // random, for the remembered passwords
    mutable std::mutex m_mutex;
    mutable QHash<QString, QByteArray> m_verified; // user -> keyed digest of a matched password
};

} // namespace ger
