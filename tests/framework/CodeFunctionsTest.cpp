#include "framework/CodeFunctions.h"

#include "FrameworkTestSupport.h"
#include "platform/forms/MaskPattern.h"

using namespace ger;

namespace {

struct EmptyCase {
    const char* text;
    bool empty;
};

class EmptyStringTest : public testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyStringTest, CountsBlanksAsEmpty) {
    EXPECT_EQ(EmptyString(QString::fromUtf8(GetParam().text)), GetParam().empty);
}

INSTANTIATE_TEST_SUITE_P(Texts, EmptyStringTest,
                         testing::Values(EmptyCase{"", true}, EmptyCase{" ", true},
                                         // what the branch edit ">aaaa;0; " holds untouched
                                         EmptyCase{"    ", true}, EmptyCase{"\t ", true},
                                         EmptyCase{"1", false}, EmptyCase{" 1  ", false},
                                         EmptyCase{"0", false}, EmptyCase{"_", false}));

TEST(EmptyStringNullTest, ANullTextIsEmpty) {
    EXPECT_TRUE(EmptyString(QString()));
}

struct AjustaCase {
    const char* code;
    int width;
    const char* adjusted;
};

class AjustaTest : public testing::TestWithParam<AjustaCase> {};

TEST_P(AjustaTest, BringsTheCodeToItsStoredWidth) {
    EXPECT_EQ(Ajusta(QString::fromUtf8(GetParam().code), GetParam().width),
              QString::fromUtf8(GetParam().adjusted));
}

INSTANTIATE_TEST_SUITE_P(Codes, AjustaTest,
                         testing::Values(AjustaCase{"1", 4, "0001"}, AjustaCase{"1   ", 4, "0001"},
                                         AjustaCase{" 12 ", 4, "0012"},
                                         AjustaCase{"0101", 4, "0101"}, AjustaCase{"5", 2, "05"},
                                         AjustaCase{"5 ", 2, "05"}, AjustaCase{"52", 2, "52"},
                                         AjustaCase{"a", 4, "000a"}, AjustaCase{"AB", 4, "00AB"},
                                         AjustaCase{"12345", 4, "12345"},
                                         AjustaCase{" 123 ", 2, "123"}, AjustaCase{"", 4, ""},
                                         AjustaCase{"    ", 4, ""}, AjustaCase{"7", 0, "7"}));

struct MaskCase {
    const char* kind;
    const char* number;
    const char* shown;
};

class PictPessTest : public testing::TestWithParam<MaskCase> {};

TEST_P(PictPessTest, GivesTheMaskThatFormatMaskTextShowsTheNumberWith) {
    const QString mask = PictPess(QString::fromUtf8(GetParam().kind));
    EXPECT_EQ(FormatMaskText(mask, QString::fromUtf8(GetParam().number)),
              QString::fromUtf8(GetParam().shown))
        << mask.toStdString();
}

INSTANTIATE_TEST_SUITE_P(TaxNumbers, PictPessTest,
                         testing::Values(MaskCase{"F", "52998224725", "529.982.247-25"},
                                         MaskCase{"F", "11144477735", "111.444.777-35"},
                                         MaskCase{"J", "11222333000181", "11.222.333/0001-81"},
                                         // the alphanumeric CNPJ issued from July 2026
                                         MaskCase{"J", "12ABC34501DE35", "12.ABC.345/01DE-35"},
                                         MaskCase{"j", "12ABC34501DE35", "12.ABC.345/01DE-35"},
                                         MaskCase{" F ", "52998224725", "529.982.247-25"}));

TEST(PictPessKindTest, AnyOtherKindHasNoMask) {
    for (const char* kind : {"", "E", "X", "FJ", "FF"})
        EXPECT_TRUE(PictPess(QString::fromUtf8(kind)).isEmpty()) << kind;
}

} // namespace
