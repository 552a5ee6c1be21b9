// The municipal registration of TfrmDadosEmissaoNF (kind "Empresa" only), its lookup among the
// company's registrations and its check, and the confirmation that hands the chosen kind and
// registration to the main screen's current row, whose post writes them to the server.
//
// The company is the main screen's branch's (TfrmTpOperFil::CompanyOfBranch). The lookup and
// toolbar buttons take no focus, so a click on sbtConfirma leaves edtInscMuni's exit unrun:
// the confirmation runs the check itself.

#include "framework/CodeFunctions.h"
#include "framework/MensErro.h"
#include "framework/TButtonFlat.h"
#include "framework/TMessages.h"
#include "module/Cli_ger99500.h"
#include "module/TfrmDadosEmissaoNF.h"
#include "module/TfrmTpOperFil.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/sql/TADOIBQuery.h"
#include "platform/sql/TADOIBStringField.h"

namespace ger {
namespace {

const QString CompanyKind = QStringLiteral("M");
const QString NoAddress = QStringLiteral("NAO_CADASTRADO");

} // namespace

void TfrmDadosEmissaoNF::btpInscMuniBeforePesq(TObject*, bool&) {
    qryInscMunicip->Close();
    qryInscMunicip->ParamByName(QStringLiteral("P_CDEMPRESA"))
        .SetAsString(Cli_ger99500::MainScreen().CompanyOfBranch());
    qryInscMunicip->ParamByName(QStringLiteral("P_CDINSCMUNI")).SetAsString(QString());
    qryInscMunicip->ParamByName(QStringLiteral("P_TCDINSCMUNI")).SetAsString(QStringLiteral("T"));
    qryInscMunicip->Open();
}

void TfrmDadosEmissaoNF::btpInscMuniAfterPesq(TObject*) {
    edtInscMuni->SetText(qryInscMunicipCDINSCMUNI->AsString());
}

void TfrmDadosEmissaoNF::edtInscMuniChange(TObject*) {
    if (!sbtConfirma->Enabled())
        sbtConfirma->SetEnabled(true);
}

void TfrmDadosEmissaoNF::edtInscMuniExit(TObject*) {
    Vd_InscMuni();
}

// The registration as typed (neither trimmed nor padded) must be one of the company's; the
// query stays open afterwards.
void TfrmDadosEmissaoNF::Vd_InscMuni() {
    if (EmptyString(edtInscMuni->Text())) {
        edtInscMuni->SetFocus();
        MensErro(msgPadrao->Msg(QStringLiteral("Insc_Muni")), true);
    }
    qryInscMunicip->Close();
    qryInscMunicip->ParamByName(QStringLiteral("P_CDEMPRESA"))
        .SetAsString(Cli_ger99500::MainScreen().CompanyOfBranch());
    qryInscMunicip->ParamByName(QStringLiteral("P_CDINSCMUNI")).SetAsString(edtInscMuni->Text());
    qryInscMunicip->ParamByName(QStringLiteral("P_TCDINSCMUNI")).SetAsString(QString());
    qryInscMunicip->Open();
    if (!qryInscMunicip->IsEmpty())
        return;
    edtInscMuni->SetFocus();
    MensErro(msgPadrao->Msg(QStringLiteral("InscMuni_cad")), true);
}

void TfrmDadosEmissaoNF::sbtConfirmaClick(TObject*) {
    const QString code = SelectedKindCode();
    if (cdsDadosEmissaoNFEXISTEINFO->AsString() == NoAddress) {
        cbbSelecaoEndereco->SetFocus();
        MensErro(msgPadrao->Msg(QStringLiteral("ENDERECO_NAO_CADASTRADO")), true);
    }
    if (code == CompanyKind)
        edtInscMuniExit(edtInscMuni);
    TfrmTpOperFil& main = Cli_ger99500::MainScreen();
    if (!IsEditMode(main.cdsTpOperFil->State()))
        main.cdsTpOperFil->Edit();
    main.cdsTpOperFilIDENDEMISTPOPFIL->SetAsString(code);
    main.stInscMuni = edtInscMuni->Text();
    main.cdsTpOperFil->Post();
    sbtConfirma->SetEnabled(false);
}

} // namespace ger
