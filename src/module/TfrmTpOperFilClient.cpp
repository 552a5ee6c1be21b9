// The client panel of the page "Tipo de Operação por Cliente": the client typed by its
// registration number or looked up, its check against CLIENTE, and the fetch of its operation
// types at the branch of medFilial.
//
// Order of events, focus in medCdCliente, a registration number typed, Tab to the grid:
//   panTipoOperCliExit (the client found again for the number typed now, then GetTipoOperCli
//   for it: the grid fills), then dbgTipoOperCliEnter (Vd_Cliente: the name shown, or the
//   message and the focus back in medCdCliente).
// The panel is left before the grid is entered, so the fetch looks the client up itself: it
// sends the client the field names now, never the one an earlier check left in qryCliente. A
// number that finds no client fetches nothing; the grid's entry then says why.
// Entering the panel empties the list, so no row of another client can be worked on.

#include "framework/CheckResultServ.h"
#include "framework/CodeFunctions.h"
#include "framework/MensErro.h"
#include "framework/ShowAvi.h"
#include "framework/TMessages.h"
#include "module/TfrmTpOperFil.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/sql/TADOIBQuery.h"
#include "platform/sql/TADOIBStringField.h"
#include "server/TNetConnection.h"

namespace ger {
void TfrmTpOperFil::medCdClienteChange(TObject*) {
    edtNmCliente->Clear();
}

// A null registration number compares each row's with itself: every client that has one.
void TfrmTpOperFil::btnClienteBeforePesq(TObject*, bool&) {
    qryCli->Close();
    qryCli->ParamByName(QStringLiteral("P_NRINSJURCLIE")).Clear();
    qryCli->Open();
}

void TfrmTpOperFil::btnClienteAfterPesq(TObject*) {
    medCdCliente->SetText(qryCliNRINSJURCLIE->AsString());
    edtNmCliente->SetText(qryCliNMRAZSOCCLIE->AsString());
}

bool TfrmTpOperFil::FindClient() {
    qryCliente->Close();
    qryCliente->ParamByName(QStringLiteral("P_NRINSJURCLIE")).SetAsString(medCdCliente->Text());
    qryCliente->Open();
    return !qryCliente->IsEmpty();
}

void TfrmTpOperFil::Vd_Cliente() {
    try {
        const bool boVazio = EmptyString(medCdCliente->Text());
        if (boVazio)
            MensErro(msgPadrao->Msg(QStringLiteral("Cliente_Inv")), true);
        if (!FindClient())
            MensErro(msgPadrao->Msg(QStringLiteral("Cliente_Cad")), true);
        edtNmCliente->SetText(qryClienteNMRAZSOCCLIE->AsString());
    } catch (...) {
        medCdCliente->SetFocus();
        throw;
    }
}

void TfrmTpOperFil::dbgTipoOperCliEnter(TObject*) {
    Vd_Cliente();
}

// Emptying changes no state, so the buttons are worked out again here: sbtExcluir must not
// stay enabled over an empty list.
void TfrmTpOperFil::panTipoOperCliEnter(TObject*) {
    if (!cdsTpOperCli->Active() || cdsTpOperCli->IsEmpty())
        return;
    cdsTpOperCli->EmptyDataSet();
    Atualiza_Botoes();
}

void TfrmTpOperFil::panTipoOperCliExit(TObject*) {
    if (EmptyString(medCdCliente->Text()) || !FindClient())
        return;
    ShowAviScope avi(Application().MainForm(), ShowAviKindServer);
    LoadClientOperationTypes();
}

void TfrmTpOperFil::LoadClientOperationTypes() {
    QString stFornCli = qryClienteCDCLIENTE->AsString();
    QString stCdTipooper;
    const QVariant result = netTpOperFil->AppServer().Call(
        QStringLiteral("GetTipoOperCli"), {medFilial->Text(), ByRef(stFornCli), ByRef(stCdTipooper),
                                           ClientOperationsKind.toString()});
    cdsTpOperCli->SetData(CheckResultServ(result, true, 0));
    if (cdsTpOperCli->IsEmpty())
        return;
    TDataSet::DisabledControlsScope quiet(*cdsTpOperCli);
    cdsTpOperCliNRINSCRICAO->SetEditMask(PictPess(cdsTpOperCliIDTIPOJUR->AsString()));
}

} // namespace ger
