// The screens' queries as their form data declare them, loaded into TADOIBQuery components and
// opened through them on the demo database under each dialect.

#include "SeededDatabase.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "platform/sql/DatabaseSession.h"
#include "platform/sql/TADOIBQuery.h"
#include "support/QtPrinters.h"
#include "support/ScreenFormQueries.h"

using namespace ger;

namespace {

const char kMainScreen[] = "src/module/Cli_ger99500.dfm";
const char kBulkScreen[] = "src/module/Cli_ger99501.dfm";
const char kIssuingDataScreen[] = "src/module/Cli_ger99502.dfm";

// The lines of a text property ("SQL_IB.Strings") of a block as the file writes them.
QStringList LinesInFile(const FormDataObject& block, const char* property) {
    for (const FormDataProperty& p : block.properties)
        if (p.name.compare(QLatin1String(property), Qt::CaseInsensitive) == 0)
            return p.value.items;
    return {};
}

class ScreenQueryComponentsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { SeededDatabase::SetUp(); }
    static void TearDownTestSuite() { SeededDatabase::TearDown(); }

    // The rows an open query shows, by its fields of these names.
    static std::vector<SqlRow> Rows(TDataSet& query, const QStringList& fields) {
        std::vector<SqlRow> rows;
        for (query.First(); !query.Eof(); query.Next()) {
            SqlRow& row = rows.emplace_back();
            for (const QString& name : fields)
                row.push_back(query.FieldByName(name)->Value());
        }
        return rows;
    }

    DatabaseConnection connection{SeededDatabase::Path()};
};

TEST_F(ScreenQueryComponentsTest, EveryQueryHoldsItsTextsExactlyAsItsFileWritesThem) {
    int queries = 0;
    for (const char* path : {kMainScreen, kBulkScreen, kIssuingDataScreen}) {
        const ScreenFormQueries form(QString::fromLatin1(path));
        for (const FormDataObject& block : form.Document().root.children) {
            if (block.className != "TADOIBQuery")
                continue;
            SCOPED_TRACE(block.name.toStdString());
            ++queries;
            const DialectTexts& texts = form.Query(block.name)->Texts();
            EXPECT_EQ(texts.SQL, LinesInFile(block, "SQL.Strings"));
            EXPECT_EQ(texts.SQL_ORACLE, LinesInFile(block, "SQL_ORACLE.Strings"));
            EXPECT_EQ(texts.SQL_MSSQL, LinesInFile(block, "SQL_MSSQL.Strings"));
            EXPECT_EQ(texts.SQL_IB, LinesInFile(block, "SQL_IB.Strings"));
        }
    }
    EXPECT_EQ(queries, 8) << "qryFilial, qryCliente, qryCli, qryTipoOperacao; qryInscEst, "
                             "qryFilial, qryTpOper; qryInscMunicip";
}

TEST_F(ScreenQueryComponentsTest, BranchQueryKeepsItsBlankLinesFieldsAndDataSource) {
    const ScreenFormQueries form(QString::fromLatin1(kMainScreen));
    TADOIBQuery* qryFilial = form.Query("qryFilial");
    const DialectTexts& texts = qryFilial->Texts();
    EXPECT_TRUE(texts.SQL.isEmpty());
    EXPECT_EQ(texts.SQL_ORACLE, texts.SQL_MSSQL);
    EXPECT_EQ(texts.SQL_ORACLE.mid(8), QStringList({" ", " "}));
    EXPECT_EQ(texts.SQL_IB, texts.SQL_ORACLE + QStringList{" "});
    EXPECT_EQ(qryFilial->Params().names(), QStringList({"P_CDFILIAL", "P_TCDFILIAL"}));
    QStringList fields;
    for (int i = 0; i < qryFilial->FieldCount(); ++i) {
        const TField* field = qryFilial->Fields(i);
        fields << QStringLiteral("%1 %2 %3 %4")
                      .arg(field->ClassName(), field->FieldName())
                      .arg(field->Size())
                      .arg(field->Visible() ? field->DisplayLabel() : QStringLiteral("-"));
    }
    EXPECT_EQ(fields,
              QStringList({QString::fromUtf8("TADOIBStringField CDFILIAL 4 Código"),
                           "TADOIBStringField NMFILIAL 30 Nome", "TADOIBStringField CDEMPRESA 2 -",
                           "TADOIBStringField CDINSCESTA 16 -", "TADOIBStringField CDINSCMUNI 16 -",
                           "TADOIBStringField CDSERIE 5 -"}));
    EXPECT_EQ(form.DataSource("dtsFilial")->DataSet(), qryFilial->Query());
}

