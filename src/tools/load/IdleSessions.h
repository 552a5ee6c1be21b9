#pragma once
// The idle sessions of a load: opened before the busy clients start (module open, no call),
// round-robin over the servers, held for the run, and each asked once at the end
// (GetTpOperFil) to show that the server still serves it.

#include "tools/load/LoadOptions.h"

#include <functional>
#include <memory>
#include <vector>

namespace ger {

class RemoteClient;

class IdleSessions {
public:
    // Opens `options.idle` sessions; one that cannot be opened is counted, not raised.
    explicit IdleSessions(const LoadOptions& options);
    ~IdleSessions();

    int opened() const { return static_cast<int>(m_sessions.size()); }
    int refused() const { return m_refused; }
    const QString& firstError() const { return m_firstError; }

    // Calls GetTpOperFil(branch) on every session; returns how many were served and hands
    // each failure's message to `failed`.
    int serveAll(const QString& branch, const std::function<void(const QString&)>& failed);

private:
    std::vector<std::unique_ptr<RemoteClient>> m_sessions;
    int m_refused = 0;
    QString m_firstError;
};

} // namespace ger
