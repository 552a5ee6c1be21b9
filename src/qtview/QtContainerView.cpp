#include "qtview/QtContainerView.h"

#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TWinControl.h"
#include "qtview/QtViewFactory.h"

#include <QWidget>
#include <algorithm>

namespace ger {

QtContainerView::QtContainerView(TWinControl& control, QWidget* widget)
    : QtControlView(control, widget) {}

TWinControl* QtContainerView::WinControl() const {
    return static_cast<TWinControl*>(Control());
}

QPoint QtContainerView::ClientOrigin() const {
    const TControl* control = Control();
    if (!control)
        return {};
    return {(control->Width() - control->ClientWidth()) / 2,
            (control->Height() - control->ClientHeight()) / 2};
}

void QtContainerView::ConnectSignals() {
    connect(WinControl(), &TWinControl::controlsChanged, this, &QtContainerView::SyncChildren);
    SyncChildren();
}

QList<QtControlView*> QtContainerView::ChildViews() const {
    QList<QtControlView*> views;
    for (const QPointer<QtControlView>& child : m_children)
        if (child && child->Control())
            views.append(child);
    return views;
}

QtControlView* QtContainerView::FindView(const TControl* control) const {
    for (QtControlView* child : ChildViews()) {
        if (child->Control() == control)
            return child;
        if (auto* container = qobject_cast<QtContainerView*>(child))
            if (QtControlView* found = container->FindView(control))
                return found;
    }
    return nullptr;
}

void QtContainerView::SyncChildren() {
    TWinControl* win = WinControl();
    if (!win)
        return;
    QList<QPointer<QtControlView>> kept;
    for (const QPointer<QtControlView>& child : m_children) {
        if (!child)
            continue;
        if (!child->Control() || child->Control()->Parent() != win)
            child->Detach();
        else
            kept.append(child);
    }
    m_children = kept;
    for (int i = 0; i < win->ControlCount(); ++i) {
        TControl* control = win->Controls(i);
        const bool hasView = std::any_of(m_children.begin(), m_children.end(), [&](const auto& c) {
            return c && c->Control() == control;
        });
        if (!hasView)
            m_children.append(QtViewFactory::Create(*control, *this));
    }
    restack();
}

void QtContainerView::restack() {
    TWinControl* win = WinControl();
    for (bool graphic : {true, false})
        for (int i = 0; i < win->ControlCount(); ++i) {
            TControl* control = win->Controls(i);
            if ((dynamic_cast<TWinControl*>(control) == nullptr) != graphic)
                continue;
            for (const QPointer<QtControlView>& child : m_children)
                if (child && child->Control() == control)
                    child->Widget()->raise();
        }
    AfterRestack();
}

void QtContainerView::SyncAppearance() {
    QtControlView::SyncAppearance();
    for (QtControlView* child : ChildViews())
        child->SyncState();
}

} // namespace ger
