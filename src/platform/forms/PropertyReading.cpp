#include "platform/forms/PropertyReading.h"

namespace ger {

bool IsProperty(const FormDataProperty& property, const char* name) {
    return property.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

int ReadInt(const FormDataProperty& property) {
    return static_cast<int>(property.value.asInteger(property.name));
}

bool ReadBool(const FormDataProperty& property) {
    return property.value.asBoolean(property.name);
}

QString ReadString(const FormDataProperty& property) {
    return property.value.asString(property.name);
}

TColor ReadColor(const FormDataProperty& property) {
    if (property.value.kind == FormDataValue::Kind::Integer)
        return static_cast<TColor>(property.value.integer);
    const QString ident = property.value.asIdentifier(property.name);
    TColor color = clNone;
    if (!ColorFromIdent(ident, color))
        ThrowUnknownIdentifier(property.name, ident);
    return color;
}

void ThrowUnknownIdentifier(const QString& property, const QString& ident) {
    throw EFormDataError(QStringLiteral("Property %1: unknown value %2").arg(property, ident));
}

void ThrowWrongReference(const QString& property, const QString& name, const char* wanted) {
    throw EFormDataError(
        QStringLiteral("Property %1: %2 is not a %3").arg(property, name, QLatin1String(wanted)));
}

} // namespace ger
