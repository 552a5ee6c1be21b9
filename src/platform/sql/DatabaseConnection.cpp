#include "platform/sql/DatabaseConnection.h"

#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlText.h"
#include "platform/sql/SqliteFunctions.h"
#include "platform/sql/SqliteParamTable.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <atomic>
#include <sqlite3.h>

namespace ger {

namespace {

QString NextConnectionName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("ger_sqlite_%1").arg(++counter);
}

QString FirstValue(DatabaseConnection& connection, const QString& text) {
    SqlStatement statement(connection, text);
    const SqlRowSet rows = statement.select();
    if (rows.rowCount() == 0 || !rows.rows().front().front())
        return QString();
    return *rows.rows().front().front();
}

} // namespace

DatabaseConnection::DatabaseConnection(const QString& path, OpenMode mode)
    : m_path(path)
    , m_connectionName(NextConnectionName()) {
    if (mode == OpenMode::OpenExisting && !QFileInfo(path).isFile())
        throw ESqlError(QStringLiteral("DatabaseConnection: database file not found: %1").arg(path),
                        QString());
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_database.setDatabaseName(path);
    try {
        if (!m_database.open())
            throw ESqlError(QStringLiteral("DatabaseConnection: cannot open %1: %2")
                                .arg(path, m_database.lastError().text()),
                            QString());
        const QVariant handle = m_database.driver()->handle();
        if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !handle.isValid())
            throw ESqlError(
                QStringLiteral("DatabaseConnection: the QSQLITE driver gives no sqlite3 "
                               "handle for %1")
                    .arg(path),
                QString());
        m_handle = *static_cast<sqlite3* const*>(handle.constData());
        configure();
    } catch (...) {
        m_database.close();
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

DatabaseConnection::~DatabaseConnection() {
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void DatabaseConnection::configure() {
    if (sqlite3_busy_timeout(m_handle, kBusyTimeoutMs) != SQLITE_OK)
        throw ESqlError(QString::fromUtf8(sqlite3_errmsg(m_handle)),
                        QStringLiteral("busy_timeout"));
    executeScript(QStringLiteral("PRAGMA foreign_keys = ON;"));
    const QString journal = FirstValue(*this, QStringLiteral("PRAGMA journal_mode = WAL"));
    if (journal.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        throw ESqlError(QStringLiteral("DatabaseConnection: %1 refuses WAL (journal mode %2)")
                            .arg(m_path, journal),
                        QStringLiteral("PRAGMA journal_mode = WAL"));
    SqliteFunctions::Register(m_handle);
    SqliteParamTable::Register(m_handle);
}

QString DatabaseConnection::EngineText(const QString& text) {
    return SqlText::RewriteIsNullForSqlite(text);
}

void DatabaseConnection::executeScript(const QString& script) {
    char* error = nullptr;
    const QByteArray utf8 = script.toUtf8();
    if (sqlite3_exec(m_handle, utf8.constData(), nullptr, nullptr, &error) == SQLITE_OK)
        return;
    const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(m_handle));
    sqlite3_free(error);
    throw ESqlError(message, script);
}

} // namespace ger
