#pragma once
// QtShapeView: a shape (TShape) drawn by the view: rectangle, square, rounded ones, ellipse or
// circle, filled with its Brush (unless bsClear) and outlined with its Pen. Squares and circles
// take the shorter side and sit centred.

#include "qtview/QtControlView.h"

namespace ger {

class TShape;

class QtShapeView : public QtControlView {
    Q_OBJECT
public:
    QtShapeView(TShape& shape, QWidget* parent);

protected:
    bool FillsBackground() const override { return false; }
    bool Paint(QWidget* source) override;
};

} // namespace ger
