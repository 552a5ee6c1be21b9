#include "platform/forms/TImage.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner) {
    SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const TPicture& picture) {
    m_picture = picture;
    emit pictureChanged();
    emit changed();
    fitPicture();
}

void TImage::fitPicture() {
    if (m_autoSize && m_picture.HasGraphic())
        SetBounds(Left(), Top(), m_picture.Width(), m_picture.Height());
}

void TImage::SetAutoSize(bool value) {
    m_autoSize = value;
    fitPicture();
}

void TImage::SetStretch(bool value) {
    if (value == m_stretch)
        return;
    m_stretch = value;
    emit changed();
}

void TImage::SetCenter(bool value) {
    if (value == m_center)
        return;
    m_center = value;
    emit changed();
}

void TImage::SetTransparent(bool value) {
    if (value == m_transparent)
        return;
    m_transparent = value;
    emit changed();
}

void TImage::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "Picture.Data")) {
        if (property.value.kind != FormDataValue::Kind::Binary)
            throw EFormDataError(
                QStringLiteral("Property %1: binary data expected").arg(property.name));
        try {
            SetPicture(TPicture::FromFormData(property.value.binary));
        } catch (const EInvalidGraphic& e) {
            throw EFormDataError(QStringLiteral("Property %1: %2").arg(property.name, e.Message()));
        }
    } else if (IsProperty(property, "AutoSize")) {
        SetAutoSize(ReadBool(property));
    } else if (IsProperty(property, "Stretch")) {
        SetStretch(ReadBool(property));
    } else if (IsProperty(property, "Center")) {
        SetCenter(ReadBool(property));
    } else if (IsProperty(property, "Transparent")) {
        SetTransparent(ReadBool(property));
    } else if (IsProperty(property, "Proportional") || IsProperty(property, "IncrementalDisplay")) {
        ReadBool(property);
    } else {
        TGraphicControl::ReadProperty(property, context);
    }
}

GER_REGISTER_COMPONENT(TImage)

} // namespace ger
