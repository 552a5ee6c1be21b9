#include "SqliteTestSupport.h"
#include "platform/sql/ESqlError.h"

#include <optional>

using namespace ger;

namespace {

struct ExpressionCase {
    const char* name;
    const char* expression;
    std::optional<const char*> expected; // nullopt: NULL
};

class SqliteFunctionsTest : public SqliteTest,
                            public ::testing::WithParamInterface<ExpressionCase> {};

SqlValue Expected(const ExpressionCase& c) {
    return c.expected ? SqlValue(QString::fromUtf8(*c.expected)) : SqlValue();
}

} // namespace

TEST_P(SqliteFunctionsTest, ExpressionYieldsExpectedValue) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT ") + QString::fromUtf8(GetParam().expression)),
              Expected(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    DialectFunctions, SqliteFunctionsTest,
    ::testing::Values(
        ExpressionCase{"NvlFirst", "NVL('a', 'b')", "a"},
        ExpressionCase{"NvlSecondWhenFirstNull", "NVL(NULL, 'b')", "b"},
        ExpressionCase{"NvlBothNull", "NVL(NULL, NULL)", std::nullopt},
        ExpressionCase{"NvlEmptyIsNotNull", "NVL('', 'b')", ""},
        ExpressionCase{"NvlKeepsType", "typeof(NVL(1, 'x'))", "integer"},
        ExpressionCase{"NvlStrFirst", "NVLSTR('a', NULL)", "a"},
        ExpressionCase{"NvlStrSecondWhenFirstNull", "NVLSTR(NULL, 'b')", "b"},
        ExpressionCase{"NvlStrBothNull", "NVLSTR(NULL, NULL)", std::nullopt},
        ExpressionCase{"NvlStrGivesText", "typeof(NVLSTR(NULL, 7))", "text"},
        ExpressionCase{"CharIndexFound", "CHARINDEX('B', 'ABC')", "2"},
        ExpressionCase{"CharIndexFirstOccurrence", "CHARINDEX('BC', 'ABCBC')", "2"},
        ExpressionCase{"CharIndexAbsent", "CHARINDEX('X', 'ABC')", "0"},
        ExpressionCase{"CharIndexEmptySought", "CHARINDEX('', 'ABC')", "0"},
        ExpressionCase{"CharIndexNullSought", "CHARINDEX(NULL, 'ABC')", std::nullopt},
        ExpressionCase{"CharIndexNullText", "CHARINDEX('A', NULL)", std::nullopt},
        ExpressionCase{"CharIndexCountsCharacters", "CHARINDEX('ç', 'Cobrança')", "7"},
        ExpressionCase{"CharIndexIsCaseSensitive", "CHARINDEX('a', 'A')", "0"},
        ExpressionCase{"InstrFound", "INSTR('ABC', 'C')", "3"},
        ExpressionCase{"InstrAbsent", "INSTR('ABC', 'X')", "0"},
        ExpressionCase{"InstrEmptySought", "INSTR('ABC', '')", "0"},
        ExpressionCase{"InstrEmptyInEmpty", "INSTR('', '')", "0"},
        ExpressionCase{"InstrNullText", "INSTR(NULL, 'A')", std::nullopt},
        ExpressionCase{"InstrNullSought", "INSTR('A', NULL)", std::nullopt},
        ExpressionCase{"InstrCountsCharacters", "INSTR('ÉÊX', 'X')", "3"},
        ExpressionCase{"InstrCodeInList", "INSTR('''0001'',''0101''', '0101')", "9"},
        ExpressionCase{"ParamGivesItsArgument", "(SELECT PARAM FROM PARAM('x'))", "x"},
        ExpressionCase{"ParamAsText", "(SELECT typeof(PARAM) FROM PARAM(5))", "text"},
        ExpressionCase{"ParamNullArgument", "(SELECT PARAM FROM PARAM(NULL))", std::nullopt},
        ExpressionCase{"ParamNullArgumentStillOneRow", "(SELECT COUNT(*) FROM PARAM(NULL))", "1"},
        ExpressionCase{"ParamHiddenArgument", "(SELECT ARG FROM PARAM('y'))", "y"}),
    [](const auto& p) { return std::string(p.param.name); });

namespace {

// The InterBase texts' pattern: a parameter turned into a column by PARAM and compared with
// NVLSTR, so that a NULL parameter selects every row that has a value.
class SqliteParamJoinTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        db->executeScript(QStringLiteral("CREATE TABLE C(N TEXT);"
                                         "INSERT INTO C VALUES ('a'), ('b'), (NULL);"));
    }

    QStringList selectWith(const QVariant& value) {
        SqlStatement statement(*db, QStringLiteral("SELECT N FROM C, PARAM(:P) P1\n"
                                                   "WHERE N = NVLSTR(P1.PARAM, N) ORDER BY N"));
        statement.bind(QStringLiteral("P"), value);
        const SqlRowSet rows = statement.select();
        QStringList result;
        for (const SqlRow& row : rows.rows())
            result.append(row.at(0).value_or(QStringLiteral("<null>")));
        return result;
    }
};

} // namespace

TEST_F(SqliteParamJoinTest, NullArgumentKeepsEveryRowThatHasAValue) {
    EXPECT_EQ(selectWith(QVariant()), QStringList({"a", "b"}));
}

TEST_F(SqliteParamJoinTest, ValueSelectsOnlyItsRow) {
    EXPECT_EQ(selectWith(QStringLiteral("b")), QStringList({"b"}));
    EXPECT_EQ(selectWith(QStringLiteral("z")), QStringList());
}

TEST_F(SqliteParamJoinTest, TwoParamTablesInOneStatementKeepTheirOwnArguments) {
    SqlStatement statement(*db,
                           QStringLiteral("SELECT A.PARAM, B.PARAM FROM PARAM(:X) A, PARAM(:Y) B"));
    statement.bind(QStringLiteral("X"), QStringLiteral("1"));
    const SqlRowSet rows = statement.select();
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.rows().at(0), SqlRow({QStringLiteral("1"), std::nullopt}));
}

TEST_F(SqliteParamJoinTest, ParamWithoutArgumentIsAnError) {
    EXPECT_THROW(SqlStatement(*db, QStringLiteral("SELECT PARAM FROM PARAM")).select(), ESqlError);
}

TEST_F(SqliteParamJoinTest, BuiltInInstrIsReplacedOnEveryConnection) {
    DatabaseConnection second(path());
    EXPECT_EQ(scalar(second, QStringLiteral("SELECT INSTR('ABC', '')")), SqlValue("0"));
    EXPECT_EQ(scalar(second, QStringLiteral("SELECT CHARINDEX('C', 'ABC')")), SqlValue("3"));
}
