#pragma once
// TCustomForm: a window of the application, root of its form data, owner of its components.
//
// Life. A form class constructs itself, reads its form data, then calls AfterConstruction,
// which runs OnCreate and, when the form data declared it visible, shows it (OnShow, then
// activation: OnActivate and the focus to ActiveControl or the first control in tab order).
// An exception in OnCreate or OnShow leaves AfterConstruction: the form is not created.
// Free() runs OnDestroy and deletes the form; Release() does the same once the running user
// action has finished (see Dispatch), so a handler of the form can release it safely. A bare
// delete (the owner destroying it) runs no OnDestroy.
//
// Close: a modal form only gets ModalResult mrCancel; otherwise OnCloseQuery, then OnClose
// with the default action (caHide; caMinimize for an MDI child, or caNone without a minimise
// icon), and the action: hide, minimise or release. Closing the main form terminates the
// application instead.
//
// ShowModal shows the form and runs the dialog service's modal loop until ModalResult is set
// (a button's ModalResult, Close, or code) and the close handling accepts it; the form is then
// hidden and ModalResult returned. The screen cursor is the default one while it runs.
//
// Focus. The form keeps the control with the focus (FocusedControl) and the control whose
// OnEnter ran last and whose OnExit has not yet run (EnteredControl; the same control once a
// move has finished). Moving the focus from A to B, in this order:
//   1. OnExit of A, then of each container of A that does not contain B, innermost first;
//   2. the focus is on B (focusChanged, activeControlChanged);
//   3. OnEnter of each container of B that does not contain A, outermost first, then of B.
// Example: edit medFilial in panel panFilial, grid dbgPadrao outside it. medFilial -> dbgPadrao
// runs medFilial.OnExit, panFilial.OnExit, dbgPadrao.OnEnter; medFilial -> btpX inside the
// panel runs only medFilial.OnExit and btpX.OnEnter.
// An exception in an exit handler ends the move: the focus stays on A (or where the handler
// put it) and the exception goes on; the next move runs A's OnExit again. An exception in an
// enter handler goes on with the focus already on B.
// A handler may move the focus itself (a failed check focuses its edit, then raises EAbort):
// the move it starts runs at once, from where the running move has got to, and the running
// move stops after that handler, whether or not it raises. So a check in A's OnExit that
// focuses A again runs no further handler (A keeps the focus, with no OnEnter), and a check in
// B's OnEnter that focuses C runs B's OnExit and C's enter chain.
// Hiding or disabling the focused control (or a container of it) takes the focus away without
// running OnExit; the next move starts its exits from it. Destroying it runs no handler.

#include "platform/forms/FormTypes.h"
#include "platform/forms/TWinControl.h"

namespace ger {

class TCustomForm : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    QString ClassName() const override { return QStringLiteral("TCustomForm"); }

    // OnCreate, then Show when the form data declared Visible = True.
    void AfterConstruction();
    void Free();
    void Release();

    void Show();
    void Hide();
    void Close();
    // Raises EInvalidOperation for a visible, disabled or MDI child form.
    TModalResult ShowModal();
    bool CloseQuery();
    void SetVisible(bool value) override;
    bool Showing() const override { return Visible(); }
    // The application's active form (the one receiving keys).
    bool Active() const;
    bool IsModal() const { return m_modal; }
    // While modal: the close handling has accepted ModalResult and the loop may return.
    bool IsModalLoopDone() const { return m_modalDone; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult value) { m_modalResult = value; }

    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState value);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition value);
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons value);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool value) { m_keyPreview = value; }

    // The control with the focus, or, before the form is active, the one that will get it.
    TWinControl* ActiveControl() const;
    // Moves the focus there when the form is active; otherwise records it for the activation.
    void SetActiveControl(TWinControl* control);
    // The focus move of SetFocus; activates the form first when another form is active.
    void FocusControl(TWinControl* control);
    TWinControl* FocusedControl() const { return m_focused; }
    TWinControl* EnteredControl() const { return m_entered; }
    // Navigation keys the focused control does not want: Tab and arrows move the focus, Enter
    // clicks the default (or focused) TButton, Escape the cancel button. True when used.
    bool DialogKey(Word key, TShiftState shift);
    // True while a mouse click is giving the focus (an edit then keeps its caret where clicked
    // instead of selecting its text).
    bool FocusingByMouse() const { return m_focusingByMouse; }
    // Takes the focus away from `control` and what it contains without running OnExit.
    void DefocusControl(TWinControl* control, bool removing);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void shown();
    void hidden();
    void activated();
    void deactivated();
    void activeControlChanged();
    void windowStateChanged();
    void broughtToFront();
    void modalStarted();
    // The modal loop may end: ModalResult is set and the close handling accepted it.
    void modalLoopEnded();
    void modalFinished();

protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void DoDestroy();

private:
    friend class TWinControl;
    friend class TScreen;
    friend class TApplication;
    friend class UserInput;

    // Focus (TCustomFormFocus.cpp).
    void MoveFocus(TWinControl* target);
    void CommitFocus(TWinControl* target);
    void ControlRemoving(TWinControl* control);
    void FocusOnActivation();
    TWinControl* FindDefaultButton(bool cancel) const;

    // Activation and modal loop, run by TScreen and TApplication.
    void Activated();
    void Deactivated();
    void CloseModal();
    void EndModal(TCursor savedCursor);
    // After a user action while modal: runs the close handling once ModalResult is set.
    void CheckModalEnd();

    TFormStyle m_formStyle = fsNormal;
    TWindowState m_windowState = wsNormal;
    TPosition m_position = poDesigned;
    TFormBorderStyle m_borderStyle = bsSizeable;
    TBorderIcons m_borderIcons{biSystemMenu, biMinimize, biMaximize};
    bool m_keyPreview = false;
    bool m_visibleDeclared = false;
    bool m_modal = false;
    bool m_modalDone = false;
    TModalResult m_modalResult = mrNone;

    TWinControl* m_focused = nullptr;
    TWinControl* m_entered = nullptr;
    TWinControl* m_pendingFocus = nullptr;
    quint64 m_focusMoves = 0;
    bool m_focusingByMouse = false;
};

} // namespace ger
