#pragma once
// TfrmDadosEmissaoNF: screen GER99502, "Dados para Emissão de NF", the issuing-data dialog
// opened from the address column of the main screen's grid (Cli_ger99502::CriaDadosEmissaoNF).
// For the operation type on the main screen's current row the user chooses which of the
// branch's registered addresses goes on its invoices, and for the kind "Empresa" also one of
// the company's municipal registrations.
//
// Its components and handlers are named in the form data Cli_ger99502.dfm (read on top of the
// base form's). The handlers are split by subject:
//   TfrmDadosEmissaoNF.cpp         construction, FormShow (the load), the address choice and
//                                  the tax number's text
//   TfrmDadosEmissaoNFConfirm.cpp  the municipal registration, its lookup and check, and the
//                                  confirmation that writes into the main screen's grid
//
// A worked opening, main screen on branch 0001, current row of kind "M":
//   FormShow     branch code and name copied, GetDadosEmissaoNF("0001") loaded (one record
//                per address kind), "Empresa" selected and its record shown, edtInscMuni
//                enabled with the company's registration, sbtConfirma disabled
//   "Filial"     cbbSelecaoEnderecoChange: the branch's own address shown, edtInscMuni
//                cleared and disabled, sbtConfirma enabled
//   sbtConfirma  the row of the main screen gets "P" and is posted, which writes it with an
//                empty stInscMuni; the dialog stays open with sbtConfirma disabled
//
// The dialog keeps no copy of the main screen's state: it reads the branch, the current row
// and the company when it needs them, through Cli_ger99500::MainScreen().

#include "framework/TfrmRotiGeral.h"
#include "module/ModuleExport.h"
#include "module/TfrmDadosEmissaoNF_form.h"

namespace ger {

class GER_MODULE_EXPORT TfrmDadosEmissaoNF : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmDadosEmissaoNF);

public:
    explicit TfrmDadosEmissaoNF(TComponent* AOwner);
    ~TfrmDadosEmissaoNF() override;

    // Shows the address of the kind selected in the combo (a kind the data lack leaves the
    // shown one), and enables the municipal registration for "Empresa" only.
    void PosicionaEndereco();

private:
    // The code of the combo's selection: "P" … "M", empty for the empty item and for none.
    QString SelectedKindCode() const;
    void LoadIssuingData();
    // Checks edtInscMuni against the company's registrations (edtInscMuniExit's work).
    void Vd_InscMuni();
};

} // namespace ger
