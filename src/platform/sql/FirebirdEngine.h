#pragma once
// The Firebird engine's part of the engine table (SqlEngine). A file path with no host opens
// the database in-process (embedded); HOST:PATH reaches a Firebird server. QtSql's QIBASE
// driver cannot create a database: the client library does (CREATE DATABASE, UTF8). A
// script is run statement by statement; a write transaction is the driver's.

#include <QString>
#include <QStringList>

class QSqlError;
class QSqlField;

namespace ger {

class DatabaseConnection;

namespace FirebirdEngine {

void Prepare();
bool NamesLocalFile(const QString& path);
void CreateFile(const QString& path);
void Configure(DatabaseConnection& connection);
QString StatementText(const QString& text, const QStringList& nullNames);
void RunScript(DatabaseConnection& connection, const QString& script);
QString OpenFailure(const QString& path, const QSqlError& error);
void Begin(DatabaseConnection& connection);
void Commit(DatabaseConnection& connection);
void Rollback(DatabaseConnection& connection);
bool IsConflict(const QSqlError& error);
qsizetype FixedWidth(const QSqlField& field);
QString SchemaText(const QString& ddl);

// The statements of a script: split at each ";" in code (outside literals and comments, which
// are left out), blank ones left out. A procedure's body holds ";" and is run on its own.
QStringList Statements(const QString& script);

} // namespace FirebirdEngine
} // namespace ger
