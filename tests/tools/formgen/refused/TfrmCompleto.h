#pragma once
// Everything the form data names is there: it builds.

#include "TfrmCompleto_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmCompleto : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmCompleto);

public:
    explicit TfrmCompleto(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
};

} // namespace ger
