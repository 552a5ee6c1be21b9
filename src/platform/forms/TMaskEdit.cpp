#include "platform/forms/TMaskEdit.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

TMaskEdit::TMaskEdit(TComponent* AOwner)
    : TCustomMaskEdit(AOwner) {}

GER_REGISTER_COMPONENT(TMaskEdit)

} // namespace ger
