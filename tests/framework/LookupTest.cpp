#include "framework/Lookup.h"

#include "FrameworkTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

#include <memory>

using namespace ger;
using namespace ger::fwtest;

namespace {

const QString Title = QStringLiteral("Filial|Não há filial cadastrada.");

// Branches behind a data source, as the branch lookup offers them: code and name shown, the
// company hidden.
class LookupTest : public FrameworkTest {
protected:
    void SetUp() override {
        cds.SetName(QStringLiteral("qryFilial"));
        dts.SetName(QStringLiteral("dtsFilial"));
        dts.SetDataSet(&cds);
        Load(ThreeBranches());
        cds.AfterScroll = [this](TDataSet*) { ++scrolls; };
    }

    void Load(const QByteArray& packet) {
        cds.SetData(packet);
        cds.FieldByName(QStringLiteral("CDFILIAL"))->SetDisplayLabel(QStringLiteral("Código"));
        cds.FieldByName(QStringLiteral("NMFILIAL"))->SetDisplayLabel(QStringLiteral("Nome"));
        cds.FieldByName(QStringLiteral("CDEMPRESA"))->SetVisible(false);
    }

    QString Code() const { return cds.FieldByName(QStringLiteral("CDFILIAL"))->AsString(); }

    TClientDataSet cds{nullptr};
    TDataSource dts{nullptr};
    int scrolls = 0;
};

TEST_F(LookupTest, PesquisarOffersTheVisibleFieldsUnderTheirLabels) {
    dialogs.CancelLookup();
    Pesquisar(&dts, Title, false, true);
    ASSERT_EQ(dialogs.Lookups().size(), 1u);
    const LookupRequest& request = dialogs.Lookups().front();
    EXPECT_EQ(request.title, QStringLiteral("Filial"));
    EXPECT_FALSE(request.multiSelect);
    EXPECT_EQ(request.columnTitles,
              (QStringList{QStringLiteral("Código"), QStringLiteral("Nome")}));
    ASSERT_EQ(request.rows.size(), 3u);
    EXPECT_EQ(request.rows[0],
              (QStringList{QStringLiteral("0001"), QStringLiteral("Matriz São Paulo")}));
    EXPECT_EQ(request.rows[2],
              (QStringList{QStringLiteral("0103"), QStringLiteral("Filial Recife")}));
}

TEST_F(LookupTest, PesquisarOffersHiddenFieldsTooWhenAsked) {
    dialogs.CancelLookup();
    Pesquisar(&dts, Title, true, true);
    ASSERT_EQ(dialogs.Lookups().size(), 1u);
    EXPECT_EQ(dialogs.Lookups().front().columnTitles,
              (QStringList{QStringLiteral("Código"), QStringLiteral("Nome"),
                           QStringLiteral("CDEMPRESA")}));
    EXPECT_EQ(dialogs.Lookups().front().rows[2][2], QStringLiteral("02"));
}

TEST_F(LookupTest, PesquisarShowsCellsAsTheFieldsDisplayThem) {
    cds.FieldByName(QStringLiteral("NMFILIAL"))->OnGetText = [](TField* f, QString& text, bool) {
        text = f->AsString().toUpper();
    };
    dialogs.CancelLookup();
    Pesquisar(&dts, Title, false, true);
    EXPECT_EQ(dialogs.Lookups().front().rows[1][1], QStringLiteral("FILIAL CAMPINAS"));
}

TEST_F(LookupTest, PesquisarMovesTheDataSetToTheChosenRow) {
    dialogs.ChooseLookupValue(QStringLiteral("Filial Recife"));
    EXPECT_TRUE(Pesquisar(&dts, Title, false, true));
    EXPECT_EQ(Code(), QStringLiteral("0103"));
    EXPECT_EQ(cds.RecNo(), 3);
    EXPECT_EQ(scrolls, 1);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(LookupTest, BuildingTheListDoesNotMoveTheCursor) {
    cds.Last();
    scrolls = 0;
    dialogs.CancelLookup();
    EXPECT_FALSE(Pesquisar(&dts, Title, false, true));
    EXPECT_EQ(Code(), QStringLiteral("0103"));
    EXPECT_EQ(scrolls, 0);
}

TEST_F(LookupTest, PesquisarPostsARecordBeingEditedBeforeListingIt) {
    cds.Edit();
    cds.FieldByName(QStringLiteral("NMFILIAL"))->SetAsString(QStringLiteral("Matriz SP"));
    dialogs.CancelLookup();
    Pesquisar(&dts, Title, false, true);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(dialogs.Lookups().front().rows[0][1], QStringLiteral("Matriz SP"));
}

TEST_F(LookupTest, AnEmptyListShowsTheEmptyTextAsAnErrorWithoutALookup) {
    Load(BranchRows({}));
    EXPECT_FALSE(Pesquisar(&dts, Title, false, true));
    EXPECT_TRUE(dialogs.Lookups().empty());
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("Não há filial cadastrada."));
    EXPECT_EQ(dialogs.Messages()[0].type, mtError);
}

TEST_F(LookupTest, AnEmptyListIsSilentWhenNotToBeReported) {
    Load(BranchRows({}));
    EXPECT_FALSE(Pesquisar(&dts, Title, false, false));
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(LookupTest, ATitleWithoutBarUsesTheDefaultEmptyText) {
    Load(BranchRows({}));
    Pesquisar(&dts, QStringLiteral("Filial"), false, true);
    EXPECT_EQ(dialogs.Texts(), QStringList{EmptyLookupText});
}

TEST_F(LookupTest, MisuseRaisesBeforeAnythingIsShown) {
    EXPECT_THROW(Pesquisar(nullptr, Title, false, true), EComponentError);
    TDataSource orphan(nullptr);
    EXPECT_THROW(Pesquisar(&orphan, Title, false, true), EComponentError);
    // Closed, a client dataset has lost its rows and cannot be opened again by the lookup.
    cds.Close();
    const QString closed = MessageOf<EDatabaseError>([&] { Pesquisar(&dts, Title, false, true); });
    EXPECT_TRUE(closed.startsWith(QLatin1String("qryFilial"))) << closed.toStdString();
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_TRUE(dialogs.Messages().empty());
}

// PesquisaLista: several rows marked, their keys in one string.

TEST_F(LookupTest, PesquisaListaGivesTheMarkedKeysQuotedInTheDataSetsOrder) {
    QString result = QStringLiteral("anterior");
    dialogs.ChooseLookupRows({2, 0});
    EXPECT_TRUE(
        PesquisaLista(&dts, QStringLiteral("CDFILIAL"), QStringLiteral("Filial"), false, result));
    EXPECT_EQ(result, QStringLiteral("'0001','0103'"));
    EXPECT_TRUE(dialogs.Lookups().front().multiSelect);
    EXPECT_EQ(dialogs.Lookups().front().title, QStringLiteral("Filial"));
    EXPECT_EQ(Code(), QStringLiteral("0001"));
    EXPECT_EQ(scrolls, 0);
}

TEST_F(LookupTest, PesquisaListaReadsAKeyFieldThatIsNotShown) {
    QString result;
    dialogs.ChooseLookupRows({0, 1, 2});
    EXPECT_TRUE(
        PesquisaLista(&dts, QStringLiteral("cdempresa"), QStringLiteral("Empresa"), false, result));
    EXPECT_EQ(result, QStringLiteral("'01','01','02'"));
}

TEST_F(LookupTest, PesquisaListaAcceptedWithNothingMarkedGivesAnEmptyString) {
    QString result = QStringLiteral("'0001'");
    dialogs.ChooseLookupRows({});
    EXPECT_TRUE(
        PesquisaLista(&dts, QStringLiteral("CDFILIAL"), QStringLiteral("Filial"), false, result));
    EXPECT_TRUE(result.isEmpty());
}

TEST_F(LookupTest, PesquisaListaRefusesACodeWithAQuoteOrACommaAndLeavesTheResultAlone) {
    for (const char* code : {"01'1", "01,1"}) {
        Load(BranchRows({{V("0001"), V("Matriz"), V("01")}, {V(code), V("Outra"), V("01")}}));
        QString result = QStringLiteral("'0001'");
        dialogs.ClearMessages();
        dialogs.ChooseLookupRows({0, 1});
        EXPECT_FALSE(PesquisaLista(&dts, QStringLiteral("CDFILIAL"), QStringLiteral("Filial"),
                                   false, result))
            << code;
        EXPECT_EQ(result, QStringLiteral("'0001'")) << code;
        EXPECT_EQ(dialogs.Texts(),
                  QStringList{QStringLiteral("O código \"%1\" não pode ser escolhido numa lista: "
                                             "contém aspas ou vírgula.")
                                  .arg(QString::fromUtf8(code))});
    }
}

TEST_F(LookupTest, PesquisaListaCancelledLeavesTheResultAlone) {
    QString result = QStringLiteral("'0101'");
    dialogs.CancelLookup();
    EXPECT_FALSE(
        PesquisaLista(&dts, QStringLiteral("CDFILIAL"), QStringLiteral("Filial"), false, result));
    EXPECT_EQ(result, QStringLiteral("'0101'"));
}

TEST_F(LookupTest, PesquisaListaOverAnEmptyListShowsTheEmptyTextAndLeavesTheResultAlone) {
    Load(BranchRows({}));
    QString result = QStringLiteral("'0101'");
    EXPECT_FALSE(
        PesquisaLista(&dts, QStringLiteral("CDFILIAL"), QStringLiteral("Filial"), false, result));
    EXPECT_EQ(result, QStringLiteral("'0101'"));
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_EQ(dialogs.Texts(), QStringList{EmptyLookupText});
}

TEST_F(LookupTest, PesquisaListaWithAnUnknownKeyFieldRaisesBeforeShowing) {
    QString result = QStringLiteral("x");
    EXPECT_THROW(
        PesquisaLista(&dts, QStringLiteral("CDNADA"), QStringLiteral("Filial"), false, result),
        EDatabaseError);
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_EQ(result, QStringLiteral("x"));
}

} // namespace
