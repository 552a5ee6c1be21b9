// The per-branch grid of screen GER99500: what its cells show, which cells can be edited, the
// pictures of the address column, the opening of the issuing-data dialog, the refused new and
// removed rows, the confirm button and the toolbar of the two pages.

#include "MainScreenTest.h"
#include "framework/TButtonFlat.h"
#include "module/Cli_ger99502.h"
#include "module/TfrmDadosEmissaoNF.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/RecordingCanvas.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <QPointer>
#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int ColOperacao = 0;
constexpr int ColLiberado = 1;
constexpr int ColLancManual = 2;
constexpr int ColEndereco = 3;

class BranchGridTest : public MainScreenTest {
protected:
    // Sets what the server holds for three operation types of branch 0001, then loads it.
    void LoadWithAddressKinds() {
        server->Execute("UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = NULL "
                        "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'");
        server->Execute("UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = 'P' "
                        "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '02'");
        server->Execute("UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = 'C' "
                        "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '03'");
        OpenWithBranch0001();
    }

    TField* Field(const char* name) const { return Form().cdsTpOperFil->FieldByName(name); }
};

TEST_F(BranchGridTest, FlagsShowNaoForNAndSimForAnythingElseForDisplayAndEditing) {
    server->Execute("UPDATE TIPOOPERFILIAL SET IDLIBERADO = 'N', IDLANCMANUAL = 'S' "
                    "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'");
    OpenWithBranch0001();
    const int row = RowOf("01");
    EXPECT_EQ(Grid().DisplayText(row, ColLiberado), "Não");
    EXPECT_EQ(Grid().DisplayText(row, ColLancManual), "Sim");

    TClientDataSet& cds = *Form().cdsTpOperFil;
    ASSERT_TRUE(Dispatch([&] {
        cds.Edit();
        Field("IDLIBERADO")->SetAsString(QString());
        Field("IDLANCMANUAL")->SetAsString("N");
    }));
    EXPECT_EQ(Field("IDLIBERADO")->DisplayText(), "Sim");
    EXPECT_EQ(Field("IDLANCMANUAL")->Text(), "Não");
    cds.Cancel();
}

TEST_F(BranchGridTest, PickListStoresFirstLetterAndEditingEnablesConfirmButton) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    EXPECT_FALSE(form.sbtImportExport->Enabled());
    const int row = RowOf("01");
    ASSERT_TRUE(ClickCell(row, ColLancManual));
    ASSERT_TRUE(ClickCell(row, ColLancManual));
    EXPECT_THAT(Grid().EditorPickList(), ElementsAre("Sim", "Não"));

    ASSERT_TRUE(GridInput::ChoosePickItem(Grid(), 1));
    EXPECT_EQ(Field("IDLANCMANUAL")->AsString(), "N");
    EXPECT_TRUE(form.sbtImportExport->Enabled());

    ASSERT_TRUE(GridInput::ChoosePickItem(Grid(), 0));
    EXPECT_EQ(Field("IDLANCMANUAL")->AsString(), "S");

    ASSERT_TRUE(User().Press(VK_ESCAPE));
    ASSERT_TRUE(User().Press(VK_ESCAPE));
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);
    EXPECT_FALSE(form.sbtImportExport->Enabled());
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), IsEmpty());
}

TEST_F(BranchGridTest, OperationColumnIsReadOnlyAndAddressColumnTakesNoTyping) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("01");
    const QString operacao = Field("OPERACAO")->AsString();

    ASSERT_TRUE(ClickCell(row, ColOperacao));
    User().Type("x");
    EXPECT_EQ(Field("OPERACAO")->AsString(), operacao);
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);

    const QString kind = Field("IDENDEMISTPOPFIL")->AsString();
    ASSERT_TRUE(ClickCell(row, ColEndereco));
    EXPECT_FALSE(Grid().Options().testFlag(dgEditing));
    User().Type("c");
    EXPECT_EQ(Field("IDENDEMISTPOPFIL")->AsString(), kind);
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);

    ASSERT_TRUE(ClickCell(row, ColLiberado));
    EXPECT_TRUE(Grid().Options().testFlag(dgEditing));
    User().Type("n");
    EXPECT_EQ(form.cdsTpOperFil->State(), dsEdit);
}

