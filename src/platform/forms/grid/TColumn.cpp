#include "platform/forms/grid/TColumn.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/grid/TDBGrid.h"
#include "platform/forms/grid/TDBGridColumns.h"

#include <algorithm>

namespace ger {
namespace {

TAlignment readAlignment(const FormDataProperty& p) {
    return ReadEnum<TAlignment>(p, {{"taLeftJustify", taLeftJustify},
                                    {"taRightJustify", taRightJustify},
                                    {"taCenter", taCenter}});
}

TColumnButtonStyle readButtonStyle(const FormDataProperty& p) {
    return ReadEnum<TColumnButtonStyle>(
        p, {{"cbsAuto", cbsAuto}, {"cbsEllipsis", cbsEllipsis}, {"cbsNone", cbsNone}});
}

const PropertyTable<TColumn>& columnProperties() {
    using T = TColumn&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TColumn> table{
        {"fieldname", [](T t, P p, C) { t.SetFieldName(ReadString(p)); }},
        {"width", [](T t, P p, C) { t.SetWidth(ReadInt(p)); }},
        {"readonly", [](T t, P p, C) { t.SetReadOnly(ReadBool(p)); }},
        {"visible", [](T t, P p, C) { t.SetVisible(ReadBool(p)); }},
        {"picklist.strings", [](T t, P p, C) { t.SetPickList(p.value.asList(p.name)); }},
        {"buttonstyle", [](T t, P p, C) { t.SetButtonStyle(readButtonStyle(p)); }},
        {"dropdownrows", [](T t, P p, C) { t.SetDropDownRows(ReadInt(p)); }},
        {"alignment", [](T t, P p, C) { t.SetAlignment(readAlignment(p)); }},
        {"color", [](T t, P p, C) { t.SetColor(ReadColor(p)); }},
        // Designer state of the column editor; nothing to show.
        {"expanded", [](T, P p, C) { ReadBool(p); }},
    };
    return table;
}

// The platform sizes a column for DisplayWidth digits of its font, plus a margin.
constexpr int kCharWidth = 6;
constexpr int kMargin = 4;
constexpr int kDefaultColumnWidth = 64;

} // namespace

TColumn::TColumn(TDBGridColumns* collection)
    : m_collection(collection)
    , m_title(this) {}

TDBGrid* TColumn::Grid() const {
    return m_collection->Grid();
}

int TColumn::Index() const {
    return m_collection->IndexOf(this);
}

void TColumn::SetIndex(int index) {
    m_collection->Move(Index(), index);
}

void TColumn::SetFieldName(const QString& name) {
    if (name == m_fieldName)
        return;
    m_fieldName = name;
    Changed();
}

TField* TColumn::Field() const {
    const TDataSet* dataSet = Grid()->DataSet();
    if (!dataSet || m_fieldName.isEmpty())
        return nullptr;
    if (!dataSet->Active() && dataSet->DefaultFields())
        return nullptr;
    return dataSet->FindField(m_fieldName);
}

void TColumn::SetField(TField* field) {
    SetFieldName(field ? field->FieldName() : QString());
}

int TColumn::Width() const {
    return m_width >= 0 ? m_width : DefaultWidth();
}

int TColumn::DefaultWidth() const {
    const TField* field = Field();
    if (!field)
        return kDefaultColumnWidth;
    int width = field->DisplayWidth() * kCharWidth + kMargin;
    if (Grid()->Options().testFlag(dgTitles))
        width = std::max(width, static_cast<int>(m_title.Caption().size()) * kCharWidth + kMargin);
    return width;
}

void TColumn::SetWidth(int width) {
    if (width == m_width)
        return;
    m_width = width;
    Changed();
}

void TColumn::SetReadOnly(bool readOnly) {
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    Changed();
}

void TColumn::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    Changed();
}

void TColumn::SetPickList(const QStringList& items) {
    if (items == m_pickList)
        return;
    m_pickList = items;
    Changed();
}

void TColumn::SetButtonStyle(TColumnButtonStyle style) {
    if (style == m_buttonStyle)
        return;
    m_buttonStyle = style;
    Changed();
}

TAlignment TColumn::Alignment() const {
    if (m_hasAlignment)
        return m_alignment;
    const TField* field = Field();
    return field ? field->Alignment() : taLeftJustify;
}

void TColumn::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    m_hasAlignment = true;
    Changed();
}

TColor TColumn::Color() const {
    return m_hasColor ? m_color : Grid()->Color();
}

void TColumn::SetColor(TColor color) {
    m_color = color;
    m_hasColor = true;
    Changed();
}

TFont TColumn::Font() const {
    return m_hasFont ? m_font : Grid()->Font();
}

void TColumn::SetFont(const TFont& font) {
    m_font = font;
    m_hasFont = true;
    Changed();
}

void TColumn::Changed() {
    m_collection->Changed();
}

void TColumn::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (ReadFromTable(columnProperties(), *this, property, context))
        return;
    if (property.name.startsWith(QLatin1String("Title."), Qt::CaseInsensitive)) {
        m_title.ReadProperty(property.name.mid(6), property);
        return;
    }
    if (property.name.startsWith(QLatin1String("Font."), Qt::CaseInsensitive)) {
        TFont font = Font();
        font.ReadProperty(property.name.mid(5), property);
        SetFont(font);
        return;
    }
    throw EFormDataError(QStringLiteral("Property %1: unknown column property").arg(property.name));
}

} // namespace ger
