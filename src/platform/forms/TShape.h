#pragma once
// TShape: a rectangle, square, rounded rectangle, ellipse or circle drawn on its parent,
// filled with Brush and outlined with Pen (a graphic control: no focus).

#include "platform/forms/TGraphicControl.h"
#include "platform/forms/grid/TBrush.h"
#include "platform/forms/grid/TPen.h"

namespace ger {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
    Q_OBJECT
public:
    explicit TShape(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TShape"); }

    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType value);
    const TBrush& Brush() const { return m_brush; }
    void SetBrush(const TBrush& brush);
    const TPen& Pen() const { return m_pen; }
    void SetPen(const TPen& pen);

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    TShapeType m_shape = stRectangle;
    TBrush m_brush;
    TPen m_pen;
};

} // namespace ger
