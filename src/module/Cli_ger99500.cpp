#include "module/Cli_ger99500.h"

#include "module/CreateScreen.h"
#include "module/HourGlassCursor.h"
#include "module/TfrmTpOperFil.h"
#include "platform/core/Exception.h"

namespace ger::Cli_ger99500 {

TfrmTpOperFil* frmTpOperFil = nullptr;
bool boIdCriado = false;

void CriaTpOperFil() {
    const HourGlassCursor wait;
    if (!boIdCriado) {
        frmTpOperFil = CreateScreen<TfrmTpOperFil>();
        boIdCriado = true;
    }
    frmTpOperFil->SetWindowState(wsNormal);
    frmTpOperFil->Show();
}

TfrmTpOperFil& MainScreen() {
    if (!frmTpOperFil)
        throw Exception(QStringLiteral("A tela GER99500 não está aberta."));
    return *frmTpOperFil;
}

void Initialization() {}

void Finalization() {}

} // namespace ger::Cli_ger99500
