// The write of a posted row of screen GER99500 to the application server (SetTpOperFil), the
// reload of the branch's list, and what the user is left with when the write fails.

#include "MainScreenTest.h"
#include "framework/TButtonFlat.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/RecordingCanvas.h"
#include "platform/forms/grid/TDBGrid.h"

#include <QPointer>
#include <QSet>
#include <gmock/gmock.h>

using namespace ger;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using ::testing::StartsWith;

namespace {

constexpr int ColLiberado = 1;
constexpr int ColLancManual = 2;

class BranchWriteTest : public MainScreenTest {
protected:
    TField* Field(const char* name) const { return Form().cdsTpOperFil->FieldByName(name); }

    // The row of `code` as the client holds it: the arguments a write of it sends.
    struct Row {
        QString operacao, liberado, lancManual, endereco;
    };
    Row CurrentRow() const {
        return {Field("OPERACAO")->AsString(), Field("IDLIBERADO")->AsString(),
                Field("IDLANCMANUAL")->AsString(), Field("IDENDEMISTPOPFIL")->AsString()};
    }

    // Sets "Liberado" of the row to "Não" through its pick list; the row stays in edit.
    void ChooseNaoInLiberado(int row) {
        ASSERT_TRUE(ClickCell(row, ColLiberado));
        ASSERT_TRUE(ClickCell(row, ColLiberado));
        ASSERT_TRUE(GridInput::ChoosePickItem(Grid(), 1));
        ASSERT_EQ(Form().cdsTpOperFil->State(), dsEdit);
    }

    static QString Call(const QString& type, const QString& branch, const Row& row,
                        const QString& liberado, const QString& inscMuni = QString()) {
        return QStringLiteral("SetTpOperFil(\"%1\", \"%2\", \"%3\", \"%4\", \"%5\", var \"%6\")")
            .arg(type, branch, liberado, row.lancManual, row.endereco, inscMuni);
    }

    // Progress shown once with the server text, and removed.
    void ExpectAnimationFramedTheCall() const {
        ASSERT_THAT(dialogs.Progress(), SizeIs(2));
        EXPECT_TRUE(dialogs.Progress()[0].shown);
        EXPECT_EQ(dialogs.Progress()[0].kind, 1);
        EXPECT_EQ(dialogs.Progress()[0].text, "Atualizando dados no servidor");
        EXPECT_EQ(dialogs.Progress()[0].formName, "frmTpOperFil");
        EXPECT_FALSE(dialogs.Progress()[1].shown);
        EXPECT_FALSE(dialogs.IsProgressShown());
    }
};

TEST_F(BranchWriteTest, NaoAndDownSendsRowWithBranchOfEditAndStoresIt) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("02");
    ASSERT_TRUE(ClickCell(row, 0));
    const Row before = CurrentRow();
    ASSERT_EQ(before.liberado, "S");
    ChooseNaoInLiberado(row);

    ASSERT_TRUE(User().Press(VK_DOWN));

    EXPECT_THAT(server->CallsOf("SetTpOperFil"), ElementsAre(Call("02", "0001", before, "N")));
    EXPECT_EQ(Stored("0001", "02", "IDLIBERADO"), "N");
    EXPECT_EQ(Stored("0001", "02", "IDLANCMANUAL"), before.lancManual);
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 0);
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);
    EXPECT_EQ(Grid().DisplayText(row, ColLiberado), "Não");
    // Down went on from the edited row, found again after the reload.
    EXPECT_EQ(Grid().CurrentRow(), row + 1);
    EXPECT_FALSE(form.sbtImportExport->Enabled());
    EXPECT_THAT(MessageTexts(), IsEmpty());
    ExpectAnimationFramedTheCall();
}

// A typed flag is stored as the pick list's would be: its first letter, upper case. "n" typed
// into "Liberado" is "N" on screen and on the server, and "s" typed into "Permite Lanc.
// Manual" is "S".
TEST_F(BranchWriteTest, TypedFlagsAreStoredAsTheirUpperCaseFirstLetter) {
    OpenWithBranch0001();
    const int row = RowOf("02");
    ASSERT_TRUE(ClickCell(row, ColLiberado));
    ASSERT_TRUE(ClickCell(row, ColLiberado));
    ASSERT_TRUE(User().Type("n"));
    ASSERT_TRUE(User().Press(VK_DOWN));
    EXPECT_EQ(Stored("0001", "02", "IDLIBERADO"), "N");
    EXPECT_EQ(Grid().DisplayText(row, ColLiberado), "Não");

    ASSERT_TRUE(ClickCell(row, ColLancManual));
    ASSERT_TRUE(ClickCell(row, ColLancManual));
    ASSERT_TRUE(User().Type("sim"));
    ASSERT_TRUE(User().Press(VK_UP));
    EXPECT_EQ(Stored("0001", "02", "IDLANCMANUAL"), "S");
    EXPECT_THAT(MessageTexts(), IsEmpty());
}

