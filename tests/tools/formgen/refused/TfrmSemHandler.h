#pragma once
// A handler the form data names and no file defines.

#include "TfrmSemHandler_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmSemHandler : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmSemHandler);

public:
    explicit TfrmSemHandler(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
};

} // namespace ger
