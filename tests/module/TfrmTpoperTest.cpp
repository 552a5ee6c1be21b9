// Screen GER99501, the bulk registration, opened from GER99500's toolbar against the real
// server: its start state, the three multi-choice selections, the checks of the confirmation,
// the question for all branches, and the one write whose answer refreshes the main grid.

#include "module/TfrmTpoper.h"

#include "MainScreenTest.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "module/Cli_ger99501.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TRadioButton.h"

#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

const QString InscEstInfo = QStringLiteral("Inscrição Estadual deve ser informada.");
const QString InfFil = QStringLiteral("Filial deve ser informada. ");
const QString InfTpOper = QStringLiteral("Tipo de Operação deve ser informado.");
const QString Sucesso = QStringLiteral("Cadastramento realizado com sucesso.");
const QString ConfTodas =
    QStringLiteral("A confirmação provocará a alteração de todas as filiais. confirma operação?");
// The state registrations of branches 0001 and 0002.
const QString IeMatriz = QStringLiteral("110042490114");
const QString IeCampinas = QStringLiteral("244111536119");

class BulkRegistrationTest : public MainScreenTest {
protected:
    // Opens the screen from btnAutomatico, runs `script` while it is shown and closes it
    // unless the script (or the confirmation) did.
    void OpenBulk(std::function<void(TfrmTpoper&, ScriptedUser&)> script) {
        dialogs.OnModal([script = std::move(script)](TCustomForm& form) {
            auto& screen = dynamic_cast<TfrmTpoper&>(form);
            ScriptedUser user(screen);
            script(screen, user);
            if (screen.Visible())
                user.Close();
        });
        ASSERT_TRUE(User().Click("btnAutomatico"));
    }

    // The first column of the last lookup offered.
    QStringList Offered() const {
        QStringList keys;
        if (!dialogs.Lookups().empty())
            for (const QStringList& row : dialogs.Lookups().back().rows)
                keys.append(row.value(0));
        return keys;
    }

    QStringList Column(const QString& sql) const {
        return server->Scalar(QStringLiteral("SELECT group_concat(V, ',') FROM (%1)").arg(sql))
            .split(',', Qt::SkipEmptyParts);
    }
    // The rows outside the pairs of `branches` (an SQL list) × the types in use, with their
    // values: what a bulk write of those pairs must leave alone.
    QStringList Others(const QString& branches) const {
        return Column(QStringLiteral(
                          "SELECT CDFILIAL || '/' || CDTIPOOPER || '/' || IDLIBERADO || "
                          "IDLANCMANUAL || COALESCE(IDENDEMISTPOPFIL, '') AS V FROM TIPOOPERFILIAL "
                          "WHERE NOT (CDFILIAL IN (%1) AND CDTIPOOPER IN (%2)) ORDER BY 1")
                          .arg(branches, InUse));
    }
    // How many pairs of `branches` × the types in use hold these values.
    int Written(const QString& branches, const QString& values) const {
        return server
            ->Scalar(QStringLiteral("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE CDFILIAL IN (%1) "
                                    "AND CDTIPOOPER IN (%2) AND IDLIBERADO || IDLANCMANUAL || "
                                    "IDENDEMISTPOPFIL = '%3'")
                         .arg(branches, InUse, values))
            .toInt();
    }
    int InUseCount() const {
        return server->Scalar(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(InUse)).toInt();
    }

    static inline const QString InUse = QStringLiteral(
        "SELECT CDTIPOOPER FROM TIPOOPERAC WHERE IDUTILOPER = 'S' AND IDENTRSAIDOP = 'S'");
};

} // namespace

TEST_F(BulkRegistrationTest, OpensOnListsSimNaoAndFilialWithNothingChosen) {
    OpenWithBranch0001();
    Cli_ger99501::stdFilial = QStringLiteral("'0001'");
    OpenBulk([](TfrmTpoper& s, ScriptedUser&) {
        EXPECT_TRUE(s.rdbLInscEst->Checked());
        EXPECT_TRUE(s.rdbLFilial->Checked());
        EXPECT_TRUE(s.rdbLTpOper->Checked());
        EXPECT_FALSE(s.rdbTInscEst->Checked());
        EXPECT_TRUE(s.btnInsEst->Enabled());
        EXPECT_TRUE(s.btnFilial->Enabled());
        EXPECT_TRUE(s.btnTpOperacao->Enabled());
        EXPECT_EQ(s.cbbLiberado->Text(), "Sim");
        EXPECT_EQ(s.cbbLancMan->Text(), "Não");
        EXPECT_EQ(s.cbbSelecaoEndereco->Text(), "Filial");
        EXPECT_TRUE(Cli_ger99501::stdFilial.isEmpty()) << "each opening starts afresh";
    });
}

