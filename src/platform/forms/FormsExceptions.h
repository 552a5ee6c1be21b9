#pragma once
// Exceptions of the toolkit model, named as on the platform.

#include "platform/core/Exception.h"

namespace ger {

// An operation that the control's state forbids: focusing a disabled or invisible control,
// showing a visible form modally.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// Text that does not satisfy a masked edit's mask when the focus leaves it.
class EDBEditError : public Exception {
public:
    using Exception::Exception;
};

// A picture that cannot be decoded (malformed or unsupported bitmap data).
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

} // namespace ger
