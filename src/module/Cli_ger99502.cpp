#include "module/Cli_ger99502.h"

#include "module/CreateScreen.h"
#include "module/HourGlassCursor.h"
#include "module/TfrmDadosEmissaoNF.h"

namespace ger::Cli_ger99502 {

TfrmDadosEmissaoNF* frmDadosEmissaoNF = nullptr;
bool boIdCriado = false;

void CriaDadosEmissaoNF() {
    const HourGlassCursor wait;
    if (!boIdCriado) {
        frmDadosEmissaoNF = CreateScreen<TfrmDadosEmissaoNF>();
        boIdCriado = true;
    }
    frmDadosEmissaoNF->SetWindowState(wsNormal);
    frmDadosEmissaoNF->ShowModal();
}

void Initialization() {
    boIdCriado = false;
}

void Finalization() {}

} // namespace ger::Cli_ger99502
