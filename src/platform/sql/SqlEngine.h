#pragma once
// The engine that runs a company database's SQL, beside the dialect that picks its texts:
// SQLite (the embedded default, one file) or Firebird (the engine of the InterBase line,
// embedded on a file or as a server). Every difference between the engines lives in the table
// of SqlEngine.cpp, as the dialects' do in SqlDialect.cpp; code elsewhere asks this header and
// never compares engines itself.

#include <QString>
#include <QStringList>
#include <span>

class QSqlError;
class QSqlField;

namespace ger {

class DatabaseConnection;

enum class SqlEngine { SQLite, Firebird };

// A routine the database itself holds, for the engines that keep them there.
struct SqlRoutine {
    const char* name; // upper case, as the catalogue lists it
    const char* text; // CREATE OR ALTER ...
};

struct SqlEngineTraits {
    const char* name;       // as settings and command lines write it
    const char* driver;     // the QtSql driver
    const char* fileSuffix; // how a database file's name usually ends, without the dot
    // Who the connection logs in as; the embedded engines take anyone. A server's login comes
    // from the environment variables named here, when set (null: none).
    const char* user;
    const char* userVariable;
    const char* passwordVariable;
    // Readies the engine in this process; called before every connection and new file, does
    // its work once.
    void (*prepare)();
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
    // Whether a statement is prepared again at every run: QIBASE ties a prepared statement to
    // the transaction it first ran in, and one first run in a write transaction fails with
    // "invalid transaction handle" once that has ended.
    bool preparesEachRun;
    // Runs a script of statements without parameters, stopping at the first that fails.
    void (*runScript)(DatabaseConnection& connection, const QString& script);
    // What to tell a person whose database did not open: the engine's reason and what to do.
    QString (*openFailure)(const QString& path, const QSqlError& error);
    // A write transaction: begun so that other writers wait for it rather than fail.
    void (*begin)(DatabaseConnection& connection);
    void (*commit)(DatabaseConnection& connection);
    // Quiet: nothing to do when the engine has rolled back already.
    void (*rollback)(DatabaseConnection& connection);
    // Whether a statement failed only because a concurrent transaction wrote the same rows
    // first (an update conflict, a deadlock, a key written meanwhile): the whole transaction
    // may then run again and succeed.
    bool (*isConflict)(const QSqlError& error);
    // The characters a value of a fixed-width column holds (its declared width), or -1 when
    // the driver gives values as stored.
    qsizetype (*fixedWidth)(const QSqlField& field);
    // A schema's DDL, written for SQLite, as this engine takes it.
    QString (*schemaText)(const QString& ddl);
    // The routines that the dialects' texts (PARAM, NVLSTR, INSTR) and the application
    // server's (LISTA_CODIGOS) call, to put into a new database; none where the connection
    // registers them itself.
    std::span<const SqlRoutine> routines;
    // A query of the routines a database holds, their names in its one column; null where
    // there are none to look for.
    const char* routineNamesQuery;
};

const SqlEngineTraits& TraitsOf(SqlEngine engine);

std::span<const SqlEngine> AllSqlEngines();

// "SQLite" or "Firebird".
QString SqlEngineName(SqlEngine engine);
// Reads an engine name without regard to case; raises EDatabaseError for any other.
SqlEngine SqlEngineFromName(const QString& name);

} // namespace ger
