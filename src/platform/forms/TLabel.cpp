#include "platform/forms/TLabel.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TWinControl.h"

namespace ger {
namespace {

const PropertyTable<TLabel>& labelProperties() {
    using L = TLabel&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TLabel> table{
        {"alignment",
         [](L l, P p, C) {
             l.SetAlignment(ReadEnum<TAlignment>(p, {{"taLeftJustify", taLeftJustify},
                                                     {"taRightJustify", taRightJustify},
                                                     {"taCenter", taCenter}}));
         }},
        {"layout",
         [](L l, P p, C) {
             l.SetLayout(ReadEnum<TTextLayout>(
                 p, {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}}));
         }},
        {"autosize", [](L l, P p, C) { l.SetAutoSize(ReadBool(p)); }},
        {"wordwrap", [](L l, P p, C) { l.SetWordWrap(ReadBool(p)); }},
        {"transparent", [](L l, P p, C) { l.SetTransparent(ReadBool(p)); }},
        {"showaccelchar", [](L, P p, C) { ReadBool(p); }},
        {"focuscontrol",
         [](L l, P p, C x) {
             ReadReference<TWinControl>(p, x, "win control",
                                        [&l](TWinControl* c) { l.SetFocusControl(c); });
         }},
    };
    return table;
}

} // namespace

TLabel::TLabel(TComponent* AOwner)
    : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 13);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value) {
    if (value == m_alignment)
        return;
    m_alignment = value;
    emit changed();
}

void TLabel::SetLayout(TTextLayout value) {
    if (value == m_layout)
        return;
    m_layout = value;
    emit changed();
}

void TLabel::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    emit changed();
}

void TLabel::SetWordWrap(bool value) {
    if (value == m_wordWrap)
        return;
    m_wordWrap = value;
    emit changed();
}

void TLabel::SetTransparent(bool value) {
    if (value == m_transparent)
        return;
    m_transparent = value;
    emit changed();
}

void TLabel::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(labelProperties(), *this, property, context))
        TGraphicControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TLabel)

} // namespace ger
