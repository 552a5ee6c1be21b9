#pragma once
// The SQLite engine's part of the engine table (SqlEngine): a database file, WAL, a busy
// timeout, the dialects' functions registered per connection, BEGIN IMMEDIATE.

#include <QString>
#include <QStringList>

class QSqlError;
class QSqlField;

namespace ger {

class DatabaseConnection;

namespace SqliteEngine {

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

} // namespace SqliteEngine
} // namespace ger
