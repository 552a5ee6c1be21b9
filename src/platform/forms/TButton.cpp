#include "platform/forms/TButton.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TCustomForm.h"

namespace ger {

TButton::TButton(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::Click() {
    if (TCustomForm* form = ParentForm())
        form->SetModalResult(m_modalResult);
    TWinControl::Click();
}

void TButton::DefaultKeyPress(QChar& key) {
    if (key == QLatin1Char(' '))
        Click();
}

void TButton::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "Default"))
        SetDefault(ReadBool(property));
    else if (IsProperty(property, "Cancel"))
        SetCancel(ReadBool(property));
    else if (IsProperty(property, "ModalResult"))
        SetModalResult(property.value.kind == FormDataValue::Kind::Integer
                           ? ReadInt(property)
                           : ReadEnum<TModalResult>(property, {{"mrNone", mrNone},
                                                               {"mrOk", mrOk},
                                                               {"mrCancel", mrCancel},
                                                               {"mrAbort", mrAbort},
                                                               {"mrRetry", mrRetry},
                                                               {"mrIgnore", mrIgnore},
                                                               {"mrYes", mrYes},
                                                               {"mrNo", mrNo},
                                                               {"mrAll", mrAll},
                                                               {"mrNoToAll", mrNoToAll},
                                                               {"mrYesToAll", mrYesToAll}}));
    else
        TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TButton)

} // namespace ger
