// Every query text of the screens, read from their form data, run under each dialect on the
// demo database against a plain reference statement.

#include "SeededDatabase.h"
#include "platform/sql/SqlText.h"
#include "platform/sql/TADOIBQuery.h"
#include "support/ScreenFormQueries.h"

#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

using namespace ger;

namespace {

struct Binding {
    const char* name;
    QVariant value; // a null QVariant: the parameter cleared
};

const char kMainScreen[] = "src/module/Cli_ger99500.dfm";
const char kBulkScreen[] = "src/module/Cli_ger99501.dfm";
const char kIssuingDataScreen[] = "src/module/Cli_ger99502.dfm";

// A query of a screen's form data: the file and the query's name.
struct ScreenQuery {
    const char* form;
    const char* query;
};

// The texts of the query as its screen's form data declares them.
DialectTexts TextsOf(const ScreenQuery& query) {
    const ScreenFormQueries form(QString::fromLatin1(query.form));
    return form.Query(QString::fromLatin1(query.query))->Texts();
}

// One query as a screen opens it: its texts, the parameters the screen sets, and a plain
// reference statement on the tables that states which rows must come back.
struct QueryScenario {
    const char* name;
    ScreenQuery query;
    std::vector<Binding> bindings;
    QStringList columns; // compared; selected by every dialect's text
    const char* reference;
    int minimumRows; // guards against a reference that selects nothing by mistake
};

QString S(const char* text) {
    return QString::fromUtf8(text);
}

const std::vector<QueryScenario>& Scenarios() {
    static const std::vector<QueryScenario> scenarios{
        {"BranchLookupListsAllBranches",
         {kMainScreen, "qryFilial"},
         {{"P_CDFILIAL", S("")}, {"P_TCDFILIAL", S("T")}},
         {"CDFILIAL", "NMFILIAL", "CDEMPRESA", "CDINSCESTA", "CDINSCMUNI", "CDSERIE"},
         "SELECT CDFILIAL, NMFILIAL, CDEMPRESA, CDINSCESTA, CDINSCMUNI, CDSERIE "
         "FROM FILIAL ORDER BY CDFILIAL",
         6},
        {"BranchCheckFindsTheTypedBranch",
         {kMainScreen, "qryFilial"},
         {{"P_CDFILIAL", S("0101")}, {"P_TCDFILIAL", S("")}},
         {"CDFILIAL", "NMFILIAL", "CDEMPRESA", "CDINSCESTA", "CDINSCMUNI", "CDSERIE"},
         "SELECT CDFILIAL, NMFILIAL, CDEMPRESA, CDINSCESTA, CDINSCMUNI, CDSERIE "
         "FROM FILIAL WHERE CDFILIAL = '0101'",
         1},
        {"BranchCheckOfUnknownBranchFindsNone",
         {kMainScreen, "qryFilial"},
         {{"P_CDFILIAL", S("0999")}, {"P_TCDFILIAL", S("")}},
         {"CDFILIAL"},
         "SELECT CDFILIAL FROM FILIAL WHERE CDFILIAL = '0999'",
         0},
        {"ClientCheckFindsTheTypedCnpj",
         {kMainScreen, "qryCliente"},
         {{"P_NRINSJURCLIE", S("83646835000140")}},
         {"CDCLIENTE", "IDTPIJURCLIE", "NRINSJURCLIE", "NMRAZSOCCLIE", "NMFANTCLIE"},
         "SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE "
         "FROM CLIENTE WHERE NRINSJURCLIE = '83646835000140'",
         1},
        {"ClientCheckFindsAnAlphanumericCnpj",
         {kMainScreen, "qryCliente"},
         {{"P_NRINSJURCLIE", S("7UUG46LD000166")}},
         {"CDCLIENTE", "NRINSJURCLIE", "NMRAZSOCCLIE", "NMFANTCLIE"},
         "SELECT CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE "
         "FROM CLIENTE WHERE NRINSJURCLIE = '7UUG46LD000166'",
         1},
        {"ClientCheckFindsTheTypedCpf",
         {kMainScreen, "qryCliente"},
         {{"P_NRINSJURCLIE", S("92090028068")}},
         {"CDCLIENTE", "NRINSJURCLIE", "NMRAZSOCCLIE", "NMFANTCLIE"},
         "SELECT CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE "
         "FROM CLIENTE WHERE NRINSJURCLIE = '92090028068'",
         1},
        {"ClientCheckOfUnknownNumberFindsNone",
         {kMainScreen, "qryCliente"},
         {{"P_NRINSJURCLIE", S("11222333000181")}},
         {"CDCLIENTE"},
         "SELECT CDCLIENTE FROM CLIENTE WHERE NRINSJURCLIE = '11222333000181'",
         0},
        {"ClientLookupWithClearedParameterListsEveryClientWithANumber",
         {kMainScreen, "qryCli"},
         {{"P_NRINSJURCLIE", QVariant()}},
         {"CDCLIENTE", "NRINSJURCLIE", "NMRAZSOCCLIE", "NMFANTCLIE"},
         "SELECT CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE FROM CLIENTE "
         "WHERE NRINSJURCLIE IS NOT NULL ORDER BY NRINSJURCLIE",
         50},
        {"OperationTypeLookupListsEveryTypeOfferedToClients",
         {kMainScreen, "qryTipoOperacao"},
         {{"P_IDENTRSAIDOP", S("S")}, {"P_CDTIPOOPER", QVariant()}, {"P_TCDTIPOOPER", S("T")}},
         {"IDENTRSAIDOP", "CDTIPOOPER", "NMTIPOOPER"},
         "SELECT IDENTRSAIDOP, CDTIPOOPER, NMTIPOOPER FROM TIPOOPERAC "
         "WHERE IDENTRSAIDOP = 'S' ORDER BY CDTIPOOPER",
         30},
        {"OperationTypeCheckFindsTheAdjustedCode",
         {kMainScreen, "qryTipoOperacao"},
         {{"P_IDENTRSAIDOP", S("S")}, {"P_CDTIPOOPER", S("05")}, {"P_TCDTIPOOPER", S("")}},
         {"IDENTRSAIDOP", "CDTIPOOPER", "NMTIPOOPER"},
         "SELECT IDENTRSAIDOP, CDTIPOOPER, NMTIPOOPER FROM TIPOOPERAC WHERE CDTIPOOPER = '05'",
         1},
        {"OperationTypeCheckRefusesTypeNotOfferedToClients",
         {kMainScreen, "qryTipoOperacao"},
         {{"P_IDENTRSAIDOP", S("S")}, {"P_CDTIPOOPER", S("30")}, {"P_TCDTIPOOPER", S("")}},
         {"CDTIPOOPER"},
         "SELECT CDTIPOOPER FROM TIPOOPERAC WHERE CDTIPOOPER = '30' AND IDENTRSAIDOP = 'S'",
         0},
        {"StateRegistrationsAllInOrder",
         {kBulkScreen, "qryInscEst"},
         {},
         {"CDINSCESTA", "IDMARCADO"},
         "SELECT CDINSCESTA, '' AS IDMARCADO FROM INSCRESTAD ORDER BY CDINSCESTA",
         8},
        {"BulkBranchesOfEveryStateRegistration",
         {kBulkScreen, "qryFilial"},
         {{"P_CDINSCESTA", QVariant()}, {"P_TCDINSCESTA", S("T")}},
         {"CDFILIAL", "NMFILIAL", "IDMARCADO"},
         "SELECT CDFILIAL, NMFILIAL, ' ' AS IDMARCADO FROM FILIAL ORDER BY CDFILIAL",
         6},
        {"BulkBranchesOfListedStateRegistrationsOnly",
         {kBulkScreen, "qryFilial"},
         {{"P_CDINSCESTA", S("'110042490114','0623079040081','535371658110'")},
          {"P_TCDINSCESTA", QVariant()}},
         {"CDFILIAL", "NMFILIAL", "IDMARCADO"},
         "SELECT CDFILIAL, NMFILIAL, ' ' AS IDMARCADO FROM FILIAL "
         "WHERE CDINSCESTA IN ('110042490114', '0623079040081', '535371658110') "
         "ORDER BY CDFILIAL",
         2},
        {"BulkOperationTypesInUseAndOffered",
         {kBulkScreen, "qryTpOper"},
         {},
         {"CDTIPOOPER", "NMTIPOOPER", "IDMARCADO"},
         "SELECT CDTIPOOPER, NMTIPOOPER, '' AS IDMARCADO FROM TIPOOPERAC "
         "WHERE IDUTILOPER = 'S' AND IDENTRSAIDOP = 'S' ORDER BY CDTIPOOPER",
         25},
        {"MunicipalLookupListsTheCompanysRegistrations",
         {kIssuingDataScreen, "qryInscMunicip"},
         {{"P_CDEMPRESA", S("01")}, {"P_CDINSCMUNI", S("")}, {"P_TCDINSCMUNI", S("T")}},
         {"CDINSCMUNI"},
         "SELECT CDINSCMUNI FROM INSCRMUNICIP WHERE CDEMPRESA = '01' ORDER BY CDINSCMUNI",
         2},
        {"MunicipalCheckFindsTheTypedRegistration",
         {kIssuingDataScreen, "qryInscMunicip"},
         {{"P_CDEMPRESA", S("01")}, {"P_CDINSCMUNI", S("04567890")}, {"P_TCDINSCMUNI", S("")}},
         {"CDINSCMUNI"},
         "SELECT CDINSCMUNI FROM INSCRMUNICIP WHERE CDEMPRESA = '01' AND CDINSCMUNI = '04567890'",
         1},
        {"MunicipalCheckRefusesAnotherCompanysRegistration",
         {kIssuingDataScreen, "qryInscMunicip"},
         {{"P_CDEMPRESA", S("01")}, {"P_CDINSCMUNI", S("5214789")}, {"P_TCDINSCMUNI", S("")}},
         {"CDINSCMUNI"},
         "SELECT CDINSCMUNI FROM INSCRMUNICIP WHERE CDEMPRESA = '01' AND CDINSCMUNI = '5214789'",
         0},
    };
    return scenarios;
}

const QueryScenario& ScenarioNamed(const char* name) {
    for (const QueryScenario& scenario : Scenarios()) {
        if (qstrcmp(scenario.name, name) == 0)
            return scenario;
    }
    throw std::out_of_range(name);
}

std::vector<SqlRow> RunScreenQuery(DatabaseConnection& connection, const QueryScenario& scenario,
                                   SqlDialect dialect) {
    const DialectTexts texts = TextsOf(scenario.query);
    SqlStatement statement(connection, SqlText::FromLines(SelectDialectText(texts, dialect)));
    for (const Binding& binding : scenario.bindings)
        statement.bind(QString::fromLatin1(binding.name), binding.value);
    return statement.select().project(scenario.columns);
}

class ScreenQueriesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SeededDatabase::SetUp(); }
    static void TearDownTestSuite() { SeededDatabase::TearDown(); }

    DatabaseConnection connection{SeededDatabase::Path()};
};

