#include "platform/forms/TScrollBox.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

TScrollBox::TScrollBox(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    emit changed();
    Realign();
}

void TScrollBox::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "BorderStyle")) {
        SetBorderStyle(
            ReadEnum<TBorderStyle>(property, {{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
        return;
    }
    // Scroll bar settings belong to the renderer.
    if (property.name.startsWith(QLatin1String("HorzScrollBar."), Qt::CaseInsensitive) ||
        property.name.startsWith(QLatin1String("VertScrollBar."), Qt::CaseInsensitive))
        return;
    TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TScrollBox)

QSize TScrollBox::MinimumExtent() const {
    return {Width() - ClientWidth(), Height() - ClientHeight()};
}

} // namespace ger
