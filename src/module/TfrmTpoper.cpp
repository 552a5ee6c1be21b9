#include "module/TfrmTpoper.h"

#include "framework/CodeFunctions.h"
#include "framework/Lookup.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TMessages.h"
#include "module/Cli_ger99501.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TRadioButton.h"
#include "platform/sql/TADOIBQuery.h"

namespace ger {
namespace {

constexpr int Sim = 0;
constexpr int Nao = 1;
constexpr int OwnAddress = 0;

} // namespace

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

// Checking "Lista" runs its click handler, as a click does: the three lookup buttons are
// enabled.
void TfrmTpoper::FormCreate(TObject* Sender) {
    TfrmRotiGeral::FormCreate(Sender);
    rdbLInscEst->SetChecked(true);
    rdbLFilial->SetChecked(true);
    rdbLTpOper->SetChecked(true);
    cbbLiberado->SetItemIndex(Sim);
    cbbLancMan->SetItemIndex(Nao);
    cbbSelecaoEndereco->SetItemIndex(OwnAddress);
    Cli_ger99501::stdInscEst.clear();
    Cli_ger99501::stdFilial.clear();
    Cli_ger99501::stdTpoOper.clear();
    Cli_ger99501::stdLancMan.clear();
    Cli_ger99501::stdLiber.clear();
}

// "Todos" on state registrations also empties the branch list, which was drawn from them.
void TfrmTpoper::rdbTInscEstClick(TObject*) {
    btnInsEst->SetEnabled(false);
    Cli_ger99501::stdInscEst.clear();
    Cli_ger99501::stdFilial.clear();
}

void TfrmTpoper::rdbTFilialClick(TObject*) {
    btnFilial->SetEnabled(false);
    Cli_ger99501::stdFilial.clear();
}

void TfrmTpoper::rdbTTpOperClick(TObject*) {
    btnTpOperacao->SetEnabled(false);
    Cli_ger99501::stdTpoOper.clear();
}

void TfrmTpoper::rdbLInscEstClick(TObject*) {
    btnInsEst->SetEnabled(true);
}

void TfrmTpoper::rdbLFilialClick(TObject*) {
    btnFilial->SetEnabled(true);
}

void TfrmTpoper::rdbLTpOperClick(TObject*) {
    btnTpOperacao->SetEnabled(true);
}

void TfrmTpoper::btnInsEstClick(TObject*) {
    qryInscEst->Close();
    qryInscEst->Open();
    PesquisaLista(dtsInscEst, QStringLiteral("CDINSCESTA"),
                  msgPadrao->Msg(QStringLiteral("Insc_Est")), false, Cli_ger99501::stdInscEst);
}

// The branches offered are those of the chosen state registrations (found in the list by
// substring), or every branch for "Todos".
void TfrmTpoper::btnFilialClick(TObject*) {
    if (rdbLInscEst->Checked() && EmptyString(Cli_ger99501::stdInscEst)) {
        msgPadrao->ShowMsg(QStringLiteral("Insc_Est_Info"), mtError, mbOK, 0);
        return;
    }
    qryFilial->Close();
    if (rdbTInscEst->Checked()) {
        qryFilial->ParamByName(QStringLiteral("P_CDINSCESTA")).Clear();
        qryFilial->ParamByName(QStringLiteral("P_TCDINSCESTA")).SetAsString(QStringLiteral("T"));
    } else {
        qryFilial->ParamByName(QStringLiteral("P_TCDINSCESTA")).Clear();
        qryFilial->ParamByName(QStringLiteral("P_CDINSCESTA"))
            .SetAsString(Cli_ger99501::stdInscEst);
    }
    qryFilial->Open();
    PesquisaLista(dtsFilial, QStringLiteral("CDFILIAL"), msgPadrao->Msg(QStringLiteral("filial")),
                  false, Cli_ger99501::stdFilial);
}

void TfrmTpoper::btnTpOperacaoClick(TObject*) {
    qryTpOper->Close();
    qryTpOper->Open();
    PesquisaLista(dtsTpOper, QStringLiteral("CDTIPOOPER"),
                  msgPadrao->Msg(QStringLiteral("Tp_Oper")), false, Cli_ger99501::stdTpoOper);
}

} // namespace ger
