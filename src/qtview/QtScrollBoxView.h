#pragma once
// QtScrollBoxView: a scroll box (TScrollBox) as a QScrollArea. The children sit on a content
// widget as large as the viewport or as the children's extent, whichever is larger, so the
// scroll bars appear when the children reach past the visible area. The scroll position is
// the renderer's alone; the model keeps none.

#include "qtview/QtContainerView.h"

class QScrollArea;

namespace ger {

class TScrollBox;

class QtScrollBoxView : public QtContainerView {
    Q_OBJECT
public:
    QtScrollBoxView(TScrollBox& box, QWidget* parent);
    QScrollArea* ScrollArea() const;

    QWidget* ClientWidget() const override;
    QPoint ClientOrigin() const override { return {}; }
    void ChildGeometryChanged() override;

protected:
    void SyncContent() override;
    void AfterGeometry() override { ChildGeometryChanged(); }
    bool WheelTurned() override { return false; }
};

} // namespace ger
