#include "module/TfrmDadosEmissaoNF.h"

#include "framework/CheckResultServ.h"
#include "framework/CodeFunctions.h"
#include "framework/ShowAvi.h"
#include "framework/TButtonFlat.h"
#include "module/AddressKind.h"
#include "module/Cli_ger99500.h"
#include "module/Cli_ger99502.h"
#include "module/TfrmTpOperFil.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/MaskPattern.h"
#include "platform/forms/TColor.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMaskEdit.h"
#include "server/TNetConnection.h"

namespace ger {
namespace {

const QString CompanyKind = QStringLiteral("M");
constexpr int CpfLength = 11;
constexpr int CnpjLength = 14;

} // namespace

TfrmDadosEmissaoNF::TfrmDadosEmissaoNF(TComponent* AOwner)
    : TfrmRotiGeral(AOwner, DerivedScreen) {
    LoadScreenForm();
}

// A dialog destroyed without closing (by the module's Finalize, or with the application) must
// not stay in the unit's variable, or the next opening would re-use a destroyed dialog.
TfrmDadosEmissaoNF::~TfrmDadosEmissaoNF() {
    if (Cli_ger99502::frmDadosEmissaoNF != this)
        return;
    Cli_ger99502::frmDadosEmissaoNF = nullptr;
    Cli_ger99502::boIdCriado = false;
}

// The empty item (index 7) and no selection give the empty code.
QString TfrmDadosEmissaoNF::SelectedKindCode() const {
    return AddressKindCode(cbbSelecaoEndereco->ItemIndex());
}

void TfrmDadosEmissaoNF::FormClose(TObject* Sender, TCloseAction& Action) {
    Cli_ger99502::boIdCriado = false;
    TfrmRotiGeral::FormClose(Sender, Action);
}

// Whatever fails, the animation goes and the exception goes on to the opening, which shows it:
// the main screen is left as it was.
void TfrmDadosEmissaoNF::FormShow(TObject*) {
    try {
        LoadIssuingData();
    } catch (...) {
        DeactiveShowAvi();
        throw;
    }
}

void TfrmDadosEmissaoNF::LoadIssuingData() {
    TfrmTpOperFil& main = Cli_ger99500::MainScreen();
    medFilial->SetText(main.medFilial->Text());
    edtNmFilial->SetText(main.edtNmFilial->Text());
    ActiveShowAvi(this, ShowAviKindDialog);
    const QVariant result = main.netTpOperFil->AppServer().Call(QStringLiteral("GetDadosEmissaoNF"),
                                                                {main.medFilial->Text()});
    cdsDadosEmissaoNF->SetData(CheckResultServ(result, true, 0));
    DeactiveShowAvi();
    const int index = AddressKindIndex(main.cdsTpOperFilIDENDEMISTPOPFIL->AsString().left(1));
    if (index >= 0)
        cbbSelecaoEndereco->SetItemIndex(index);
    PosicionaEndereco();
    edtInscMuni->SetText(cdsDadosEmissaoNFCDINSCMUNIEMP->AsString());
    sbtConfirma->SetEnabled(false);
}

void TfrmDadosEmissaoNF::PosicionaEndereco() {
    const QString code = SelectedKindCode();
    cdsDadosEmissaoNF->Locate(QStringLiteral("IDTPENDEFILI"), code);
    const bool isCompany = code == CompanyKind;
    lblInscMuni->SetEnabled(isCompany);
    edtInscMuni->SetEnabled(isCompany);
    btpInscMuni->SetEnabled(isCompany);
    if (isCompany)
        edtInscMuni->SetColor(clInfoBk);
    else
        edtInscMuni->Clear();
}

void TfrmDadosEmissaoNF::cbbSelecaoEnderecoChange(TObject*) {
    PosicionaEndereco();
    sbtConfirma->SetEnabled(true);
}

// A CPF (11 characters) or a CNPJ (14, digits or letters) in its mask; any other length as
// stored.
void TfrmDadosEmissaoNF::cdsDadosEmissaoNFNRINSJURFILIGetText(TField* Sender, QString& Text, bool) {
    const QString stored = Sender->AsString();
    if (stored.length() == CpfLength)
        Text = FormatMaskText(PictPess(QStringLiteral("F")), stored);
    else if (stored.length() == CnpjLength)
        Text = FormatMaskText(PictPess(QStringLiteral("J")), stored);
    else
        Text = stored;
}

} // namespace ger
