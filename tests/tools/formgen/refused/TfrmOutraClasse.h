#pragma once
// Code that takes a component for another class than the form data gives.

#include "TfrmOutraClasse_form.h"
#include "framework/TfrmRotiGeral.h"

namespace ger {

class TfrmOutraClasse : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmOutraClasse);

public:
    explicit TfrmOutraClasse(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        LoadScreenForm();
    }
    void Limita();
};

} // namespace ger
