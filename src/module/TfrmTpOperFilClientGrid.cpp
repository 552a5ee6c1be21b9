// The grid dbgTipoOperCli of the page "Tipo de Operação por Cliente": a new row started from
// the toolbar or with F2, its operation type picked from a lookup and checked, the removal of
// a row, and the toolbar following the client dataset's state.
//
// The road of an addition: sbtIncluir (or F2 on the code column) inserts a row, after
// cdsTpOperCliBeforeInsert copied the client's rows into cdsVd_OperCli; the code cell's
// ellipsis (a click, or Ctrl+Enter in its editor) lists the types of indicator "S" and puts
// the chosen one in the row; the confirm button (or leaving the row) posts it:
// cdsTpOperCliBeforePost checks that the type exists (Vd_TpOperacao) and that the client did
// not have it (Vd_OperCli), and cdsTpOperCliAfterPost writes it (TfrmTpOperFilClientWrite.cpp).
// A check that fails shows its message, focuses the code column and keeps the row in insert.
//
// Both columns are read-only: outside insert state the code column swallows every typed
// character, Backspace and Delete (so Ctrl+Delete removes a row only from the name column).

#include "framework/CodeFunctions.h"
#include "framework/IndiceCol.h"
#include "framework/Lookup.h"
#include "framework/MensErro.h"
#include "framework/ShowAvi.h"
#include "framework/TButtonFlat.h"
#include "framework/TMessages.h"
#include "framework/UnsavedRowMark.h"
#include "module/TfrmTpOperFil.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"
#include "platform/forms/DialogTypes.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "platform/sql/TADOIBQuery.h"
#include "platform/sql/TADOIBStringField.h"

