#include "qtview/QtScrollBoxView.h"

#include "platform/forms/TScrollBox.h"

#include <QScrollArea>
#include <QScrollBar>

namespace ger {

QtScrollBoxView::QtScrollBoxView(TScrollBox& box, QWidget* parent)
    : QtContainerView(box, new QScrollArea(parent)) {
    QScrollArea* area = ScrollArea();
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    auto* content = new QWidget;
    content->setFocusPolicy(Qt::NoFocus);
    area->setWidget(content);
    WatchInput(area->viewport());
    WatchInput(content);
}

QScrollArea* QtScrollBoxView::ScrollArea() const {
    return static_cast<QScrollArea*>(Widget());
}

QWidget* QtScrollBoxView::ClientWidget() const {
    return ScrollArea()->widget();
}

void QtScrollBoxView::SyncContent() {
    const auto* box = static_cast<const TScrollBox*>(Control());
    if (!box)
        return;
    ScrollArea()->setFrameShape(box->BorderStyle() == bsSingle ? QFrame::StyledPanel
                                                               : QFrame::NoFrame);
}

void QtScrollBoxView::ChildGeometryChanged() {
    QRect extent(QPoint(0, 0), ScrollArea()->viewport()->size());
    for (QtControlView* child : ChildViews())
        if (child->Control()->Visible())
            extent |= child->Control()->BoundsRect();
    ClientWidget()->resize(extent.size().expandedTo(QSize(0, 0)));
}

} // namespace ger
