#include "qtview/QtPanelView.h"

#include "platform/forms/TPanel.h"
#include "qtview/QtColors.h"

#include <QPainter>
#include <QWidget>

namespace ger {
namespace {

// Draws `width` rings of a bevel inside `rect` and returns the rectangle inside them.
QRect drawBevel(QPainter& painter, QRect rect, TBevelCut cut, int width) {
    if (cut == bvNone)
        return rect;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor shadow = ToQColor(clBtnShadow);
    const QColor topLeft = cut == bvLowered ? shadow : light;
    const QColor bottomRight = cut == bvLowered ? light : shadow;
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        if (cut != bvSpace) {
            painter.setPen(topLeft);
            painter.drawLine(rect.topLeft(), rect.topRight());
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            painter.drawLine(rect.topRight(), rect.bottomRight());
        }
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

} // namespace

QtPanelView::QtPanelView(TPanel& panel, QWidget* parent)
    : QtContainerView(panel, new QWidget(parent)) {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

bool QtPanelView::Paint(QWidget* source) {
    const auto* panel = static_cast<const TPanel*>(Control());
    if (source != Widget())
        return false;
    QPainter painter(source);
    QRect rect = source->rect();
    if (panel->BorderStyle() == bsSingle) {
        painter.setPen(ToQColor(clBtnShadow));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.setPen(ToQColor(cl3DDkShadow));
        painter.drawRect(rect.adjusted(1, 1, -2, -2));
        rect.adjust(2, 2, -2, -2);
    }
    rect = drawBevel(painter, rect, panel->BevelOuter(), panel->BevelWidth());
    rect = drawBevel(painter, rect, panel->BevelInner(), panel->BevelWidth());
    if (!panel->Caption().isEmpty()) {
        const Qt::Alignment horizontal = panel->Alignment() == taLeftJustify    ? Qt::AlignLeft
                                         : panel->Alignment() == taRightJustify ? Qt::AlignRight
                                                                                : Qt::AlignHCenter;
        painter.setPen(source->palette().color(
            source->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.setFont(source->font());
        painter.drawText(rect, int(horizontal | Qt::AlignVCenter), panel->Caption());
    }
    return true;
}

} // namespace ger
