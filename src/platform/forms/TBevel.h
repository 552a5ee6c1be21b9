#pragma once
// TBevel: a sunken or raised box, frame or line drawn on its parent to group controls
// visually (a graphic control: no focus, no events of its own).

#include "platform/forms/TGraphicControl.h"

namespace ger {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TBevel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TBevel"); }

    TBevelShape Shape() const { return m_shape; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return m_style; }
    void SetStyle(TBevelStyle value);

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    TBevelShape m_shape = bsBox;
    TBevelStyle m_style = bsLowered;
};

} // namespace ger
