#include "platform/forms/TForm.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

TForm::TForm(TComponent* AOwner)
    : TCustomForm(AOwner) {}

GER_REGISTER_COMPONENT(TForm)

} // namespace ger
