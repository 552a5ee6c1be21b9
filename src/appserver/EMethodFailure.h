#pragma once
// A remote method refusing its call: a bad argument or a row that is not there. The module
// turns it into a failed result (ServerResult) with the code and the message, which is
// Portuguese and meant for the person at the screen. Raised before anything is committed, so
// the method's transaction (if one was open) rolls back and nothing is written.

#include "appserver/ServerResult.h"
#include "platform/core/Exception.h"

namespace ger {

class EMethodFailure : public Exception {
public:
    EMethodFailure(ServerResultCode code, const QString& message)
        : Exception(message)
        , m_code(code) {}

    ServerResultCode code() const { return m_code; }

    static EMethodFailure InvalidArgument(const QString& message) {
        return {ServerResultCode::InvalidArgument, message};
    }
    static EMethodFailure NotFound(const QString& message) {
        return {ServerResultCode::NotFound, message};
    }

private:
    ServerResultCode m_code;
};

} // namespace ger
