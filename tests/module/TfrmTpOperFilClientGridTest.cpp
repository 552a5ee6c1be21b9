// The grid of the page "Tipo de Operação por Cliente": new rows and their checks, removals,
// the toolbar, the key filters, and the writes to the application server, failures included.

#include "ClientPageTest.h"
#include "framework/TButtonFlat.h"
#include "framework/UnsavedRowMark.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

constexpr int ColCodigo = 0;
constexpr int ColDescricao = 1;
const QString MariaTypes = QStringLiteral("01 10 19 28");

class ClientGridTest : public ClientPageTest {
protected:
    QStringList Types(const char* list) const { return QString::fromLatin1(list).split(' '); }

    // What the toolbar shows: Incluir, Excluir, Cancelar, Confirmar, and the code column's
    // button, as "1 1 0 0 none".
    QString Toolbar() const {
        const TfrmTpOperFil& form = Form();
        const auto on = [](const TButtonFlat* b) { return b->Enabled() ? "1" : "0"; };
        const TColumnButtonStyle style = ClientGrid().Columns()[ColCodigo]->ButtonStyle();
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(on(form.sbtIncluir), on(form.sbtExcluir), on(form.sbtCancelar),
                 on(form.sbtImportExport), style == cbsEllipsis ? "ellipsis" : "none");
    }

    bool SelectRowOf(const QString& type, int column) {
        const int row = static_cast<int>(TypesShown().indexOf(type));
        return row >= 0 && GridInput::ClickCell(ClientGrid(), row, column);
    }

    // The server refuses every write of `what` (INSERT or DELETE) on the client's table.
    void RefuseWrites(const char* what) const {
        server->Execute(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON TIPOOPERCLIENTE "
                                       "BEGIN SELECT RAISE(ABORT, 'recusado'); END")
                            .arg(QLatin1String(what)));
    }
    void AcceptWrites(const char* what) const {
        server->Execute(QStringLiteral("DROP TRIGGER refuse_%1").arg(QLatin1String(what)));
    }

    bool RemoveWithButton(const QString& type) {
        if (!SelectRowOf(type, ColDescricao))
            return false;
        dialogs.Answer(mrYes);
        return User().Click("sbtExcluir");
    }

    int UnsavedRows() const {
        int rows = 0;
        for (int row = 0; row < ClientGrid().RowCount(); ++row)
            rows += IsRowUnsaved(ClientGrid(), row) ? 1 : 0;
        return rows;
    }
};

TEST_F(ClientGridTest, IncluirBeforeAnyClientWasFetchedDoesNothing) {
    TfrmTpOperFil& form = OpenClientPage();
    ASSERT_TRUE(Dispatch([&] { form.sbtIncluirClick(form.sbtIncluir); }));
    EXPECT_FALSE(form.cdsTpOperCli->Active());
    EXPECT_THAT(server->Calls(), IsEmpty());
    EXPECT_THAT(dialogs.Texts(), IsEmpty());
}

TEST_F(ClientGridTest, ATypeChosenInTheLookupIsCheckedAndWrittenAtOnce) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    EXPECT_EQ(Toolbar(), "1 1 0 0 none");

    ASSERT_TRUE(User().Press(VK_F2));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsInsert);
    EXPECT_EQ(ClientGrid().SelectedIndex(), ColCodigo);
    EXPECT_EQ(Toolbar(), "0 0 1 1 ellipsis");
    EXPECT_EQ(form.cdsVd_OperCli->RecordCount(), 4) << "the rows before the new one";
    ASSERT_THAT(dialogs.Progress(), SizeIs(4)) << "the fetch's, then the copy's";
    EXPECT_EQ(dialogs.Progress()[2].text, "Atualizando dados no servidor");
    EXPECT_EQ(dialogs.Progress()[2].formName, "frmTpOperFil");

    ASSERT_TRUE(User().Press(VK_F2));
    ASSERT_EQ(ClientGrid().EditorStyle(), esEllipsis);
    dialogs.ChooseLookupKeys({"02"});
    ASSERT_TRUE(User().Press(VK_RETURN, ssCtrl));
    ASSERT_THAT(dialogs.Lookups(), SizeIs(1));
    const LookupRequest& lookup = dialogs.Lookups().front();
    EXPECT_EQ(lookup.title, "Tipo Operação");
    EXPECT_EQ(lookup.columnTitles, QStringList({"Código", "Descrição"}));
    EXPECT_EQ(static_cast<qsizetype>(lookup.rows.size()),
              server->Scalar("SELECT COUNT(*) FROM TIPOOPERAC WHERE IDENTRSAIDOP = 'S'").toInt());
    EXPECT_EQ(ClientGrid().DisplayText(0, ColDescricao), "Venda de produção própria");
    EXPECT_THAT(server->Calls(), IsEmpty());

    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_THAT(server->Calls(), ElementsAre(AddCall(MariaCode, "02")));
    EXPECT_EQ(StoredTypes(MariaCode), Types("01 02 10 19 28"));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsBrowse);
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0);
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("NRINSCRICAO")->AsString(), MariaNumber);
    EXPECT_EQ(TypesShown(), Types("02 01 10 19 28")) << "the posted row stays where it was";
    EXPECT_EQ(Toolbar(), "1 1 0 0 none");
    EXPECT_THAT(dialogs.Texts(), IsEmpty());
    EXPECT_FALSE(dialogs.IsProgressShown());
}

