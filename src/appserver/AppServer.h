#pragma once
// The application server as a library: the remote data module Ger99500.rdmTpOperFil
// (RdmTpOperFil) served over TCP by platform/net's RemoteServer on a company database. The
// program ger-appserver is this plus its command line; tests and other tools start it
// in-process:
//
//   std::unique_ptr<RemoteServer> server = StartAppServer(databasePath);   // 127.0.0.1, port 0
//   TNetConnection connection(nullptr);
//   connection.SetHost("127.0.0.1");
//   connection.SetPort(server->serverPort());
//   connection.SetServerName("Ger99500.rdmTpOperFil");
//   ...
//   server.reset();                                  // stops listening, ends every connection
//
// Sessions and workers: every client connection (a session) has a thread of its own that reads
// its frames, and nothing more: its calls run on one of `workers` call workers (CallWorkers),
// each with its own module instance and database connection, in the order they arrived. An
// idle session so holds no database connection, and `maxSessions` connections may be open at
// once (the next one is refused with a message); `workers` bounds the calls run at once.

#include "platform/net/RemoteModuleRegistry.h"
#include "platform/net/RemoteServer.h"
#include "platform/sql/SqlEngine.h"

#include <QHostAddress>
#include <QString>
#include <functional>
#include <memory>

namespace ger {

class AppServer {
public:
    static constexpr quint16 DefaultPort = 7211;
    static constexpr int DefaultWorkers = 32;
    static constexpr int DefaultMaxSessions = 2048;
    static constexpr int DefaultIdleTimeoutSeconds = 30 * 60;

    struct Config {
        // A file, or on Firebird also a server's database (HOST:PATH).
        QString databasePath;
        SqlEngine engine = SqlEngine::SQLite;
        QHostAddress address = QHostAddress::LocalHost;
        quint16 port = 0; // 0: any free port
        int workers = DefaultWorkers;
        int maxSessions = DefaultMaxSessions;
        // An open session that sends nothing for this long is closed; its client opens a new
        // one at its next call.
        int idleTimeoutSeconds = DefaultIdleTimeoutSeconds;
        // When set, called with one line per remote call (LoggedModule), from worker threads.
        std::function<void(const QString& line)> callLog;
        // Who may open a session (none: everyone, loopback only) and the TLS identity (none:
        // plain TCP, loopback only).
        std::shared_ptr<LoginGate> login;
        std::shared_ptr<const TlsIdentity> tls;
    };

    // The modules the server offers: Ger99500.rdmTpOperFil on `databasePath`, its calls run
    // by `workers` call workers.
    static RemoteModuleRegistry Modules(const QString& databasePath, SqlEngine engine, int workers,
                                        std::function<void(const QString&)> callLog = {});

    // Checks that `config.databasePath` holds a company database (EDatabaseError or ESqlError
    // when not), then listens (ETransportError when the address cannot be bound) and returns
    // the running server.
    static std::unique_ptr<RemoteServer> Start(const Config& config);

    // Raises EDatabaseError unless the database opens and has the company schema's tables and
    // the routines its engine keeps in the database; the message says what to do.
    static void CheckDatabase(const QString& databasePath, SqlEngine engine = SqlEngine::SQLite);
};

// AppServer::Start with the usual settings.
std::unique_ptr<RemoteServer> StartAppServer(const QString& databasePath,
                                             const QHostAddress& address = QHostAddress::LocalHost,
                                             quint16 port = 0,
                                             int workers = AppServer::DefaultWorkers,
                                             SqlEngine engine = SqlEngine::SQLite);

} // namespace ger
