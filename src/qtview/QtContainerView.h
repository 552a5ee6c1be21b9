#pragma once
// QtContainerView: the mirror of a win control that holds others (a form, a panel, a tab sheet,
// a notebook page...). It keeps one child view per model child, in the model's order: a child
// added to the model gets its view at once, a removed one loses it. Graphic controls are drawn
// on their parent on the platform, below every win control, so their widgets are stacked below
// the win controls' widgets; among each kind the model's order holds (later on top).
//
// Children's bounds are in the model's client coordinates; ClientOrigin says where they start
// in ClientWidget (inside a panel's single border, for example). Colour and font may come from
// the parent (ParentColor, ParentFont), so the appearance of a container is synced down its
// whole subtree.

#include "qtview/QtControlView.h"

#include <QList>

namespace ger {

class TWinControl;

class QtContainerView : public QtControlView {
    Q_OBJECT
public:
    QtContainerView(TWinControl& control, QWidget* widget);

    TWinControl* WinControl() const;
    // The widget the children's widgets are placed in.
    virtual QWidget* ClientWidget() const { return Widget(); }
    // Where the model's client coordinates (0, 0) are in ClientWidget.
    virtual QPoint ClientOrigin() const;
    // A child's geometry changed (a scroll box sizes its content to its children).
    virtual void ChildGeometryChanged() {}

    QList<QtControlView*> ChildViews() const;
    // The view of `control` anywhere below this one, or null.
    QtControlView* FindView(const TControl* control) const;

    void SyncChildren();

protected:
    void ConnectSignals() override;
    void SyncAppearance() override;
    // After the child widgets were stacked in the model's order.
    virtual void AfterRestack() {}

private:
    void restack();

    QList<QPointer<QtControlView>> m_children;
};

} // namespace ger
