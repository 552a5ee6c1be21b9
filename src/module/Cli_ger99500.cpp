#include "module/Cli_ger99500.h"

#include "module/CreateScreen.h"
#include "module/TfrmTpOperFil.h"
#include "platform/forms/TScreen.h"

namespace ger::Cli_ger99500 {

TfrmTpOperFil* frmTpOperFil = nullptr;
bool boIdCriado = false;

void CriaTpOperFil() {
    Screen().SetCursor(crHourGlass);
    if (!boIdCriado) {
        frmTpOperFil = CreateScreen<TfrmTpOperFil>();
        boIdCriado = true;
    }
    frmTpOperFil->SetWindowState(wsNormal);
    frmTpOperFil->Show();
    Screen().SetCursor(crDefault);
}

void Initialization() {}

void Finalization() {}

} // namespace ger::Cli_ger99500
