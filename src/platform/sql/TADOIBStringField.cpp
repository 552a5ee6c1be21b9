#include "platform/sql/TADOIBStringField.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

GER_REGISTER_COMPONENT(TADOIBStringField)

} // namespace ger
