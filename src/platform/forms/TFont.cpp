#include "platform/forms/TFont.h"

#include "platform/core/Exception.h"
#include "platform/forms/PropertyReading.h"

#include <cmath>

namespace ger {
namespace {

int readCharset(const FormDataProperty& property) {
    if (property.value.kind == FormDataValue::Kind::Integer)
        return static_cast<int>(property.value.integer);
    return ReadEnum<int>(property, {{"ANSI_CHARSET", 0},
                                    {"DEFAULT_CHARSET", 1},
                                    {"SYMBOL_CHARSET", 2},
                                    {"OEM_CHARSET", 255},
                                    {"EASTEUROPE_CHARSET", 238},
                                    {"RUSSIAN_CHARSET", 204},
                                    {"GREEK_CHARSET", 161},
                                    {"TURKISH_CHARSET", 162},
                                    {"BALTIC_CHARSET", 186}});
}

TFontStyles readStyle(const FormDataProperty& property) {
    TFontStyles style;
    for (const QString& item : property.value.asSet(property.name)) {
        style |= EnumFromIdent<TFontStyle>(property.name, item,
                                           {{"fsBold", fsBold},
                                            {"fsItalic", fsItalic},
                                            {"fsUnderline", fsUnderline},
                                            {"fsStrikeOut", fsStrikeOut}});
    }
    return style;
}

} // namespace

int TFont::Size() const {
    return static_cast<int>(std::lround(-Height * 72.0 / 96.0));
}

void TFont::SetSize(int points) {
    Height = -static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void TFont::ReadProperty(const QString& subProperty, const FormDataProperty& property) {
    const auto is = [&](const char* name) {
        return subProperty.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("Name"))
        Name = property.value.asString(property.name);
    else if (is("Height"))
        Height = static_cast<int>(property.value.asInteger(property.name));
    else if (is("Size"))
        SetSize(static_cast<int>(property.value.asInteger(property.name)));
    else if (is("Color"))
        Color = ReadColor(property);
    else if (is("Style"))
        Style = readStyle(property);
    else if (is("Charset"))
        Charset = readCharset(property);
    else if (is("Pitch"))
        Pitch = ReadEnum<TFontPitch>(
            property, {{"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}});
    else
        throw EFormDataError(QStringLiteral("%1: unknown font property").arg(property.name));
}

} // namespace ger
