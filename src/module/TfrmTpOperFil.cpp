#include "module/TfrmTpOperFil.h"

#include "framework/HostSettings.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "module/Cli_ger99500.h"
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
    LoadScreen({QStringLiteral(":/forms/Cli_ger99500.dfm")}, Handlers());
}

// Closing the screen releases it (the base form's FormClose); the unit must then forget it, or
// the next IniProc would bring a destroyed screen to the front instead of creating a new one.
TfrmTpOperFil::~TfrmTpOperFil() {
    if (Cli_ger99500::frmTpOperFil != this)
        return;
    Cli_ger99500::frmTpOperFil = nullptr;
    Cli_ger99500::boIdCriado = false;
}

HandlerTable TfrmTpOperFil::Handlers() {
    using F = TfrmTpOperFil;
    HandlerTable h = BaseHandlers();
    AddHandler(h, QStringLiteral("FormCreate"), &F::FormCreate);
    AddHandler(h, QStringLiteral("FormShow"), &F::FormShow);
    AddHandler(h, QStringLiteral("FormActivate"), &F::FormActivate);
    AddHandler(h, QStringLiteral("netTpOperFilBeforeConnect"), &F::netTpOperFilBeforeConnect);
    AddHandler(h, QStringLiteral("pgcTipoOperFiliChange"), &F::pgcTipoOperFiliChange);
    AddHandler(h, QStringLiteral("medFilialEnter"), &F::medFilialEnter);
    AddHandler(h, QStringLiteral("medFilialChange"), &F::medFilialChange);
    AddHandler(h, QStringLiteral("medFilialExit"), &F::medFilialExit);
    AddHandler(h, QStringLiteral("panFilialExit"), &F::panFilialExit);
    AddHandler(h, QStringLiteral("btpFilialBeforePesq"), &F::btpFilialBeforePesq);
    AddHandler(h, QStringLiteral("btpFilialAfterPesq"), &F::btpFilialAfterPesq);
    AddHandler(h, QStringLiteral("cdsTpOperFilIDLIBERADOGetText"),
               &F::cdsTpOperFilIDLIBERADOGetText);
    AddHandler(h, QStringLiteral("cdsTpOperFilIDLANCMANUALGetText"),
               &F::cdsTpOperFilIDLANCMANUALGetText);
    AddHandler(h, QStringLiteral("dbgPadraoColEnter"), &F::dbgPadraoColEnter);
    AddHandler(h, QStringLiteral("dbgPadraoDrawColumnCell"), &F::dbgPadraoDrawColumnCell);
    AddHandler(h, QStringLiteral("dbgPadraoDblClick"), &F::dbgPadraoDblClick);
    AddHandler(h, QStringLiteral("dbgPadraoKeyDown"), &F::dbgPadraoKeyDown);
    AddHandler(h, QStringLiteral("cdsTpOperFilBeforeInsert"), &F::cdsTpOperFilBeforeInsert);
    AddHandler(h, QStringLiteral("cdsTpOperFilBeforeDelete"), &F::cdsTpOperFilBeforeDelete);
    AddHandler(h, QStringLiteral("cdsTpOperFilAfterPost"), &F::cdsTpOperFilAfterPost);
    AddHandler(h, QStringLiteral("dtsTpOperFilStateChange"), &F::dtsTpOperFilStateChange);
    AddHandler(h, QStringLiteral("sbtImportExportClick"), &F::sbtImportExportClick);
    AddHandler(h, QStringLiteral("btnAutomaticoClick"), &F::btnAutomaticoClick);
    return h;
}

