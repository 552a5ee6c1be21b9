// The client panel of the page "Tipo de Operação por Cliente": the page switch, the client
// typed or looked up, its check when the grid is entered, and the fetch of its operation types
// when the focus leaves the panel.

#include "ClientPageTest.h"
#include "framework/CodeFunctions.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TNotebook.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/grid/TDBGrid.h"
#include "platform/sql/TADOIBQuery.h"

#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

const QString ClienteInv = QStringLiteral("Cliente deve ser informado.");
const QString ClienteCad = QStringLiteral("Cliente não cadastrado.");

class ClientPanelTest : public ClientPageTest {};

TEST_F(ClientPanelTest, ThePageOpensOnTheClientNotebookPageWithNothingFetched) {
    TfrmTpOperFil& form = OpenClientPage();
    EXPECT_EQ(form.nbkForneCli->PageIndex(), 1);
    EXPECT_TRUE(form.medCdCliente->Showing());
    EXPECT_FALSE(form.medFornecedor->Showing());
    EXPECT_FALSE(form.BtnPesquisa1->Visible()) << "a lookup button with nothing behind it";
    EXPECT_FALSE(form.edtNmCliente->Enabled());
    EXPECT_FALSE(form.cdsTpOperCli->Active());
    EXPECT_EQ(User().FocusedName(), "pgcTipoOperFili") << "a click on the tab";
    for (const TButtonFlat* button :
         {form.sbtIncluir, form.sbtExcluir, form.sbtCancelar, form.sbtImportExport})
        EXPECT_FALSE(button->Enabled()) << button->Name().toStdString();
    EXPECT_THAT(server->Calls(), IsEmpty());
}

TEST_F(ClientPanelTest, TabFromTheClientFetchesItsTypesChecksItAndShowsItsName) {
    TfrmTpOperFil& form = OpenClientPage();
    ASSERT_TRUE(ChooseClient(MariaNumber));

    EXPECT_THAT(server->Calls(), ElementsAre(FetchCall(MariaCode)));
    EXPECT_EQ(TypesShown(), StoredTypes(MariaCode));
    EXPECT_EQ(TypesShown(), QStringList({"01", "10", "19", "28"}));
    EXPECT_EQ(ClientGrid().DisplayText(0, 1), "Venda de mercadoria");
    EXPECT_EQ(form.edtNmCliente->Text(), MariaName);
    EXPECT_EQ(User().FocusedName(), "dbgTipoOperCli");
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("NRINSCRICAO")->EditMask(), PictPess("F"));
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("NRINSCRICAO")->DisplayText(), "920.900.280-68");
    EXPECT_TRUE(form.sbtIncluir->Enabled());
    EXPECT_TRUE(form.sbtExcluir->Enabled());
    EXPECT_FALSE(form.sbtCancelar->Enabled());
    ASSERT_THAT(dialogs.Progress(), SizeIs(2));
    EXPECT_EQ(dialogs.Progress()[0].kind, 1);
    EXPECT_EQ(dialogs.Progress()[0].text, "");
    EXPECT_FALSE(dialogs.IsProgressShown());
}

// The panel's exit runs before the grid's entry: the fetch must not send the client of the
// previous check.
TEST_F(ClientPanelTest, TheFetchSendsTheClientTypedNowNotThePreviousOne) {
    OpenWithClient(MariaNumber);
    ASSERT_TRUE(ChooseClient(SupermercadoNumber));
    EXPECT_THAT(server->Calls(), ElementsAre(FetchCall(SupermercadoCode)));
    EXPECT_EQ(TypesShown(), StoredTypes(SupermercadoCode));
    EXPECT_EQ(Form().cdsTpOperCli->FieldByName("NRINSCRICAO")->DisplayText(), "83.646.835/0001-40");
}

