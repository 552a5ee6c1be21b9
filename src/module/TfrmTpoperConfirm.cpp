// The confirmation of TfrmTpoper: the three selections checked in order, the question when the
// write reaches every branch, then one SetGravaAut with the unit's strings by reference, whose
// answer (the main screen's branch's list) is loaded into the main screen's grid.
//
// A failed check shows its message and leaves everything as it was; a refused question closes
// the screen and sends nothing; a failed write leaves the screen open with its selections, the
// "S"/"N" values and the "T" fillings.

#include "framework/CheckResultServ.h"
#include "framework/CodeFunctions.h"
#include "framework/ShowAvi.h"
#include "framework/TMessages.h"
#include "module/AddressKind.h"
#include "module/Cli_ger99500.h"
#include "module/Cli_ger99501.h"
#include "module/TfrmTpOperFil.h"
#include "module/TfrmTpoper.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TRadioButton.h"
#include "server/TNetConnection.h"

namespace ger {
namespace {

constexpr int Sim = 0;

QString FlagCode(const TComboBox* combo) {
    return combo->ItemIndex() == Sim ? QStringLiteral("S") : QStringLiteral("N");
}

// A list left empty means all.
void FillAll(QString& list) {
    if (EmptyString(list))
        list = QStringLiteral("T");
}

} // namespace

void TfrmTpoper::sbtConfirmaClick(TObject*) {
    if (!SelectionsAreComplete())
        return;
    if ((rdbTInscEst->Checked() || rdbTFilial->Checked()) &&
        msgPadrao->ShowMsg(QStringLiteral("Conf_Todas_Alt"), mtConfirmation,
                           TMsgDlgButtons(mbYes) | mbNo, 0) != mrYes) {
        Close();
        return;
    }
    WriteSelections();
}

bool TfrmTpoper::SelectionsAreComplete() {
    const auto missing = [this](const TRadioButton* list, const QString& chosen,
                                const char* message) {
        if (!list->Checked() || !EmptyString(chosen))
            return false;
        msgPadrao->ShowMsg(QString::fromLatin1(message), mtError, mbOK, 0);
        return true;
    };
    return !missing(rdbLInscEst, Cli_ger99501::stdInscEst, "Insc_Est_Info") &&
           !missing(rdbLFilial, Cli_ger99501::stdFilial, "Inf_Fil") &&
           !missing(rdbLTpOper, Cli_ger99501::stdTpoOper, "Inf_TpOper");
}

void TfrmTpoper::WriteSelections() {
    using namespace Cli_ger99501;
    stdLiber = FlagCode(cbbLiberado);
    stdLancMan = FlagCode(cbbLancMan);
    FillAll(stdFilial);
    FillAll(stdInscEst);
    FillAll(stdTpoOper);
    QString stIdTpEndeFili = AddressKindCode(cbbSelecaoEndereco->ItemIndex());
    TfrmTpOperFil& main = Cli_ger99500::MainScreen();
    {
        ShowAviScope avi(&main, ShowAviKindServer, msgPadrao->Msg(QStringLiteral("Grav_Ser")));
        const QVariant result = main.netTpOperFil->AppServer().Call(
            QStringLiteral("SetGravaAut"),
            {ByRef(stdInscEst), ByRef(stdFilial), ByRef(stdTpoOper), ByRef(stdLiber),
             ByRef(stdLancMan), main.medFilial->Text(), ByRef(stIdTpEndeFili)});
        main.cdsTpOperFil->SetData(CheckResultServ(result, true, 0));
    }
    msgPadrao->ShowMsg(QStringLiteral("Grav_suce"), mtInformation, mbOK, 0);
    Close();
}

} // namespace ger