void TfrmTpOperFil::BindComponents() {
    TfrmPadrImportExport::BindComponents();
    panFilial = Bind<TPanel>(QStringLiteral("panFilial"));
    lblFilial = Bind<TLabel>(QStringLiteral("lblFilial"));
    medFilial = Bind<TMaskEdit>(QStringLiteral("medFilial"));
    btpFilial = Bind<TBtnPesquisa>(QStringLiteral("btpFilial"));
    edtNmFilial = Bind<TEdit>(QStringLiteral("edtNmFilial"));
    panTpOper = Bind<TPanel>(QStringLiteral("panTpOper"));
    pgcTipoOperFili = Bind<TPageControl>(QStringLiteral("pgcTipoOperFili"));
    tshTipoOperFili = Bind<TTabSheet>(QStringLiteral("tshTipoOperFili"));
    tshTipoOperCli = Bind<TTabSheet>(QStringLiteral("tshTipoOperCli"));
    dbgPadrao = Bind<TDBGrid>(QStringLiteral("dbgPadrao"));
    btnAutomatico = Bind<TButtonFlat>(QStringLiteral("btnAutomatico"));
    sbtIncluir = Bind<TButtonFlat>(QStringLiteral("sbtIncluir"));
    sbtExcluir = Bind<TButtonFlat>(QStringLiteral("sbtExcluir"));
    sbtCancelar = Bind<TButtonFlat>(QStringLiteral("sbtCancelar"));
    imgEndeNaoSele = Bind<TImage>(QStringLiteral("imgEndeNaoSele"));
    imgEndeSele = Bind<TImage>(QStringLiteral("imgEndeSele"));
    netTpOperFil = Bind<TNetConnection>(QStringLiteral("netTpOperFil"));
    cdsTpOperFil = Bind<TClientDataSet>(QStringLiteral("cdsTpOperFil"));
    cdsTpOperFilOPERACAO = Bind<TStringField>(QStringLiteral("cdsTpOperFilOPERACAO"));
    cdsTpOperFilIDLIBERADO = Bind<TStringField>(QStringLiteral("cdsTpOperFilIDLIBERADO"));
    cdsTpOperFilIDLANCMANUAL = Bind<TStringField>(QStringLiteral("cdsTpOperFilIDLANCMANUAL"));
    cdsTpOperFilCDFILIAL = Bind<TStringField>(QStringLiteral("cdsTpOperFilCDFILIAL"));
    cdsTpOperFilCDTIPOOPER = Bind<TStringField>(QStringLiteral("cdsTpOperFilCDTIPOOPER"));
    cdsTpOperFilIDENDEMISTPOPFIL =
        Bind<TStringField>(QStringLiteral("cdsTpOperFilIDENDEMISTPOPFIL"));
    dtsTpOperFil = Bind<TDataSource>(QStringLiteral("dtsTpOperFil"));
    qryFilial = Bind<TADOIBQuery>(QStringLiteral("qryFilial"));
    qryFilialCDFILIAL = Bind<TADOIBStringField>(QStringLiteral("qryFilialCDFILIAL"));
    qryFilialNMFILIAL = Bind<TADOIBStringField>(QStringLiteral("qryFilialNMFILIAL"));
    qryFilialCDEMPRESA = Bind<TADOIBStringField>(QStringLiteral("qryFilialCDEMPRESA"));
    qryFilialCDINSCESTA = Bind<TADOIBStringField>(QStringLiteral("qryFilialCDINSCESTA"));
    qryFilialCDINSCMUNI = Bind<TADOIBStringField>(QStringLiteral("qryFilialCDINSCMUNI"));
    qryFilialCDSERIE = Bind<TADOIBStringField>(QStringLiteral("qryFilialCDSERIE"));
    dtsFilial = Bind<TDataSource>(QStringLiteral("dtsFilial"));
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
}

void TfrmTpOperFil::LoadBranchOperationTypes() {
    const QVariant packet =
        netTpOperFil->AppServer().Call(QStringLiteral("GetTpOperFil"), {medFilial->Text()});
    cdsTpOperFil->SetData(packet.toByteArray());
}

// The toolbar follows the active page: sbtIncluir and sbtExcluir serve the client page only,
// the bulk registration the branch page only.
void TfrmTpOperFil::pgcTipoOperFiliChange(TObject*) {
    const bool isClientPage = pgcTipoOperFili->ActivePage() == tshTipoOperCli;
    sbtIncluir->SetVisible(isClientPage);
    sbtExcluir->SetVisible(isClientPage);
    btnAutomatico->SetEnabled(!isClientPage);
    sbtCancel->SetTop(isClientPage ? CancelTopClientPage : CancelTopBranchPage);
}

} // namespace ger
