// The branch panel of screen GER99500: set-up by FormShow, the check of a typed or looked-up
// branch, and the loading of its operation types when the focus leaves the panel.

#include "MainScreenTest.h"
#include "framework/HostSettings.h"
#include "framework/TBtnPesquisa.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/TDBGrid.h"
#include "platform/sql/TADOIBQuery.h"
#include "server/TNetConnection.h"

#include <gmock/gmock.h>

using namespace ger;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

namespace {

const QString FilialInf = QStringLiteral("Filial deve ser informada.");
const QString FilialCad = QStringLiteral("Filial não cadastrada.");

class BranchPanelTest : public MainScreenTest {
protected:
    int BranchRowCount(const QString& branch) const {
        return server
            ->Scalar(QStringLiteral("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE CDFILIAL = '%1'")
                         .arg(branch))
            .toInt();
    }
};

TEST_F(BranchPanelTest, OpensWithHostBranchProposedAndGridClosedWhenNotBoundToOneBranch) {
    server->SetBranchSettings(false, QStringLiteral("0101"), QStringLiteral("Filial proposta"));
    TfrmTpOperFil& form = OpenScreen();

    EXPECT_TRUE(form.medFilial->Enabled());
    EXPECT_TRUE(form.btpFilial->Enabled());
    EXPECT_TRUE(form.lblFilial->Enabled());
    EXPECT_EQ(form.medFilial->Text(), "0101");
    EXPECT_EQ(form.edtNmFilial->Text(), "Filial proposta");
    EXPECT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_EQ(User().FocusedName(), "medFilial");
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), IsEmpty());
}

TEST_F(BranchPanelTest, OpensLockedOnHostBranchWithGridFilledWhenBoundToOneBranch) {
    server->SetBranchSettings(true, QStringLiteral("0101"),
                              QStringLiteral("Horizonte Rio de Janeiro"));
    TfrmTpOperFil& form = OpenScreen();

    EXPECT_FALSE(form.medFilial->Enabled());
    EXPECT_FALSE(form.btpFilial->Enabled());
    EXPECT_FALSE(form.lblFilial->Enabled());
    EXPECT_EQ(form.medFilial->Text(), "0101");
    EXPECT_EQ(form.edtNmFilial->Text(), "Horizonte Rio de Janeiro");
    ASSERT_TRUE(form.cdsTpOperFil->Active());
    EXPECT_EQ(form.cdsTpOperFil->RecordCount(), BranchRowCount("0101"));
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0101\")"));
    EXPECT_FALSE(form.medFilial->Focused());
    EXPECT_THAT(MessageTexts(), IsEmpty());
}

TEST_F(BranchPanelTest, LeavingPanelWithValidBranchChecksThenLoadsItsOperationTypes) {
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_TRUE(ChooseBranch("0101"));

    EXPECT_EQ(form.edtNmFilial->Text(), "Horizonte Rio de Janeiro");
    ASSERT_TRUE(form.cdsTpOperFil->Active());
    EXPECT_EQ(form.cdsTpOperFil->RecordCount(), BranchRowCount("0101"));
    EXPECT_EQ(Grid().RowCount(), BranchRowCount("0101"));
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0101\")"));
    // The check leaves the branch query on the branch, for the issuing-data dialog.
    EXPECT_EQ(form.qryFilial->FieldByName("CDEMPRESA")->AsString(), "01");
    EXPECT_THAT(MessageTexts(), IsEmpty());
}

TEST_F(BranchPanelTest, ShortCodeIsPaddedToFourBeforeCheckAndStaysPadded) {
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_TRUE(ChooseBranch("1"));

    EXPECT_EQ(form.medFilial->Text(), "0001");
    EXPECT_EQ(form.edtNmFilial->Text(), "Horizonte São Paulo - Matriz");
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0001\")"));
}

TEST_F(BranchPanelTest, EmptyBranchShowsMessageKeepsFocusAndLoadsNothing) {
    server->SetBranchSettings(false, QString(), QString());
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_EQ(form.medFilial->Text().trimmed(), "");

    User().Press(VK_TAB);

    EXPECT_THAT(MessageTexts(), ElementsAre(FilialInf));
    EXPECT_EQ(dialogs.Messages().front().type, mtError);
    EXPECT_EQ(User().FocusedName(), "medFilial");
    EXPECT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), IsEmpty());
}

