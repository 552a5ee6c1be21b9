#pragma once
// The two ways a remote call fails, kept apart because callers treat them differently:
//
// - ERemoteError: the call reached the remote method and the method raised. The message is
//   the method's own; the connection is still good for the next call.
// - ETransportError: the call did not complete: the connection could not be made, was lost
//   or timed out, or a message on it was malformed (EProtocolError). The connection is closed
//   when it is raised, because the stream may no longer be in step.

#include "platform/core/Exception.h"

namespace ger {

class ETransportError : public Exception {
public:
    using Exception::Exception;
};

// Bytes that do not follow the wire protocol: truncated, oversized, an unknown tag.
class EProtocolError : public ETransportError {
public:
    using ETransportError::ETransportError;
};

// The server would not admit the credential (LoginRefused): another one may be tried.
class ELoginRefused : public ETransportError {
public:
    using ETransportError::ETransportError;
};

class ERemoteError : public Exception {
public:
    using Exception::Exception;
};

} // namespace ger
