#pragma once
// A process's connection security from fixed settings (TLS, its authority, a credential),
// and, when the server refuses the credential, from a prompt (the desktop's login dialog). A
// credential the server admitted is kept for every later connection of the run, so the person
// is asked once.
//
//   TSocketConnection::SetSecurity(std::make_shared<PromptedConnectionSecurity>(
//       ConnectionSecurity{tls, caFile, {user, password}}, LoginDialog::Ask));
//
// Without a prompt (a script, a command-line tool) a refused credential is final: the caller
// sees the server's reason.

#include "server/IConnectionSecurity.h"

#include <functional>

namespace ger {

class PromptedConnectionSecurity : public IConnectionSecurity {
public:
    // Asks for a credential, showing why the last one was refused; none when the person gave
    // up. `suggested` is the credential refused, for its user.
    using Prompt = std::function<std::optional<Credential>(
        const QString& target, const QString& reason, const Credential& suggested)>;

    explicit PromptedConnectionSecurity(ConnectionSecurity settings, Prompt prompt = {});

    ConnectionSecurity For(const QString& host, quint16 port) override;
    std::optional<Credential> AskAgain(const QString& host, quint16 port, const Credential& refused,
                                       const QString& reason) override;
    void Admitted(const QString& host, quint16 port, const Credential& credential) override;

private:
    ConnectionSecurity m_settings;
    Prompt m_prompt;
};

} // namespace ger
