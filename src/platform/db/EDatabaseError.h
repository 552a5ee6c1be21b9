#pragma once

#include "platform/core/Exception.h"

#include <QString>

namespace ger {

class TComponent;

// Misuse of a dataset, a field or a query (wrong state, unknown field, bad packet); the
// message names the component and the operation.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// Raises EDatabaseError as "<component>.<operation>: <message>", the component named by its
// Name (or its class when it has none), e.g. "cdsTpOperFil.Post: Dataset not in edit or insert
// mode".
[[noreturn]] void DatabaseError(const TComponent* component, const QString& operation,
                                const QString& message);

} // namespace ger
