#pragma once
// TLabel: a caption drawn on its parent ("Filial", bold). A graphic control: never focused.
// By default it shows its parent's colour (ParentColor) and sizes itself to its text
// (AutoSize; the size is the renderer's to compute, the model keeps the flag).

#include "platform/forms/TGraphicControl.h"

namespace ger {

class TWinControl;

class TLabel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TLabel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TLabel"); }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    // The control the label's accelerator focuses; kept for the renderer.
    TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* control) { m_focusControl = control; }

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_autoSize = true;
    bool m_wordWrap = false;
    bool m_transparent = false;
    TWinControl* m_focusControl = nullptr;
};

} // namespace ger
