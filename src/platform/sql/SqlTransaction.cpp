#include "platform/sql/SqlTransaction.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/DatabaseConnection.h"

#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <thread>

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

namespace ger {

// 2 ms, doubling up to 100 ms a try, and up to half as much again at random.
void SqlTransaction::PauseAfterConflict(int attempt) {
    const int base = std::min(100, 1 << std::min(attempt, 7));
    const int pause = base + static_cast<int>(QRandomGenerator::global()->bounded(base / 2 + 1));
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
}

} // namespace ger
