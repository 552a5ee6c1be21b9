#include "qtview/QtControlView.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/UserInput.h"
#include "qtview/QtColors.h"
#include "qtview/QtContainerView.h"
#include "qtview/QtFormView.h"
#include "qtview/QtKeys.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ger {

QtControlView::QtControlView(TControl& control, QWidget* widget)
    : QObject(widget)
    , m_control(&control)
    , m_widget(widget) {
    widget->setObjectName(control.Name());
    widget->setAcceptDrops(false);
    widget->setContextMenuPolicy(Qt::NoContextMenu);
    WatchInput(widget);
}

QtControlView::~QtControlView() = default;

QtContainerView* QtControlView::ParentView() const {
    return m_parentView;
}

QtFormView* QtControlView::FormView() const {
    for (QWidget* w = m_widget; w; w = w->parentWidget())
        if (auto* view = qobject_cast<QtFormView*>(w))
            return view;
    return nullptr;
}

TCustomForm* QtControlView::ParentForm() const {
    return m_control ? m_control->ParentForm() : nullptr;
}

void QtControlView::Start(QtContainerView* parentView) {
    m_parentView = parentView;
    TControl* control = m_control;
    connect(control, &TControl::destroying, this, &QtControlView::Detach);
    connect(control, &TControl::boundsChanged, this, &QtControlView::SyncGeometry);
    connect(control, &TControl::changed, this, &QtControlView::SyncState);
    connect(control, &TControl::parentChanged, this, &QtControlView::parentChanged);
    connect(control, &TControl::repaintRequested, m_widget, qOverload<>(&QWidget::update));
    if (control->OnMouseMove)
        m_widget->setMouseTracking(true);
    ConnectSignals();
    Sync();
}

void QtControlView::Sync() {
    SyncGeometry();
    SyncState();
}

void QtControlView::Detach() {
    if (!m_control)
        return;
    disconnect(m_control, nullptr, this, nullptr);
    disconnect(m_control, nullptr, m_widget, nullptr);
    m_control = nullptr;
    if (m_parentView) {
        m_widget->hide();
        m_widget->deleteLater();
    }
}

void QtControlView::parentChanged() {
    if (m_parentView && m_control && m_control->Parent() != m_parentView->Control())
        Detach();
}

QRect QtControlView::WidgetGeometry() const {
    return m_control->BoundsRect().translated(m_parentView->ClientOrigin());
}

void QtControlView::SyncGeometry() {
    if (!m_control || !m_parentView)
        return;
    const QRect geometry = WidgetGeometry();
    if (m_widget->geometry() != geometry)
        m_widget->setGeometry(geometry);
    AfterGeometry();
    m_parentView->ChildGeometryChanged();
}

void QtControlView::SyncState() {
    if (!m_control)
        return;
    if (m_parentView && m_widget->isVisibleTo(m_widget->parentWidget()) != m_control->Visible())
        m_widget->setVisible(m_control->Visible());
    if (m_widget->testAttribute(Qt::WA_ForceDisabled) == m_control->Enabled())
        m_widget->setEnabled(m_control->Enabled());
    SyncAppearance();
    if (m_widget->toolTip() != m_control->Hint())
        m_widget->setToolTip(m_control->Hint());
    if (m_control->Cursor() == crDefault)
        m_widget->unsetCursor();
    else
        m_widget->setCursor(CursorShapeOf(m_control->Cursor()));
    SyncContent();
}

TColor QtControlView::BackgroundColor() const {
    return m_control->Color();
}

void QtControlView::SyncAppearance() {
    ApplyColors(*m_widget, BackgroundColor(), m_control->Font(), FillsBackground());
}

QPoint QtControlView::ClientPoint(const QWidget* source, const QPoint& point) const {
    // mapTo, not mapFrom: Qt's mapFrom walks from the widget up to the one passed, which must
    // be an ancestor; the sources here (an in-place editor, a button) are children.
    const QPoint inWidget = source == m_widget ? point : source->mapTo(m_widget, point);
    if (!m_control)
        return inWidget;
    const QPoint border((m_control->Width() - m_control->ClientWidth()) / 2,
                        (m_control->Height() - m_control->ClientHeight()) / 2);
    return inWidget - border;
}

void QtControlView::WatchInput(QWidget* widget) {
    widget->installEventFilter(this);
}

