#include "QueryTestSupport.h"
#include "platform/db/TDataSource.h"
#include "platform/sql/ESqlError.h"
#include "support/TestFormDataContext.h"

using namespace ger;
using namespace ger::test;

namespace {

const QStringList kBranchById{"SELECT CDFILIAL, NMFILIAL, CDEMPRESA FROM FILIAL",
                              "WHERE (CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = 'T')",
                              "ORDER BY CDFILIAL"};

// The dialect's text runs; the general one stands where the dialect's holds only blanks.
struct DialectCase {
    SqlDialect dialect;
    const char* ran;
};

void PrintTo(const DialectCase& c, std::ostream* os) {
    *os << SqlDialectName(c.dialect).toStdString();
}

class DialectTextTest : public QueryTest, public testing::WithParamInterface<DialectCase> {};

TEST_P(DialectTextTest, OpenRunsTheDialectsTextOrTheGeneralOneWhereItIsEmpty) {
    TADOIBQuery* query = NewQuery({"SELECT 'general' AS ORIGEM"}, GetParam().dialect);
    query->SetSQL_ORACLE({"SELECT 'oracle' AS ORIGEM", " ", " "});
    query->SetSQL_MSSQL({" ", ""});
    query->SetSQL_IB({"SELECT 'interbase' AS ORIGEM"});
    query->Open();
    EXPECT_EQ(ColumnValues(*query, "ORIGEM"), QStringList{GetParam().ran});
}

INSTANTIATE_TEST_SUITE_P(Dialects, DialectTextTest,
                         testing::Values(DialectCase{SqlDialect::Oracle, "oracle"},
                                         DialectCase{SqlDialect::MSSQL, "general"},
                                         DialectCase{SqlDialect::InterBase, "interbase"}));

TEST_F(QueryTest, QueriesWithoutOwnConnectionRunOnTheInstalledDefault) {
    TADOIBQuery* own = NewQuery({"SELECT 'general' AS ORIGEM"}, SqlDialect::Oracle, "qryOwn");
    own->SetSQL_MSSQL({"SELECT 'mssql' AS ORIGEM"});
    TADOIBQuery* shared = NewQuery(own->SQL());
    shared->SetSQL_MSSQL(own->SQL_MSSQL());
    shared->SetConnection(nullptr, SqlDialect::Oracle);
    {
        DatabaseSession::DefaultScope outer(DatabaseSession(db.get(), SqlDialect::Oracle));
        {
            DatabaseSession::DefaultScope inner(DatabaseSession(db.get(), SqlDialect::MSSQL));
            own->Open();
            shared->Open();
            EXPECT_EQ(ColumnValues(*own, "ORIGEM"), QStringList{"general"});
            EXPECT_EQ(ColumnValues(*shared, "ORIGEM"), QStringList{"mssql"});
        }
        EXPECT_EQ(DatabaseSession::defaultSession().dialect(), SqlDialect::Oracle);
    }
    shared->Close();
    EXPECT_FALSE(DatabaseSession::defaultSession().isConnected());
    EXPECT_THAT([&] { shared->Open(); }, testing::ThrowsMessage<EDatabaseError>(testing::StrEq(
                                             "qryFilial.Open: No database connection")));
    EXPECT_FALSE(shared->Active());
}

// A parameter's value as the query holds it and as the database received it.
struct ParamCase {
    const char* name;
    std::function<void(TParam&)> assign;
    bool isNull;
    const char* asString;
};

void PrintTo(const ParamCase& c, std::ostream* os) {
    *os << c.name;
}

class ParamValueTest : public QueryTest, public testing::WithParamInterface<ParamCase> {};

TEST_P(ParamValueTest, ValueReachesTheDatabaseAsAssigned) {
    TADOIBQuery* query = NewQuery({"SELECT :P_X AS V, :P_X IS NULL AS ISNUL"});
    TParam& param = query->ParamByName("p_x");
    param.SetAsString("antes");
    GetParam().assign(param);
    EXPECT_EQ(param.IsNull(), GetParam().isNull);
    EXPECT_EQ(param.AsString(), GetParam().asString);
    EXPECT_EQ(param.AsVariant().isNull(), GetParam().isNull);
    query->Open();
    EXPECT_EQ(query->FieldByName("V")->IsNull(), GetParam().isNull);
    EXPECT_EQ(query->FieldByName("V")->AsString(), GetParam().asString);
    EXPECT_EQ(query->FieldByName("ISNUL")->AsString(), GetParam().isNull ? "1" : "0");
}

INSTANTIATE_TEST_SUITE_P(
    Assignments, ParamValueTest,
    testing::Values(ParamCase{"Cleared", [](TParam& p) { p.Clear(); }, true, ""},
                    ParamCase{"NullVariant", [](TParam& p) { p.SetAsVariant({}); }, true, ""},
                    ParamCase{"EmptyText", [](TParam& p) { p.SetAsString(""); }, false, ""},
                    ParamCase{"NullQString", [](TParam& p) { p.SetAsString({}); }, false, ""},
                    ParamCase{"Text", [](TParam& p) { p.SetAsString("0001"); }, false, "0001"},
                    ParamCase{"Number", [](TParam& p) { p.SetAsVariant(42); }, false, "42"}),
    [](const testing::TestParamInfo<ParamCase>& p) { return p.param.name; });

TEST_F(QueryTest, ParametersComeFromEveryTextOnceWithoutRegardToCase) {
    TADOIBQuery* query = NewQuery({"SELECT :P_A AS A, :p_a AS A2, :P_B AS B"});
    query->SetSQL_IB({"SELECT :P_IB AS A, ':P_QUOTED' AS Q"});
    EXPECT_EQ(query->Params().names(), QStringList({"P_A", "P_B", "P_IB"}));
    query->ParamByName("P_A").SetAsString("x");
    query->Open();
    EXPECT_EQ(query->FieldByName("A2")->AsString(), "x");
    EXPECT_TRUE(query->FieldByName("B")->IsNull()) << "never assigned";
    EXPECT_THAT([&] { query->ParamByName("P_QUOTED"); },
                testing::ThrowsMessage<EDatabaseError>(
                    testing::StrEq("qryFilial.ParamByName: Parameter 'P_QUOTED' not found")));
}

TEST_F(QueryTest, ChangingATextKeepsTheValuesOfParametersStillNamed) {
    TADOIBQuery* query = NewQuery({"SELECT :P_A AS A, :P_B AS B"});
    TParam& kept = query->ParamByName("P_A");
    kept.SetAsString("1");
    query->ParamByName("P_B").SetAsString("2");
    query->Open();
    query->SetSQL({"SELECT :P_A AS A, :P_C AS C"});
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(&query->ParamByName("p_a"), &kept);
    EXPECT_EQ(kept.AsString(), "1");
    EXPECT_TRUE(query->ParamByName("P_C").IsNull());
    EXPECT_THROW(query->ParamByName("P_B"), EDatabaseError);
}

TEST_F(QueryTest, CloseAndOpenRunsWithTheNewParameters) {
    TADOIBQuery* query = NewQuery(kBranchById);
    query->ParamByName("P_CDFILIAL").SetAsString("0002");
    query->Open();
    query->ParamByName("P_CDFILIAL").SetAsString("0001");
    query->Open();
    EXPECT_EQ(ColumnValues(*query, "CDFILIAL"), QStringList{"0002"}) << "open: nothing reruns";
    query->Close();
    query->Open();
    EXPECT_EQ(ColumnValues(*query, "CDFILIAL"), QStringList{"0001"});
    query->Close();
    query->ParamByName("P_CDFILIAL").Clear();
    query->ParamByName("P_TCDFILIAL").SetAsString("T");
    query->Open();
    EXPECT_EQ(query->RecordCount(), 3);
    EXPECT_TRUE(query->Locate("NMFILIAL", "Filial Campinas"));
    EXPECT_EQ(query->FieldByName("CDFILIAL")->AsString(), "0002");
    query->Close();
    query->ParamByName("P_TCDFILIAL").Clear();
    query->Open();
    EXPECT_TRUE(query->IsEmpty());
    EXPECT_TRUE(query->Eof());
}

TEST_F(QueryTest, PersistentFieldsBindByNameAndReadValuesUncut) {
    TADOIBQuery* query = NewQuery(kBranchById);
    TField* name = NewField(query, "NMFILIAL", 6);
    TField* code = NewField(query, "cdfilial", 4);
    EXPECT_TRUE(code->IsNull()) << "a never opened query reads NULL";
    query->ParamByName("P_TCDFILIAL").SetAsString("T");
    query->Open();
    EXPECT_EQ(query->FieldCount(), 2);
    EXPECT_EQ(query->FindField("CDEMPRESA"), nullptr) << "undeclared columns are not read";
    EXPECT_EQ(ColumnValues(*query, "NMFILIAL"),
              QStringList({QString::fromUtf8("Matriz São Paulo"), "Filial Campinas", "<NULL>"}));
    query->First();
    EXPECT_EQ(code->AsString(), "0001");
    EXPECT_EQ(name->DisplayText(), QString::fromUtf8("Matriz São Paulo"));
}

TEST_F(QueryTest, DeclaredFieldMissingFromTheResultKeepsTheQueryClosed) {
    TADOIBQuery* query = NewQuery(kBranchById);
    NewField(query, "CDFILIAL", 4);
    TField* missing = NewField(query, "CDSERIE", 5);
    EXPECT_THAT([&] { query->Open(); },
                testing::ThrowsMessage<EDatabaseError>(testing::AllOf(
                    testing::HasSubstr("qryFilial.Open"), testing::HasSubstr("'CDSERIE'"))));
    EXPECT_FALSE(query->Active());
    delete missing;
    query->Open();
    EXPECT_TRUE(query->Active());
}

TEST_F(QueryTest, WithoutPersistentFieldsEachOpenMakesOneFieldPerColumn) {
    TADOIBQuery* query = NewQuery({"SELECT CDFILIAL, NMFILIAL AS NOME FROM FILIAL"});
    query->Open();
    ASSERT_EQ(query->FieldCount(), 2);
    EXPECT_EQ(query->Fields(1)->FieldName(), "NOME");
    EXPECT_TRUE(query->DefaultFields());
    query->SetSQL({"SELECT CDEMPRESA FROM FILIAL"});
    EXPECT_EQ(query->FieldCount(), 0);
    query->Open();
    EXPECT_EQ(ColumnValues(*query, "CDEMPRESA"), QStringList({"01", "01", "02"}));
}

TEST_F(QueryTest, EveryChangeIsRefusedAndLeavesTheRowsAsRead) {
    TADOIBQuery* query = NewQuery({"SELECT CDFILIAL FROM FILIAL ORDER BY 1"});
    TField* code = NewField(query, "CDFILIAL", 4);
    query->Open();
    EXPECT_FALSE(query->CanModify());
    const std::vector<std::function<void()>> changes{
        [&] { query->Insert(); }, [&] { query->Append(); }, [&] { query->Edit(); },
        [&] { query->Delete(); }, [&] { code->SetAsString("9999"); }};
    for (const auto& change : changes)
        EXPECT_THAT(change,
                    testing::ThrowsMessage<EDatabaseError>(testing::StartsWith("qryFilial.")));
    EXPECT_EQ(query->State(), dsBrowse);
    EXPECT_EQ(ColumnValues(*query, "CDFILIAL"), QStringList({"0001", "0002", "0003"}));
}

TEST_F(QueryTest, DatabaseErrorNamesTheQueryAndKeepsItClosed) {
    TADOIBQuery* query = NewQuery({"SELECT CDFILIAL FROM FILIAIS"});
    EXPECT_THAT([&] { query->Open(); },
                testing::ThrowsMessage<ESqlError>(testing::AllOf(
                    testing::StartsWith("qryFilial.Open: "), testing::HasSubstr("FILIAIS"))));
    EXPECT_FALSE(query->Active());
    query->SetSQL({});
    EXPECT_THAT([&] { query->Open(); }, testing::ThrowsMessage<EDatabaseError>(testing::StrEq(
                                            "qryFilial.Open: No SQL text for the Oracle dialect")));
}

TEST_F(QueryTest, DataSourceOnTheQueryHearsOpenAndClose) {
    TADOIBQuery* query = NewQuery({"SELECT CDFILIAL FROM FILIAL"});
    TDataSource source(&form);
    source.SetDataSet(query->Query());
    QList<TDataSetState> heard;
    source.OnStateChange = [&](TObject*) { heard.append(source.State()); };
    query->Open();
    query->Close();
    EXPECT_EQ(heard, QList<TDataSetState>({dsBrowse, dsInactive}));
}

TEST_F(QueryTest, FormDataOfTheWrongKindIsALoadError) {
    TADOIBQuery* query = NewQuery({"SELECT 1 AS UM"});
    TestFormDataContext context;
    using Kind = FormDataValue::Kind;
    const std::pair<const char*, Kind> wrong[] = {
        {"SQL_IB.Strings", Kind::Identifier}, {"Parameters", Kind::Integer},
        {"CacheSize", Kind::String},          {"CursorType", Kind::Integer},
        {"Prepared", Kind::Integer},          {"SQL_DB2.Strings", Kind::List}};
    for (const auto& [name, kind] : wrong) {
        FormDataProperty property{name, {}, 1};
        property.value.kind = kind;
        EXPECT_THROW(query->ReadProperty(property, context), EFormDataError) << name;
    }
    EXPECT_EQ(query->SQL_IB(), QStringList());
}

} // namespace
