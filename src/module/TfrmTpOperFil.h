#pragma once
// TfrmTpOperFil: screen GER99500, "Tipo de Operação por Filial", a child window of the host's
// main window. For one branch at a time it lists the branch's operation types and lets the user
// set, per row, whether the type is released for the branch, whether it allows manual entries,
// and which address of the branch goes on its invoices.
//
// Components, handlers and their bindings come from the form data Cli_ger99500.dfm (read on
// top of the base form's); the handlers are split by subject:
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
#include "platform/forms/grid/GridTypes.h"

namespace ger {

class TADOIBQuery;
class TADOIBStringField;
class TBtnPesquisa;
class TClientDataSet;
class TColumn;
class TDataSet;
class TDataSource;
class TDBGrid;
class TEdit;
class TField;
class TImage;
class TMaskEdit;
class TNetConnection;
class TPageControl;
class TStringField;
class TTabSheet;

class GER_MODULE_EXPORT TfrmTpOperFil : public TfrmPadrImportExport {
public:
    explicit TfrmTpOperFil(TComponent* AOwner);
    ~TfrmTpOperFil() override;

    QString ClassName() const override { return QStringLiteral("TfrmTpOperFil"); }

    // The branch panel.
    TPanel* panFilial = nullptr;
    TLabel* lblFilial = nullptr;
    TMaskEdit* medFilial = nullptr;
    TBtnPesquisa* btpFilial = nullptr;
    TEdit* edtNmFilial = nullptr;
    // The pages and the per-branch grid.
    TPanel* panTpOper = nullptr;
    TPageControl* pgcTipoOperFili = nullptr;
    TTabSheet* tshTipoOperFili = nullptr;
    TTabSheet* tshTipoOperCli = nullptr;
    TDBGrid* dbgPadrao = nullptr;
    // The toolbar's own buttons and the pictures of the grid's address column.
    TButtonFlat* btnAutomatico = nullptr;
    TButtonFlat* sbtIncluir = nullptr;
    TButtonFlat* sbtExcluir = nullptr;
    TButtonFlat* sbtCancelar = nullptr;
    TImage* imgEndeNaoSele = nullptr;
    TImage* imgEndeSele = nullptr;
    // The application server and the data.
    TNetConnection* netTpOperFil = nullptr;
    TClientDataSet* cdsTpOperFil = nullptr;
    TStringField* cdsTpOperFilOPERACAO = nullptr;
    TStringField* cdsTpOperFilIDLIBERADO = nullptr;
    TStringField* cdsTpOperFilIDLANCMANUAL = nullptr;
    TStringField* cdsTpOperFilCDFILIAL = nullptr;
    TStringField* cdsTpOperFilCDTIPOOPER = nullptr;
    TStringField* cdsTpOperFilIDENDEMISTPOPFIL = nullptr;
    TDataSource* dtsTpOperFil = nullptr;
    TADOIBQuery* qryFilial = nullptr;
    TADOIBStringField* qryFilialCDFILIAL = nullptr;
    TADOIBStringField* qryFilialNMFILIAL = nullptr;
    TADOIBStringField* qryFilialCDEMPRESA = nullptr;
    TADOIBStringField* qryFilialCDINSCESTA = nullptr;
    TADOIBStringField* qryFilialCDINSCMUNI = nullptr;
    TADOIBStringField* qryFilialCDSERIE = nullptr;
    TDataSource* dtsFilial = nullptr;

    // The municipal registration that screen GER99502 chose for the current row, sent by
    // reference with every write; this screen never sets it itself.
    QString stInscMuni;

    // Set-up (TfrmTpOperFil.cpp).
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void netTpOperFilBeforeConnect(TObject* Sender);
    void pgcTipoOperFiliChange(TObject* Sender);

    // The branch panel (TfrmTpOperFilPanel.cpp).
    void medFilialEnter(TObject* Sender);
    void medFilialChange(TObject* Sender);
    void medFilialExit(TObject* Sender);
    void panFilialExit(TObject* Sender);
    void btpFilialBeforePesq(TObject* Sender, bool& AllowPesq);
    void btpFilialAfterPesq(TObject* Sender);
    void Vd_Filial();

    // The grid (TfrmTpOperFilGrid.cpp).
    void cdsTpOperFilIDLIBERADOGetText(TField* Sender, QString& Text, bool DisplayText);
    void cdsTpOperFilIDLANCMANUALGetText(TField* Sender, QString& Text, bool DisplayText);
    void dbgPadraoColEnter(TObject* Sender);
    void dbgPadraoDrawColumnCell(TObject* Sender, const TRect& Rect, int DataCol, TColumn* Column,
                                 TGridDrawState State);
    void dbgPadraoDblClick(TObject* Sender);
    void dbgPadraoKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cdsTpOperFilBeforeInsert(TDataSet* DataSet);
    void cdsTpOperFilBeforeDelete(TDataSet* DataSet);
    void dtsTpOperFilStateChange(TObject* Sender);
    void btnAutomaticoClick(TObject* Sender);

    // The write (TfrmTpOperFilWrite.cpp).
    void sbtImportExportClick(TObject* Sender);
    void cdsTpOperFilAfterPost(TDataSet* DataSet);

protected:
    void BindComponents() override;

private:
    HandlerTable Handlers();
    // GetTpOperFil for the branch in medFilial, loaded as it comes into cdsTpOperFil.
    void LoadBranchOperationTypes();
    // Steps 2 to 8 of the write of a posted row, under the handler's exception guard.
    void WritePostedRow();
    // The dataset the confirm button posts, or null when none is being edited.
    TDataSet* DataSetToConfirm() const;
    // The grid's current field is the address kind (column 4).
    bool IsAddressColumnSelected() const;
};

} // namespace ger