// The added row is not fetched again; it carries the branch and the client, so removing it
// at once removes it on the server too.
TEST_F(ClientGridTest, ATypeJustAddedIsRemovedOnTheServerToo) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(InsertWithLookup("02"));
    ASSERT_TRUE(User().Click("sbtImportExport"));
    ASSERT_EQ(StoredTypes(MariaCode), Types("01 02 10 19 28"));
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("CDFILIAL")->AsString(), "0001");
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("CDFORNCLIE")->AsString(), MariaCode);

    ASSERT_TRUE(RemoveWithButton("02"));
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Confirma exclusão?"));
    EXPECT_EQ(StoredTypes(MariaCode), Types(MariaTypes.toLatin1()));
    EXPECT_EQ(TypesShown(), Types(MariaTypes.toLatin1()));
}

TEST_F(ClientGridTest, ARowWithoutTypeOrWithATypeTheClientHasStaysInInsert) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(User().Press(VK_F2));
    EXPECT_FALSE(User().Click("sbtImportExport")) << "refused";
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Tipo de Operação deve ser informado"));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsInsert);
    EXPECT_EQ(ClientGrid().SelectedIndex(), ColCodigo);

    dialogs.ClearMessages();
    ASSERT_TRUE(User().Press(VK_F2));
    dialogs.ChooseLookupKeys({"10"});
    ASSERT_TRUE(User().ClickEditButton("dbgTipoOperCli"));
    EXPECT_FALSE(User().Click("sbtImportExport"));
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Tipo de operação já cadastrado."));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsInsert);
    EXPECT_EQ(ClientGrid().SelectedIndex(), ColCodigo);
    EXPECT_EQ(User().FocusedName(), "dbgTipoOperCli");

    ASSERT_TRUE(User().Press(VK_F2));
    dialogs.ChooseLookupKeys({"03"});
    ASSERT_TRUE(User().ClickEditButton("dbgTipoOperCli"));
    ASSERT_TRUE(User().Click("sbtImportExport"));
    EXPECT_THAT(server->Calls(), ElementsAre(AddCall(MariaCode, "03")));
    EXPECT_EQ(StoredTypes(MariaCode), Types("01 03 10 19 28"));
}

TEST_F(ClientGridTest, ATypeNoLongerRegisteredIsRefusedWithItsNameCleared) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(InsertWithLookup("04"));
    server->Execute("UPDATE TIPOOPERAC SET IDENTRSAIDOP = 'N' WHERE CDTIPOOPER = '04'");
    EXPECT_FALSE(User().Click("sbtImportExport"));
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Tipo de Operação não cadastrado."));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsInsert);
    EXPECT_TRUE(form.cdsTpOperCli->FieldByName("NMTIPOOPER")->IsNull());
    EXPECT_THAT(server->Calls(), IsEmpty());
}

