#pragma once
// An event the component's class does not have.

#include "TfrmEventoInexistente_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmEventoInexistente : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmEventoInexistente);

public:
    explicit TfrmEventoInexistente(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
};

} // namespace ger
