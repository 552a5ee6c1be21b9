#include "platform/db/TStringField.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/FormDataContext.h"

namespace ger {

GER_REGISTER_COMPONENT(TStringField)

namespace {

TStringField::MaskFormatter& maskFormatter() {
    static TStringField::MaskFormatter formatter;
    return formatter;
}

// The first `size` characters, never splitting a surrogate pair.
QString truncated(const QString& value, int size) {
    if (size <= 0 || value.size() <= size)
        return value;
    qsizetype keep = size;
    if (value.at(keep - 1).isHighSurrogate())
        --keep;
    return value.left(keep);
}

} // namespace

TStringField::TStringField(TComponent* AOwner)
    : TField(AOwner) {
    SetSize(20);
}

void TStringField::SetAsString(const QString& value) {
    StoreValue(truncated(value, Size()), QStringLiteral("SetAsString"));
}

QString TStringField::GetText(bool displayText) const {
    if (displayText && !EditMask().isEmpty() && maskFormatter())
        return maskFormatter()(EditMask(), AsString());
    return AsString();
}

void TStringField::SetMaskFormatter(MaskFormatter formatter) {
    maskFormatter() = std::move(formatter);
}

void TStringField::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    if (name.compare(QLatin1String("FixedChar"), Qt::CaseInsensitive) == 0)
        m_fixedChar = property.value.asBoolean(name);
    else if (name.compare(QLatin1String("Transliterate"), Qt::CaseInsensitive) == 0)
        m_transliterate = property.value.asBoolean(name);
    else
        TField::ReadProperty(property, context);
}

} // namespace ger
