#pragma once
// One connection to a company database, on its engine (SqlEngine): SQLite, the embedded
// default, or Firebird.
//
// Opening goes through QtSql, with the engine's driver, under a connection name unique to the
// instance, and the engine then sets the connection up. On SQLite (driver QSQLITE, which links
// the system's libsqlite3, so the raw handle is the same SQLite this library links) that is:
//   - journal_mode WAL, so that readers never wait for the application server's writer;
//   - a busy timeout (kBusyTimeoutMs), so that a writer waits for another instead of failing;
//   - foreign_keys ON;
//   - the functions and the PARAM table that the dialects' texts call (SqliteFunctions,
//     SqliteParamTable), so that the Oracle, MSSQL and InterBase texts all run unchanged.
// On Firebird the functions and PARAM are the database's own. Before a text is prepared,
// engineText() adapts it to the engine (MSSQL's ISNULL( becomes IFNULL( on SQLite; a null
// parameter becomes NULL on Firebird); SqlStatement does so, and code preparing its own
// QSqlQuery on database() must too.
//
// Threads: a QtSql connection belongs to the thread that opened it. Open one DatabaseConnection
// per thread (the application server opens one per worker) and destroy it in that thread.

#include "platform/sql/SqlEngine.h"

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

namespace ger {

class DatabaseConnection {
public:
    enum class OpenMode {
        OpenExisting,    // a missing file is an error
        CreateIfMissing, // a missing file is created empty; a server's database (Firebird's
                         // HOST:PATH) is created, and one that exists is an error
    };

    static constexpr int kBusyTimeoutMs = 5000;

    // Raises ESqlError when the file is missing (OpenExisting) or cannot be made, opened or
    // set up.
    explicit DatabaseConnection(const QString& path, OpenMode mode = OpenMode::OpenExisting,
                                SqlEngine engine = SqlEngine::SQLite);
    ~DatabaseConnection();

    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    const QString& path() const { return m_path; }
    SqlEngine engine() const { return m_engine; }
    const QString& connectionName() const { return m_connectionName; }

    // The QtSql connection, for QSqlQuery. Do not close it: this object owns it.
    QSqlDatabase database() const { return m_database; }

    // The raw SQLite handle of the same connection; null on another engine.
    sqlite3* handle() const { return m_handle; }

    // The text as this connection's engine prepares it, the parameters named in `nullNames`
    // (upper case) bound to null.
    QString engineText(const QString& text, const QStringList& nullNames = {}) const;

    // Runs a script of statements without parameters (schema, pragmas). Raises ESqlError on
    // the first statement that fails; statements before it stay done unless a transaction
    // around the call rolls them back.
    void executeScript(const QString& script);

    // A schema's DDL (written for SQLite) as this engine takes it.
    QString schemaText(const QString& ddl) const;
    // Puts into the database the routines that the dialects' texts call, where the engine
    // keeps them in the database (Firebird); nothing where every connection registers them.
    void createRoutines();
    // The names of those routines that the database lacks; none where every connection
    // registers them.
    QStringList missingRoutines();

private:
    QString m_path;
    SqlEngine m_engine;
    QString m_connectionName;
    QSqlDatabase m_database;
    sqlite3* m_handle = nullptr;
};

} // namespace ger
