#pragma once
// Exceptions of the host framework services.

#include "platform/core/Exception.h"

#include <QString>

namespace ger {

// A failed result of the application server, raised by CheckResultServ after the message was
// shown (or deliberately not shown). It is an EAbort, so the dispatch boundary adds nothing to
// what the person already saw, and a caller that catches any exception to clean up (remove the
// progress animation) and re-raise works unchanged. Code and ServerMessage keep what the
// server said; Code is 0 and ServerMessage the framework's own text for a malformed result.
class EServerResult : public EAbort {
public:
    EServerResult(qint64 code, QString serverMessage);
    qint64 Code() const { return m_code; }
    const QString& ServerMessage() const { return m_serverMessage; }

private:
    qint64 m_code;
    QString m_serverMessage;
};

// A message table asked for a key it does not hold (a programming error of the screen).
class EMessageKeyError : public Exception {
public:
    using Exception::Exception;
};

// Host settings that cannot be used: an unreadable file, a value of the wrong form.
class EHostSettingsError : public Exception {
public:
    using Exception::Exception;
};

} // namespace ger