class ScreenQueryUnderDialect
    : public ScreenQueriesTest,
      public ::testing::WithParamInterface<std::tuple<size_t, SqlDialect>> {};

class ScreenQueryAcrossDialects : public ScreenQueriesTest,
                                  public ::testing::WithParamInterface<size_t> {};

std::vector<size_t> ScenarioIndexes() {
    std::vector<size_t> indexes;
    for (size_t i = 0; i < Scenarios().size(); ++i)
        indexes.push_back(i);
    return indexes;
}

} // namespace

TEST_P(ScreenQueryUnderDialect, ReturnsExactlyTheReferenceRows) {
    const auto& [index, dialect] = GetParam();
    const QueryScenario& scenario = Scenarios().at(index);
    const std::vector<SqlRow> expected =
        SeededDatabase::Select(connection, QString::fromUtf8(scenario.reference))
            .project(scenario.columns);
    ASSERT_GE(static_cast<int>(expected.size()), scenario.minimumRows);
    EXPECT_EQ(RunScreenQuery(connection, scenario, dialect), expected);
}

TEST_P(ScreenQueryAcrossDialects, EveryDialectReturnsTheSameRows) {
    const QueryScenario& scenario = Scenarios().at(GetParam());
    const std::vector<SqlRow> oracle = RunScreenQuery(connection, scenario, SqlDialect::Oracle);
    EXPECT_EQ(RunScreenQuery(connection, scenario, SqlDialect::MSSQL), oracle);
    EXPECT_EQ(RunScreenQuery(connection, scenario, SqlDialect::InterBase), oracle);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenQueryUnderDialect,
                         ::testing::Combine(::testing::ValuesIn(ScenarioIndexes()),
                                            ::testing::ValuesIn(AllSqlDialects().begin(),
                                                                AllSqlDialects().end())),
                         [](const auto& p) {
                             return std::string(Scenarios().at(std::get<0>(p.param)).name) + "_" +
                                    SqlDialectName(std::get<1>(p.param)).toStdString();
                         });

