// The per-branch grid dbgPadrao of TfrmTpOperFil: the texts of the two flags, shown and typed,
// which columns are edited in place, the picture of the address column, the opening of the
// issuing-data dialog and of the bulk registration, and the refusal of new and removed rows (the
// list is the server's).

#include "framework/TButtonFlat.h"
#include "framework/UnsavedRowMark.h"
#include "module/Cli_ger99501.h"
#include "module/Cli_ger99502.h"
#include "module/TfrmTpOperFil.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TImage.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {
namespace {

const QString AddressKindField = QStringLiteral("IDENDEMISTPOPFIL");
// The branch's own address: drawn, like no kind at all, with the plain folders.
const QString OwnAddressKind = QStringLiteral("P");
// The address picture stands this far right of the cell's left edge.
constexpr int PictureOffset = 39;
// Olive, $008080: the pictures' pixels of this colour take the cell's brush colour.
constexpr TColor PictureTransparentColor = clOlive;
constexpr Word SpaceKey = 32;

// "Não" for "N", "Sim" for anything else, the empty value included; for display and editing.
QString FlagText(const TField* field) {
    return field->AsString() == QLatin1String("N") ? QStringLiteral("Não") : QStringLiteral("Sim");
}

// The pick list's "Sim" and "Não" and a typed "s" or "n" alike: the flag is the text's first
// letter in upper case, as the server expects it.
void SetFlag(TField* field, const QString& text) {
    field->SetAsString(text.left(1).toUpper());
}

} // namespace

void TfrmTpOperFil::cdsTpOperFilIDLIBERADOGetText(TField* Sender, QString& Text, bool) {
    Text = FlagText(Sender);
}

void TfrmTpOperFil::cdsTpOperFilIDLANCMANUALGetText(TField* Sender, QString& Text, bool) {
    Text = FlagText(Sender);
}

void TfrmTpOperFil::cdsTpOperFilIDLIBERADOSetText(TField* Sender, const QString& Text) {
    SetFlag(Sender, Text);
}

void TfrmTpOperFil::cdsTpOperFilIDLANCMANUALSetText(TField* Sender, const QString& Text) {
    SetFlag(Sender, Text);
}

bool TfrmTpOperFil::IsAddressColumnSelected() const {
    const TField* field = dbgPadrao->SelectedField();
    return field && field->FieldName() == AddressKindField;
}

void TfrmTpOperFil::dbgPadraoColEnter(TObject*) {
    if (!dbgPadrao->SelectedField())
        return;
    TDBGridOptions options = dbgPadrao->Options();
    options.setFlag(dgEditing, !IsAddressColumnSelected());
    dbgPadrao->SetOptions(options);
}

void TfrmTpOperFil::dbgPadraoMouseMove(TObject*, TShiftState, int X, int Y) {
    ShowUnsavedRowHint(*dbgPadrao, X, Y);
}

void TfrmTpOperFil::dbgPadraoDrawColumnCell(TObject*, const TRect& Rect, int DataCol,
                                            TColumn* Column, TGridDrawState State) {
    if (cdsTpOperFil->IsEmpty() || !Column->Field())
        return;
    if (Column->Field()->FieldName() != AddressKindField) {
        DrawUnsavedRowCell(*dbgPadrao, Rect, DataCol, Column, State);
        return;
    }
    const QString kind = Column->Field()->AsString();
    const bool isOwnAddress = kind.isEmpty() || kind == OwnAddressKind;
    const TBitmap& picture = (isOwnAddress ? imgEndeNaoSele : imgEndeSele)->Picture().Bitmap();
    TCanvas* canvas = dbgPadrao->Canvas();
    canvas->FillRect(Rect);
    const int left = Rect.Left + PictureOffset;
    canvas->BrushCopy(TRect{left, Rect.Top, left + picture.Width(), Rect.Bottom}, picture,
                      TRect{0, 0, picture.Width(), Rect.Height()}, PictureTransparentColor);
}

void TfrmTpOperFil::dbgPadraoDblClick(TObject*) {
    if (IsAddressColumnSelected())
        Cli_ger99502::CriaDadosEmissaoNF();
}

// The space bar on the address column opens the dialog as a double click does; the key itself
// is left to the grid.
void TfrmTpOperFil::dbgPadraoKeyDown(TObject* Sender, Word& Key, TShiftState) {
    if (Key == SpaceKey && IsAddressColumnSelected())
        dbgPadraoDblClick(Sender);
}

void TfrmTpOperFil::cdsTpOperFilBeforeInsert(TDataSet*) {
    Abort();
}

void TfrmTpOperFil::cdsTpOperFilBeforeDelete(TDataSet*) {
    Abort();
}

void TfrmTpOperFil::dtsTpOperFilStateChange(TObject*) {
    sbtImportExport->SetEnabled(IsEditMode(dtsTpOperFil->State()));
}

void TfrmTpOperFil::btnAutomaticoClick(TObject*) {
    Cli_ger99501::CriaTpOper();
}

} // namespace ger
