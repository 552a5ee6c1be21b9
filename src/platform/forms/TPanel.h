#pragma once
// TPanel: a container with bevels and an optional caption. Aligned children are laid out
// inside the bevels and BorderWidth: the inset is BorderWidth plus BevelWidth for each of
// BevelOuter and BevelInner that is not bvNone. A single border adds 2 pixels outside the
// client area.

#include "platform/forms/TWinControl.h"

namespace ger {

class TPanel : public TWinControl {
    Q_OBJECT
public:
    explicit TPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TPanel"); }

    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);

    QRect AlignRect() const override;
    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    int NonClientBorder() const override { return m_borderStyle == bsSingle ? 2 : 0; }

private:
    void relayout();

    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    TBorderStyle m_borderStyle = bsNone;
    TAlignment m_alignment = taCenter;
};

} // namespace ger
