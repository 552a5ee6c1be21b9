#include "platform/sql/SqlDialect.h"

#include "platform/db/EDatabaseError.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

class SqlDialectTest : public ::testing::TestWithParam<SqlDialect> {
protected:
    static QStringList& OwnText(DialectTexts& texts, SqlDialect dialect) {
        switch (dialect) {
        case SqlDialect::Oracle:
            return texts.SQL_ORACLE;
        case SqlDialect::MSSQL:
            return texts.SQL_MSSQL;
        case SqlDialect::InterBase:
            return texts.SQL_IB;
        }
        throw EDatabaseError(QStringLiteral("no such dialect"));
    }

    DialectTexts texts{
        {"SELECT 'general'"}, {"SELECT 'oracle'"}, {"SELECT 'mssql'"}, {"SELECT 'ib'", " "}};
};

} // namespace

TEST_P(SqlDialectTest, DialectsOwnTextWinsOverTheGeneralOne) {
    EXPECT_EQ(SelectDialectText(texts, GetParam()), OwnText(texts, GetParam()));
    EXPECT_NE(SelectDialectText(texts, GetParam()), texts.SQL);
}

TEST_P(SqlDialectTest, EmptyOrBlankOwnTextFallsBackToTheGeneralOne) {
    OwnText(texts, GetParam()).clear();
    EXPECT_EQ(SelectDialectText(texts, GetParam()), texts.SQL);
    OwnText(texts, GetParam()) = QStringList{" ", "", "\t"};
    EXPECT_EQ(SelectDialectText(texts, GetParam()), texts.SQL);
}

TEST_P(SqlDialectTest, OnlyTheDialectsOwnTextIsConsulted) {
    for (SqlDialect other : AllSqlDialects()) {
        if (other != GetParam())
            OwnText(texts, other).clear();
    }
    EXPECT_EQ(SelectDialectText(texts, GetParam()), OwnText(texts, GetParam()));
}

TEST_P(SqlDialectTest, NameRoundTripsWithoutRegardToCase) {
    const QString name = SqlDialectName(GetParam());
    EXPECT_EQ(SqlDialectFromName(name), GetParam());
    EXPECT_EQ(SqlDialectFromName(name.toLower()), GetParam());
    EXPECT_EQ(SqlDialectFromName(QStringLiteral(" %1 ").arg(name.toUpper())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllDialects, SqlDialectTest,
                         ::testing::ValuesIn(AllSqlDialects().begin(), AllSqlDialects().end()),
                         [](const auto& p) { return SqlDialectName(p.param).toStdString(); });

TEST(SqlDialectNames, TextPropertySuffixesAreAccepted) {
    EXPECT_EQ(SqlDialectFromName(QStringLiteral("IB")), SqlDialect::InterBase);
    EXPECT_EQ(SqlDialectFromName(QStringLiteral("ORACLE")), SqlDialect::Oracle);
}

TEST(SqlDialectNames, UnknownNameIsAnError) {
    EXPECT_THROW(SqlDialectFromName(QStringLiteral("Postgres")), EDatabaseError);
    EXPECT_THROW(SqlDialectFromName(QString()), EDatabaseError);
}
