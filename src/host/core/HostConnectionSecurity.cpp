#include "host/core/HostConnectionSecurity.h"

namespace ger {

HostConnectionSecurity::HostConnectionSecurity(const HostSettings& settings, Prompt prompt)
    : m_tls(settings.serverTls)
    , m_caFile(settings.serverCaFile)
    , m_credential{settings.serverUser, settings.serverPassword}
    , m_prompt(std::move(prompt)) {}

ConnectionSecurity HostConnectionSecurity::For(const QString&, quint16) {
    return {m_tls, m_caFile, m_credential};
}

std::optional<Credential> HostConnectionSecurity::AskAgain(const QString& host, quint16 port,
                                                           const Credential& refused,
                                                           const QString& reason) {
    if (!m_prompt)
        return std::nullopt;
    return m_prompt(QStringLiteral("%1, porta %2").arg(host).arg(port), reason, refused);
}

void HostConnectionSecurity::Admitted(const QString&, quint16, const Credential& credential) {
    m_credential = credential;
}

} // namespace ger
