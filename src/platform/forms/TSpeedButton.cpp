#include "platform/forms/TSpeedButton.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner) {
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetFlat(bool value) {
    if (value == m_flat)
        return;
    m_flat = value;
    emit changed();
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    m_glyph = glyph;
    emit changed();
}

void TSpeedButton::SetNumGlyphs(int value) {
    if (value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    emit changed();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    if (value == m_layout)
        return;
    m_layout = value;
    emit changed();
}

void TSpeedButton::SetTransparent(bool value) {
    if (value == m_transparent)
        return;
    m_transparent = value;
    emit changed();
}

void TSpeedButton::UserClick(const QPoint& at) {
    if (IsEffectivelyEnabled())
        TGraphicControl::UserClick(at);
}

void TSpeedButton::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "Flat")) {
        SetFlat(ReadBool(property));
    } else if (IsProperty(property, "Glyph.Data")) {
        if (property.value.kind != FormDataValue::Kind::Binary)
            throw EFormDataError(
                QStringLiteral("Property %1: binary data expected").arg(property.name));
        try {
            SetGlyph(TBitmap::FromFormData(property.value.binary));
        } catch (const EInvalidGraphic& e) {
            throw EFormDataError(QStringLiteral("Property %1: %2").arg(property.name, e.Message()));
        }
    } else if (IsProperty(property, "NumGlyphs")) {
        SetNumGlyphs(ReadInt(property));
    } else if (IsProperty(property, "Layout")) {
        SetLayout(ReadEnum<TButtonLayout>(property, {{"blGlyphLeft", blGlyphLeft},
                                                     {"blGlyphRight", blGlyphRight},
                                                     {"blGlyphTop", blGlyphTop},
                                                     {"blGlyphBottom", blGlyphBottom}}));
    } else if (IsProperty(property, "Transparent")) {
        SetTransparent(ReadBool(property));
    } else if (IsProperty(property, "Margin") || IsProperty(property, "Spacing")) {
        ReadInt(property);
    } else {
        TGraphicControl::ReadProperty(property, context);
    }
}

GER_REGISTER_COMPONENT(TSpeedButton)

} // namespace ger
