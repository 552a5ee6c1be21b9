#pragma once
// TWinControl: a control with a window of its own. It can hold child controls, lays out the
// aligned ones, can take the keyboard focus, and receives keys.
//
// Focus. A control can take the focus (CanFocus) when it and every parent up to its form are
// visible and enabled. The form runs the focus moves (TCustomForm::FocusControl documents the
// order of OnExit and OnEnter). Graphic controls (TGraphicControl) are never focused.
//
// Tab order. The win controls of one parent are ordered by TabOrder (0, 1, 2...; setting one
// renumbers the others, as on the platform). GetTabOrderList walks a whole tree: each control,
// then the controls inside it. Tab moves to the next control there that can take the focus and
// has TabStop.
//
// Keys, in the order the platform delivers a keystroke (UserInput runs it):
//   1. navigation keys (Tab, arrows, Enter, Escape) that the focused control does not want
//      (WantsKey) go to the form first (TCustomForm::DialogKey): Tab moves the focus, Enter
//      clicks the default button...; a key the form used ends there;
//   2. KeyDown: the form's OnKeyDown when KeyPreview is set, then the control's OnKeyDown,
//      then, unless a handler set the key to 0, the control's own handling (DefaultKeyDown);
//   3. for a key that gives a character, KeyPress the same way (OnKeyPress, DefaultKeyPress).
// Subclasses (edits, combo boxes, the data grid) override WantsKey and the Default* methods.
//
// Signals (besides TControl's): focusChanged(bool) when the control gains or loses the focus
// of its form; controlsChanged() when a child is added or removed.

#include "platform/forms/Keys.h"
#include "platform/forms/TControl.h"

#include <vector>

namespace ger {

class TWinControl : public TControl {
    Q_OBJECT
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    QString ClassName() const override { return QStringLiteral("TWinControl"); }

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(static_cast<size_t>(index)); }
    // True for this control itself and for every control inside it.
    bool ContainsControl(const TControl* control) const;

    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value);
    // The win controls directly inside, in tab order.
    std::vector<TWinControl*> TabList() const;
    // The win controls of the whole tree below, each followed by those inside it.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The platform's search for the next control to focus, wrapping around; null for none.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();

    bool CanFocus() const;
    // Has the focus of its form, and the form is the active one.
    bool Focused() const;
    // Raises EInvalidOperation when the control cannot take the focus.
    void SetFocus();
    // Whether a click of the user gives this control the focus before acting on it.
    virtual bool FocusesOnClick() const { return false; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Run by the form's focus moves: OnEnter / OnExit. Overrides add their own checks (a
    // masked edit validates its text before OnExit).
    virtual void DoEnter();
    virtual void DoExit();

    // Like the platform's dialog codes: whether the control handles this navigation key
    // itself rather than letting the form use it.
    virtual bool WantsKey(Word key, TShiftState shift) const;
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    virtual void KeyUp(Word& key, TShiftState shift);

    // Lays out the aligned children inside AlignRect: top ones (by Top), bottom ones, left,
    // right, then the client ones over what is left. Invisible children take no room. Among
    // equally aligned controls, the one just moved or resized keeps its place ahead of those
    // at the same position, as on the platform.
    void Realign() { AlignControls(nullptr); }
    // The client area minus what the control draws inside it (bevels, a caption, tabs).
    virtual QRect AlignRect() const;
    // The smallest size at which the control still shows everything it holds, aligned
    // children included: their fixed sides (an alTop panel's height), the extent of the
    // unaligned ones, and the same, nested, of aligned containers. An aligned control holding
    // nothing (a grid, say) may shrink to nothing. A window smaller than this scrolls.
    virtual QSize MinimumExtent() const;
    int ClientWidth() const override;
    int ClientHeight() const override;
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value);

    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void focusChanged(bool hasFocus);
    void controlsChanged();

protected:
    // Width of the window border on each side, outside the client area.
    virtual int NonClientBorder() const { return 0; }
    virtual void DefaultKeyDown(Word& key, TShiftState shift);
    virtual void DefaultKeyPress(QChar& key);
    void BoundsUpdated(const QRect& old) override;
    void Loaded() override;
    // The focus left this control because it was hidden, disabled or removed: no OnExit runs.
    void DefocusSelf();

private:
    friend class TControl;
    friend class TCustomForm;

    void AlignControls(TControl* moved);
    void insertControl(TControl* control);
    void removeControl(TControl* control);
    void renumberTabOrder(TWinControl* moved, int position);
    void notifyFocus(bool hasFocus) { emit focusChanged(hasFocus); }

    std::vector<TControl*> m_controls;
    int m_tabOrder = -1;
    quint64 m_sequence = 0;
    bool m_tabStop = false;
    int m_borderWidth = 0;
    bool m_aligning = false;
};

} // namespace ger
