#include "platform/sql/SqliteEngine.h"

#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlText.h"
#include "platform/sql/SqliteFunctions.h"
#include "platform/sql/SqliteParamTable.h"

#include <QFile>
#include <QSqlError>
#include <sqlite3.h>

namespace ger::SqliteEngine {
namespace {

QString FirstValue(DatabaseConnection& connection, const QString& text) {
    SqlStatement statement(connection, text);
    const SqlRowSet rows = statement.select();
    if (rows.rowCount() == 0 || !rows.rows().front().front())
        return QString();
    return *rows.rows().front().front();
}

} // namespace

// SQLite needs nothing beyond what each connection sets up.
void Prepare() {}

bool NamesLocalFile(const QString&) {
    return true;
}

// The file is made empty, for its owner only, before QSQLITE opens it: a company's data is
// never readable by others, not even for a moment (SQLite gives its journals the file's mode).
void CreateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw ESqlError(QStringLiteral("DatabaseConnection: cannot create %1: %2")
                            .arg(path, file.errorString()),
                        QString());
}

// WAL, so that readers never wait for the application server's writer; a busy timeout, so that
// a writer waits for another instead of failing; foreign keys; and the functions and the PARAM
// table that the dialects' texts call.
void Configure(DatabaseConnection& connection) {
    sqlite3* handle = connection.handle();
    if (!handle)
        throw ESqlError(QStringLiteral("DatabaseConnection: the QSQLITE driver gives no sqlite3 "
                                       "handle for %1")
                            .arg(connection.path()),
                        QString());
    if (sqlite3_busy_timeout(handle, DatabaseConnection::kBusyTimeoutMs) != SQLITE_OK)
        throw ESqlError(QString::fromUtf8(sqlite3_errmsg(handle)), QStringLiteral("busy_timeout"));
    RunScript(connection, QStringLiteral("PRAGMA foreign_keys = ON;"));
    const QString journal = FirstValue(connection, QStringLiteral("PRAGMA journal_mode = WAL"));
    if (journal.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        throw ESqlError(QStringLiteral("DatabaseConnection: %1 refuses WAL (journal mode %2)")
                            .arg(connection.path(), journal),
                        QStringLiteral("PRAGMA journal_mode = WAL"));
    SqliteFunctions::Register(handle);
    SqliteParamTable::Register(handle);
}

QString StatementText(const QString& text, const QStringList&) {
    return SqlText::RewriteIsNullForSqlite(text);
}

// A lock that another connection keeps beyond the busy timeout is a conflict: what failed may
// run again (SqlTransaction::Run).
void RunScript(DatabaseConnection& connection, const QString& script) {
    char* error = nullptr;
    const QByteArray utf8 = script.toUtf8();
    const int code = sqlite3_exec(connection.handle(), utf8.constData(), nullptr, nullptr, &error);
    if (code == SQLITE_OK)
        return;
    const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(connection.handle()));
    sqlite3_free(error);
    throw ESqlError(message, script,
                    code == SQLITE_BUSY ? ESqlError::Cause::Conflict : ESqlError::Cause::Refused);
}

QString OpenFailure(const QString& path, const QSqlError& error) {
    return QStringLiteral("DatabaseConnection: cannot open %1: %2").arg(path, error.text());
}

// IMMEDIATE takes the write lock at once: with several writers on one file a deferred BEGIN
// fails with "database is locked" when two readers both try to upgrade, while an immediate
// one waits out the busy timeout instead. A lock still held by another process's writes after
// that timeout (SQLite's busy handler polls, and is not fair) is a conflict: the transaction
// may begin again (SqlTransaction::Run).
void Begin(DatabaseConnection& connection) {
    RunScript(connection, QStringLiteral("BEGIN IMMEDIATE"));
}

void Commit(DatabaseConnection& connection) {
    RunScript(connection, QStringLiteral("COMMIT"));
}

qsizetype FixedWidth(const QSqlField&) {
    return -1;
}

QString SchemaText(const QString& ddl) {
    return ddl;
}

void Rollback(DatabaseConnection& connection) {
    // SQLite may have rolled back by itself already (a full disk, an interrupt).
    if (sqlite3_get_autocommit(connection.handle()))
        return;
    char* error = nullptr;
    sqlite3_exec(connection.handle(), "ROLLBACK", nullptr, nullptr, &error);
    sqlite3_free(error);
}

// Writers never meet mid-transaction: BEGIN IMMEDIATE makes each wait for the file's lock (and
// raises a conflict of its own when that lock does not come free in time).
bool IsConflict(const QSqlError&) {
    return false;
}

} // namespace ger::SqliteEngine
