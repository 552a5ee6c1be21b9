#pragma once
// QtControlView: the mirror of one model control (TControl) by one Qt widget.
//
// The view is a child object of its widget and dies with it. It copies what the model says into
// the widget (Sync: bounds in the parent's client area, visible, enabled, colours and font, hint
// as tool tip, cursor, and the kind's own content) and follows the control's signals. It watches
// the widget's input with an event filter: mouse clicks, double clicks, keys, input method text,
// shortcuts and focus arriving from the window system become UserInput calls on the model; the
// events themselves are swallowed so that no widget edits or toggles by itself. After each
// action the view shows the model's content again and the form view puts Qt's focus where the
// model has it.
//
// Clicks run on the button's release inside the widget (as the platform runs OnClick on mouse
// up); a double click runs the model's double click. The position given to the model is in the
// control's client coordinates.
//
// Life: created and started by QtViewFactory; Detach() ends the following for good (the control
// is being destroyed, or it left the parent this view mirrors it in), hides the widget and
// deletes it later, because the model may drop a control inside this view's own event handler.

#include "platform/forms/ControlTypes.h"
#include "platform/forms/TColor.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QEvent;
class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace ger {

class QtContainerView;
class QtFormView;
class TControl;
class TCustomForm;

class QtControlView : public QObject {
    Q_OBJECT
public:
    QtControlView(TControl& control, QWidget* widget);
    ~QtControlView() override;

    QtControlView(const QtControlView&) = delete;
    QtControlView& operator=(const QtControlView&) = delete;

    // The mirrored control; null once the view is detached.
    TControl* Control() const { return m_control; }
    QWidget* Widget() const { return m_widget; }
    // The widget that holds Qt's keyboard focus while the model focuses this control.
    virtual QWidget* FocusWidget() const { return m_widget; }
    // The container view this one sits in; null for the root (the form), whose window the
    // form view places and shows itself.
    QtContainerView* ParentView() const;
    // The form view at the top of the widget tree, or null.
    QtFormView* FormView() const;

    // Connects to the control's signals and copies everything; QtViewFactory calls it once the
    // view is fully constructed.
    void Start(QtContainerView* parentView);
    void Sync();
    void SyncGeometry();
    // Visible, enabled, colours, font, hint, cursor and the kind's content.
    void SyncState();
    void Detach();

    // The model's client coordinates of a point of `source` (a watched widget).
    QPoint ClientPoint(const QWidget* source, const QPoint& point) const;

protected:
    // Bounds of the widget inside its parent's client widget; the default puts the model's
    // bounds at the parent's client origin.
    virtual QRect WidgetGeometry() const;
    virtual void SyncAppearance();
    // What the kind shows besides the common state: text, items, check state...
    virtual void SyncContent() {}
    virtual void ConnectSignals() {}
    virtual void AfterGeometry() {}
    // The colour behind the control and whether the widget fills it.
    virtual TColor BackgroundColor() const;
    virtual bool FillsBackground() const { return true; }

    // Installs the input filter on a widget that receives input for this control.
    void WatchInput(QWidget* widget);
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual bool MousePressed(QWidget* source, QMouseEvent& event);
    virtual bool MouseReleased(QWidget* source, QMouseEvent& event);
    virtual bool MouseDoubleClicked(QWidget* source, QMouseEvent& event);
    // Moves are swallowed unless a view wants them (a drag selecting text).
    virtual bool MouseMoved(QWidget* source, QMouseEvent& event);
    virtual bool KeyPressed(QKeyEvent& event);
    virtual void FocusArrived(QFocusEvent& event);
    virtual bool WheelTurned() { return true; }
    // Kinds drawn by the view itself (panels, images, the grid) paint here; true when painted.
    virtual bool Paint(QWidget*) { return false; }

    // Runs one user action on the model, then shows what the model now says.
    void RunUserAction(const std::function<void()>& action);
    // After an action: the content again, and Qt's focus where the model has it.
    virtual void AfterUserAction();
    // The form the control is on; null when it is on none.
    TCustomForm* ParentForm() const;

private:
    bool filterInput(QWidget* source, QEvent* event);
    // Runs the control's OnMouseMove, when it has one.
    void reportMouseMove(QWidget* source, const QMouseEvent& event);
    void typeText(const QString& text);
    void parentChanged();

    TControl* m_control = nullptr;
    QWidget* m_widget = nullptr;
    QPointer<QtContainerView> m_parentView;
};

} // namespace ger
