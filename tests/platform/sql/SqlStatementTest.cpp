#include "SqliteTestSupport.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/ESqlError.h"

#include <gmock/gmock.h>

using namespace ger;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Property;
using ::testing::ThrowsMessage;

namespace {

class SqlStatementTest : public SqliteTest {
protected:
    SqlRow row(SqlStatement& statement) {
        const SqlRowSet rows = statement.select();
        EXPECT_EQ(rows.rowCount(), 1);
        return rows.isEmpty() ? SqlRow() : rows.rows().front();
    }
};

} // namespace

TEST_F(SqlStatementTest, NameUsedTwiceTakesTheValueAtEveryOccurrence) {
    SqlStatement statement(*db, QStringLiteral("SELECT :P_X || '-' || :P_X, :P_Y = :P_X"));
    statement.bind(QStringLiteral("P_X"), QStringLiteral("T"));
    statement.bind(QStringLiteral(":P_Y"), QStringLiteral("T"));
    EXPECT_EQ(row(statement), SqlRow({QStringLiteral("T-T"), QStringLiteral("1")}));
}

TEST_F(SqlStatementTest, UnboundParameterAndNullVariantAreNull) {
    SqlStatement statement(*db, QStringLiteral("SELECT :P_A IS NULL, :P_B IS NULL, :P_C"));
    statement.bind(QStringLiteral("P_B"), QVariant());
    statement.bind(QStringLiteral("P_C"), 5);
    EXPECT_EQ(row(statement),
              SqlRow({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("5")}));
}

TEST_F(SqlStatementTest, EmptyAndNullStringsAreTextNotNull) {
    SqlStatement statement(*db, QStringLiteral("SELECT :P_A IS NULL, :P_A, :P_B IS NULL"));
    statement.bind(QStringLiteral("P_A"), QString());
    statement.bind(QStringLiteral("P_B"), QStringLiteral(""));
    EXPECT_EQ(row(statement),
              SqlRow({QStringLiteral("0"), QStringLiteral(""), QStringLiteral("0")}));
}

TEST_F(SqlStatementTest, NamesMatchWithoutRegardToCaseAndEverySpellingIsBound) {
    SqlStatement statement(*db, QStringLiteral("SELECT :p_code, :P_CODE"));
    EXPECT_EQ(statement.parameterNames(), QStringList({"p_code"}));
    EXPECT_TRUE(statement.hasParameter(QStringLiteral(":P_Code")));
    statement.bind(QStringLiteral("P_CODE"), QStringLiteral("01"));
    EXPECT_EQ(row(statement), SqlRow({QStringLiteral("01"), QStringLiteral("01")}));
}

TEST_F(SqlStatementTest, UnknownParameterNameIsRefused) {
    SqlStatement statement(*db, QStringLiteral("SELECT :P_A, ':P_B'"));
    EXPECT_FALSE(statement.hasParameter(QStringLiteral("P_B")));
    EXPECT_THAT([&] { statement.bind(QStringLiteral("P_B"), 1); },
                ThrowsMessage<EDatabaseError>(HasSubstr("P_B")));
}

TEST_F(SqlStatementTest, ValuesStayBoundAcrossExecutionsUntilCleared) {
    SqlStatement statement(*db, QStringLiteral("SELECT :P_A"));
    statement.bind(QStringLiteral("P_A"), QStringLiteral("x"));
    EXPECT_EQ(row(statement), SqlRow({QStringLiteral("x")}));
    EXPECT_EQ(row(statement), SqlRow({QStringLiteral("x")}));
    statement.clearBindings();
    EXPECT_EQ(row(statement), SqlRow({std::nullopt}));
}

TEST_F(SqlStatementTest, RowsCarryColumnNamesAndTellNullFromEmpty) {
    db->executeScript(QStringLiteral("CREATE TABLE T(CODE TEXT, NAME TEXT);"
                                     "INSERT INTO T VALUES ('01', NULL), ('02', '');"));
    SqlStatement statement(*db, QStringLiteral("SELECT CODE, NAME AS NM FROM T ORDER BY CODE"));
    const SqlRowSet rows = statement.select();
    EXPECT_EQ(rows.columns(), QStringList({"CODE", "NM"}));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.value(0, QStringLiteral("nm")), std::nullopt);
    EXPECT_EQ(rows.value(1, QStringLiteral("NM")), SqlValue(QStringLiteral("")));
    EXPECT_THROW(rows.value(0, QStringLiteral("OTHER")), EDatabaseError);
    EXPECT_THROW(rows.value(2, QStringLiteral("CODE")), EDatabaseError);
}

TEST_F(SqlStatementTest, ExecuteReportsChangedRows) {
    db->executeScript(
        QStringLiteral("CREATE TABLE T(A TEXT); INSERT INTO T VALUES ('x'), ('x'), ('y');"));
    SqlStatement statement(*db, QStringLiteral("UPDATE T SET A = :NEW WHERE A = :OLD"));
    statement.bind(QStringLiteral("NEW"), QStringLiteral("z"));
    statement.bind(QStringLiteral("OLD"), QStringLiteral("x"));
    EXPECT_EQ(statement.execute(), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T WHERE A = 'z'")), SqlValue("2"));
}

TEST_F(SqlStatementTest, RefusedTextRaisesWithTheDatabaseMessageAndTheStatement) {
    const QString text = QStringLiteral("SELEC 1 FROM NOWHERE");
    EXPECT_THAT([&] { SqlStatement statement(*db, text); },
                ThrowsMessage<ESqlError>(AllOf(HasSubstr("syntax error"), HasSubstr("SELEC 1"))));
    EXPECT_THAT([&] { SqlStatement statement(*db, text); },
                ::testing::Throws<ESqlError>(Property(&ESqlError::statement, text)));
}

TEST_F(SqlStatementTest, FailedExecutionRaisesWithTheDatabaseMessage) {
    db->executeScript(QStringLiteral("CREATE TABLE T(A TEXT NOT NULL);"));
    SqlStatement statement(*db, QStringLiteral("INSERT INTO T VALUES (:A)"));
    EXPECT_THAT([&] { statement.execute(); },
                ThrowsMessage<ESqlError>(
                    AllOf(HasSubstr("NOT NULL constraint failed"), HasSubstr("INSERT INTO T"))));
}

TEST_F(SqlStatementTest, MssqlIsNullCallRunsOnTheSqliteEngine) {
    SqlStatement statement(*db, QStringLiteral("SELECT ISNULL(:P, 'd'), 'ISNULL(' AS LIT"));
    EXPECT_EQ(row(statement), SqlRow({QStringLiteral("d"), QStringLiteral("ISNULL(")}));
    statement.bind(QStringLiteral("P"), QStringLiteral("v"));
    EXPECT_EQ(row(statement), SqlRow({QStringLiteral("v"), QStringLiteral("ISNULL(")}));
}
