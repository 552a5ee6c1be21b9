#pragma once
// TButtonFlat: the flat toolbar button of the base forms' button panel (sbtConfirma, sbtCancel,
// sbtIncluir...). A speed button that is flat from the start: drawn on its parent, it takes no
// keyboard focus, so clicking it leaves the focused edit's OnExit unrun.

#include "platform/forms/TSpeedButton.h"

namespace ger {

class TButtonFlat : public TSpeedButton {
public:
    explicit TButtonFlat(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TButtonFlat"); }
};

} // namespace ger
