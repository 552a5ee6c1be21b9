#pragma once
// The host's settings, the only configuration of the module: whether the host works for one
// branch only and which, where the application server listens, and which company database the
// read-only queries run on under which SQL dialect. The host fills them once at start-up, from
// its command line or a settings file, before it loads the module; the module reads them
// through the functions below. The framework is a shared library, so host and module see the
// one object of the process. User-interface thread only.
//
// Settings file (INI, UTF-8); a missing key keeps its default:
//
//   [Host]
//   ModuFili=false          ; true: one branch only (also 1/0, yes/no, S/N)
//   FiliProc=0001           ; that branch's code
//   NomeFiliProc=Matriz     ; and name
//   [AppServer]
//   WebURL=127.0.0.1        ; host of the application server (default 127.0.0.1)
//   WebPort=211             ; its port, 1 to 65535 (default 211, the socket server's own)
//   WebTimeout=30           ; seconds a call may wait for the server's answer, 1 to 3600
//   User=maria              ; who the host says it is to a server that asks (default none:
//   Password=...            ;   the desktop asks once, when the server refuses)
//   Tls=false               ; true: TLS to the server (needed beyond loopback)
//   CaFile=/etc/ger/ca.crt  ; with Tls: the authority of the server's certificate (PEM);
//                           ;   default the system's
//   [Database]
//   Path=/var/lib/ger/empresa.db   ; the company database (SQLite)
//   Dialect=Oracle          ; Oracle, MSSQL or InterBase: which SQL text the queries run
//   Engine=SQLite           ; SQLite or Firebird (a file, or HOST:PATH on a Firebird server)
//
// A file that cannot be read or a value of the wrong form raises EHostSettingsError naming the
// file and the key.

#include "platform/sql/SqlDialect.h"
#include "platform/sql/SqlEngine.h"

#include <QString>

namespace ger {

// The longest call timeout the settings accept: an hour.
inline constexpr int MaxCallTimeoutSeconds = 3600;

struct HostSettings {
    bool singleBranch = false; // ModuFili
    QString branchCode;        // FiliProc
    QString branchName;        // NomeFiliProc
    QString serverHost = QStringLiteral("127.0.0.1");
    int serverPort = 211;
    int callTimeoutSeconds = 30; // WebTimeout
    QString serverUser;
    QString serverPassword;
    bool serverTls = false;
    QString serverCaFile;
    QString databasePath;
    SqlDialect dialect = SqlDialect::Oracle;
    SqlEngine engine = SqlEngine::SQLite;

    static HostSettings FromFile(const QString& path);

    // The settings of the process: defaults until the host sets its own.
    static const HostSettings& Current();
    static void SetCurrent(const HostSettings& settings);
};

bool ModuFili();
QString FiliProc();
QString NomeFiliProc();
QString WebURL();
int WebPort();
// Seconds a server call waits for its answer before it fails and the connection is dropped.
int WebTimeout();

} // namespace ger