TEST_F(BranchPanelTest, UnknownBranchShowsMessageKeepsPaddedCodeAndLoadsNothing) {
    TfrmTpOperFil& form = OpenScreen();
    ChooseBranch("99");

    EXPECT_THAT(MessageTexts(), ElementsAre(FilialCad));
    EXPECT_EQ(form.medFilial->Text(), "0099");
    EXPECT_EQ(form.edtNmFilial->Text(), "");
    EXPECT_EQ(User().FocusedName(), "medFilial");
    EXPECT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), IsEmpty());
}

TEST_F(BranchPanelTest, FailedCheckThenValidBranchLoadsOnlyTheValidOne) {
    TfrmTpOperFil& form = OpenScreen();
    ChooseBranch("9999");
    ASSERT_TRUE(ChooseBranch("0101"));

    EXPECT_THAT(MessageTexts(), ElementsAre(FilialCad));
    EXPECT_TRUE(form.cdsTpOperFil->Active());
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0101\")"));
}

TEST_F(BranchPanelTest, LowerCaseCodeIsShownAndSentInUpperCase) {
    server->Execute("INSERT INTO FILIAL (CDFILIAL, NMFILIAL, CDEMPRESA) "
                    "VALUES ('0A1B', 'Filial Alfa', '01')");
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_TRUE(User().Focus("medFilial"));
    ASSERT_TRUE(User().Type("0a1b"));
    EXPECT_EQ(form.medFilial->EditText(), "0A1B");

    ASSERT_TRUE(User().Press(VK_TAB));
    EXPECT_EQ(form.edtNmFilial->Text(), "Filial Alfa");
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0A1B\")"));
    EXPECT_THAT(MessageTexts(), IsEmpty());
}

TEST_F(BranchPanelTest, TypingEmptiesShownName) {
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_EQ(form.edtNmFilial->Text(), "Horizonte São Paulo - Matriz");
    ASSERT_TRUE(User().Type("2"));
    EXPECT_EQ(form.edtNmFilial->Text(), "");
}

TEST_F(BranchPanelTest, EnteringBranchEditClosesGridAndLeavingAgainReloads) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    ASSERT_TRUE(User().Focus("dbgPadrao"));
    ASSERT_TRUE(form.cdsTpOperFil->Active());

    ASSERT_TRUE(User().Focus("medFilial"));
    EXPECT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_EQ(Grid().RowCount(), 0);

    ASSERT_TRUE(User().Focus("dbgPadrao"));
    EXPECT_TRUE(form.cdsTpOperFil->Active());
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0001\")"));
}

TEST_F(BranchPanelTest, LookupButtonInsidePanelRunsNoExitAndLoadsNothing) {
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_TRUE(User().Type("0101"));
    dialogs.CancelLookup();

    ASSERT_TRUE(User().Click("btpFilial"));

    EXPECT_EQ(User().FocusedName(), "medFilial");
    EXPECT_EQ(form.medFilial->Text(), "0101");
    EXPECT_EQ(form.edtNmFilial->Text(), "");
    EXPECT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), IsEmpty());
}

TEST_F(BranchPanelTest, LookupOffersAllBranchesByCodeAndSetsChoiceForCheckOnLeaving) {
    TfrmTpOperFil& form = OpenScreen();
    dialogs.ChooseLookupValue("0101");
    ASSERT_TRUE(User().Click("btpFilial"));

    ASSERT_EQ(dialogs.Lookups().size(), 1u);
    const LookupRequest& lookup = dialogs.Lookups().front();
    EXPECT_EQ(lookup.title, "Filial");
    EXPECT_THAT(lookup.columnTitles, ElementsAre("Código", "Nome"));
    const int branches = server->Scalar("SELECT COUNT(*) FROM FILIAL").toInt();
    ASSERT_EQ(static_cast<int>(lookup.rows.size()), branches);
    for (size_t i = 1; i < lookup.rows.size(); ++i)
        EXPECT_LT(lookup.rows[i - 1].front(), lookup.rows[i].front());

    EXPECT_EQ(form.medFilial->Text(), "0101");
    EXPECT_EQ(form.edtNmFilial->Text(), "Horizonte Rio de Janeiro");
    EXPECT_EQ(User().FocusedName(), "medFilial");
    EXPECT_FALSE(form.cdsTpOperFil->Active());

    ASSERT_TRUE(User().Press(VK_TAB));
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0101\")"));
}

