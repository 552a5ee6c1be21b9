#include "module/Cli_ger99501.h"

#include "module/CreateScreen.h"
#include "module/TfrmTpoper.h"

namespace ger::Cli_ger99501 {

TfrmTpoper* frmTpoper = nullptr;
QString stdInscEst;
QString stdFilial;
QString stdTpoOper;
QString stdLancMan;
QString stdLiber;

void CriaTpOper() {
    frmTpoper = CreateScreen<TfrmTpoper>();
    frmTpoper->ShowModal();
}

void Initialization() {}

void Finalization() {
    stdLiber.clear();
    stdLancMan.clear();
    stdTpoOper.clear();
    stdFilial.clear();
    stdInscEst.clear();
}

} // namespace ger::Cli_ger99501