TEST_F(ClientGridTest, ANewRowLeftUnchangedIsCancelledAndCancelarAsksFirst) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(User().Press(VK_F2));
    ASSERT_TRUE(User().Focus("medCdCliente"));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsBrowse);

    ASSERT_TRUE(ChooseClient(MariaNumber));
    ASSERT_TRUE(InsertWithLookup("05"));
    dialogs.Answer(mrNo);
    ASSERT_TRUE(User().Click("sbtCancelar"));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsInsert);
    dialogs.Answer(mrYes);
    ASSERT_TRUE(User().Click("sbtCancelar"));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsBrowse);
    ASSERT_THAT(dialogs.Messages(), SizeIs(2));
    EXPECT_EQ(dialogs.Messages()[0].text, "Cancelar operação?");
    EXPECT_EQ(dialogs.Messages()[0].type, mtConfirmation);
    EXPECT_EQ(TypesShown(), Types(MariaTypes.toLatin1()));
    EXPECT_THAT(server->CallsOf("SetTipoOperCli"), IsEmpty());
}

TEST_F(ClientGridTest, ExcluirAsksAndRemovesOnTheServerAndTheLastRemovalDisablesIt) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(SelectRowOf("10", ColDescricao));
    dialogs.Answer(mrNo);
    ASSERT_TRUE(User().Click("sbtExcluir"));
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Confirma exclusão?"));
    EXPECT_EQ(TypesShown(), Types(MariaTypes.toLatin1()));

    for (const char* type : {"10", "01", "19", "28"})
        ASSERT_TRUE(RemoveWithButton(type)) << type;

    EXPECT_THAT(server->CallsOf("DelTipoOperCli"), SizeIs(4));
    EXPECT_THAT(StoredTypes(MariaCode), IsEmpty());
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0);
    EXPECT_TRUE(form.cdsTpOperCli->IsEmpty());
    EXPECT_EQ(Toolbar(), "1 0 0 0 none");
    EXPECT_EQ(StoredTypes(MariaCode, "0301"), Types("01 10 19 28")) << "another branch";
}

TEST_F(ClientGridTest, CtrlDeleteRemovesFromTheNameColumnAfterTheGridsQuestionOnly) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(SelectRowOf("19", ColCodigo));
    ASSERT_TRUE(User().Press(VK_DELETE, ssCtrl));
    EXPECT_THAT(dialogs.Texts(), IsEmpty()) << "swallowed on the code column";

    ASSERT_TRUE(User().Press(VK_RIGHT));
    dialogs.Answer(mrYes);
    ASSERT_TRUE(User().Press(VK_DELETE, ssCtrl));
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Excluir registro?"));
    EXPECT_EQ(StoredTypes(MariaCode), Types("01 10 28"));
    EXPECT_EQ(TypesShown(), Types("01 10 28"));
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0);
}

TEST_F(ClientGridTest, OnTheCodeColumnOutsideInsertTypingChangesNothingAndF2Inserts) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(SelectRowOf("10", ColCodigo));
    ASSERT_TRUE(User().Type("05"));
    ASSERT_TRUE(User().Press(VK_BACK));
    ASSERT_TRUE(User().Press(VK_DELETE));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsBrowse);
    EXPECT_EQ(TypesShown(), Types(MariaTypes.toLatin1()));
    ASSERT_TRUE(User().Press(VK_RETURN));
    EXPECT_TRUE(ClientGrid().EditorMode()) << "Enter is passed on";
    ASSERT_TRUE(User().Press(VK_F2));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsInsert);
    EXPECT_THAT(server->Calls(), IsEmpty());
}

TEST_F(ClientGridTest, TheWriteSendsTheBranchOfTheFieldAtTheMomentOfThePost) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(InsertWithLookup("05"));
    form.medFilial->SetText("0301");
    ASSERT_TRUE(User().Click("sbtImportExport"));
    EXPECT_THAT(server->Calls(), ElementsAre(AddCall(MariaCode, "05", "0301")));
    EXPECT_EQ(StoredTypes(MariaCode, "0301"), Types("01 05 10 19 28"));
}

// A removal the server refused is sent again before the next write, so it is not lost when
// that write merges the change log.
TEST_F(ClientGridTest, ARefusedRemovalGoesAgainBeforeTheNextAddition) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    RefuseWrites("DELETE");
    ASSERT_TRUE(RemoveWithButton("10"));
    EXPECT_THAT(dialogs.Texts(), SizeIs(2)) << "the question and the server's refusal";
    EXPECT_EQ(TypesShown(), Types("01 19 28"));
    EXPECT_EQ(StoredTypes(MariaCode), Types(MariaTypes.toLatin1()));
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 1);
    EXPECT_FALSE(dialogs.IsProgressShown());

    AcceptWrites("DELETE");
    ASSERT_TRUE(InsertWithLookup("02"));
    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_EQ(StoredTypes(MariaCode), Types("01 02 19 28"));
    QStringList shown = TypesShown();
    shown.sort();
    EXPECT_EQ(shown, StoredTypes(MariaCode));
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0);
}

