#pragma once
// TGraphicControl: a control drawn on its parent, with no window of its own. It never takes
// the keyboard focus, so clicking one (a flat toolbar button, a lookup button) leaves the
// focused control where it is and runs no OnExit.

#include "platform/forms/TControl.h"

namespace ger {

class TGraphicControl : public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGraphicControl"); }
};

} // namespace ger
