// The branch panel of TfrmTpOperFil: typing or looking up a branch, its check against FILIAL,
// and the loading of its operation types when the focus leaves the panel.
//
// Order of events, focus in medFilial, a valid branch typed, Tab to the grid:
//   medFilialExit (Vd_Filial: padded, checked, name shown), panFilialExit (GetTpOperFil, grid
//   filled), then the grid's OnEnter.
// With an empty or unknown branch Vd_Filial focuses medFilial again and ends through MensErro:
// the focus move stops there, so panFilialExit, and with it the loading, does not run.
// Moving between the controls of the panel runs no panFilialExit.

#include "framework/CodeFunctions.h"
#include "framework/MensErro.h"
#include "framework/TMessages.h"
#include "module/TfrmTpOperFil.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/sql/TADOIBQuery.h"
#include "platform/sql/TADOIBStringField.h"

namespace ger {
namespace {

constexpr int BranchCodeWidth = 4;

} // namespace

void TfrmTpOperFil::medFilialEnter(TObject*) {
    cdsTpOperFil->Close();
}

void TfrmTpOperFil::medFilialChange(TObject*) {
    edtNmFilial->Clear();
}

void TfrmTpOperFil::medFilialExit(TObject*) {
    Vd_Filial();
}

void TfrmTpOperFil::panFilialExit(TObject*) {
    LoadBranchOperationTypes();
}

void TfrmTpOperFil::btpFilialBeforePesq(TObject*, bool&) {
    qryFilial->Close();
    qryFilial->ParamByName(QStringLiteral("P_CDFILIAL")).SetAsString(QString());
    qryFilial->ParamByName(QStringLiteral("P_TCDFILIAL")).SetAsString(QStringLiteral("T"));
    qryFilial->Open();
}

// The lookup button has already moved the focus into medFilial (TBtnPesquisa): the chosen
// branch is checked and its operation types loaded when the user leaves the edit, as a typed
// one is, and entering the edit closed the grid, so no row of the previous branch's list can
// be written under the new branch.
void TfrmTpOperFil::btpFilialAfterPesq(TObject*) {
    medFilial->SetText(qryFilialCDFILIAL->AsString());
    edtNmFilial->SetText(qryFilialNMFILIAL->AsString());
}

QString TfrmTpOperFil::CompanyOfBranch() {
    if (!qryFilial->Active() || qryFilial->IsEmpty() ||
        qryFilialCDFILIAL->AsString() != medFilial->Text()) {
        qryFilial->Close();
        qryFilial->ParamByName(QStringLiteral("P_CDFILIAL")).SetAsString(medFilial->Text());
        qryFilial->ParamByName(QStringLiteral("P_TCDFILIAL")).SetAsString(QString());
        qryFilial->Open();
    }
    return qryFilialCDEMPRESA->AsString();
}

void TfrmTpOperFil::Vd_Filial() {
    if (EmptyString(medFilial->Text())) {
        medFilial->SetFocus();
        MensErro(msgPadrao->Msg(QStringLiteral("Filial_Inf")), true);
    }
    medFilial->SetText(Ajusta(medFilial->Text(), BranchCodeWidth));
    qryFilial->Close();
    qryFilial->ParamByName(QStringLiteral("P_CDFILIAL")).SetAsString(medFilial->Text());
    qryFilial->ParamByName(QStringLiteral("P_TCDFILIAL")).SetAsString(QString());
    qryFilial->Open();
    if (!qryFilial->IsEmpty()) {
        edtNmFilial->SetText(qryFilialNMFILIAL->AsString());
        return;
    }
    medFilial->SetFocus();
    MensErro(msgPadrao->Msg(QStringLiteral("Filial_Cad")), true);
}

} // namespace ger
