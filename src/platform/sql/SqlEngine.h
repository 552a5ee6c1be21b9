#pragma once
// The engine that runs a company database's SQL, beside the dialect that picks its texts:
// SQLite (the embedded default, one file) or Firebird (the engine of the InterBase line,
// embedded on a file or as a server). Every difference between the engines lives in the table
// of SqlEngine.cpp, as the dialects' do in SqlDialect.cpp; code elsewhere asks this header and
// never compares engines itself.

#include <QString>
#include <QStringList>
#include <span>

class QSqlField;

namespace ger {

class DatabaseConnection;

enum class SqlEngine { SQLite, Firebird };

struct SqlEngineTraits {
    const char* name;   // as settings and command lines write it
    const char* driver; // the QtSql driver
    // Who the connection logs in as; the embedded engines take anyone.
    const char* user;
    // Whether a database name is a file of this machine (else a server's, "HOST:PATH").
    bool (*namesLocalFile)(const QString& path);
    // Makes a missing database file, empty, before it is opened.
    void (*createFile)(const QString& path);
    // What every new connection needs before its first statement (pragmas, functions).
    void (*configure)(DatabaseConnection& connection);
    // The text as the engine prepares it, with the parameters named in `nullNames` (upper
    // case) bound to null.
    QString (*statementText)(const QString& text, const QStringList& nullNames);
    // Whether that text depends on which parameters are null, so that a statement is prepared
    // again when that changes.
    bool textDependsOnNulls;
    // Runs a script of statements without parameters, stopping at the first that fails.
    void (*runScript)(DatabaseConnection& connection, const QString& script);
    // A write transaction: begun so that other writers wait for it rather than fail.
    void (*begin)(DatabaseConnection& connection);
    void (*commit)(DatabaseConnection& connection);
    // Quiet: nothing to do when the engine has rolled back already.
    void (*rollback)(DatabaseConnection& connection);
    // The characters a value of a fixed-width column holds (its declared width), or -1 when
    // the driver gives values as stored.
    qsizetype (*fixedWidth)(const QSqlField& field);
    // A schema's DDL, written for SQLite, as this engine takes it.
    QString (*schemaText)(const QString& ddl);
    // The statements that put the dialects' routines (PARAM, NVLSTR, INSTR) into a new
    // database, one statement each; none where the connection registers them itself.
    std::span<const char* const> routines;
};

const SqlEngineTraits& TraitsOf(SqlEngine engine);

std::span<const SqlEngine> AllSqlEngines();

// "SQLite" or "Firebird".
QString SqlEngineName(SqlEngine engine);
// Reads an engine name without regard to case; raises EDatabaseError for any other.
SqlEngine SqlEngineFromName(const QString& name);

} // namespace ger