// The branch lookup needs state registrations first; it then offers only their branches, or
// every branch for "Todos". "Todos" on registrations empties the branch list too.
TEST_F(BulkRegistrationTest, TheBranchLookupFollowsTheStateRegistrations) {
    OpenWithBranch0001();
    OpenBulk([&](TfrmTpoper& s, ScriptedUser& user) {
        ASSERT_TRUE(user.Click("btnFilial"));
        EXPECT_THAT(MessageTexts(), ElementsAre(InscEstInfo));
        EXPECT_THAT(dialogs.Lookups(), IsEmpty()) << "no list opened";

        dialogs.ChooseLookupKeys({IeMatriz, IeCampinas});
        ASSERT_TRUE(user.Click("btnInsEst"));
        EXPECT_EQ(dialogs.Lookups().back().title, "Inscrição Estadual");
        EXPECT_TRUE(dialogs.Lookups().back().multiSelect);
        EXPECT_EQ(Offered(), Column("SELECT CDINSCESTA AS V FROM INSCRESTAD ORDER BY 1"));
        EXPECT_EQ(Cli_ger99501::stdInscEst, "'110042490114','244111536119'");

        dialogs.ChooseLookupKeys({QStringLiteral("0002")});
        ASSERT_TRUE(user.Click("btnFilial"));
        EXPECT_EQ(Offered(), QStringList({"0001", "0002"}));
        EXPECT_EQ(Cli_ger99501::stdFilial, "'0002'");

        ASSERT_TRUE(user.Click("rdbTInscEst"));
        EXPECT_FALSE(s.btnInsEst->Enabled());
        EXPECT_TRUE(Cli_ger99501::stdInscEst.isEmpty());
        EXPECT_TRUE(Cli_ger99501::stdFilial.isEmpty()) << "drawn from the registrations";
        dialogs.CancelLookup();
        ASSERT_TRUE(user.Click("btnFilial"));
        EXPECT_EQ(Offered(), Column("SELECT CDFILIAL AS V FROM FILIAL ORDER BY 1"));

        ASSERT_TRUE(user.Click("rdbLInscEst"));
        EXPECT_TRUE(s.btnInsEst->Enabled());
        EXPECT_TRUE(Cli_ger99501::stdInscEst.isEmpty()) << "back to Lista, still nothing chosen";
    });
}

TEST_F(BulkRegistrationTest, TheTypeLookupOffersOnlyTypesInUseForBothDirections) {
    OpenWithBranch0001();
    OpenBulk([&](TfrmTpoper&, ScriptedUser& user) {
        dialogs.CancelLookup();
        ASSERT_TRUE(user.Click("btnTpOperacao"));
        EXPECT_EQ(Offered(), Column("SELECT CDTIPOOPER AS V FROM TIPOOPERAC WHERE IDUTILOPER = "
                                    "'S' AND IDENTRSAIDOP = 'S' ORDER BY 1"));
        EXPECT_LT(Offered().size(), Column("SELECT CDTIPOOPER AS V FROM TIPOOPERAC").size());
        EXPECT_TRUE(Cli_ger99501::stdTpoOper.isEmpty()) << "a closed lookup chooses nothing";
    });
}

// The checks in their order, each with its message, nothing sent and the screen open.
TEST_F(BulkRegistrationTest, TheConfirmationChecksEachListInOrder) {
    OpenWithBranch0001();
    OpenBulk([&](TfrmTpoper& s, ScriptedUser& user) {
        ASSERT_TRUE(user.Click("sbtConfirma"));
        dialogs.ChooseLookupKeys({IeMatriz});
        ASSERT_TRUE(user.Click("btnInsEst"));
        ASSERT_TRUE(user.Click("sbtConfirma"));
        dialogs.ChooseLookupKeys({QStringLiteral("0001")});
        ASSERT_TRUE(user.Click("btnFilial"));
        ASSERT_TRUE(user.Click("sbtConfirma"));
        EXPECT_THAT(MessageTexts(), ElementsAre(InscEstInfo, InfFil, InfTpOper));
        EXPECT_TRUE(s.Visible());
    });
    EXPECT_THAT(server->CallsOf("SetGravaAut"), IsEmpty());
}

// Lists for registrations and branches, "Todos" for types: no question, the types go out as
// "T", exactly the chosen branches × every type written with the chosen values, the main grid
// reloaded with the main screen's branch, the message, and the screen gone.
TEST_F(BulkRegistrationTest, ListedBranchesWithAllTypesAreWrittenWithoutAQuestion) {
    OpenWithBranch0001();
    const QString chosen = QStringLiteral("'0001','0002'");
    const QStringList others = Others(chosen);
    OpenBulk([&](TfrmTpoper&, ScriptedUser& user) {
        dialogs.ChooseLookupKeys({IeMatriz, IeCampinas});
        ASSERT_TRUE(user.Click("btnInsEst"));
        dialogs.ChooseLookupKeys({QStringLiteral("0001"), QStringLiteral("0002")});
        ASSERT_TRUE(user.Click("btnFilial"));
        ASSERT_TRUE(user.Click("rdbTTpOper"));
        ASSERT_TRUE(user.Choose("cbbLiberado", "Não"));
        ASSERT_TRUE(user.Choose("cbbLancMan", "Sim"));
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Entrega"));
        ASSERT_TRUE(user.Click("sbtConfirma"));
    });
    EXPECT_THAT(server->CallsOf("SetGravaAut"),
                ElementsAre("SetGravaAut(var \"'110042490114','244111536119'\", var "
                            "\"'0001','0002'\", var \"T\", var \"N\", var \"S\", \"0001\", var "
                            "\"T\")"));
    EXPECT_THAT(MessageTexts(), ElementsAre(Sucesso)) << "no question was asked";
    EXPECT_EQ(Written(chosen, "NST"), 2 * InUseCount());
    EXPECT_EQ(Others(chosen), others) << "nothing else changed";
    EXPECT_EQ(Cli_ger99501::frmTpoper, nullptr) << "the screen closed and was released";
    ASSERT_TRUE(Form().cdsTpOperFil->Active());
    EXPECT_EQ(Form().cdsTpOperFilIDLIBERADO->AsString(), "N") << "the grid shows the answer";
    EXPECT_EQ(Form().cdsTpOperFil->ChangeCount(), 0);
}

