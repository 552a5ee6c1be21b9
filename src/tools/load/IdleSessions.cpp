#include "tools/load/IdleSessions.h"

#include "platform/net/RemoteClient.h"

namespace ger {

namespace {
const QString kModule = QStringLiteral("Ger99500.rdmTpOperFil");
} // namespace

IdleSessions::IdleSessions(const LoadOptions& options) {
    for (int i = 0; i < options.idle; ++i) {
        auto session = std::make_unique<RemoteClient>();
        try {
            session->open(options.host, options.portFor(i), kModule);
            m_sessions.push_back(std::move(session));
        } catch (const Exception& error) {
            if (m_refused++ == 0)
                m_firstError = error.Message();
        }
    }
}

IdleSessions::~IdleSessions() = default;

int IdleSessions::serveAll(const QString& branch,
                           const std::function<void(const QString&)>& failed) {
    int served = 0;
    for (const auto& session : m_sessions) {
        QList<CallArgument> arguments{CallArgument::string(branch)};
        try {
            session->call(QStringLiteral("GetTpOperFil"), arguments);
            ++served;
        } catch (const Exception& error) {
            failed(error.Message());
        }
    }
    return served;
}

} // namespace ger
