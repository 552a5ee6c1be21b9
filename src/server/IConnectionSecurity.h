#pragma once
// How the process's connections to application servers are secured, and who they say they
// are: set once by the host (TSocketConnection::SetSecurity), asked by every connection as it
// connects. Without one, connections are plain TCP with an empty credential, which is what a
// loopback server without a password file takes.

#include "platform/net/Credential.h"

#include <QString>
#include <optional>

namespace ger {

struct ConnectionSecurity {
    bool tls = false;
    QString caFile; // PEM file of the trusted authorities; empty: the system's
    Credential credential;
};

class IConnectionSecurity {
public:
    virtual ~IConnectionSecurity() = default;

    virtual ConnectionSecurity For(const QString& host, quint16 port) = 0;
    // The server at `host` refused `refused`, saying `reason`: another credential to try, or
    // none to give up. User-interface thread.
    virtual std::optional<Credential> AskAgain(const QString& host, quint16 port,
                                               const Credential& refused,
                                               const QString& reason) = 0;
    // The server admitted `credential`: later connections may use it.
    virtual void Admitted(const QString& host, quint16 port, const Credential& credential) = 0;
};

} // namespace ger