TEST_F(ClientPanelTest, AnEmptyOrUnknownClientIsRefusedWhenTheGridIsEnteredAndFetchesNothing) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    struct Case {
        QString typed, message;
    };
    // Checked as typed: blanks count as empty; a CNPJ with its mask or a number in lower case
    // is not the number stored.
    for (const Case& c :
         {Case{"", ClienteInv}, Case{"   ", ClienteInv}, Case{"00000000000", ClienteCad},
          Case{"83.646.835/0001-40", ClienteCad}, Case{"8o41jmrg000116", ClienteCad}}) {
        SCOPED_TRACE(c.typed.toStdString());
        ASSERT_TRUE(ChooseClient(MariaNumber));
        dialogs.ClearMessages();
        server->ClearCalls();

        EXPECT_FALSE(ChooseClient(c.typed)) << "refused";

        EXPECT_THAT(dialogs.Texts(), ElementsAre(c.message));
        EXPECT_EQ(User().FocusedName(), "medCdCliente");
        EXPECT_THAT(server->Calls(), IsEmpty());
        EXPECT_TRUE(form.cdsTpOperCli->IsEmpty());
        EXPECT_EQ(form.edtNmCliente->Text(), "");
    }
}

TEST_F(ClientPanelTest, AnAlphanumericCnpjIsFoundAsStored) {
    TfrmTpOperFil& form = OpenWithClient(QStringLiteral("8O41JMRG000116"));
    EXPECT_EQ(form.edtNmCliente->Text(), "Atacadão Nordeste Ltda.");
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("NRINSCRICAO")->DisplayText(), "8O.41J.MRG/0001-16");
}

TEST_F(ClientPanelTest, EnteringThePanelEmptiesTheListAndTheDeleteButtonFollows) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(form.sbtExcluir->Enabled());
    ASSERT_TRUE(User().Focus("medCdCliente"));
    EXPECT_TRUE(form.cdsTpOperCli->Active());
    EXPECT_TRUE(form.cdsTpOperCli->IsEmpty());
    EXPECT_EQ(form.cdsTpOperCli->ChangeCount(), 0) << "emptied, not removed on the server";
    EXPECT_FALSE(form.sbtExcluir->Enabled());
    EXPECT_TRUE(form.sbtIncluir->Enabled());
    EXPECT_EQ(StoredTypes(MariaCode), QStringList({"01", "10", "19", "28"}));
}

TEST_F(ClientPanelTest, TypingClearsTheNameAndSwitchingPagesClearsTheClientButKeepsTheList) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(User().SelectPage("pgcTipoOperFili", "tshTipoOperFili"));
    ASSERT_EQ(form.pgcTipoOperFili->ActivePage(), form.tshTipoOperFili);
    EXPECT_EQ(form.medCdCliente->Text(), MariaNumber);
    EXPECT_EQ(form.edtNmCliente->Text(), MariaName);
    EXPECT_EQ(form.cdsTpOperCli->RecordCount(), 4);

    ASSERT_TRUE(User().Click("tshTipoOperCli"));
    ASSERT_EQ(form.pgcTipoOperFili->ActivePage(), form.tshTipoOperCli);
    EXPECT_EQ(form.medCdCliente->Text(), "");
    EXPECT_EQ(form.edtNmCliente->Text(), "");

    ASSERT_TRUE(User().Focus("medCdCliente"));
    ASSERT_TRUE(User().Type("9"));
    form.edtNmCliente->SetText("x");
    ASSERT_TRUE(User().Type("2"));
    EXPECT_EQ(form.edtNmCliente->Text(), "");
}

