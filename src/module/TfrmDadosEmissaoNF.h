#pragma once
// TfrmDadosEmissaoNF: screen GER99502, "Dados para Emissão de NF", the issuing-data dialog
// opened from the address column of the main screen's grid (Cli_ger99502::CriaDadosEmissaoNF).
//
// So far it is the frame of the dialog only: the base form's menu bar with the screen code,
// its toolbar and empty data area. Closing it clears the unit's created flag, then the base
// form's close releases it, so the next opening creates a new dialog.

#include "framework/TfrmRotiGeral.h"
#include "module/ModuleExport.h"
#include "module/TfrmDadosEmissaoNF_form.h"

namespace ger {

class GER_MODULE_EXPORT TfrmDadosEmissaoNF : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmDadosEmissaoNF);

public:
    explicit TfrmDadosEmissaoNF(TComponent* AOwner);
    ~TfrmDadosEmissaoNF() override;
};

} // namespace ger
