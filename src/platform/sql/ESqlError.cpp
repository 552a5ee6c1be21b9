#include "platform/sql/ESqlError.h"

namespace ger {

namespace {

QString Compose(const QString& databaseMessage, const QString& statement) {
    if (statement.trimmed().isEmpty())
        return databaseMessage;
    return QStringLiteral("%1\nSQL: %2").arg(databaseMessage, statement.trimmed());
}

} // namespace

ESqlError::ESqlError(const QString& databaseMessage, const QString& statement, Cause cause)
    : EDatabaseError(Compose(databaseMessage, statement))
    , m_databaseMessage(databaseMessage)
    , m_statement(statement)
    , m_cause(cause) {}

} // namespace ger
