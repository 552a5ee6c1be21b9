#include "platform/sql/SqlTransaction.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/DatabaseConnection.h"

#include <sqlite3.h>

namespace ger {

SqlTransaction::SqlTransaction(DatabaseConnection& connection)
    : m_connection(connection) {
    m_connection.executeScript(QStringLiteral("BEGIN IMMEDIATE"));
    m_isActive = true;
}

SqlTransaction::~SqlTransaction() {
    if (m_isActive)
        rollback();
}

void SqlTransaction::commit() {
    if (!m_isActive)
        throw EDatabaseError(QStringLiteral("SqlTransaction.commit: the transaction has ended"));
    m_connection.executeScript(QStringLiteral("COMMIT"));
    m_isActive = false;
}

void SqlTransaction::rollback() {
    if (!m_isActive)
        return;
    m_isActive = false;
    // SQLite may have rolled back by itself already (a full disk, an interrupt).
    if (sqlite3_get_autocommit(m_connection.handle()))
        return;
    char* error = nullptr;
    sqlite3_exec(m_connection.handle(), "ROLLBACK", nullptr, nullptr, &error);
    sqlite3_free(error);
}

} // namespace ger
