// The write of TfrmTpOperFil: every row posted in the per-branch grid goes to the application
// server at once (SetTpOperFil), and the server's answer, the branch's whole list, replaces the
// grid's content.
//
// The road of one change: the user sets "Liberado" of a row to "Não" and moves down; the grid
// posts the row ("N" stored); cdsTpOperFilAfterPost finds the change in the change log, sends
// the row with the branch of medFilial and stInscMuni, loads the answer, stands on the edited
// row again and merges the change log. On any failure the posted values stay on screen and in
// the change log, unmerged, and nothing is resent by itself.

#include "framework/CheckResultServ.h"
#include "framework/CodeFunctions.h"
#include "framework/ShowAvi.h"
#include "framework/TMessages.h"
#include "module/TfrmTpOperFil.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMaskEdit.h"
#include "server/TNetConnection.h"

namespace ger {
namespace {

constexpr int OperationTypeCodeWidth = 2;

} // namespace

TDataSet* TfrmTpOperFil::DataSetToConfirm() const {
    if (IsEditMode(cdsTpOperFil->State()))
        return cdsTpOperFil;
    if (IsEditMode(cdsTpOperCli->State()))
        return cdsTpOperCli;
    return nullptr;
}

void TfrmTpOperFil::sbtImportExportClick(TObject*) {
    if (TDataSet* dataSet = DataSetToConfirm())
        dataSet->Post();
}

void TfrmTpOperFil::cdsTpOperFilAfterPost(TDataSet*) {
    if (cdsTpOperFil->ChangeCount() == 0 && EmptyString(stInscMuni))
        return;
    try {
        WritePostedRow();
    } catch (const EAbort&) {
        // A failed result, already shown by CheckResultServ.
    } catch (const std::exception& e) {
        // Any other failure, a lost connection say, is shown here once, or the user would take
        // the posted values for saved ones; what the transport says (method, host, port) is
        // for support, after a sentence for the user.
        Application().HandleException(
            Exception(QStringLiteral("Não foi possível gravar a alteração: %1")
                          .arg(QString::fromUtf8(e.what()))));
    }
}

void TfrmTpOperFil::WritePostedRow() {
    const QString stOperacao = cdsTpOperFilOPERACAO->AsString();
    ShowAviScope avi(this, ShowAviKindServer, msgPadrao->Msg(QStringLiteral("Atual_Server")));
    const QVariant result = netTpOperFil->AppServer().Call(
        QStringLiteral("SetTpOperFil"),
        {stOperacao.left(OperationTypeCodeWidth), medFilial->Text(),
         cdsTpOperFilIDLIBERADO->AsString(), cdsTpOperFilIDLANCMANUAL->AsString(),
         cdsTpOperFilIDENDEMISTPOPFIL->AsString(), ByRef(stInscMuni)});
    cdsTpOperFil->SetData(CheckResultServ(result, true, 0));
    cdsTpOperFil->Locate(QStringLiteral("OPERACAO"), stOperacao);
    cdsTpOperFil->MergeChangeLog();
}

} // namespace ger
