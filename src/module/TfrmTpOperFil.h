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

    // The municipal registration that screen GER99502 chose for the current row, sent by
    // reference with every write; this screen never sets it itself.
    QString stInscMuni;

    // Checks the branch of medFilial against FILIAL (TfrmTpOperFilPanel.cpp).
    void Vd_Filial();
    // The company (CDEMPRESA) of the branch in medFilial, for screen GER99502: the branch
    // query's when it stands on that branch, else (the host bound the module to one branch,
    // so no check ran) the branch query run for it; empty for an unknown branch.
    QString CompanyOfBranch();

private:
    // GetTpOperFil for the branch in medFilial, loaded as it comes into cdsTpOperFil.
    void LoadBranchOperationTypes();
    // Steps 2 to 8 of the write of a posted row, under the handler's exception guard.
    void WritePostedRow();
    // The dataset the confirm button posts, or null when none is being edited.
    TDataSet* DataSetToConfirm() const;
    // The grid's current field is the address kind (column 4).
    bool IsAddressColumnSelected() const;
    // The grid's display row holds a posted change the server did not take.
    bool IsRowUnsaved(int row) const;
};

} // namespace ger
