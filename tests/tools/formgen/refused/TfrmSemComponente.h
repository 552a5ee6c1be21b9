#pragma once
// Code that uses a component the form data does not declare.

#include "TfrmSemComponente_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmSemComponente : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmSemComponente);

public:
    explicit TfrmSemComponente(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
    void Limita();
};

} // namespace ger
