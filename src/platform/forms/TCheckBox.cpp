#include "platform/forms/TCheckBox.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

TCheckBox::TCheckBox(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 97, 17);
    SetParentColor(true);
    SetTabStop(true);
}

void TCheckBox::SetState(TCheckBoxState value) {
    if (value == m_state)
        return;
    m_state = value;
    emit checkedChanged();
    emit changed();
    if (!IsLoadingState())
        Click();
}

void TCheckBox::Toggle() {
    switch (m_state) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(m_allowGrayed ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
}

void TCheckBox::UserClick(const QPoint&) {
    Toggle();
}

void TCheckBox::DefaultKeyPress(QChar& key) {
    if (key == QLatin1Char(' '))
        Toggle();
}

void TCheckBox::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "Checked")) {
        SetChecked(ReadBool(property));
        return;
    }
    if (IsProperty(property, "State")) {
        SetState(ReadEnum<TCheckBoxState>(
            property,
            {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}}));
        return;
    }
    if (IsProperty(property, "AllowGrayed")) {
        SetAllowGrayed(ReadBool(property));
        return;
    }
    TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TCheckBox)

} // namespace ger