TEST_F(BranchGridTest, AddressColumnDrawsPlainFoldersForOwnOrNoKindAndCheckedOtherwise) {
    LoadWithAddressKinds();
    TfrmTpOperFil& form = Form();
    ASSERT_EQ(RowOf("03"), 2);
    RecordingCanvas canvas;
    Grid().Paint(canvas);

    const TBitmap& plain = form.imgEndeNaoSele->Picture().Bitmap();
    const TBitmap& checked = form.imgEndeSele->Picture().Bitmap();
    const std::vector<CanvasCall>& calls = canvas.Calls();
    int copies = 0;
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind != CanvasCall::Kind::BrushCopy)
            continue;
        ++copies;
        const int row = Grid().TopRow() + copies - 1;
        const TRect cell = Grid().CellRect(row, ColEndereco);
        ASSERT_GT(i, 0u);
        EXPECT_EQ(calls[i - 1].kind, CanvasCall::Kind::FillRect);
        EXPECT_EQ(calls[i - 1].rect, cell);
        EXPECT_EQ(calls[i].rect, Rect(cell.Left + 39, cell.Top, cell.Left + 55, cell.Bottom));
        EXPECT_EQ(calls[i].source, Rect(0, 0, 16, cell.Height()));
        EXPECT_EQ(calls[i].transparent, clOlive);
        const QString code = Grid().DisplayText(row, ColOperacao).left(2);
        const QString stored = Stored("0001", code, "IDENDEMISTPOPFIL");
        const bool isPlain = stored.isEmpty() || stored == "P";
        EXPECT_EQ(calls[i].bitmap, isPlain ? plain : checked)
            << "row of type " << code.toStdString();
    }
    // One picture per data row drawn: as many as the texts of the first column below the titles.
    const TRect firstCell = Grid().CellRect(0, ColOperacao);
    int drawnRows = 0;
    for (const CanvasCall& call : canvas.CallsOf(CanvasCall::Kind::TextRect))
        drawnRows += call.rect.Left == firstCell.Left && call.rect.Top >= firstCell.Top;
    EXPECT_GE(copies, 3);
    EXPECT_EQ(copies, drawnRows);
}

TEST_F(BranchGridTest, AddressLetterIsWipedBeforeThePictureIsDrawn) {
    OpenWithBranch0001();
    RecordingCanvas canvas;
    Grid().Paint(canvas);
    const TRect cell = Grid().CellRect(0, ColEndereco);
    int lastText = -1;
    int lastFill = -1;
    for (int i = 0; i < static_cast<int>(canvas.Calls().size()); ++i) {
        const CanvasCall& call = canvas.Calls()[i];
        if (call.rect == cell && call.kind == CanvasCall::Kind::TextRect)
            lastText = i;
        if (call.rect == cell && call.kind == CanvasCall::Kind::FillRect)
            lastFill = i;
    }
    ASSERT_GE(lastText, 0);
    EXPECT_GT(lastFill, lastText);
}

TEST_F(BranchGridTest, ClosedGridDrawsNoPicture) {
    OpenScreen();
    RecordingCanvas canvas;
    Grid().Paint(canvas);
    EXPECT_THAT(canvas.CallsOf(CanvasCall::Kind::BrushCopy), IsEmpty());
}

TEST_F(BranchGridTest, PicturesAreSixteenColourFoldersOnWhiteWithCheckOnlyWhenChosen) {
    TfrmTpOperFil& form = OpenScreen();
    const TBitmap& plain = form.imgEndeNaoSele->Picture().Bitmap();
    const TBitmap& checked = form.imgEndeSele->Picture().Bitmap();
    ASSERT_EQ(plain.Width(), 16);
    ASSERT_EQ(plain.Height(), 16);
    ASSERT_EQ(checked.Width(), 16);
    ASSERT_EQ(checked.Height(), 16);
    EXPECT_FALSE(form.imgEndeNaoSele->Visible());
    EXPECT_FALSE(form.imgEndeSele->Visible());
    EXPECT_EQ(plain.Pixel(0, 0), ColorToArgb(clWhite));
    EXPECT_EQ(checked.Pixel(0, 0), ColorToArgb(clWhite));

    int yellow = 0;
    int greenInPlain = 0;
    int greenInChecked = 0;
    int differingLeftHalf = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            for (const TBitmap* bitmap : {&plain, &checked}) {
                EXPECT_NE(bitmap->Pixel(x, y), ColorToArgb(clOlive)) << x << "," << y;
            }
            yellow += plain.Pixel(x, y) == ColorToArgb(clYellow);
            const auto isGreen = [](quint32 p) {
                return p == ColorToArgb(clGreen) || p == ColorToArgb(clLime);
            };
            greenInPlain += isGreen(plain.Pixel(x, y));
            greenInChecked += isGreen(checked.Pixel(x, y));
            differingLeftHalf += x < 4 && plain.Pixel(x, y) != checked.Pixel(x, y);
        }
    }
    EXPECT_GT(yellow, 60);
    EXPECT_EQ(greenInPlain, 0);
    EXPECT_GT(greenInChecked, 20);
    EXPECT_EQ(differingLeftHalf, 0);
}