namespace ger {
namespace {

constexpr int OperationTypeCodeWidth = 2;
const QString CodeField = QStringLiteral("CDTIPOOPER");

} // namespace

bool TfrmTpOperFil::IsClientCodeColumnSelected() const {
    const TField* field = dbgTipoOperCli->SelectedField();
    return field && field->FieldName() == CodeField;
}

void TfrmTpOperFil::FocusClientCodeColumn() {
    cdsTpOperCliCDTIPOOPER->FocusControl();
}

void TfrmTpOperFil::sbtIncluirClick(TObject*) {
    if (dtsTpOperCli->State() != dsBrowse)
        return;
    TDBGridOptions options = dbgTipoOperCli->Options();
    options.setFlag(dgEditing);
    dbgTipoOperCli->SetOptions(options);
    FocusClientCodeColumn();
    cdsTpOperCli->Insert();
}

// The duplicate check compares with the rows as they were before the new row existed.
void TfrmTpOperFil::cdsTpOperCliBeforeInsert(TDataSet*) {
    ShowAviScope avi(this, ShowAviKindServer, msgPadrao->Msg(QStringLiteral("Atual_Server")));
    if (!cdsVd_OperCli->Active())
        cdsVd_OperCli->CreateDataSet();
    cdsVd_OperCli->EmptyDataSet();
    cdsVd_OperCli->SetData(cdsTpOperCli->Data());
}

void TfrmTpOperFil::cdsTpOperCliBeforeEdit(TDataSet* DataSet) {
    cdsTpOperCliBeforeInsert(DataSet);
}

void TfrmTpOperFil::dbgTipoOperCliEditButtonClick(TObject*) {
    if (!IsClientCodeColumnSelected())
        return;
    qryTipoOperacao->Close();
    qryTipoOperacao->ParamByName(QStringLiteral("P_IDENTRSAIDOP"))
        .SetAsString(ClientOperationsKind.toString());
    qryTipoOperacao->ParamByName(QStringLiteral("P_CDTIPOOPER")).Clear();
    qryTipoOperacao->ParamByName(QStringLiteral("P_TCDTIPOOPER")).SetAsString(QStringLiteral("T"));
    const QString title = msgPadrao->Msg(QStringLiteral("TipoOperacao")) + QLatin1Char('|') +
                          msgPadrao->Msg(QStringLiteral("TipoOperacao_n_cad"));
    if (!Pesquisar(dtsTipoOperacao, title, false, true))
        return;
    if (dtsTpOperCli->State() != dsInsert)
        dtsTpOperCli->Edit();
    cdsTpOperCliCDTIPOOPER->SetAsString(qryTipoOperacaoCDTIPOOPER->AsString());
    cdsTpOperCliNMTIPOOPER->SetAsString(qryTipoOperacaoNMTIPOOPER->AsString());
}

// P_IDENTRSAIDOP keeps the "S" of the lookup, the only way a code reaches the row.
void TfrmTpOperFil::Vd_TpOperacao(bool boTestaVazio) {
    try {
        const QString code = cdsTpOperCliCDTIPOOPER->AsString();
        if (EmptyString(code)) {
            if (IsEditMode(cdsTpOperCli->State()) && !cdsTpOperCliNMTIPOOPER->IsNull())
                cdsTpOperCliNMTIPOOPER->Clear();
            if (boTestaVazio)
                MensErro(msgPadrao->Msg(QStringLiteral("TipoOperacao_DINF")), true);
            return;
        }
        cdsTpOperCliCDTIPOOPER->SetAsString(Ajusta(code, OperationTypeCodeWidth));
        qryTipoOperacao->Close();
        qryTipoOperacao->ParamByName(QStringLiteral("P_CDTIPOOPER"))
            .SetAsString(cdsTpOperCliCDTIPOOPER->AsString());
        qryTipoOperacao->ParamByName(QStringLiteral("P_TCDTIPOOPER")).SetAsString(QString());
        qryTipoOperacao->Open();
        if (qryTipoOperacao->IsEmpty()) {
            cdsTpOperCliNMTIPOOPER->Clear();
            MensErro(msgPadrao->Msg(QStringLiteral("TipoOperacao_NCAD")), true);
        }
        cdsTpOperCliNMTIPOOPER->SetAsString(qryTipoOperacaoNMTIPOOPER->AsString());
    } catch (...) {
        FocusClientCodeColumn();
        throw;
    }
}

void TfrmTpOperFil::dbgTipoOperCliColExit(TObject*) {
    if (IsEditMode(cdsTpOperCli->State()) && IsClientCodeColumnSelected())
        Vd_TpOperacao(false);
}

void TfrmTpOperFil::Vd_OperCli() {
    const QString code = cdsTpOperCliCDTIPOOPER->AsString();
    for (cdsVd_OperCli->First(); !cdsVd_OperCli->Eof(); cdsVd_OperCli->Next()) {
        if (cdsVd_OperCliCDTIPOOPER->AsString() != code)
            continue;
        if (cdsTpOperCli->State() == dsInsert)
            FocusClientCodeColumn();
        MensErro(msgPadrao->Msg(QStringLiteral("OP_J_Cad")), true);
    }
}

// The new row also gets the branch and the client it is written for, as a fetched row has
// them: a removal of it before the next fetch names them to the server.
void TfrmTpOperFil::cdsTpOperCliBeforePost(TDataSet*) {
    cdsTpOperCliNRINSCRICAO->SetAsString(medCdCliente->Text());
    cdsTpOperCliCDFILIAL->SetAsString(medFilial->Text());
    cdsTpOperCliCDFORNCLIE->SetAsString(qryClienteCDCLIENTE->AsString());
    Vd_TpOperacao(true);
    Vd_OperCli();
}

// The delete runs in browse state, which no state change follows: the buttons are worked out
// again for the row count it leaves.
void TfrmTpOperFil::sbtExcluirClick(TObject*) {
    if (!dtsTpOperCli->DataSet() || dtsTpOperCli->State() != dsBrowse || cdsTpOperCli->IsEmpty())
        return;
    if (msgPadrao->ShowMsg(QStringLiteral("Excl"), mtConfirmation, TMsgDlgButtons(mbYes) | mbNo,
                           0) != mrYes)
        return;
    cdsTpOperCli->Delete();
    dtsTpOperCliStateChange(dtsTpOperCli);
}

void TfrmTpOperFil::sbtCancelarClick(TObject*) {
    if (!dtsTpOperCli->DataSet() || !IsEditMode(dtsTpOperCli->State()))
        return;
    if (msgPadrao->ShowMsg(QStringLiteral("Canc"), mtConfirmation, TMsgDlgButtons(mbYes) | mbNo,
                           0) != mrYes)
        return;
    cdsTpOperCli->Cancel();
}

void TfrmTpOperFil::dtsTpOperCliStateChange(TObject*) {
    Atualiza_Botoes();
    const bool editing = IsEditMode(dtsTpOperCli->State());
    dbgTipoOperCli->Columns()[IndiceCol(dbgTipoOperCli, CodeField)]->SetButtonStyle(
        editing ? cbsEllipsis : cbsNone);
}

// On the branch page sbtExcluir is hidden; it is still set there, so that the client page
// shows it with the state it last received until the client dataset changes state again.
void TfrmTpOperFil::Atualiza_Botoes() {
    const bool isBranchPage = pgcTipoOperFili->ActivePage() == tshTipoOperFili;
    const TDataSetState state = (isBranchPage ? dtsTpOperFil : dtsTpOperCli)->State();
    const bool clientHasRows = cdsTpOperCli->Active() && !cdsTpOperCli->IsEmpty();
    sbtCancelar->SetEnabled(IsEditMode(state));
    sbtImportExport->SetEnabled(IsEditMode(state));
    sbtIncluir->SetEnabled(state == dsBrowse);
    if (isBranchPage)
        sbtExcluir->SetEnabled(state == dsBrowse && clientHasRows && cdsTpOperFil->IsEmpty());
    else
        sbtExcluir->SetEnabled(state == dsBrowse && clientHasRows);
}

void TfrmTpOperFil::dbgTipoOperCliKeyDown(TObject*, Word& Key, TShiftState) {
    if (!IsClientCodeColumnSelected() || dtsTpOperCli->State() == dsInsert)
        return;
    if (Key == VK_BACK || Key == VK_DELETE)
        Key = 0;
    if (Key == VK_F2)
        sbtIncluirClick(sbtIncluir);
}

void TfrmTpOperFil::dbgTipoOperCliKeyPress(TObject*, QChar& Key) {
    if (!IsClientCodeColumnSelected() || dtsTpOperCli->State() == dsInsert)
        return;
    if (Key != QLatin1Char('\r'))
        Key = QChar();
}

void TfrmTpOperFil::dbgTipoOperCliDrawColumnCell(TObject*, const TRect& Rect, int DataCol,
                                                 TColumn* Column, TGridDrawState State) {
    DrawUnsavedRowCell(*dbgTipoOperCli, Rect, DataCol, Column, State);
}

void TfrmTpOperFil::dbgTipoOperCliMouseMove(TObject*, TShiftState, int X, int Y) {
    ShowUnsavedRowHint(*dbgTipoOperCli, X, Y);
}

} // namespace ger
