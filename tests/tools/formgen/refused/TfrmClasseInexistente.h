#pragma once
// A component of a class that does not exist.

#include "TfrmClasseInexistente_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmClasseInexistente : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmClasseInexistente);

public:
    explicit TfrmClasseInexistente(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
};

} // namespace ger