// Closing the screen with a row being edited: Yes writes it before the screen goes; when the
// write fails, the screen stays, with the change still on it.
TEST_F(BranchWriteTest, ClosingWhileEditingWritesTheRowOnYes) {
    QPointer<TfrmTpOperFil> form = &OpenWithBranch0001();
    ChooseNaoInLiberado(RowOf("02"));
    dialogs.Answer(mrYes);
    ASSERT_TRUE(User().Click("sbtCancel"));
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(Stored("0001", "02", "IDLIBERADO"), "N");
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), SizeIs(1));
}

TEST_F(BranchWriteTest, ClosingWhileEditingStaysOpenWhenTheWriteFails) {
    QPointer<TfrmTpOperFil> form = &OpenWithBranch0001();
    ChooseNaoInLiberado(RowOf("02"));
    server->Stop();
    dialogs.Answer(mrYes);
    ASSERT_TRUE(User().Click("sbtCancel"));
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->cdsTpOperFil->ChangeCount(), 1);
    EXPECT_EQ(Field("IDLIBERADO")->AsString(), "N");
    ASSERT_THAT(MessageTexts(), SizeIs(2));
    EXPECT_TRUE(MessageTexts().at(1).startsWith("Não foi possível gravar a alteração: "));
}

TEST_F(BranchWriteTest, ConfirmButtonPostsAndGridStaysOnEditedRowAfterReload) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("03");
    ASSERT_GE(row, 0);
    ChooseNaoInLiberado(row);
    const QString operacao = Field("OPERACAO")->AsString();

    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_THAT(server->CallsOf("SetTpOperFil"), SizeIs(1));
    EXPECT_EQ(Field("OPERACAO")->AsString(), operacao);
    EXPECT_EQ(Grid().CurrentRow(), row);
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 0);
    EXPECT_FALSE(form.sbtImportExport->Enabled());
}

TEST_F(BranchWriteTest, GridStandsOnFirstRowWhenEditedOperationIsNoLongerListed) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("03");
    ASSERT_GE(row, 0);
    ChooseNaoInLiberado(row);
    // The name is part of OPERACAO: renamed behind the screen's back, the reloaded list no
    // longer holds the kept value.
    server->Execute("UPDATE TIPOOPERAC SET NMTIPOOPER = 'Renomeado' WHERE CDTIPOOPER = '03'");

    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_EQ(Stored("0001", "03", "IDLIBERADO"), "N");
    EXPECT_EQ(form.cdsTpOperFil->RecNo(), 1);
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 0);
    EXPECT_THAT(Grid().DisplayText(row, 0).toStdString(), ::testing::HasSubstr("Renomeado"));
}

// Every post is logged, as on the platform, even one that changes no value: confirming the
// kind a row already has (screen GER99502) sends the row. An edit that changed nothing and is
// left with Down in the grid is cancelled instead, and sends nothing.
TEST_F(BranchWriteTest, APostThatChangesNothingSendsTheRowAndACancelledEditNothing) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const Row row = CurrentRow();
    ASSERT_TRUE(Dispatch([&] {
        form.cdsTpOperFil->Edit();
        form.cdsTpOperFil->Post();
    }));
    EXPECT_THAT(server->CallsOf("SetTpOperFil"),
                ElementsAre(Call(row.operacao.left(2), "0001", row, row.liberado)));
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 0);

    server->ClearCalls();
    ASSERT_TRUE(ClickCell(0, 0));
    ASSERT_TRUE(Dispatch([&] { form.cdsTpOperFil->Edit(); }));
    ASSERT_TRUE(User().Press(VK_DOWN));
    EXPECT_THAT(server->Calls(), IsEmpty());
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);
}

TEST_F(BranchWriteTest, PostWithoutChangeIsSentWhenRegistrationIsSet) {
    server->Execute("UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = 'M' "
                    "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '06'");
    const QString registration = server->Scalar(
        "SELECT CDINSCMUNI FROM INSCRMUNICIP WHERE CDEMPRESA = '01' ORDER BY CDINSCMUNI");
    ASSERT_FALSE(registration.isEmpty());
    TfrmTpOperFil& form = OpenWithBranch0001();
    ASSERT_TRUE(ClickCell(RowOf("06"), 0));
    ASSERT_EQ(Field("OPERACAO")->AsString().left(2), "06");
    const Row row = CurrentRow();
    form.stInscMuni = registration;

    ASSERT_TRUE(Dispatch([&] {
        form.cdsTpOperFil->Edit();
        form.cdsTpOperFil->Post();
    }));

    EXPECT_THAT(server->CallsOf("SetTpOperFil"),
                ElementsAre(Call("06", "0001", row, row.liberado, registration)));
    EXPECT_EQ(Stored("0001", "06", "CDINSCMUNI"), registration);
    ExpectAnimationFramedTheCall();
}

