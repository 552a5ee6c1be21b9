#include "framework/TButtonFlat.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

TButtonFlat::TButtonFlat(TComponent* AOwner)
    : TSpeedButton(AOwner) {
    SetFlat(true);
}

GER_REGISTER_COMPONENT(TButtonFlat)

} // namespace ger
