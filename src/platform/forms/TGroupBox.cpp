#include "platform/forms/TGroupBox.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

TGroupBox::TGroupBox(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

QRect TGroupBox::AlignRect() const {
    return TWinControl::AlignRect().adjusted(2, 15, -2, -2);
}

GER_REGISTER_COMPONENT(TGroupBox)

} // namespace ger
