#include "platform/forms/grid/TColumnTitle.h"

#include "platform/db/TField.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

QString TColumnTitle::Caption() const {
    if (m_hasCaption)
        return m_caption;
    if (const TField* field = m_column->Field())
        return field->DisplayLabel();
    return m_column->FieldName();
}

void TColumnTitle::SetCaption(const QString& caption) {
    m_caption = caption;
    m_hasCaption = true;
    changed();
}

void TColumnTitle::RestoreDefaultCaption() {
    m_caption.clear();
    m_hasCaption = false;
    changed();
}

void TColumnTitle::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    changed();
}

void TColumnTitle::SetColor(TColor color) {
    m_color = color;
    changed();
}

TFont TColumnTitle::Font() const {
    return m_hasFont ? m_font : m_column->Grid()->TitleFont();
}

void TColumnTitle::SetFont(const TFont& font) {
    m_font = font;
    m_hasFont = true;
    changed();
}

void TColumnTitle::changed() {
    m_column->Changed();
}

void TColumnTitle::ReadProperty(const QString& subProperty, const FormDataProperty& property) {
    if (subProperty.compare(QLatin1String("Caption"), Qt::CaseInsensitive) == 0)
        SetCaption(ReadString(property));
    else if (subProperty.compare(QLatin1String("Alignment"), Qt::CaseInsensitive) == 0)
        SetAlignment(ReadEnum<TAlignment>(property, {{"taLeftJustify", taLeftJustify},
                                                     {"taRightJustify", taRightJustify},
                                                     {"taCenter", taCenter}}));
    else if (subProperty.compare(QLatin1String("Color"), Qt::CaseInsensitive) == 0)
        SetColor(ReadColor(property));
    else if (subProperty.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)) {
        TFont font = Font();
        font.ReadProperty(subProperty.mid(5), property);
        SetFont(font);
    } else
        throw EFormDataError(
            QStringLiteral("Property %1: unknown column title property").arg(property.name));
}

} // namespace ger
