#pragma once
// Who a client says it is when it opens a module: a user name and a password, sent with
// OpenModule (Protocol.h) and checked by a server that has a password file (PasswordFile).
// Both empty on a server that asks for none.

#include <QString>

namespace ger {

struct Credential {
    QString user;
    QString password;

    bool isEmpty() const { return user.isEmpty() && password.isEmpty(); }
};

} // namespace ger
