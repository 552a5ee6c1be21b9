#include "platform/sql/SqlText.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

struct RewriteCase {
    const char* name;
    const char* input;
    const char* expected;
};

class IsNullRewrite : public ::testing::TestWithParam<RewriteCase> {};

} // namespace

TEST_P(IsNullRewrite, OnlyTheFunctionFormInCodeBecomesIfNull) {
    EXPECT_EQ(SqlText::RewriteIsNullForSqlite(QString::fromUtf8(GetParam().input)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsNullRewrite,
    ::testing::Values(
        RewriteCase{"Call", "WHERE N = ISNULL(:P_N, N)", "WHERE N = IFNULL(:P_N, N)"},
        RewriteCase{"LowerCaseAndBlankBeforeParenthesis", "isnull (a, b)", "IFNULL (a, b)"},
        RewriteCase{"EveryCall", "ISNULL(a, ISNULL(b, c))", "IFNULL(a, IFNULL(b, c))"},
        RewriteCase{"LineBreakBeforeParenthesis", "ISNULL\n(a, b)", "IFNULL\n(a, b)"},
        RewriteCase{"InsideStringLiteral", "SELECT 'ISNULL(' || ISNULL(a, b)",
                    "SELECT 'ISNULL(' || IFNULL(a, b)"},
        RewriteCase{"AfterDoubledQuoteInLiteral", "'it''s ISNULL(x' , ISNULL(x, y)",
                    "'it''s ISNULL(x' , IFNULL(x, y)"},
        RewriteCase{"QuotedIdentifier", "SELECT \"ISNULL(\" FROM T", "SELECT \"ISNULL(\" FROM T"},
        RewriteCase{"LineComment", "-- ISNULL(a)\nISNULL(b, c)", "-- ISNULL(a)\nIFNULL(b, c)"},
        RewriteCase{"BlockComment", "/* ISNULL( */ x", "/* ISNULL( */ x"},
        RewriteCase{"PostfixOperator", "WHERE A ISNULL", "WHERE A ISNULL"},
        RewriteCase{"LongerIdentifiers", "MYISNULL(a) + ISNULLX(b) + A_ISNULL(c)",
                    "MYISNULL(a) + ISNULLX(b) + A_ISNULL(c)"},
        RewriteCase{"UnterminatedLiteralProtectsTheRest", "SELECT 'x ISNULL(a, b)",
                    "SELECT 'x ISNULL(a, b)"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SqlTextParameters, DistinctNamesInOrderOutsideLiteralsAndComments) {
    const QString text = QStringLiteral("WHERE (A = :P_A OR :p_a = 'T') AND B <> ':P_B'\n"
                                        "-- :P_C\n"
                                        "AND C = /* :P_E */ :P_D AND D = :P_A");
    EXPECT_EQ(SqlText::ParameterNames(text), QStringList({"P_A", "P_D"}));
    EXPECT_EQ(SqlText::ParameterNames(text, Qt::CaseSensitive), QStringList({"P_A", "p_a", "P_D"}));
}

TEST(SqlTextParameters, DoubleColonAndBareColonAreNoParameters) {
    EXPECT_EQ(SqlText::ParameterNames(QStringLiteral("SELECT a::text, :1, : X, :_ok, :P9x")),
              QStringList({"_ok", "P9x"}));
}

TEST(SqlTextScan, SpansCoverTheTextAndMarkEveryProtectedKind) {
    const QString text =
        QStringLiteral("SELECT 'a''b', \"C\", [D] -- e\nFROM T /* f */ WHERE 'open");
    const auto spans = SqlText::Scan(text);
    QString rebuilt;
    QStringList protectedPieces;
    for (const auto& span : spans) {
        rebuilt += text.mid(span.start, span.length);
        if (!span.isCode)
            protectedPieces.append(text.mid(span.start, span.length));
    }
    EXPECT_EQ(rebuilt, text);
    EXPECT_EQ(protectedPieces, QStringList({"'a''b'", "\"C\"", "[D]", "-- e", "/* f */", "'open"}));
}

TEST(SqlTextLines, EveryLineEndsWithALineFeedAndKeepsItsBlanks) {
    EXPECT_EQ(SqlText::FromLines({"SELECT", "  1 ", ""}), QStringLiteral("SELECT\n  1 \n\n"));
    EXPECT_EQ(SqlText::FromLines({}), QString());
}
