#include "platform/forms/TGraphicControl.h"

namespace ger {

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner) {}

} // namespace ger
