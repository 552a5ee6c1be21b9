#include "qtview/QtShapeView.h"

#include "platform/forms/TShape.h"
#include "qtview/QtColors.h"

#include <QPainter>
#include <QWidget>

namespace ger {

QtShapeView::QtShapeView(TShape& shape, QWidget* parent)
    : QtControlView(shape, new QWidget(parent)) {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

bool QtShapeView::Paint(QWidget* source) {
    const auto* shape = static_cast<const TShape*>(Control());
    const int penWidth = std::max(1, shape->Pen().Width);
    QRectF area = QRectF(source->rect())
                      .adjusted(penWidth / 2.0, penWidth / 2.0, -penWidth / 2.0, -penWidth / 2.0);
    const TShapeType type = shape->Shape();
    if (type == stSquare || type == stRoundSquare || type == stCircle) {
        const qreal side = std::min(area.width(), area.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(area.center());
        area = square;
    }
    QPainter painter(source);
    painter.setRenderHint(QPainter::Antialiasing, type == stEllipse || type == stCircle);
    painter.setPen(QPen(ToQColor(shape->Pen().Color), penWidth));
    if (shape->Brush().Style == bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(ToQColor(shape->Brush().Color));
    const qreal radius = std::min(area.width(), area.height()) / 4;
    switch (type) {
    case stRoundRect:
    case stRoundSquare:
        painter.drawRoundedRect(area, radius, radius);
        break;
    case stEllipse:
    case stCircle:
        painter.drawEllipse(area);
        break;
    default:
        painter.drawRect(area);
        break;
    }
    return true;
}

} // namespace ger
