#include "qtview/QtFormView.h"

#include "platform/forms/Dispatch.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/UserInput.h"
#include "qtview/QtContainerView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

namespace ger {
namespace {

bool keyboardFocus = false;

QHash<const TCustomForm*, QtFormView*>& views() {
    static QHash<const TCustomForm*, QtFormView*> byForm;
    return byForm;
}

bool isFixedBorder(TFormBorderStyle style) {
    return style != bsSizeable && style != bsSizeToolWin;
}

} // namespace

QtFormView::QtFormView(TCustomForm& form, QWidget* parent)
    : QWidget(parent)
    , m_form(&form)
    , m_scroll(new QScrollArea(this))
    , m_surface(new QWidget) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_surface);
    m_root = new QtContainerView(form, m_surface);
    auto* frame = qobject_cast<QMdiSubWindow*>(parent);
    if (frame) {
        frame->setWidget(this);
        followFrame();
    }
    views().insert(&form, this);
    connect(&form, &TControl::destroying, this, &QtFormView::formDestroying);
    connect(&form, &TControl::boundsChanged, this, &QtFormView::syncGeometry);
    connect(&form, &TControl::changed, this, &QtFormView::SyncWindow);
    connect(&form, &TCustomForm::windowStateChanged, this, &QtFormView::SyncWindow);
    connect(&form, &TCustomForm::activeControlChanged, this, &QtFormView::SyncFocus);
    connect(&form, &TCustomForm::activated, this, &QtFormView::bringToFront);
    connect(&form, &TCustomForm::broughtToFront, this, &QtFormView::bringToFront);
    m_root->Start(nullptr);
    if (frame) {
        syncGeometry();
        frame->adjustSize();
    }
    SyncWindow();
}

QtFormView::KeyboardFocusScope::KeyboardFocusScope()
    : m_previous(std::exchange(keyboardFocus, true)) {}

QtFormView::KeyboardFocusScope::~KeyboardFocusScope() {
    keyboardFocus = m_previous;
}

QtFormView::~QtFormView() {
    if (m_form)
        views().remove(m_form);
}

QtFormView* QtFormView::ViewOf(const TCustomForm& form) {
    return views().value(&form, nullptr);
}

QtFormView* QtFormView::Ensure(TCustomForm& form) {
    if (QtFormView* view = ViewOf(form))
        return view;
    return new QtFormView(form);
}

QSize QtFormView::sizeHint() const {
    return m_form ? QSize(m_form->Width(), m_form->Height()) : QWidget::sizeHint();
}

QtControlView* QtFormView::FindView(const TControl* control) const {
    if (!m_form || !control)
        return nullptr;
    if (control == m_form)
        return m_root;
    return m_root->FindView(control);
}

QWidget* QtFormView::WidgetOf(const TControl* control) const {
    QtControlView* view = FindView(control);
    return view ? view->Widget() : nullptr;
}

void QtFormView::formDestroying() {
    views().remove(m_form);
    m_root->Detach();
    m_form = nullptr;
    hide();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->hide();
        frame->deleteLater();
    } else {
        deleteLater();
    }
}

void QtFormView::SyncWindow() {
    // While the form takes the window's new size, the window is what the person made it: a
    // maximised frame, say, whose form does not know yet that it is maximised.
    if (!m_form || m_fitting)
        return;
    if (windowTitle() != m_form->Caption())
        setWindowTitle(m_form->Caption());
    syncGeometry();
    QWidget* window = windowWidget();
    Qt::WindowStates state = window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (m_form->WindowState() == wsMinimized)
        state |= Qt::WindowMinimized;
    else if (m_form->WindowState() == wsMaximized)
        state |= Qt::WindowMaximized;
    if (state != window->windowState())
        window->setWindowState(state);
    syncVisibility();
}

void QtFormView::syncGeometry() {
    if (!m_form)
        return;
    const QSize size(m_form->Width(), m_form->Height());
    m_surface->resize(size);
    if (m_fitting)
        return;
    const QScopedValueRollback syncing(m_syncing, true);
    if (isFixedBorder(m_form->BorderStyle())) {
        setFixedSize(size);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (this->size() != size)
            resize(size);
    }
    if (isWindow() && m_form->Position() == poDesigned &&
        pos() != QPoint(m_form->Left(), m_form->Top()))
        move(m_form->Left(), m_form->Top());
    updateGeometry();
}

// A modal form's window is shown by the dialog service, which puts the view in a dialog.
void QtFormView::syncVisibility() {
    const bool shown = m_form->Visible() && !(m_form->IsModal() && isWindow());
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame && frame->isVisible() != shown)
        frame->setVisible(shown);
    if (isVisible() != shown) {
        setVisible(shown);
        if (shown)
            SyncFocus();
    }
}

