#include "qtview/QtBevelView.h"

#include "platform/forms/TBevel.h"
#include "qtview/QtColors.h"

#include <QPainter>
#include <QWidget>

namespace ger {

QtBevelView::QtBevelView(TBevel& bevel, QWidget* parent)
    : QtControlView(bevel, new QWidget(parent)) {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

bool QtBevelView::Paint(QWidget* source) {
    const auto* bevel = static_cast<const TBevel*>(Control());
    const QColor shadow = ToQColor(clBtnShadow);
    const QColor light = ToQColor(clBtnHighlight);
    const QColor first = bevel->Style() == bsLowered ? shadow : light;
    const QColor second = bevel->Style() == bsLowered ? light : shadow;
    const QRect r = source->rect().adjusted(0, 0, -1, -1);
    QPainter painter(source);
    auto line = [&painter](const QColor& color, QPoint from, QPoint to) {
        painter.setPen(color);
        painter.drawLine(from, to);
    };
    switch (bevel->Shape()) {
    case bsBox:
        line(first, r.topLeft(), r.topRight());
        line(first, r.topLeft(), r.bottomLeft());
        line(second, r.bottomLeft(), r.bottomRight());
        line(second, r.topRight(), r.bottomRight());
        break;
    case bsFrame:
        painter.setPen(first);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(second);
        painter.drawRect(r.adjusted(1, 1, 0, 0));
        break;
    case bsTopLine:
        line(first, r.topLeft(), r.topRight());
        line(second, r.topLeft() + QPoint(0, 1), r.topRight() + QPoint(0, 1));
        break;
    case bsBottomLine:
        line(first, r.bottomLeft() - QPoint(0, 1), r.bottomRight() - QPoint(0, 1));
        line(second, r.bottomLeft(), r.bottomRight());
        break;
    case bsLeftLine:
        line(first, r.topLeft(), r.bottomLeft());
        line(second, r.topLeft() + QPoint(1, 0), r.bottomLeft() + QPoint(1, 0));
        break;
    case bsRightLine:
        line(first, r.topRight() - QPoint(1, 0), r.bottomRight() - QPoint(1, 0));
        line(second, r.topRight(), r.bottomRight());
        break;
    case bsSpacer:
        break;
    }
    return true;
}

} // namespace ger
