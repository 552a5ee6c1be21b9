#include "platform/forms/TPanel.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

namespace ger {
namespace {

TBevelCut readBevel(const FormDataProperty& p) {
    return ReadEnum<TBevelCut>(p, {{"bvNone", bvNone},
                                   {"bvLowered", bvLowered},
                                   {"bvRaised", bvRaised},
                                   {"bvSpace", bvSpace}});
}

const PropertyTable<TPanel>& panelProperties() {
    using T = TPanel&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TPanel> table{
        {"bevelouter", [](T t, P p, C) { t.SetBevelOuter(readBevel(p)); }},
        {"bevelinner", [](T t, P p, C) { t.SetBevelInner(readBevel(p)); }},
        {"bevelwidth", [](T t, P p, C) { t.SetBevelWidth(ReadInt(p)); }},
        {"borderstyle",
         [](T t, P p, C) {
             t.SetBorderStyle(
                 ReadEnum<TBorderStyle>(p, {{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
         }},
        {"alignment",
         [](T t, P p, C) {
             t.SetAlignment(ReadEnum<TAlignment>(p, {{"taLeftJustify", taLeftJustify},
                                                     {"taRightJustify", taRightJustify},
                                                     {"taCenter", taCenter}}));
         }},
        // Painting details of the native panel.
        {"fullrepaint", [](T, P p, C) { ReadBool(p); }},
        {"locked", [](T, P p, C) { ReadBool(p); }},
    };
    return table;
}

} // namespace

TPanel::TPanel(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 41);
}

void TPanel::relayout() {
    emit changed();
    Realign();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    if (value == m_bevelOuter)
        return;
    m_bevelOuter = value;
    relayout();
}

void TPanel::SetBevelInner(TBevelCut value) {
    if (value == m_bevelInner)
        return;
    m_bevelInner = value;
    relayout();
}

void TPanel::SetBevelWidth(int value) {
    if (value == m_bevelWidth)
        return;
    m_bevelWidth = value;
    relayout();
}

void TPanel::SetBorderStyle(TBorderStyle value) {
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    relayout();
}

void TPanel::SetAlignment(TAlignment value) {
    if (value == m_alignment)
        return;
    m_alignment = value;
    emit changed();
}

QRect TPanel::AlignRect() const {
    int inset = 0;
    if (m_bevelOuter != bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != bvNone)
        inset += m_bevelWidth;
    return TWinControl::AlignRect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(panelProperties(), *this, property, context))
        TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TPanel)

} // namespace ger
