#include "module/TfrmTpOperFil.h"

#include "framework/HostSettings.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "module/Cli_ger99500.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "platform/net/NetExceptions.h"
#include "platform/sql/TADOIBQuery.h"
#include "platform/sql/TADOIBStringField.h"
#include "server/TNetConnection.h"

namespace ger {
namespace {

// Toolbar positions of sbtCancel: in the place of the hidden sbtIncluir while the branch page
// is active, below sbtCancelar (its place in the form data) while the client page is.
constexpr int CancelTopBranchPage = 52;
constexpr int CancelTopClientPage = 123;

} // namespace

TfrmTpOperFil::TfrmTpOperFil(TComponent* AOwner)
    : TfrmPadrImportExport(AOwner, DerivedScreen) {
    LoadScreenForm();
}

// Closing the screen releases it (the base form's FormClose); the unit must then forget it, or
// the next IniProc would bring a destroyed screen to the front instead of creating a new one.
TfrmTpOperFil::~TfrmTpOperFil() {
    if (Cli_ger99500::frmTpOperFil != this)
        return;
    Cli_ger99500::frmTpOperFil = nullptr;
    Cli_ger99500::boIdCriado = false;
}

void TfrmTpOperFil::FormCreate(TObject* Sender) {
    TfrmPadrImportExport::FormCreate(Sender);
    netTpOperFil->SetConnected(true);
    dbgPadrao->Columns()[0]->SetReadOnly(true);
    sbtIncluir->SetVisible(false);
    sbtExcluir->SetVisible(false);
    sbtCancel->SetTop(CancelTopBranchPage);
}

void TfrmTpOperFil::FormShow(TObject*) {
    const bool isBranchFree = !ModuFili();
    lblFilial->SetEnabled(isBranchFree);
    medFilial->SetEnabled(isBranchFree);
    btpFilial->SetEnabled(isBranchFree);
    medFilial->SetText(FiliProc());
    edtNmFilial->SetText(NomeFiliProc());
    if (ModuFili())
        LoadBranchOperationTypes();
}

void TfrmTpOperFil::FormActivate(TObject*) {
    Repaint();
}

void TfrmTpOperFil::netTpOperFilBeforeConnect(TObject*) {
    netTpOperFil->SetPort(WebPort());
    netTpOperFil->SetHost(WebURL());
    netTpOperFil->setCallTimeout(WebTimeout() * 1000);
}

// A failed fetch says first, for the user, what could not be done; then what the transport or
// the server said, for support.
void TfrmTpOperFil::LoadBranchOperationTypes() {
    const auto withContext = [this](const Exception& e) {
        return QStringLiteral("Não foi possível carregar os tipos de operação da filial %1: %2")
            .arg(medFilial->Text(), e.Message());
    };
    QVariant packet;
    try {
        packet =
            netTpOperFil->AppServer().Call(QStringLiteral("GetTpOperFil"), {medFilial->Text()});
    } catch (const ERemoteError& e) {
        throw ERemoteError(withContext(e));
    } catch (const ETransportError& e) {
        throw ETransportError(withContext(e));
    }
    cdsTpOperFil->SetData(packet.toByteArray());
}

// The toolbar follows the active page: sbtIncluir and sbtExcluir serve the client page only,
// the bulk registration the branch page only. Showing the client page always starts from an
// empty client (its OnChange empties the name too); the branch page clears nothing.
void TfrmTpOperFil::pgcTipoOperFiliChange(TObject*) {
    const bool isClientPage = pgcTipoOperFili->ActivePage() == tshTipoOperCli;
    sbtIncluir->SetVisible(isClientPage);
    sbtExcluir->SetVisible(isClientPage);
    btnAutomatico->SetEnabled(!isClientPage);
    sbtCancel->SetTop(isClientPage ? CancelTopClientPage : CancelTopBranchPage);
    if (isClientPage)
        medCdCliente->Clear();
}

} // namespace ger
