#pragma once
// ger-appserver's --add-user: one user put into the password file, the file created (mode 600)
// when missing. The password comes from the terminal without echo, typed twice, or as the
// first line of standard input when that is no terminal (a script's pipe).

#include <QString>
#include <cstdio>

namespace ger {

class UserAdmin {
public:
    // Adds `user` or gives it `password`; EPasswordFileError when the file is malformed or
    // cannot be written, or the name or password is not allowed.
    static void SetPassword(const QString& usersPath, const QString& user, const QString& password);

    // The password for `user`, from `input` (prompting on `prompt` when it is a terminal); an
    // Exception when none was given or the two entries differ.
    static QString ReadPassword(const QString& user, std::FILE* input, std::FILE* prompt);
};

} // namespace ger
