#pragma once

#include "platform/db/EDatabaseError.h"

namespace ger {

// A statement the database refused: the database's own message and the statement as sent.
// Message() joins both so that a person (or a log) sees what failed and where. A conflict is a
// failure caused only by a concurrent transaction that wrote the same rows first: the whole
// transaction may run again (SqlTransaction::Run does).
class ESqlError : public EDatabaseError {
public:
    enum class Cause { Refused, Conflict };

    ESqlError(const QString& databaseMessage, const QString& statement,
              Cause cause = Cause::Refused);

    const QString& databaseMessage() const { return m_databaseMessage; }
    const QString& statement() const { return m_statement; }
    bool isConflict() const { return m_cause == Cause::Conflict; }

private:
    QString m_databaseMessage;
    QString m_statement;
    Cause m_cause;
};

} // namespace ger
