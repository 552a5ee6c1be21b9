#include "module/Pkg_ger99500.h"

#include "module/Cli_ger99500.h"
#include "module/Cli_ger99501.h"
#include "module/Cli_ger99502.h"
#include "module/TfrmDadosEmissaoNF.h"
#include "module/TfrmTpOperFil.h"
#include "module/TfrmTpoper.h"
#include "platform/forms/TScreen.h"

#include <QPointer>
#include <vector>

namespace ger {
namespace {

bool IsDialog(const TCustomForm* form) {
    return dynamic_cast<const TfrmTpoper*>(form) || dynamic_cast<const TfrmDadosEmissaoNF*>(form);
}

bool IsMainScreen(const TCustomForm* form) {
    return dynamic_cast<const TfrmTpOperFil*>(form) != nullptr;
}

void FreeScreens(bool (*belongs)(const TCustomForm*)) {
    std::vector<QPointer<TCustomForm>> screens;
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (belongs(Screen().Forms(i)))
            screens.emplace_back(Screen().Forms(i));
    for (const QPointer<TCustomForm>& screen : screens)
        if (screen)
            screen->Free();
}

// Every screen of the module still alive (open, hidden, or released and not yet freed) is
// destroyed before the unload, dialogs before the main screen they reach into, because a screen
// outliving its code would jump into the unloaded library at its next event or destruction.
void ReleaseLiveScreens() {
    FreeScreens(IsDialog);
    FreeScreens(IsMainScreen);
}

} // namespace
} // namespace ger

extern "C" {

void IniProc() {
    ger::Cli_ger99500::CriaTpOperFil();
}

void Initialize() {
    ger::Cli_ger99501::Initialization();
    ger::Cli_ger99502::Initialization();
    ger::Cli_ger99500::Initialization();
}

void Finalize() {
    ger::ReleaseLiveScreens();
    ger::Cli_ger99500::Finalization();
    ger::Cli_ger99502::Finalization();
    ger::Cli_ger99501::Finalization();
    ger::Cli_ger99500::frmTpOperFil = nullptr;
    ger::Cli_ger99500::boIdCriado = false;
    ger::Cli_ger99501::frmTpoper = nullptr;
    ger::Cli_ger99502::frmDadosEmissaoNF = nullptr;
    ger::Cli_ger99502::boIdCriado = false;
}
}