void QtFormView::SyncFocus() {
    if (!m_form || !m_form->Visible() || !isVisible())
        return;
    QWidget* target = this;
    if (QtControlView* view = FindView(m_form->FocusedControl()))
        if (view->FocusWidget()->isVisible())
            target = view->FocusWidget();
    if (window()->focusWidget() != target || !target->hasFocus()) {
        // Qt draws focus frames only after a focus change by keyboard; ours all come from the
        // model, so the window is told which kind this one was.
        window()->setAttribute(Qt::WA_KeyboardFocusChange, keyboardFocus);
        target->setFocus(keyboardFocus ? Qt::TabFocusReason : Qt::OtherFocusReason);
    }
    if (target != this)
        m_scroll->ensureWidgetVisible(target, 0, 0);
}

void QtFormView::bringToFront() {
    if (!m_form || !isVisible())
        return;
    // While the MDI area is activating the frame (windowActivated runs inside that), asking it
    // again would start the activation over, endlessly.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame && frame->mdiArea() && !m_frameActivating)
        frame->mdiArea()->setActiveSubWindow(frame);
    window()->raise();
    if (!window()->isActiveWindow())
        window()->activateWindow();
    SyncFocus();
}

void QtFormView::frameActivated() {
    const QScopedValueRollback<bool> activating(m_frameActivating, true);
    windowActivated();
}

void QtFormView::windowActivated() {
    if (!m_form || !m_form->Visible() || m_form->Active())
        return;
    const TCustomForm* modal = Application().ModalForm();
    if (modal && modal != m_form)
        return;
    TCustomForm* form = m_form;
    TWinControl* control = form->ActiveControl();
    if (control && control != form && control->CanFocus())
        UserInput::Focus(*control);
    else
        Dispatch([form] { form->Show(); });
    SyncFocus();
}

void QtFormView::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!m_form)
        return;
    QPointer<QtFormView> self(this);
    UserInput::CloseForm(*m_form);
    if (self)
        SyncWindow();
}

void QtFormView::keyPressEvent(QKeyEvent* event) {
    forwardToSurface(event);
}

void QtFormView::keyReleaseEvent(QKeyEvent* event) {
    forwardToSurface(event);
}

void QtFormView::inputMethodEvent(QInputMethodEvent* event) {
    forwardToSurface(event);
}

// An event the surface leaves unaccepted comes back up to this view: it ends here.
void QtFormView::forwardToSurface(QEvent* event) {
    if (m_forwarding)
        return;
    const QScopedValueRollback forwarding(m_forwarding, true);
    QCoreApplication::sendEvent(m_surface, event);
}

void QtFormView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        windowActivated();
    if (event->type() == QEvent::ParentChange)
        followFrame();
    if (event->type() == QEvent::WindowStateChange && isWindow())
        windowStateChangedByUser(windowState());
}

void QtFormView::followFrame() {
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame)
        return;
    connect(frame, &QMdiSubWindow::aboutToActivate, this, &QtFormView::frameActivated,
            Qt::UniqueConnection);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &QtFormView::frameStateChanged,
            Qt::UniqueConnection);
}

void QtFormView::frameStateChanged(Qt::WindowStates, Qt::WindowStates state) {
    windowStateChangedByUser(state);
}

QWidget* QtFormView::windowWidget() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return frame;
    return this;
}

// The person minimised, maximised or restored the window: the form's WindowState follows, so
// that the model knows it (IniProc restores a minimised screen by setting wsNormal).
void QtFormView::windowStateChangedByUser(Qt::WindowStates state) {
    if (!m_form)
        return;
    const TWindowState wanted = state.testFlag(Qt::WindowMinimized)   ? wsMinimized
                                : state.testFlag(Qt::WindowMaximized) ? wsMaximized
                                                                      : wsNormal;
    if (m_form->WindowState() == wanted)
        return;
    TCustomForm* form = m_form;
    Dispatch([form, wanted] { form->SetWindowState(wanted); });
}

void QtFormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitFormToWindow();
}

void QtFormView::fitFormToWindow() {
    if (!m_form || m_syncing || isFixedBorder(m_form->BorderStyle()))
        return;
    const QSize wanted = formSizeFor(size());
    if (wanted == QSize(m_form->Width(), m_form->Height()))
        return;
    const QScopedValueRollback fitting(m_fitting, true);
    TCustomForm* form = m_form;
    Dispatch([form, wanted] {
        form->SetBounds(form->Left(), form->Top(), wanted.width(), wanted.height());
    });
}

// The room the window gives the form: a scroll bar, where the form does not fit one way,
// takes its width from the other.
QSize QtFormView::formSizeFor(QSize available) const {
    const QSize minimum = m_form->MinimumExtent();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    const bool across = available.width() < minimum.width();
    const bool down = available.height() < minimum.height();
    if (across)
        available.rheight() -= bar;
    if (down)
        available.rwidth() -= bar;
    if (!across && available.width() < minimum.width())
        available.rheight() -= bar;
    if (!down && available.height() < minimum.height())
        available.rwidth() -= bar;
    return available.expandedTo(minimum);
}

} // namespace ger
