#include "server/PromptedConnectionSecurity.h"

namespace ger {

PromptedConnectionSecurity::PromptedConnectionSecurity(ConnectionSecurity settings, Prompt prompt)
    : m_settings(std::move(settings))
    , m_prompt(std::move(prompt)) {}

ConnectionSecurity PromptedConnectionSecurity::For(const QString&, quint16) {
    return m_settings;
}

std::optional<Credential> PromptedConnectionSecurity::AskAgain(const QString& host, quint16 port,
                                                               const Credential& refused,
                                                               const QString& reason) {
    if (!m_prompt)
        return std::nullopt;
    return m_prompt(QStringLiteral("%1, porta %2").arg(host).arg(port), reason, refused);
}

void PromptedConnectionSecurity::Admitted(const QString&, quint16, const Credential& credential) {
    m_settings.credential = credential;
}

} // namespace ger
