#pragma once
// TfrmTpOperFil: screen GER99500, "Tipo de Operação por Filial", a child window of the host's
// main window. For one branch at a time it lists the branch's operation types and lets the user
// set, per row, whether the type is released for the branch, whether it allows manual entries,
// and which address of the branch goes on its invoices.
//
// Its components and handlers are named in the form data Cli_ger99500.dfm (read on top of the
// base form's) and nowhere else: the build writes the members, their binding and the handler
// table from it (GER_FORM_DATA). The handlers are split by subject:
//   TfrmTpOperFil.cpp       construction, FormCreate, FormShow, FormActivate, the connection
//   TfrmTpOperFilPanel.cpp  the branch panel: medFilial, btpFilial, Vd_Filial, panFilialExit
//   TfrmTpOperFilGrid.cpp   the grid dbgPadrao: texts, column editing, drawing, the dialogs
//   TfrmTpOperFilWrite.cpp  the confirm button and the write of a posted row
//   TfrmTpOperFilClient.cpp       the client page's panel: the client, its check, the fetch
//   TfrmTpOperFilClientGrid.cpp   the client page's grid: new rows, their checks, removals,
//                                 the toolbar
//   TfrmTpOperFilClientWrite.cpp  the writes of the client page's additions and removals
//
// States of the screen, worked through (ModuFili false, FiliProc "0001"):
//   IniProc                 medFilial "0001" proposed, focus in it, grid closed
//   Tab                     Vd_Filial checks 0001 in FILIAL (name shown), then panFilialExit
//                           loads GetTpOperFil("0001") into cdsTpOperFil: the grid fills
//   "Não" in column 2, Down the row is posted; cdsTpOperFilAfterPost sends SetTpOperFil and
//                           reloads the branch's list, standing on the edited row
//   focus back to medFilial medFilialEnter closes cdsTpOperFil: the grid is empty again
//
// The branch of every server call is the text of medFilial at the moment of the call; the
// screen keeps no other copy of it. The connection netTpOperFil opens in FormCreate and stays
// open while the screen lives; the dialogs GER99501 and GER99502 call through it.

#include "framework/TfrmPadrImportExport.h"
#include "module/ModuleExport.h"
#include "module/TfrmTpOperFil_form.h"

namespace ger {

class TDataSet;

class GER_MODULE_EXPORT TfrmTpOperFil : public TfrmPadrImportExport {
    GER_FORM_DATA(TfrmTpOperFil);

public:
    explicit TfrmTpOperFil(TComponent* AOwner);
    ~TfrmTpOperFil() override;

    // The entry/exit indicator of the operation types a client may be given: what the client
    // page lists, looks up and writes.
    static constexpr QStringView ClientOperationsKind = u"S";

    // The municipal registration that screen GER99502 chose for the current row, sent by
    // reference with every write; this screen never sets it itself.
    QString stInscMuni;

    // Checks the branch of medFilial against FILIAL (TfrmTpOperFilPanel.cpp).
    void Vd_Filial();
    // Checks the client of medCdCliente against CLIENTE (TfrmTpOperFilClient.cpp).
    void Vd_Cliente();
    // Checks and completes the operation type of the client grid's row; an empty code is an
    // error only when boTestaVazio is true (TfrmTpOperFilClientGrid.cpp).
    void Vd_TpOperacao(bool boTestaVazio);
    // Refuses a type the client already had when the insert or edit began.
    void Vd_OperCli();
    // Enables the toolbar buttons for the state of the active page's dataset.
    void Atualiza_Botoes();
    // The company (CDEMPRESA) of the branch in medFilial, for screen GER99502: the branch
    // query's when it stands on that branch, else (the host bound the module to one branch,
    // so no check ran) the branch query run for it; empty for an unknown branch.
    QString CompanyOfBranch();

private:
    // GetTpOperFil for the branch in medFilial, loaded as it comes into cdsTpOperFil.
    void LoadBranchOperationTypes();
    // Steps 2 to 8 of the write of a posted row, under the handler's exception guard.
    void WritePostedRow();
    // The dataset the confirm button posts: the branch grid's while it is being edited, else
    // the client grid's while that is; null when neither is.
    TDataSet* DataSetToConfirm() const;
    // The grid's current field is the address kind (column 4).
    bool IsAddressColumnSelected() const;

    // Runs qryCliente for the registration number in medCdCliente; true when it found one.
    bool FindClient();
    // GetTipoOperCli for the branch in medFilial and the client found by the last check,
    // loaded into cdsTpOperCli.
    void LoadClientOperationTypes();
    // The client grid's current field is the operation type code.
    bool IsClientCodeColumnSelected() const;
    void FocusClientCodeColumn();
    // The writes of the client page (TfrmTpOperFilClientWrite.cpp).
    void WriteClientAddition();
    void WriteClientRemoval();
    void SendPendingRemovals(QString& stFornCli);
    void SettleClientChangeLog(int confirmedOtherChanges);
};

} // namespace ger
