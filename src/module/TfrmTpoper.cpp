#include "module/TfrmTpoper.h"

#include "module/Cli_ger99501.h"

namespace ger {

TfrmTpoper::TfrmTpoper(TComponent* AOwner)
    : TfrmRotiGeral(AOwner, DerivedScreen) {
    LoadScreenForm();
}

// The unit's variable must never name a destroyed screen: the module's Finalize looks for the
// screens still alive, and a released one is destroyed later than its close.
TfrmTpoper::~TfrmTpoper() {
    if (Cli_ger99501::frmTpoper == this)
        Cli_ger99501::frmTpoper = nullptr;
}

void TfrmTpoper::FormCreate(TObject* Sender) {
    TfrmRotiGeral::FormCreate(Sender);
    Cli_ger99501::stdInscEst.clear();
    Cli_ger99501::stdFilial.clear();
    Cli_ger99501::stdTpoOper.clear();
    Cli_ger99501::stdLancMan.clear();
    Cli_ger99501::stdLiber.clear();
}

} // namespace ger
