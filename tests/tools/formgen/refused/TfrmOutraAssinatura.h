#pragma once
// A handler defined with another signature than its event's.

#include "TfrmOutraAssinatura_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmOutraAssinatura : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmOutraAssinatura);

public:
    explicit TfrmOutraAssinatura(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
};

} // namespace ger
