#pragma once
// The command line of ger-appserver:
//
//   ger-appserver [--database PATH] [--listen ADDRESS] [--port N] [--workers N]
//                 [--idle-timeout SECONDS] [--users FILE] [--tls-cert FILE --tls-key FILE]
//                 [--print-port] [--verbose]
//   ger-appserver --init-demo PATH [--demo-clients N] [--engine NAME]
//   ger-appserver --database PATH --engine NAME --create-routines
//   ger-appserver --users FILE --add-user NAME
//
//   --database PATH    the company database; default DefaultDatabasePath(), created with the
//                      demo seed on first use
//   --listen ADDRESS   the address to listen on (default 127.0.0.1)
//   --port N           0 to 65535, 0 for any free port (default 7211)
//   --workers N        calls run at once, 1 to 1024 (default 32); an open session that makes
//                      no call takes none of them
//   --idle-timeout S   an open session that sends nothing for S seconds is closed, 1 to
//                      86400 (default 1800); its client opens a new one at its next call
//   --users FILE       admit only the users of this password file (PasswordFile)
//   --add-user NAME    add NAME to the --users file, or give it a new password (read from the
//                      terminal without echo, twice, or as the first line of standard input),
//                      and exit; the file is created when missing, mode 600
//   --tls-cert FILE    with --tls-key: serve TLS with this PEM certificate (chain) and key.
//   --tls-key FILE     An address other than loopback needs both and --users.
//   --init-demo PATH   create the demo database at PATH and exit; an existing file is refused
//   --demo-clients N   with --init-demo: the clients it holds, the seed's 56 to 1000000 (the
//                      seed's own by default; those beyond them generated)
//   --engine NAME      the database's engine: SQLite (default) or Firebird; on Firebird the
//                      database is a file (embedded) or HOST:PATH (a Firebird server)
//   --create-routines  put into --database the routines the queries call (PARAM, NVLSTR,
//                      INSTR, LISTA_CODIGOS on Firebird) and exit
//   --print-port       print "listening on ADDRESS:PORT" on stdout once ready
//   --verbose          one line per remote call on stderr
//
// Parse raises EUsage with a message for the person at the terminal.

#include "appserver/AppServer.h"
#include "appserver/database/DemoDatabase.h"
#include "platform/core/Exception.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

namespace ger {

class EUsage : public Exception {
public:
    using Exception::Exception;
};

class AppServerOptions {
public:
    QString databasePath; // empty: DefaultDatabasePath()
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = AppServer::DefaultPort;
    int workers = AppServer::DefaultWorkers;
    int idleTimeoutSeconds = AppServer::DefaultIdleTimeoutSeconds;
    QString usersPath; // empty: no credential checked
    QString addUser;   // not empty: add this user to usersPath and exit
    QString tlsCertificatePath;
    QString tlsKeyPath;
    QString initDemoPath; // not empty: create the demo database and exit
    int demoClients = DemoDatabase::kSeedClients;
    SqlEngine engine = SqlEngine::SQLite;
    bool createRoutines = false;
    bool printPort = false;
    bool verbose = false;
    bool showHelp = false;

    // `arguments` as QCoreApplication::arguments() gives them, the program name first.
    static AppServerOptions Parse(const QStringList& arguments);
    static QString Usage();

    // $XDG_DATA_HOME/ger99500/demo.sqlite (demo.fdb on Firebird), or the same under
    // ~/.local/share.
    static QString DefaultDatabasePath(SqlEngine engine = SqlEngine::SQLite);
};

} // namespace ger