TEST_F(BranchGridTest, DoubleClickOnAddressColumnOpensIssuingDataDialogModally) {
    OpenWithBranch0001();
    QPointer<TCustomForm> shown;
    dialogs.OnModal([&](TCustomForm& dialog) {
        shown = &dialog;
        EXPECT_EQ(dialog.Caption(), "Dados para Emissão de NF");
        EXPECT_TRUE(Cli_ger99502::boIdCriado);
        ScriptedUser(dialog).Close();
    });
    ASSERT_TRUE(GridInput::DoubleClickCell(Grid(), 1, ColEndereco));
    EXPECT_THAT(dialogs.ModalForms(), ElementsAre("frmDadosEmissaoNF"));
    EXPECT_TRUE(shown.isNull());
    EXPECT_FALSE(Cli_ger99502::boIdCriado);
    EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(BranchGridTest, DoubleClickOnOtherColumnsOpensNothing) {
    OpenWithBranch0001();
    for (int column : {ColOperacao, ColLiberado, ColLancManual})
        EXPECT_TRUE(GridInput::DoubleClickCell(Grid(), 0, column)) << column;
    EXPECT_THAT(dialogs.ModalForms(), IsEmpty());
}

TEST_F(BranchGridTest, SpaceOnAddressColumnActsAsDoubleClickAndNowhereElse) {
    OpenWithBranch0001();
    ASSERT_TRUE(ClickCell(0, ColOperacao));
    ASSERT_TRUE(User().Press(VK_SPACE));
    EXPECT_THAT(dialogs.ModalForms(), IsEmpty());

    dialogs.OnModal([](TCustomForm& dialog) { ScriptedUser(dialog).Close(); });
    ASSERT_TRUE(ClickCell(0, ColEndereco));
    ASSERT_TRUE(User().Press(VK_SPACE, ssShift));
    EXPECT_THAT(dialogs.ModalForms(), ElementsAre("frmDadosEmissaoNF"));
}

TEST_F(BranchGridTest, ClosedGridIgnoresDoubleClickAndSpace) {
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_EQ(Grid().SelectedField(), nullptr);
    ASSERT_TRUE(Dispatch([&] {
        Word key = VK_SPACE;
        form.dbgPadraoKeyDown(&Grid(), key, {});
        form.dbgPadraoDblClick(&Grid());
        form.dbgPadraoColEnter(&Grid());
    }));
    EXPECT_THAT(dialogs.ModalForms(), IsEmpty());
}

// Rows are the server's: the grid's insert, append and delete are refused without a word.
TEST_F(BranchGridTest, InsertAppendAndDeleteAreRefusedSilently) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int rows = form.cdsTpOperFil->RecordCount();
    ASSERT_TRUE(User().Focus("dbgPadrao"));

    User().Press(VK_INSERT);
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);

    ASSERT_TRUE(User().Press(VK_END, ssCtrl));
    ASSERT_EQ(form.cdsTpOperFil->RecNo(), rows);
    User().Press(VK_DOWN);
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);
    EXPECT_EQ(form.cdsTpOperFil->RecNo(), rows);

    User().Press(VK_DELETE, ssCtrl);
    EXPECT_EQ(form.cdsTpOperFil->RecordCount(), rows);
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 0);
    EXPECT_THAT(MessageTexts(), IsEmpty());
    EXPECT_THAT(server->Calls(), IsEmpty());
}

TEST_F(BranchGridTest, ToolbarStartsOnBranchPageAndFollowsPageSwitchBothWays) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    EXPECT_TRUE(Grid().Columns()[ColOperacao]->ReadOnly());
    EXPECT_FALSE(form.sbtIncluir->Visible());
    EXPECT_FALSE(form.sbtExcluir->Visible());
    EXPECT_EQ(form.sbtCancel->Top(), 52);

    ASSERT_TRUE(User().SelectPage("pgcTipoOperFili", "tshTipoOperCli"));
    EXPECT_TRUE(form.sbtIncluir->Visible());
    EXPECT_TRUE(form.sbtExcluir->Visible());
    EXPECT_FALSE(form.btnAutomatico->Enabled());
    EXPECT_EQ(form.sbtCancel->Top(), 123);

    ASSERT_TRUE(User().SelectPage("pgcTipoOperFili", "tshTipoOperFili"));
    EXPECT_FALSE(form.sbtIncluir->Visible());
    EXPECT_FALSE(form.sbtExcluir->Visible());
    EXPECT_TRUE(form.btnAutomatico->Enabled());
    EXPECT_EQ(form.sbtCancel->Top(), 52);
}

} // namespace
