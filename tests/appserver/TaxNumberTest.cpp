#include "appserver/database/TaxNumber.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

struct KnownNumber {
    const char* name;
    const char* formatted;
    bool isCpf;
};

class KnownValidNumber : public ::testing::TestWithParam<KnownNumber> {
protected:
    QString stored() const {
        return TaxNumber::Unformatted(QString::fromUtf8(GetParam().formatted));
    }
    bool isValid(const QString& number) const {
        return GetParam().isCpf ? TaxNumber::IsValidCpf(number) : TaxNumber::IsValidCnpj(number);
    }
};

} // namespace

TEST_P(KnownValidNumber, IsValidInItsStoredForm) {
    EXPECT_TRUE(isValid(stored())) << stored().toStdString();
}

TEST_P(KnownValidNumber, CheckDigitsAreComputedFromTheBody) {
    const QString number = stored();
    const QString digits = GetParam().isCpf ? TaxNumber::CpfCheckDigits(number.first(9))
                                            : TaxNumber::CnpjCheckDigits(number.first(12));
    EXPECT_EQ(digits, number.last(2));
}

TEST_P(KnownValidNumber, AnyOtherCheckDigitIsRefused) {
    const QString number = stored();
    for (qsizetype position : {number.size() - 2, number.size() - 1}) {
        for (char digit = '0'; digit <= '9'; ++digit) {
            if (number.at(position) == QLatin1Char(digit))
                continue;
            QString changed = number;
            changed[position] = QLatin1Char(digit);
            EXPECT_FALSE(isValid(changed)) << changed.toStdString();
        }
    }
}

TEST_P(KnownValidNumber, TheOtherKindRefusesIt) {
    const QString number = stored();
    EXPECT_FALSE(GetParam().isCpf ? TaxNumber::IsValidCnpj(number) : TaxNumber::IsValidCpf(number));
}

INSTANTIATE_TEST_SUITE_P(Numbers, KnownValidNumber,
                         ::testing::Values(KnownNumber{"Cpf529", "529.982.247-25", true},
                                           KnownNumber{"Cpf111", "111.444.777-35", true},
                                           KnownNumber{"Cnpj112", "11.222.333/0001-81", false},
                                           KnownNumber{"CnpjAlphanumeric", "12.ABC.345/01DE-35",
                                                       false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(TaxNumberTest, AlphanumericCnpjCountsLettersAsAsciiMinus48) {
    // 'A' = 17 ... 'Z' = 42: the known example and a body made of letters only.
    EXPECT_EQ(TaxNumber::CnpjCheckDigits(u"12ABC34501DE"), QStringLiteral("35"));
    const QString letters = QStringLiteral("ABCDEFGHIJKL");
    EXPECT_TRUE(TaxNumber::IsValidCnpj(letters + TaxNumber::CnpjCheckDigits(letters)));
}

TEST(TaxNumberTest, MalformedNumbersAreRefused) {
    for (const char* cpf : {"5299822472", "529982247255", "529.982.247-25", "5299822472A",
                            "11111111111", "00000000000", ""})
        EXPECT_FALSE(TaxNumber::IsValidCpf(QString::fromLatin1(cpf))) << cpf;
    for (const char* cnpj :
         {"1122233300018", "112223330001811", "11.222.333/0001-81", "12abc34501de35",
          "12ABC34501DEAB", "00000000000000", "11111111111111", "12ABC34501D-35"})
        EXPECT_FALSE(TaxNumber::IsValidCnpj(QString::fromLatin1(cnpj))) << cnpj;
}

TEST(TaxNumberTest, CheckDigitsNeedACompleteWellFormedBody) {
    EXPECT_EQ(TaxNumber::CpfCheckDigits(u"52998224"), QString());
    EXPECT_EQ(TaxNumber::CpfCheckDigits(u"52998224A"), QString());
    EXPECT_EQ(TaxNumber::CnpjCheckDigits(u"12abc34501de"), QString());
    EXPECT_EQ(TaxNumber::CnpjCheckDigits(u"112223330001X"), QString());
}

TEST(TaxNumberTest, UnformattedDropsPunctuationAndUpperCases) {
    EXPECT_EQ(TaxNumber::Unformatted(u"12.abc.345/01de-35"), QStringLiteral("12ABC34501DE35"));
    EXPECT_EQ(TaxNumber::Unformatted(u" 529.982.247-25 "), QStringLiteral("52998224725"));
}