// An addition the server refused stays marked as unsaved; the removal that follows sends only
// removals, and the list then comes again from the server, which never had the addition.
TEST_F(ClientGridTest, ARefusedAdditionStaysUnsavedAndIsNeverMergedAsWritten) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    RefuseWrites("INSERT");
    ASSERT_TRUE(InsertWithLookup("02"));
    ASSERT_TRUE(User().Click("sbtImportExport"));
    EXPECT_THAT(dialogs.Texts(), SizeIs(1));
    EXPECT_EQ(form.cdsTpOperCli->State(), dsBrowse);
    EXPECT_EQ(TypesShown(), Types("02 01 10 19 28"));
    EXPECT_TRUE(IsRowUnsaved(ClientGrid(), 0));
    EXPECT_EQ(UnsavedRows(), 1);
    AcceptWrites("INSERT");

    dialogs.ClearMessages();
    ASSERT_TRUE(RemoveWithButton("19"));
    EXPECT_THAT(dialogs.Texts(), ElementsAre("Confirma exclusão?")) << "no refusal";
    EXPECT_EQ(StoredTypes(MariaCode), Types("01 10 28"));
    EXPECT_EQ(TypesShown(), Types("01 10 28")) << "the server's list, without the unsaved row";
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0);
    EXPECT_EQ(UnsavedRows(), 0);
    EXPECT_THAT(server->CallsOf("GetTipoOperCli"), SizeIs(1));
}

TEST_F(ClientGridTest, AnAdditionAfterARefusedOneReloadsTheListTheServerHolds) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    RefuseWrites("INSERT");
    ASSERT_TRUE(InsertWithLookup("02"));
    ASSERT_TRUE(User().Click("sbtImportExport"));
    AcceptWrites("INSERT");
    ASSERT_TRUE(InsertWithLookup("03"));
    ASSERT_TRUE(User().Click("sbtImportExport"));

    EXPECT_EQ(StoredTypes(MariaCode), Types("01 03 10 19 28"));
    EXPECT_EQ(TypesShown(), StoredTypes(MariaCode));
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("CDTIPOOPER")->AsString(), "03");
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0);
}

TEST_F(ClientGridTest, AServerThatIsDownLeavesTheAdditionUnsavedAndTheAnimationOff) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(InsertWithLookup("02"));
    server->Stop();
    ASSERT_TRUE(User().Click("sbtImportExport"));
    ASSERT_THAT(dialogs.Texts(), SizeIs(1));
    EXPECT_TRUE(dialogs.Texts().front().startsWith("Não foi possível gravar a inclusão: "))
        << dialogs.Texts().front().toStdString();
    EXPECT_TRUE(IsRowUnsaved(ClientGrid(), 0));
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 1);
    EXPECT_FALSE(dialogs.IsProgressShown());
    server->Start();
    EXPECT_EQ(StoredTypes(MariaCode), Types(MariaTypes.toLatin1()));
}

// On the branch page the hidden Excluir is set too: enabled when the client has rows and the
// branch grid has none; the client page shows it so until the client dataset next changes.
TEST_F(ClientGridTest, OnTheBranchPageTheHiddenExcluirFollowsBothDatasets) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(User().SelectPage("pgcTipoOperFili", "tshTipoOperFili"));
    ASSERT_TRUE(ChooseBranch("0303"));
    ASSERT_TRUE(form.cdsTpOperFil->Active());
    ASSERT_TRUE(form.cdsTpOperFil->IsEmpty());
    ASSERT_TRUE(Dispatch([&] { form.Atualiza_Botoes(); }));
    EXPECT_TRUE(form.sbtExcluir->Enabled());

    ASSERT_TRUE(ChooseBranch("0001"));
    ASSERT_TRUE(Dispatch([&] { form.Atualiza_Botoes(); }));
    EXPECT_FALSE(form.sbtExcluir->Enabled()) << "the branch grid has rows";
}

} // namespace
