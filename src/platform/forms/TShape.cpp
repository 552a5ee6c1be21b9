#include "platform/forms/TShape.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"

namespace ger {
namespace {

const PropertyTable<TShape>& shapeProperties() {
    using T = TShape&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TShape> table{
        {"shape",
         [](T t, P p, C) {
             t.SetShape(ReadEnum<TShapeType>(p, {{"stRectangle", stRectangle},
                                                 {"stSquare", stSquare},
                                                 {"stRoundRect", stRoundRect},
                                                 {"stRoundSquare", stRoundSquare},
                                                 {"stEllipse", stEllipse},
                                                 {"stCircle", stCircle}}));
         }},
        {"brush.color",
         [](T t, P p, C) {
             TBrush brush = t.Brush();
             brush.Color = ReadColor(p);
             t.SetBrush(brush);
         }},
        {"brush.style",
         [](T t, P p, C) {
             TBrush brush = t.Brush();
             brush.Style = ReadEnum<TBrushStyle>(p, {{"bsSolid", bsSolid}, {"bsClear", bsClear}});
             t.SetBrush(brush);
         }},
        {"pen.color",
         [](T t, P p, C) {
             TPen pen = t.Pen();
             pen.Color = ReadColor(p);
             t.SetPen(pen);
         }},
        {"pen.width",
         [](T t, P p, C) {
             TPen pen = t.Pen();
             pen.Width = ReadInt(p);
             t.SetPen(pen);
         }},
    };
    return table;
}

} // namespace

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType value) {
    if (value == m_shape)
        return;
    m_shape = value;
    emit changed();
}

void TShape::SetBrush(const TBrush& brush) {
    if (brush == m_brush)
        return;
    m_brush = brush;
    emit changed();
}

void TShape::SetPen(const TPen& pen) {
    if (pen == m_pen)
        return;
    m_pen = pen;
    emit changed();
}

void TShape::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(shapeProperties(), *this, property, context))
        TGraphicControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TShape)

} // namespace ger
