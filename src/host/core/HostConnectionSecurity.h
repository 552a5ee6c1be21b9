#pragma once
// How the host's connections to the application server are secured: TLS and its authority
// from the settings, and the credential from the settings or, when the server refuses it, from
// the person at the desktop (the prompt). A credential the server admitted is kept for every
// later connection of the run, so the person is asked once.
//
//   auto security = std::make_shared<HostConnectionSecurity>(settings, prompt);
//   TSocketConnection::SetSecurity(security);
//
// Without a prompt (the script run) a refused credential is final: the screen shows the
// server's reason.

#include "framework/HostSettings.h"
#include "server/IConnectionSecurity.h"

#include <functional>

namespace ger {

class HostConnectionSecurity : public IConnectionSecurity {
public:
    // Asks for a credential, showing why the last one was refused; none when the person gave
    // up. `suggested` is the credential refused, for its user.
    using Prompt = std::function<std::optional<Credential>(
        const QString& target, const QString& reason, const Credential& suggested)>;

    HostConnectionSecurity(const HostSettings& settings, Prompt prompt);

    ConnectionSecurity For(const QString& host, quint16 port) override;
    std::optional<Credential> AskAgain(const QString& host, quint16 port, const Credential& refused,
                                       const QString& reason) override;
    void Admitted(const QString& host, quint16 port, const Credential& credential) override;

private:
    bool m_tls;
    QString m_caFile;
    Credential m_credential;
    Prompt m_prompt;
};

} // namespace ger
