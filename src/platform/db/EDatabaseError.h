#pragma once

#include "platform/core/Exception.h"

namespace ger {

// Misuse of a dataset, a field or a query (wrong state, unknown field, bad packet); the
// message names the component and the operation.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

} // namespace ger
