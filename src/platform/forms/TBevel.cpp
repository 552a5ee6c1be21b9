#include "platform/forms/TBevel.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

namespace ger {
namespace {

const PropertyTable<TBevel>& bevelProperties() {
    using T = TBevel&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TBevel> table{
        {"shape",
         [](T t, P p, C) {
             t.SetShape(ReadEnum<TBevelShape>(p, {{"bsBox", bsBox},
                                                  {"bsFrame", bsFrame},
                                                  {"bsTopLine", bsTopLine},
                                                  {"bsBottomLine", bsBottomLine},
                                                  {"bsLeftLine", bsLeftLine},
                                                  {"bsRightLine", bsRightLine},
                                                  {"bsSpacer", bsSpacer}}));
         }},
        {"style",
         [](T t, P p, C) {
             t.SetStyle(
                 ReadEnum<TBevelStyle>(p, {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}}));
         }},
    };
    return table;
}

} // namespace

TBevel::TBevel(TComponent* AOwner)
    : TGraphicControl(AOwner) {
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
    if (value == m_shape)
        return;
    m_shape = value;
    emit changed();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (value == m_style)
        return;
    m_style = value;
    emit changed();
}

void TBevel::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(bevelProperties(), *this, property, context))
        TGraphicControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TBevel)

} // namespace ger
