#include "module/Cli_ger99502.h"

#include "module/CreateScreen.h"
#include "module/TfrmDadosEmissaoNF.h"
#include "platform/forms/TScreen.h"

namespace ger::Cli_ger99502 {

TfrmDadosEmissaoNF* frmDadosEmissaoNF = nullptr;
bool boIdCriado = false;

void CriaDadosEmissaoNF() {
    Screen().SetCursor(crHourGlass);
    if (!boIdCriado) {
        frmDadosEmissaoNF = CreateScreen<TfrmDadosEmissaoNF>();
        boIdCriado = true;
    }
    frmDadosEmissaoNF->SetWindowState(wsNormal);
    frmDadosEmissaoNF->ShowModal();
    Screen().SetCursor(crDefault);
}

void Initialization() {
    boIdCriado = false;
}

void Finalization() {}

} // namespace ger::Cli_ger99502
