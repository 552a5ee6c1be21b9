#include "platform/forms/TEdit.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

TEdit::TEdit(TComponent* AOwner)
    : TCustomEdit(AOwner) {}

GER_REGISTER_COMPONENT(TEdit)

} // namespace ger
