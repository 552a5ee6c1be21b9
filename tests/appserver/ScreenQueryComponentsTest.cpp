// The screens' queries as their form data declare them, loaded into TADOIBQuery components and
// opened through them on the demo database under each dialect.

#include "ScreenQueryTexts.h"
#include "SeededDatabase.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "platform/sql/DatabaseSession.h"
#include "platform/sql/TADOIBQuery.h"

using namespace ger;
namespace sq = ger::screen_queries;

namespace {

const char kFormData[] = R"(object frmTpOperFil: TfrmTpOperFil
  object qryFilial: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    ParamCheck = True
    Prepared = False
    Parameters = <
      item
        Name = 'P_CDFILIAL'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TCDFILIAL'
        DataType = ftString
      end>
    SQL_ORACLE.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = '#39'T'#39')'
      'ORDER BY 1'
      ' '
      ' ')
    SQL_MSSQL.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = '#39'T'#39')'
      'ORDER BY 1'
      ' '
      ' ')
    SQL_IB.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = '#39'T'#39')'
      'ORDER BY 1'
      ' '
      ' '
      ' ')
    Left = 456
    Top = 8
    object qryFilialCDFILIAL: TADOIBStringField
      DisplayLabel = 'C'#243'digo'
      FieldName = 'CDFILIAL'
      Required = True
      Size = 4
    end
    object qryFilialNMFILIAL: TADOIBStringField
      DisplayLabel = 'Nome'
      FieldName = 'NMFILIAL'
      Size = 30
    end
    object qryFilialCDEMPRESA: TADOIBStringField
      FieldName = 'CDEMPRESA'
      Visible = False
      Size = 2
    end
    object qryFilialCDINSCESTA: TADOIBStringField
      FieldName = 'CDINSCESTA'
      Visible = False
      Size = 16
    end
    object qryFilialCDINSCMUNI: TADOIBStringField
      FieldName = 'CDINSCMUNI'
      Visible = False
      Size = 16
    end
    object qryFilialCDSERIE: TADOIBStringField
      FieldName = 'CDSERIE'
      Visible = False
      Size = 5
    end
  end
  object dtsFilial: TDataSource
    DataSet = qryFilial
  end
  object qryInscMunicip: TADOIBQuery
    SQL.Strings = (
      'SELECT'
      '   CDINSCMUNI'
      'FROM'
      '   INSCRMUNICIP'
      'WHERE'
      '   (CDEMPRESA  = :P_CDEMPRESA) AND'
      '   ((CDINSCMUNI = :P_CDINSCMUNI) OR ('#39'T'#39' = :P_TCDINSCMUNI))'
      'ORDER BY'
      '   CDINSCMUNI')
    object qryInscMunicipCDINSCMUNI: TADOIBStringField
      DisplayLabel = 'C'#243'digo'
      FieldName = 'CDINSCMUNI'
      Origin = 'INSCRMUNICIP.CDINSCMUNI'
      Size = 16
    end
  end
end
)";

class ScreenQueryComponentsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { SeededDatabase::SetUp(); }
    static void TearDownTestSuite() { SeededDatabase::TearDown(); }

    void SetUp() override {
        LoadFormData(&form, QString::fromUtf8(kFormData), "queries.dfm", handlers,
                     {"TfrmTpOperFil"});
    }

    TADOIBQuery* Query(const QString& name) const { return form.Find<TADOIBQuery>(name); }

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
    HandlerTable handlers;
    TComponent form{nullptr};
};

bool SameTexts(const DialectTexts& a, const DialectTexts& b) {
    return a.SQL == b.SQL && a.SQL_ORACLE == b.SQL_ORACLE && a.SQL_MSSQL == b.SQL_MSSQL &&
           a.SQL_IB == b.SQL_IB;
}

TEST_F(ScreenQueryComponentsTest, DeclarationsLoadVerbatimWithTheirFieldsAndDataSource) {
    TADOIBQuery* qryFilial = Query("qryFilial");
    ASSERT_NE(qryFilial, nullptr);
    EXPECT_TRUE(SameTexts(qryFilial->Texts(), sq::TpOperFil_qryFilial()));
    EXPECT_TRUE(SameTexts(Query("qryInscMunicip")->Texts(), sq::DadosEmissaoNF_qryInscMunicip()));
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
    EXPECT_EQ(form.Find<TDataSource>("dtsFilial")->DataSet(), qryFilial->Query());
}

// A query opened as its screen opens it: parameters set (a null QVariant: cleared), the rows
// read through its persistent fields, against a plain statement on the tables.
struct Scenario {
    const char* name;
    const char* query;
    std::vector<std::pair<const char*, QVariant>> params;
    QStringList fields;
    const char* reference;
    size_t minimumRows;
};

const Scenario kScenarios[] = {
    {"BranchCheck",
     "qryFilial",
     {{"P_CDFILIAL", "0101"}, {"P_TCDFILIAL", ""}},
     {"CDFILIAL", "NMFILIAL", "CDEMPRESA"},
     "SELECT CDFILIAL, NMFILIAL, CDEMPRESA FROM FILIAL WHERE CDFILIAL = '0101'",
     1},
    {"BranchLookup",
     "qryFilial",
     {{"P_CDFILIAL", ""}, {"P_TCDFILIAL", "T"}},
     {"CDFILIAL", "NMFILIAL", "CDEMPRESA", "CDINSCESTA", "CDINSCMUNI", "CDSERIE"},
     "SELECT CDFILIAL, NMFILIAL, CDEMPRESA, CDINSCESTA, CDINSCMUNI, CDSERIE FROM FILIAL "
     "ORDER BY CDFILIAL",
     6},
    {"MunicipalLookup",
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
    TADOIBQuery* query = Query(scenario.query);
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
