#pragma once

#include "platform/db/EDatabaseError.h"

namespace ger {

// A statement the database refused: the database's own message and the statement as sent.
// Message() joins both so that a person (or a log) sees what failed and where.
class ESqlError : public EDatabaseError {
public:
    ESqlError(const QString& databaseMessage, const QString& statement);

    const QString& databaseMessage() const { return m_databaseMessage; }
    const QString& statement() const { return m_statement; }

private:
    QString m_databaseMessage;
    QString m_statement;
};

} // namespace ger