// "Todos" for branches asks first: No closes the screen and sends nothing; Yes sends the three
// lists as "T".
TEST_F(BulkRegistrationTest, AllBranchesAreWrittenOnlyAfterYes) {
    OpenWithBranch0001();
    const QString all = QStringLiteral("SELECT CDFILIAL FROM FILIAL");
    const QStringList before = Others(QStringLiteral("''"));
    dialogs.Answer(mrNo);
    OpenBulk([&](TfrmTpoper& s, ScriptedUser& user) {
        for (const char* group : {"rdbTInscEst", "rdbTFilial", "rdbTTpOper"})
            ASSERT_TRUE(user.Click(group));
        ASSERT_TRUE(user.Click("sbtConfirma"));
        EXPECT_EQ(s.ModalResult(), mrCancel) << "No closes the screen";
    });
    EXPECT_EQ(Cli_ger99501::frmTpoper, nullptr);
    EXPECT_THAT(server->CallsOf("SetGravaAut"), IsEmpty());
    EXPECT_EQ(Others(QStringLiteral("''")), before) << "nothing written";

    dialogs.ClearMessages();
    dialogs.Answer(mrYes);
    OpenBulk([&](TfrmTpoper&, ScriptedUser& user) {
        for (const char* group : {"rdbTInscEst", "rdbTFilial", "rdbTTpOper"})
            ASSERT_TRUE(user.Click(group));
        ASSERT_TRUE(user.Click("sbtConfirma"));
    });
    EXPECT_THAT(server->CallsOf("SetGravaAut"),
                ElementsAre("SetGravaAut(var \"T\", var \"T\", var \"T\", var \"S\", var \"N\", "
                            "\"0001\", var \"P\")"));
    EXPECT_THAT(MessageTexts(), ElementsAre(ConfTodas, Sucesso));
    EXPECT_EQ(Written(all, "SNP"), 8 * InUseCount()) << "every branch × every type in use";
}

// A code the list cannot carry (a state registration holding a quote) is refused in the
// lookup; a failed write (the server down) leaves the screen open with its selections, the
// values and the "T" fillings. Nothing is written either way.
TEST_F(BulkRegistrationTest, ABadCodeOrAFailedWriteLeavesTheScreenOpenWithItsSelections) {
    server->Execute("INSERT INTO INSCRESTAD (CDINSCESTA, SGESTADO, CDEMPRESA) "
                    "VALUES ('12''3', 'SP', '01')");
    OpenWithBranch0001();
    const QStringList before = Others(QStringLiteral("''"));
    OpenBulk([&](TfrmTpoper& s, ScriptedUser& user) {
        dialogs.ChooseLookupKeys({QStringLiteral("12'3"), IeMatriz});
        ASSERT_TRUE(user.Click("btnInsEst"));
        EXPECT_THAT(MessageTexts(),
                    ElementsAre("O código \"12'3\" não pode ser escolhido numa lista: contém "
                                "aspas ou vírgula."));
        EXPECT_TRUE(Cli_ger99501::stdInscEst.isEmpty());

        dialogs.ClearMessages();
        dialogs.ChooseLookupKeys({IeMatriz});
        ASSERT_TRUE(user.Click("btnInsEst"));
        ASSERT_TRUE(user.Click("rdbTFilial"));
        ASSERT_TRUE(user.Click("rdbTTpOper"));
        server->Stop();
        dialogs.Answer(mrYes);
        EXPECT_FALSE(user.Click("sbtConfirma"));
        ASSERT_THAT(MessageTexts(), SizeIs(2)) << "the question, then the failure";
        EXPECT_TRUE(s.Visible());
        EXPECT_EQ(Cli_ger99501::stdInscEst, "'110042490114'");
        EXPECT_EQ(Cli_ger99501::stdFilial, "T");
        EXPECT_EQ(Cli_ger99501::stdTpoOper, "T");
        EXPECT_EQ(Cli_ger99501::stdLiber, "S");
        EXPECT_EQ(Cli_ger99501::stdLancMan, "N");
        EXPECT_FALSE(dialogs.IsProgressShown());
        server->Start();
    });
    EXPECT_EQ(Others(QStringLiteral("''")), before) << "nothing written";
}
