#include "platform/forms/TRadioButton.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

TRadioButton::TRadioButton(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 113, 17);
    SetParentColor(true);
}

void TRadioButton::SetChecked(bool value) {
    if (value == m_checked)
        return;
    m_checked = value;
    SetTabStop(value);
    emit checkedChanged();
    emit changed();
    if (!value)
        return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
                sibling && sibling != this)
                sibling->SetChecked(false);
    if (!IsLoadingState())
        Click();
}

void TRadioButton::SetAlignment(TAlignment value) {
    if (value == m_alignment)
        return;
    m_alignment = value;
    emit changed();
}

void TRadioButton::UserClick(const QPoint&) {
    SetChecked(true);
}

void TRadioButton::DefaultKeyPress(QChar& key) {
    if (key == QLatin1Char(' '))
        SetChecked(true);
}

void TRadioButton::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "Checked")) {
        SetChecked(ReadBool(property));
        return;
    }
    if (IsProperty(property, "Alignment")) {
        SetAlignment(ReadEnum<TAlignment>(
            property, {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}}));
        return;
    }
    TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TRadioButton)

} // namespace ger