INSTANTIATE_TEST_SUITE_P(Screens, ScreenQueryAcrossDialects, ::testing::ValuesIn(ScenarioIndexes()),
                         [](const auto& p) { return std::string(Scenarios().at(p.param).name); });

TEST_F(ScreenQueriesTest, ClientLookupLeavesOutOnlyClientsWithoutANumber) {
    const int all =
        SeededDatabase::Count(connection, QStringLiteral("SELECT COUNT(*) FROM CLIENTE"));
    const int withoutNumber = SeededDatabase::Count(
        connection, QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE NRINSJURCLIE IS NULL"));
    ASSERT_GT(withoutNumber, 0);
    const QueryScenario& lookup =
        ScenarioNamed("ClientLookupWithClearedParameterListsEveryClientWithANumber");
    for (SqlDialect dialect : AllSqlDialects()) {
        SCOPED_TRACE(SqlDialectName(dialect).toStdString());
        const auto rows = RunScreenQuery(connection, lookup, dialect);
        EXPECT_EQ(static_cast<int>(rows.size()), all - withoutNumber);
    }
}

TEST_F(ScreenQueriesTest, BulkBranchListMatchesExactlyTheBranchesOfTheChosenRegistrations) {
    // Every branch's own state registration, one at a time: the list of one finds that branch.
    const SqlRowSet branches = SeededDatabase::Select(
        connection, QStringLiteral("SELECT CDFILIAL, CDINSCESTA FROM FILIAL ORDER BY CDFILIAL"));
    ASSERT_GE(branches.rowCount(), 6);
    for (const SqlRow& branch : branches.rows()) {
        QueryScenario one{"one",
                          {kBulkScreen, "qryFilial"},
                          {{"P_CDINSCESTA", QStringLiteral("'%1'").arg(*branch.at(1))},
                           {"P_TCDINSCESTA", QVariant()}},
                          {"CDFILIAL"},
                          "",
                          1};
        for (SqlDialect dialect : AllSqlDialects()) {
            SCOPED_TRACE(branch.at(0)->toStdString() + " " + SqlDialectName(dialect).toStdString());
            EXPECT_EQ(RunScreenQuery(connection, one, dialect),
                      std::vector<SqlRow>{{branch.at(0)}});
        }
    }
}

namespace {

// The same demo data on embedded Firebird, the engine of the InterBase texts.
class ScreenQueryOnFirebird : public ::testing::TestWithParam<size_t> {
protected:
    static void SetUpTestSuite() {
        SeededDatabase::SetUp();
        s_firebirdDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_firebirdDir->isValid());
        DemoDatabase::Create(FirebirdPath(), DemoDatabase::kSeedClients, SqlEngine::Firebird);
    }
    static void TearDownTestSuite() {
        s_firebirdDir.reset();
        SeededDatabase::TearDown();
    }
    static QString FirebirdPath() { return s_firebirdDir->filePath(QStringLiteral("demo.fdb")); }

    DatabaseConnection sqlite{SeededDatabase::Path()};
    DatabaseConnection firebird{FirebirdPath(), DatabaseConnection::OpenMode::OpenExisting,
                                SqlEngine::Firebird};

private:
    static inline std::unique_ptr<QTemporaryDir> s_firebirdDir;
};

} // namespace

TEST_P(ScreenQueryOnFirebird, TheInterBaseTextReturnsTheRowsItReturnsOnSqlite) {
    const QueryScenario& scenario = Scenarios().at(GetParam());
    const std::vector<SqlRow> onSqlite = RunScreenQuery(sqlite, scenario, SqlDialect::InterBase);
    ASSERT_GE(static_cast<int>(onSqlite.size()), scenario.minimumRows);
    EXPECT_EQ(RunScreenQuery(firebird, scenario, SqlDialect::InterBase), onSqlite);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenQueryOnFirebird, ::testing::ValuesIn(ScenarioIndexes()),
                         [](const auto& p) { return std::string(Scenarios().at(p.param).name); });
