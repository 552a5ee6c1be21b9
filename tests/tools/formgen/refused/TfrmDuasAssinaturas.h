#pragma once
// One handler bound to events of two signatures.

#include "TfrmDuasAssinaturas_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmDuasAssinaturas : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmDuasAssinaturas);

public:
    explicit TfrmDuasAssinaturas(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
};

} // namespace ger
