#include "appserver/UserAdmin.h"

#include "platform/core/Exception.h"
#include "platform/net/PasswordFile.h"

#include <QFileInfo>
#include <termios.h>
#include <unistd.h>

namespace ger {
namespace {

QString ReadLine(std::FILE* input) {
    QByteArray line;
    for (int c = std::fgetc(input); c != EOF && c != '\n'; c = std::fgetc(input))
        line.append(static_cast<char>(c));
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// A line typed with the terminal's echo off, so the password is not shown.
QString ReadHidden(std::FILE* input, std::FILE* prompt, const QString& text) {
    std::fprintf(prompt, "%s", qUtf8Printable(text));
    std::fflush(prompt);
    const int descriptor = ::fileno(input);
    termios saved{};
    const bool isTerminal = ::tcgetattr(descriptor, &saved) == 0;
    if (isTerminal) {
        termios hidden = saved;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(descriptor, TCSAFLUSH, &hidden);
    }
    const QString line = ReadLine(input);
    if (isTerminal) {
        ::tcsetattr(descriptor, TCSAFLUSH, &saved);
        std::fprintf(prompt, "\n");
    }
    return line;
}

} // namespace

void UserAdmin::SetPassword(const QString& usersPath, const QString& user,
                            const QString& password) {
    PasswordFile users =
        QFileInfo::exists(usersPath) ? PasswordFile::load(usersPath) : PasswordFile();
    users.setPassword(user, password);
    users.save(usersPath);
}

QString UserAdmin::ReadPassword(const QString& user, std::FILE* input, std::FILE* prompt) {
    if (!::isatty(::fileno(input))) {
        const QString password = ReadLine(input);
        if (password.isEmpty())
            throw Exception(QStringLiteral("Nenhuma senha na entrada para o usuário %1").arg(user));
        return password;
    }
    const QString first = ReadHidden(input, prompt, QStringLiteral("Senha de %1: ").arg(user));
    const QString second = ReadHidden(input, prompt, QStringLiteral("A mesma senha, de novo: "));
    if (first != second)
        throw Exception(QStringLiteral("As duas senhas não são iguais; nada foi gravado"));
    if (first.isEmpty())
        throw Exception(QStringLiteral("A senha está vazia; nada foi gravado"));
    return first;
}

} // namespace ger