TEST_F(BranchWriteTest, FailedResultIsShownOnceAndLeavesPostedValueUnmerged) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("02");
    ChooseNaoInLiberado(row);
    server->Execute("DELETE FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001' AND CDTIPOOPER = '02'");

    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_THAT(server->CallsOf("SetTpOperFil"), SizeIs(1));
    ASSERT_THAT(dialogs.Messages(), SizeIs(1));
    EXPECT_EQ(dialogs.Messages().front().type, mtError);
    EXPECT_EQ(Field("IDLIBERADO")->AsString(), "N");
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 1);
    EXPECT_EQ(form.cdsTpOperFil->State(), dsBrowse);
    ExpectAnimationFramedTheCall();
}

TEST_F(BranchWriteTest, TransportFailureIsShownOnceAndNextWriteShowsServerValuesAgain) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("02");
    ChooseNaoInLiberado(row);
    server->Stop();

    ASSERT_TRUE(User().Press(VK_DOWN));

    ASSERT_THAT(dialogs.Messages(), SizeIs(1));
    EXPECT_EQ(dialogs.Messages().front().type, mtError);
    EXPECT_THAT(
        dialogs.Messages().front().text.toStdString(),
        AllOf(StartsWith("Não foi possível gravar a alteração: "), HasSubstr("SetTpOperFil")));
    EXPECT_EQ(Grid().DisplayText(row, ColLiberado), "Não");
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 1);
    EXPECT_FALSE(dialogs.IsProgressShown());
    EXPECT_EQ(Stored("0001", "02", "IDLIBERADO"), "S");

    server->Start();
    dialogs.ClearMessages();
    ChooseNaoInLiberado(RowOf("03"));
    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_THAT(MessageTexts(), IsEmpty());
    EXPECT_EQ(Stored("0001", "03", "IDLIBERADO"), "N");
    EXPECT_EQ(Grid().DisplayText(row, ColLiberado), "Sim");
    EXPECT_EQ(form.cdsTpOperFil->ChangeCount(), 0);
}

// A row whose write failed holds values the server does not have: the grid draws its texts in
// maroon and its hint says "não gravado", until a load shows the server's values again.
TEST_F(BranchWriteTest, ARowWhoseWriteFailedIsMarkedUntilTheServersListIsLoaded) {
    OpenWithBranch0001();
    const int row = RowOf("02");
    const int other = RowOf("03");
    ChooseNaoInLiberado(row);
    server->Stop();
    ASSERT_TRUE(User().Press(VK_DOWN));
    ASSERT_THAT(dialogs.Messages(), SizeIs(1));

    auto rowsInMaroon = [this] {
        RecordingCanvas canvas;
        Grid().Paint(canvas);
        QSet<int> rows;
        for (const CanvasCall& call : canvas.CallsOf(CanvasCall::Kind::TextRect)) {
            int drawnRow = -1;
            int column = -1;
            if (call.fontColor == clMaroon &&
                Grid().CellAt(QPoint(call.rect.Left + 1, call.rect.Top + 1), drawnRow, column))
                rows.insert(drawnRow);
        }
        return rows;
    };
    auto hintOver = [this](int atRow) {
        const TRect cell = Grid().CellRect(atRow, ColLancManual);
        Grid().UserMouseMove(QPoint(cell.Left + 2, cell.Top + 2), {});
        return Grid().Hint();
    };
    EXPECT_EQ(rowsInMaroon(), QSet<int>({row})) << "the current row, now 03, is not marked";
    EXPECT_EQ(hintOver(row), "não gravado");
    EXPECT_EQ(hintOver(other), "");

    server->Start();
    dialogs.ClearMessages();
    ChooseNaoInLiberado(other);
    ASSERT_TRUE(User().Click("sbtImportExport"));
    ASSERT_THAT(MessageTexts(), IsEmpty());
    EXPECT_THAT(rowsInMaroon(), IsEmpty());
    EXPECT_EQ(hintOver(row), "");
}

TEST_F(BranchWriteTest, WriteSendsBranchTextAtTheMomentOfTheCallNotTheRowsBranch) {
    const QString code =
        server->Scalar("SELECT MIN(A.CDTIPOOPER) FROM TIPOOPERFILIAL A JOIN TIPOOPERFILIAL B "
                       "ON B.CDTIPOOPER = A.CDTIPOOPER AND B.CDFILIAL = '0101' "
                       "WHERE A.CDFILIAL = '0001' AND A.IDLIBERADO = 'S'");
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf(code);
    ASSERT_TRUE(ClickCell(row, 0));
    const Row before = CurrentRow();
    ChooseNaoInLiberado(row);
    // Only code changes medFilial while the grid edits: the edit's text is what is sent.
    form.medFilial->SetText("0101");
    ASSERT_TRUE(User().Click("sbtImportExport"));
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), ElementsAre(Call(code, "0101", before, "N")));
    EXPECT_EQ(Stored("0101", code, "IDLIBERADO"), "N");
    EXPECT_EQ(Stored("0001", code, "IDLIBERADO"), "S");
}

} // namespace
