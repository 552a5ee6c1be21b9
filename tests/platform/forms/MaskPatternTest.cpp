#include "platform/forms/MaskPattern.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

struct FormatCase {
    const char* mask;
    const char* value;
    const char* shown;
};

class FormatMaskTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatMaskTextTest, ShowsTheValueThroughTheMask) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatMaskText(QString::fromUtf8(c.mask), QString::fromUtf8(c.value)),
              QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatMaskTextTest,
    testing::Values(
        // An individual's CPF and a company's CNPJ, digits only.
        FormatCase{"000.000.000-00;0;_", "12345678901", "123.456.789-01"},
        FormatCase{"00.000.000/0000-00;0;_", "12345678000195", "12.345.678/0001-95"},
        // The alphanumeric CNPJ: letters or digits in the first twelve positions.
        FormatCase{"AA.AAA.AAA/AAAA-00;0;_", "12ABC34501DE35", "12.ABC.345/01DE-35"},
        // Escaped literals; a short value leaves blanks (spaces) at the end.
        FormatCase{"000\\.000;0;_", "12", "12 .   "},
        // With saved literals the value may already hold them, or not.
        FormatCase{"000.000.000-00;1;_", "123.456.789-01", "123.456.789-01"},
        FormatCase{"000.000.000-00;1;_", "12345678901", "123.456.789-01"},
        // '!' right-aligns a short value.
        FormatCase{"!999-99;0;_", "123", "  1-23"},
        // A mask with one section saves its literals; no mask shows the value as it is.
        FormatCase{"(00)", "12", "(12)"}, FormatCase{"", "abc", "abc"}));

TEST(MaskPatternTest, SectionsGiveSaveFlagAndBlankCharacter) {
    const MaskPattern branch(">aaaa;0; ");
    EXPECT_EQ(branch.length(), 4);
    EXPECT_FALSE(branch.savesLiterals());
    EXPECT_EQ(branch.blank(), QChar(' '));
    const MaskPattern date("00/00/0000");
    EXPECT_TRUE(date.savesLiterals());
    EXPECT_EQ(date.blank(), QChar('_'));
    EXPECT_TRUE(date.isLiteral(2));
    const MaskPattern escapedSeparator("0\\;0;0;*");
    EXPECT_EQ(escapedSeparator.length(), 3);
    EXPECT_FALSE(escapedSeparator.savesLiterals());
    EXPECT_EQ(escapedSeparator.blank(), QChar('*'));
}

TEST(MaskPatternTest, EachPositionAcceptsItsKindOfCharacterWithCaseApplied) {
    const MaskPattern p(">L<l<>A0#c");
    // position: 0 L upper, 1 l lower, 2 A as typed, 3 0 digit, 4 # digit or sign, 5 c any
    EXPECT_EQ(p.accept(0, 'a'), QChar('A'));
    EXPECT_TRUE(p.accept(0, '1').isNull());
    EXPECT_TRUE(p.accept(0, ' ').isNull()) << "a required position takes no blank";
    EXPECT_EQ(p.accept(1, 'B'), QChar('b'));
    EXPECT_EQ(p.accept(1, ' '), QChar(' ')) << "an optional position takes a blank";
    EXPECT_EQ(p.accept(2, 'x'), QChar('x'));
    EXPECT_EQ(p.accept(2, '7'), QChar('7'));
    EXPECT_TRUE(p.accept(2, '-').isNull());
    EXPECT_TRUE(p.accept(3, 'x').isNull());
    EXPECT_EQ(p.accept(4, '-'), QChar('-'));
    EXPECT_EQ(p.accept(5, '%'), QChar('%'));
    EXPECT_EQ(p.accept(0, QChar(0x00E7)), QChar(0x00C7)) << "accented letters are letters";
}

TEST(MaskPatternTest, StripAndFirstMissingWorkOnTheShownText) {
    const MaskPattern cpf("000.000.000-00;0;_");
    EXPECT_EQ(cpf.strip("123.456.789-01"), "12345678901");
    EXPECT_EQ(cpf.strip("123.4__.___-__"), "1234       ");
    EXPECT_EQ(cpf.firstMissing("123.4__.___-__"), 5);
    EXPECT_EQ(cpf.firstMissing("123.456.789-01"), -1);
    EXPECT_EQ(MaskPattern(">aaaa;0; ").firstMissing("    "), -1) << "optional positions";
    EXPECT_EQ(cpf.nextInput(3), 4);
    EXPECT_EQ(cpf.previousInput(3), 2);
    EXPECT_EQ(cpf.nextInput(14), -1);
}

} // namespace