TEST_F(BranchPanelTest, LookupOverNoBranchesShowsItsEmptyErrorAndChangesNothing) {
    server->Execute("PRAGMA foreign_keys = OFF");
    server->Execute("DELETE FROM FILIAL");
    TfrmTpOperFil& form = OpenScreen();

    ASSERT_TRUE(User().Click("btpFilial"));

    EXPECT_THAT(MessageTexts(), ElementsAre("Não há filial cadastrada."));
    EXPECT_THAT(dialogs.Lookups(), IsEmpty());
    EXPECT_EQ(form.medFilial->Text(), "0001");
}

// The lookup button takes no focus: a branch chosen while the grid has it must not leave the
// grid writing rows of the old branch's list under the new branch.
TEST_F(BranchPanelTest, LookupFromGridDiscardsOldListAndChecksNewBranchOnLeaving) {
    TfrmTpOperFil& form = OpenWithBranch0001();
    const int row = RowOf("01");
    ASSERT_TRUE(ClickCell(row, 1));
    ASSERT_TRUE(ClickCell(row, 1));
    ASSERT_TRUE(GridInput::ChoosePickItem(Grid(), 1));
    ASSERT_EQ(form.cdsTpOperFil->State(), dsEdit);

    dialogs.ChooseLookupValue("0101");
    ASSERT_TRUE(User().Click("btpFilial"));

    EXPECT_EQ(User().FocusedName(), "medFilial");
    EXPECT_FALSE(form.cdsTpOperFil->Active());
    EXPECT_EQ(form.medFilial->Text(), "0101");

    ASSERT_TRUE(User().Focus("dbgPadrao"));
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), ElementsAre("GetTpOperFil(\"0101\")"));
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), IsEmpty());
    EXPECT_EQ(Stored("0001", "01", "IDLIBERADO"), "S");
    EXPECT_EQ(form.cdsTpOperFil->RecordCount(), BranchRowCount("0101"));
}

TEST_F(BranchPanelTest, FailingLoadIsLeftToDispatchAndGridStaysClosed) {
    TfrmTpOperFil& form = OpenScreen();
    server->Stop();

    EXPECT_FALSE(ChooseBranch("0001"));

    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages().front().type, mtError);
    EXPECT_THAT(dialogs.Messages().front().text.toStdString(),
                AllOf(StartsWith("Não foi possível carregar os tipos de operação da filial 0001: "),
                      HasSubstr("GetTpOperFil")))
        << "a sentence for the user first, then the method for support";
    EXPECT_FALSE(form.cdsTpOperFil->Active());
}

TEST_F(BranchPanelTest, CallsWaitForTheServerAsLongAsWebTimeoutSays) {
    HostSettings settings = HostSettings::Current();
    settings.callTimeoutSeconds = 7;
    HostSettings::SetCurrent(settings);
    TfrmTpOperFil& form = OpenScreen();
    EXPECT_EQ(form.netTpOperFil->callTimeout(), 7000);
    settings.callTimeoutSeconds = 30;
    HostSettings::SetCurrent(settings);
}

// The check runs the query's text of the connection's dialect; every dialect's text must
// accept a padded code and refuse an unknown one.
class BranchCheckByDialectTest : public BranchPanelTest,
                                 public ::testing::WithParamInterface<SqlDialect> {
protected:
    SqlDialect Dialect() const override { return GetParam(); }
};

TEST_P(BranchCheckByDialectTest, ChecksBranchUnderDialect) {
    TfrmTpOperFil& form = OpenScreen();
    ChooseBranch("301");
    EXPECT_EQ(form.edtNmFilial->Text(), "Vale Verde Porto Alegre");
    EXPECT_TRUE(form.cdsTpOperFil->Active());

    ChooseBranch("9");
    EXPECT_THAT(MessageTexts(), ElementsAre(FilialCad));
    EXPECT_EQ(form.medFilial->Text(), "0009");
}

INSTANTIATE_TEST_SUITE_P(AllDialects, BranchCheckByDialectTest,
                         ::testing::Values(SqlDialect::Oracle, SqlDialect::MSSQL,
                                           SqlDialect::InterBase),
                         [](const ::testing::TestParamInfo<SqlDialect>& dialect) {
                             return SqlDialectName(dialect.param).toStdString();
                         });

} // namespace
