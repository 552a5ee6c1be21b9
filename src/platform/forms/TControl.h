#pragma once
// TControl: anything that appears on a form. A control has a visual Parent (a TWinControl),
// which is not its Owner: the owner destroys it, the parent shows and lays it out. Bounds are
// in the parent's client coordinates; `Align` hands the bounds over to the parent's layout.
//
// Change notifications for renderers. Every property a renderer shows emits `changed()` after
// it changed; some also emit a specific signal first:
//   boundsChanged()   Left, Top, Width, Height (also when the parent's layout moves the control)
//   textChanged()     Caption / Text
//   visibleChanged()  Visible
//   enabledChanged()  Enabled
//   parentChanged()   Parent
//   repaintRequested() Repaint / Invalidate / Refresh / Update (FormActivate repaints the form)
//   destroying()      the control is being destroyed; no member may be read after it
// Nothing is emitted for a setter that does not change the value. Loading emits signals like
// any other change but runs no event handler (see IsLoadingState).

#include "platform/core/TComponent.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/Keys.h"
#include "platform/forms/TColor.h"
#include "platform/forms/TFont.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

namespace ger {

class TWinControl;
class TCustomForm;

class TControl : public TComponent {
    Q_OBJECT
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    QString ClassName() const override { return QStringLiteral("TControl"); }

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    // The form at the top of the parent chain (the platform's GetParentForm), or null.
    TCustomForm* ParentForm() const;
    // Form data nests a control inside the control that becomes its parent.
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return m_bounds.x(); }
    int Top() const { return m_bounds.y(); }
    int Width() const { return m_bounds.width(); }
    int Height() const { return m_bounds.height(); }
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
    void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const { return m_bounds; }
    // The area inside the control's border; children's coordinates start at its top left.
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    void SetClientWidth(int value) { SetWidth(value + Width() - ClientWidth()); }
    void SetClientHeight(int value) { SetHeight(value + Height() - ClientHeight()); }

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign value);

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool value);
    // Visible here and in every parent up to a visible form.
    virtual bool Showing() const;
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool value);
    // Enabled here and in every parent.
    bool IsEffectivelyEnabled() const;

    // While ParentColor is set the control shows its parent's colour.
    TColor Color() const;
    void SetColor(TColor value);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);

    // While ParentFont is set the control shows its parent's font.
    const TFont& Font() const;
    void SetFont(const TFont& font);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);

    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);

    // The control's text: the caption of labels, panels, buttons and forms, the content of edits.
    virtual QString Text() const { return m_text; }
    virtual void SetText(const QString& value);
    QString Caption() const { return Text(); }
    void SetCaption(const QString& value) { SetText(value); }

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);

    // Accepted from form data and kept, with no effect in this model (no anchoring on resize).
    const QStringList& Anchors() const { return m_anchors; }
    int HelpContext() const { return m_helpContext; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // Run OnClick / OnDblClick.
    virtual void Click();
    virtual void DblClick();
    // What a click of the user does, after UserInput has applied the focus rules. `at` is in
    // client coordinates, or (-1, -1) when the caller gives no position.
    virtual void UserClick(const QPoint& at);
    virtual void UserDoubleClick(const QPoint& at);
    // The mouse moved over the control (`at` in client coordinates): runs OnMouseMove.
    TMouseMoveEvent OnMouseMove;
    void UserMouseMove(const QPoint& at, TShiftState shift);

    // Position among the parent's children (drawing order, and the order of equally aligned
    // controls).
    void BringToFront();
    void SendToBack();

    void Repaint() { emit repaintRequested(); }
    void Invalidate() { emit repaintRequested(); }
    void Refresh() { emit repaintRequested(); }
    void Update() { emit repaintRequested(); }

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void changed();
    void boundsChanged();
    void textChanged();
    void visibleChanged();
    void enabledChanged();
    void parentChanged();
    void repaintRequested();
    void destroying();

protected:
    // True while this control or its owner reads form data: no event handler runs then.
    bool IsLoadingState() const;
    // After Text changed; the base emits textChanged() and changed().
    virtual void TextChanged();
    // After Left/Top/Width/Height changed.
    virtual void BoundsUpdated(const QRect& old);
    // Emits destroying() once; forms call it before their parts go.
    void NotifyDestroying();
    // Sets the text without TextChanged (subclasses that raise their own notifications).
    void StoreText(const QString& value) { m_text = value; }
    void StoreVisible(bool value) { m_visible = value; }

private:
    friend class TWinControl;

    TWinControl* m_parent = nullptr;
    QRect m_bounds;
    TAlign m_align = alNone;
    bool m_visible = true;
    bool m_enabled = true;
    TColor m_color = clBtnFace;
    bool m_parentColor = false;
    TFont m_font;
    bool m_parentFont = true;
    QString m_hint;
    bool m_showHint = false;
    QString m_text;
    TCursor m_cursor = crDefault;
    QStringList m_anchors{QStringLiteral("akLeft"), QStringLiteral("akTop")};
    int m_helpContext = 0;
    bool m_destroyingNotified = false;
};

} // namespace ger