// A query opened as its screen opens it: parameters set (a null QVariant: cleared), the rows
// read through its persistent fields, against a plain statement on the tables.
struct Scenario {
    const char* name;
    const char* form;
    const char* query;
    std::vector<std::pair<const char*, QVariant>> params;
    QStringList fields;
    const char* reference;
    size_t minimumRows;
};

const Scenario kScenarios[] = {
    {"BranchCheck",
     kMainScreen,
     "qryFilial",
     {{"P_CDFILIAL", "0101"}, {"P_TCDFILIAL", ""}},
     {"CDFILIAL", "NMFILIAL", "CDEMPRESA"},
     "SELECT CDFILIAL, NMFILIAL, CDEMPRESA FROM FILIAL WHERE CDFILIAL = '0101'",
     1},
    {"BranchLookup",
     kMainScreen,
     "qryFilial",
     {{"P_CDFILIAL", ""}, {"P_TCDFILIAL", "T"}},
     {"CDFILIAL", "NMFILIAL", "CDEMPRESA", "CDINSCESTA", "CDINSCMUNI", "CDSERIE"},
     "SELECT CDFILIAL, NMFILIAL, CDEMPRESA, CDINSCESTA, CDINSCMUNI, CDSERIE FROM FILIAL "
     "ORDER BY CDFILIAL",
     6},
    {"BulkOperationTypes",
     kBulkScreen,
     "qryTpOper",
     {},
     {"CDTIPOOPER", "NMTIPOOPER"},
     "SELECT CDTIPOOPER, NMTIPOOPER FROM TIPOOPERAC WHERE IDUTILOPER = 'S' AND IDENTRSAIDOP = 'S' "
     "ORDER BY CDTIPOOPER",
     2},
    {"MunicipalLookup",
     kIssuingDataScreen,
     "qryInscMunicip",
     {{"P_CDEMPRESA", "01"}, {"P_CDINSCMUNI", ""}, {"P_TCDINSCMUNI", "T"}},
     {"CDINSCMUNI"},
     "SELECT CDINSCMUNI FROM INSCRMUNICIP WHERE CDEMPRESA = '01' ORDER BY CDINSCMUNI",
     2},
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

class ScreenQueryComponentUnderDialect
    : public ScreenQueryComponentsTest,
      public testing::WithParamInterface<std::tuple<Scenario, SqlDialect>> {};

TEST_P(ScreenQueryComponentUnderDialect, OpensOnTheDefaultSessionWithTheReferenceRows) {
    const auto& [scenario, dialect] = GetParam();
    DatabaseSession::DefaultScope session(DatabaseSession(&connection, dialect));
    const ScreenFormQueries form(QString::fromLatin1(scenario.form));
    TADOIBQuery* query = form.Query(scenario.query);
    for (const auto& [name, value] : scenario.params) {
        if (value.isNull())
            query->ParamByName(name).Clear();
        else
            query->ParamByName(name).SetAsString(value.toString());
    }
    query->Open();
    const std::vector<SqlRow> expected =
        SeededDatabase::Select(connection, scenario.reference).project(scenario.fields);
    ASSERT_GE(expected.size(), scenario.minimumRows);
    EXPECT_EQ(Rows(*query, scenario.fields), expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenQueryComponentUnderDialect,
                         testing::Combine(testing::ValuesIn(kScenarios),
                                          testing::ValuesIn(AllSqlDialects().begin(),
                                                            AllSqlDialects().end())),
                         [](const auto& p) {
                             return std::string(std::get<0>(p.param).name) + "_" +
                                    SqlDialectName(std::get<1>(p.param)).toStdString();
                         });

} // namespace