bool QtControlView::eventFilter(QObject* watched, QEvent* event) {
    auto* source = qobject_cast<QWidget*>(watched);
    if (!source || !m_control)
        return QObject::eventFilter(watched, event);
    return filterInput(source, event);
}

bool QtControlView::filterInput(QWidget* source, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MousePressed(source, static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        return MouseReleased(source, static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonDblClick:
        return MouseDoubleClicked(source, static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove:
        reportMouseMove(source, static_cast<QMouseEvent&>(*event));
        return MouseMoved(source, static_cast<QMouseEvent&>(*event));
    case QEvent::KeyPress: {
        const QtFormView::KeyboardFocusScope keyboard;
        return KeyPressed(static_cast<QKeyEvent&>(*event));
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::InputMethod:
        typeText(static_cast<QInputMethodEvent*>(event)->commitString());
        return true;
    case QEvent::Shortcut:
        RunUserAction([this] { UserInput::Click(*m_control); });
        return true;
    case QEvent::FocusIn:
        FocusArrived(static_cast<QFocusEvent&>(*event));
        return false;
    case QEvent::Wheel:
        return WheelTurned();
    case QEvent::ContextMenu:
        return true;
    case QEvent::Paint:
        return Paint(source);
    default:
        return false;
    }
}

bool QtControlView::MousePressed(QWidget*, QMouseEvent&) {
    return true;
}

bool QtControlView::MouseMoved(QWidget*, QMouseEvent&) {
    return true;
}

void QtControlView::reportMouseMove(QWidget* source, const QMouseEvent& event) {
    if (!m_control->OnMouseMove)
        return;
    TControl* control = m_control;
    const QPoint at = ClientPoint(source, event.position().toPoint());
    const TShiftState shift = ShiftStateOf(event.modifiers(), event.buttons());
    RunUserAction([control, at, shift] { control->UserMouseMove(at, shift); });
}

bool QtControlView::MouseReleased(QWidget* source, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !source->rect().contains(event.position().toPoint()))
        return true;
    const QPoint at = ClientPoint(source, event.position().toPoint());
    RunUserAction([this, at] { UserInput::Click(*m_control, at); });
    return true;
}

bool QtControlView::MouseDoubleClicked(QWidget* source, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return true;
    const QPoint at = ClientPoint(source, event.position().toPoint());
    RunUserAction([this, at] { UserInput::DoubleClick(*m_control, at); });
    return true;
}

bool QtControlView::KeyPressed(QKeyEvent& event) {
    const KeyStroke stroke = KeyStrokeOf(event);
    TCustomForm* form = ParentForm();
    if (!form || stroke.kind == KeyStroke::Kind::None)
        return true;
    if (stroke.kind == KeyStroke::Kind::Character)
        RunUserAction([form, c = stroke.character] { UserInput::TypeChar(*form, c); });
    else
        RunUserAction([form, &stroke] { UserInput::PressKey(*form, stroke.key, stroke.shift); });
    return true;
}

void QtControlView::typeText(const QString& text) {
    TCustomForm* form = ParentForm();
    if (!form || text.isEmpty())
        return;
    RunUserAction([form, text] {
        for (QChar c : text)
            UserInput::TypeChar(*form, c);
    });
}

void QtControlView::FocusArrived(QFocusEvent& event) {
    auto* win = dynamic_cast<TWinControl*>(m_control);
    const Qt::FocusReason reason = event.reason();
    // Tab and Backtab keys reach the model as keys, so a focus that arrives for a tab reason
    // is Qt moving it by itself (the focused widget was hidden or destroyed, say the grid's
    // editor while its dataset reloads): that is no move of the person's, and the Qt focus
    // goes back to the model's control.
    const bool byPerson = reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
    const TCustomForm* form = ParentForm();
    if (win && win != form && byPerson && form && form->FocusedControl() != win) {
        RunUserAction([win] { UserInput::Focus(*win); });
        return;
    }
    if (QtFormView* view = FormView())
        view->SyncFocus();
}

void QtControlView::RunUserAction(const std::function<void()>& action) {
    QPointer<QtControlView> self(this);
    QPointer<QtFormView> form(FormView());
    action();
    if (self && self->m_control)
        self->AfterUserAction();
    else if (form)
        form->SyncFocus();
}

void QtControlView::AfterUserAction() {
    SyncState();
    if (QtFormView* view = FormView())
        view->SyncFocus();
}

} // namespace ger
