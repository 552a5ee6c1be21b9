// The writes of the page "Tipo de Operação por Cliente": every addition (SetTipoOperCli) and
// every removal (DelTipoOperCli) goes to the application server as soon as it is made.
//
// What the grid shows as saved is always what the server holds:
// - a removal the server did not take stays in the change log and goes again before the next
//   write, so DelTipoOperCli always carries every removal not yet confirmed and nothing else;
// - an addition the server did not take stays in the grid, marked as not saved, and in the
//   change log;
// - after a successful write the change log is merged only when it held nothing but what was
//   just confirmed; otherwise (an addition that failed earlier) the client's list is loaded
//   again, and the unsaved row gives way to what the server holds.
// A failure is shown once, here: the row stays as it is on screen, and nothing is resent by
// itself.

#include "framework/CheckResultServ.h"
#include "framework/PendingRemovals.h"
#include "framework/ShowAvi.h"
#include "framework/TMessages.h"
#include "module/TfrmTpOperFil.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/sql/TADOIBStringField.h"
#include "server/TNetConnection.h"

namespace ger {
namespace {

// Runs a write and shows what made it fail, after a sentence for the user; a failed result
// was shown already by CheckResultServ.
template <typename Write> void ReportingFailure(const QString& what, Write write) {
    try {
        write();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        Application().HandleException(Exception(QStringLiteral("Não foi possível gravar %1: %2")
                                                    .arg(what, QString::fromUtf8(e.what()))));
    }
}

} // namespace

void TfrmTpOperFil::cdsTpOperCliAfterPost(TDataSet*) {
    ShowAviScope avi(this, ShowAviKindServer, msgPadrao->Msg(QStringLiteral("Atual_Server")));
    if (cdsTpOperCli->ChangeCount() == 0)
        return;
    ReportingFailure(QStringLiteral("a inclusão"), [this] { WriteClientAddition(); });
}

void TfrmTpOperFil::cdsTpOperCliAfterDelete(TDataSet*) {
    ShowAviScope avi(this, ShowAviKindServer, msgPadrao->Msg(QStringLiteral("Atual_Server")));
    if (cdsTpOperCli->ChangeCount() == 0)
        return;
    ReportingFailure(QStringLiteral("a exclusão"), [this] { WriteClientRemoval(); });
}

void TfrmTpOperFil::WriteClientAddition() {
    QString stFornCli = qryClienteCDCLIENTE->AsString();
    SendPendingRemovals(stFornCli);
    const QVariant result = netTpOperFil->AppServer().Call(QStringLiteral("SetTipoOperCli"),
                                                           {medFilial->Text(), ByRef(stFornCli),
                                                            cdsTpOperCliCDTIPOOPER->AsString(),
                                                            ClientOperationsKind.toString()});
    CheckResultServ(result, true, 0);
    SettleClientChangeLog(1);
}

void TfrmTpOperFil::WriteClientRemoval() {
    if (PendingRemovals(*cdsTpOperCli).Count() == 0)
        return;
    QString stFornCli = qryClienteCDCLIENTE->AsString();
    SendPendingRemovals(stFornCli);
    SettleClientChangeLog(0);
}

void TfrmTpOperFil::SendPendingRemovals(QString& stFornCli) {
    const PendingRemovals pending(*cdsTpOperCli);
    if (pending.Count() == 0)
        return;
    const QVariant result = netTpOperFil->AppServer().Call(QStringLiteral("DelTipoOperCli"),
                                                           {pending.Delta(), ByRef(stFornCli)});
    CheckResultServ(result, true, 0);
}

// Every removal in the log was confirmed, and `confirmedOtherChanges` of its other changes.
void TfrmTpOperFil::SettleClientChangeLog(int confirmedOtherChanges) {
    if (PendingRemovals(*cdsTpOperCli).OtherChanges() <= confirmedOtherChanges) {
        cdsTpOperCli->MergeChangeLog();
        return;
    }
    const QString current = cdsTpOperCliCDTIPOOPER->AsString();
    LoadClientOperationTypes();
    cdsTpOperCli->Locate(QStringLiteral("CDTIPOOPER"), current);
}

} // namespace ger