TEST_F(ClientPanelTest, TheLookupOffersEveryClientByNumberAndTakesTheChosenOne) {
    TfrmTpOperFil& form = OpenClientPage();
    const int clients = server->Scalar("SELECT COUNT(NRINSJURCLIE) FROM CLIENTE").toInt();
    ASSERT_LT(clients, server->Scalar("SELECT COUNT(*) FROM CLIENTE").toInt())
        << "the demo has clients without a number, which the list leaves out";
    dialogs.ChooseLookupKeys({SupermercadoNumber});
    ASSERT_TRUE(User().Click("btnCliente"));

    ASSERT_THAT(dialogs.Lookups(), SizeIs(1));
    const LookupRequest& lookup = dialogs.Lookups().front();
    EXPECT_EQ(lookup.title, "Cliente");
    EXPECT_EQ(lookup.columnTitles, QStringList({"Inscrição", "Razão Social", "Nome Fantasia"}));
    ASSERT_EQ(static_cast<int>(lookup.rows.size()), clients);
    for (size_t i = 1; i < lookup.rows.size(); ++i)
        EXPECT_LT(lookup.rows[i - 1].front(), lookup.rows[i].front());
    EXPECT_EQ(form.medCdCliente->Text(), SupermercadoNumber);
    EXPECT_EQ(form.edtNmCliente->Text(), "Supermercado Bom Preço Ltda.");
    EXPECT_EQ(User().FocusedName(), "medCdCliente");
    EXPECT_FALSE(form.qryCliente->Active()) << "the lookup does not check the client";

    ASSERT_TRUE(User().Press(VK_TAB));
    EXPECT_THAT(server->CallsOf("GetTipoOperCli"), ElementsAre(FetchCall(SupermercadoCode)));
}

TEST_F(ClientPanelTest, TwoClientsWithOneNumberGiveTheFirstRowsNameAndCode) {
    server->Execute(QStringLiteral("UPDATE CLIENTE SET NRINSJURCLIE = '%1' WHERE CDCLIENTE = '%2'")
                        .arg(MariaNumber, QStringLiteral("000000000000000000003")));
    TfrmTpOperFil& form = OpenClientPage();
    ASSERT_TRUE(ChooseClient(MariaNumber));
    ASSERT_EQ(form.qryCliente->RecordCount(), 2);
    EXPECT_EQ(form.qryCliente->RecNo(), 1);
    const QString firstCode = form.qryClienteCDCLIENTE->AsString();
    EXPECT_THAT(server->Calls(), ElementsAre(FetchCall(firstCode)));
    EXPECT_EQ(
        form.edtNmCliente->Text(),
        server->Scalar(QStringLiteral("SELECT NMRAZSOCCLIE FROM CLIENTE WHERE CDCLIENTE = '%1'")
                           .arg(firstCode)));
}

TEST_F(ClientPanelTest, AClientWithoutTypesLeavesTheGridEmptyAndSetsNoMask) {
    TfrmTpOperFil& form = OpenClientPage();
    const QString number = server->Scalar(
        "SELECT NRINSJURCLIE FROM CLIENTE WHERE CDCLIENTE NOT IN (SELECT CDCLIENTE FROM "
        "TIPOOPERCLIENTE WHERE CDFILIAL = '0001') ORDER BY CDCLIENTE LIMIT 1");
    ASSERT_FALSE(number.isEmpty());
    ASSERT_TRUE(ChooseClient(number));
    EXPECT_TRUE(form.cdsTpOperCli->Active());
    EXPECT_TRUE(form.cdsTpOperCli->IsEmpty());
    EXPECT_EQ(form.cdsTpOperCli->FieldByName("NRINSCRICAO")->EditMask(), "");
    EXPECT_TRUE(form.sbtIncluir->Enabled());
    EXPECT_FALSE(form.sbtExcluir->Enabled());
}

TEST_F(ClientPanelTest, AFetchThatFailsKeepsTheFocusAndTheEmptyListAndTurnsTheAnimationOff) {
    TfrmTpOperFil& form = OpenWithClient(MariaNumber);
    ASSERT_TRUE(User().Focus("medCdCliente"));
    server->Stop();
    EXPECT_FALSE(User().Press(VK_TAB));
    EXPECT_THAT(dialogs.Texts(), SizeIs(1));
    EXPECT_EQ(User().FocusedName(), "medCdCliente");
    EXPECT_TRUE(form.cdsTpOperCli->IsEmpty());
    EXPECT_FALSE(dialogs.IsProgressShown());
}

} // namespace
