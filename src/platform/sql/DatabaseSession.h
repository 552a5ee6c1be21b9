#pragma once
// The database that the read-only queries of the screens run on: a connection (the engine that
// runs the text) and the SQL dialect (which of a query's texts runs). The host's data module
// dtmDBGeral opens the connection and installs it as the process-wide default; a TADOIBQuery
// without a session of its own runs on that default.
//
//   DatabaseConnection connection(path);
//   DatabaseSession::DefaultScope installed(DatabaseSession(&connection, SqlDialect::MSSQL));
//   qryFilial->Open();   // the query's MSSQL text, run by SQLite
//
// A session does not own its connection: whoever installs it keeps the connection alive for as
// long as it is installed (DefaultScope makes that a matter of scope). The default is set and
// read on the thread that owns the connection, the user-interface thread, since a QtSql
// connection belongs to the thread that opened it.

#include "platform/sql/SqlDialect.h"

namespace ger {

class DatabaseConnection;

class DatabaseSession {
public:
    // No connection; a query opened on it raises "No database connection".
    DatabaseSession() = default;
    DatabaseSession(DatabaseConnection* connection, SqlDialect dialect)
        : m_connection(connection)
        , m_dialect(dialect) {}

    DatabaseConnection* connection() const { return m_connection; }
    SqlDialect dialect() const { return m_dialect; }
    bool isConnected() const { return m_connection != nullptr; }

    // The process-wide default; a session without connection until one is installed.
    static DatabaseSession defaultSession();
    static void setDefault(const DatabaseSession& session);

    // Installs a default for its lifetime and puts the previous one back when it ends.
    class DefaultScope {
    public:
        explicit DefaultScope(const DatabaseSession& session);
        ~DefaultScope();
        DefaultScope(const DefaultScope&) = delete;
        DefaultScope& operator=(const DefaultScope&) = delete;

    private:
        // The previous default, by parts: the enclosing class is incomplete here.
        DatabaseConnection* m_previousConnection;
        SqlDialect m_previousDialect;
    };

private:
    DatabaseConnection* m_connection = nullptr;
    SqlDialect m_dialect = SqlDialect::Oracle;
};

} // namespace ger
