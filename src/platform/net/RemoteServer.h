#pragma once
// The application server's listener: serves remote data modules by name (Protocol.h) over
// TCP, loopback by default.
//
//   RemoteModuleRegistry modules;
//   modules.add("Ger99500.rdmTpOperFil", [] { return std::make_unique<rdmTpOperFil>(); });
//   RemoteServer server(modules);
//   server.listen();                  // 127.0.0.1, any free port
//   quint16 port = server.serverPort();
//   ...
//   server.close();                   // or let the destructor do it
//
// Threads: one acceptor thread, and one thread per client connection that makes the TLS
// handshake (when the server has TLS), checks the opening's credential, reads the
// connection's frames, runs its calls on the connection's own module instance and writes the
// replies, with no other thread in the way; a slow call holds up only its own client. No Qt
// event loop is needed (the threads block on their sockets), so the server runs in a plain
// program or a test as well as under a QCoreApplication.
//
// close() stops accepting, cuts every connection at once (a client waiting for a reply sees
// the connection end), then waits for the workers: a method already running finishes first,
// and its reply is dropped.

#include "platform/net/LoginGate.h"
#include "platform/net/Protocol.h"
#include "platform/net/RemoteModuleRegistry.h"
#include "platform/net/TlsIdentity.h"

#include <QHostAddress>
#include <memory>

namespace ger {

class RemoteServer {
public:
    struct Options {
        quint32 maxFrameSize = protocol::kDefaultMaxFrameSize;
        // Connections beyond this are refused with a message, so a flood cannot spawn
        // threads without end.
        int maxConnections = 256;
        // A connection that has not opened its module in this time is refused and closed.
        int openingTimeoutMs = 5000;
        // An open session that sends nothing for this long is closed (its client opens a new
        // one at its next call); -1 keeps it for ever.
        qint64 idleTimeoutMs = 30 * 60 * 1000;
        // Who may open a session; none (or a gate without a password file) admits all.
        std::shared_ptr<LoginGate> login;
        // When set, every connection is TLS with this identity, its handshake within the
        // opening timeout.
        std::shared_ptr<const TlsIdentity> tls;
    };

    explicit RemoteServer(RemoteModuleRegistry modules);
    RemoteServer(RemoteModuleRegistry modules, Options options);
    ~RemoteServer();

    RemoteServer(const RemoteServer&) = delete;
    RemoteServer& operator=(const RemoteServer&) = delete;

    // Port 0 picks a free port (serverPort() tells which). Raises ETransportError when the
    // address cannot be bound or the server is already listening. An address other than
    // loopback is refused (ETransportError, before anything is bound) unless the options have
    // TLS and a login gate that checks credentials: there, anyone on the network could
    // connect.
    void listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 0);
    bool isListening() const;
    quint16 serverPort() const;
    QHostAddress serverAddress() const;

    // Connections being served now.
    int connectionCount() const;

    void close();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace ger
