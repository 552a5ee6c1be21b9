#include "platform/sql/SqlTransaction.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/DatabaseConnection.h"

namespace ger {

SqlTransaction::SqlTransaction(DatabaseConnection& connection)
    : m_connection(connection) {
    TraitsOf(m_connection.engine()).begin(m_connection);
    m_isActive = true;
}

SqlTransaction::~SqlTransaction() {
    if (m_isActive)
        rollback();
}

void SqlTransaction::commit() {
    if (!m_isActive)
        throw EDatabaseError(QStringLiteral("SqlTransaction.commit: the transaction has ended"));
    TraitsOf(m_connection.engine()).commit(m_connection);
    m_isActive = false;
}

void SqlTransaction::rollback() {
    if (!m_isActive)
        return;
    m_isActive = false;
    TraitsOf(m_connection.engine()).rollback(m_connection);
}

} // namespace ger
