#include "module/TfrmDadosEmissaoNF.h"

#include "module/Cli_ger99502.h"

namespace ger {

TfrmDadosEmissaoNF::TfrmDadosEmissaoNF(TComponent* AOwner)
    : TfrmRotiGeral(AOwner, DerivedScreen) {
    LoadScreenForm();
}

// A dialog destroyed without closing (by the module's Finalize, or with the application) must
// not stay in the unit's variable, or the next opening would re-use a destroyed dialog.
TfrmDadosEmissaoNF::~TfrmDadosEmissaoNF() {
    if (Cli_ger99502::frmDadosEmissaoNF != this)
        return;
    Cli_ger99502::frmDadosEmissaoNF = nullptr;
    Cli_ger99502::boIdCriado = false;
}

void TfrmDadosEmissaoNF::FormClose(TObject* Sender, TCloseAction& Action) {
    Cli_ger99502::boIdCriado = false;
    TfrmRotiGeral::FormClose(Sender, Action);
}

} // namespace ger
