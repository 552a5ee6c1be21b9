#pragma once
// QtFormView: the window of one model form (TCustomForm). Its children mirror the form's
// controls, built from the model tree and following it as controls come and go. The window
// shows the form's Caption as its title, has the form's size (and, for poDesigned, its
// position), fixed unless the border style is sizeable, and is shown while the form is
// Visible (a modal form is shown by QtDialogService::RunModal instead).
//
// Focus: Qt's focus follows the model's FocusedControl (SyncFocus), or rests on the form view
// itself when no control has it, so keys reach the form. Activating the window from the window
// system activates the form in the model; closing it is the model's Close (UserInput::CloseForm),
// which decides whether the window goes away; resizing it resizes the form, which realigns,
// but never below what the form's content needs (MinimumExtent): a smaller window scrolls.
// A view created in a QMdiSubWindow (an MDI child of the host) becomes the frame's widget, shows
// and hides the frame with the form and takes it along when the form goes; the frame's
// activation and the form's follow each other the same way.
//
// Life: one view per form (ViewOf finds it). The view deletes itself (later) once its form is
// destroyed; code that keeps a pointer to it holds a QPointer.

#include <QPointer>
#include <QWidget>

class QScrollArea;

namespace ger {

class QtContainerView;
class QtControlView;
class TControl;
class TCustomForm;

class QtFormView : public QWidget {
    Q_OBJECT
public:
    explicit QtFormView(TCustomForm& form, QWidget* parent = nullptr);
    ~QtFormView() override;

    // The mirrored form; null once it was destroyed.
    TCustomForm* Form() const { return m_form; }
    QtContainerView* RootView() const { return m_root; }
    // The view of a control of the form, or null.
    QtControlView* FindView(const TControl* control) const;
    // The widget of a control of the form (for the form, the surface its controls are on,
    // inside the view's scroll area), or null.
    QWidget* WidgetOf(const TControl* control) const;

    // Puts Qt's focus where the model has it.
    void SyncFocus();
    // Title, size, position, border, window state and visibility, as the model says.
    void SyncWindow();

    // The view of `form`, or null.
    static QtFormView* ViewOf(const TCustomForm& form);
    // While it lives, the focus the model moves is moved by the keyboard: Qt then shows it as
    // a keyboard focus (the style's focus frame), as when it moves the focus with Tab itself.
    class KeyboardFocusScope {
    public:
        KeyboardFocusScope();
        ~KeyboardFocusScope();
        KeyboardFocusScope(const KeyboardFocusScope&) = delete;
        KeyboardFocusScope& operator=(const KeyboardFocusScope&) = delete;

    private:
        bool m_previous;
    };
    // The view of `form`, created as a top-level window when there is none.
    static QtFormView* Ensure(TCustomForm& form);

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keys that reach the view itself (the focus rests on it when no control has it) go to
    // the form's surface, whose view hands them to the model's focused control.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void formDestroying();
    void windowActivated();
    void frameActivated();
    // The window the person sees: the MDI frame, or this view when it is a window itself.
    QWidget* windowWidget();
    void windowStateChangedByUser(Qt::WindowStates state);
    void frameStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);
    // Follows the activation of the MDI frame the view is in, if any.
    void followFrame();
    void bringToFront();
    void syncGeometry();
    void syncVisibility();
    // The person resized the window: the form takes the room there is, or its minimum.
    void fitFormToWindow();
    void forwardToSurface(QEvent* event);
    QSize formSizeFor(QSize available) const;

    TCustomForm* m_form;
    QScrollArea* m_scroll;
    QWidget* m_surface; // the form's client area, the size of the form
    QtContainerView* m_root = nullptr;
    bool m_frameActivating = false;
    bool m_fitting = false; // the form is being resized to the window
    bool m_syncing = false; // the window is being resized to the form
    bool m_forwarding = false;
};

} // namespace ger
