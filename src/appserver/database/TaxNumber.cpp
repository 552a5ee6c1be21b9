#include "appserver/database/TaxNumber.h"

#include <array>
#include <span>

namespace ger {

namespace {

constexpr std::array<int, 10> kCpfWeights{11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 13> kCnpjWeights{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsUpperLetter(QChar c) {
    return c >= u'A' && c <= u'Z';
}

bool AllDigits(QStringView text) {
    for (QChar c : text) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

bool AllDigitsOrUpperLetters(QStringView text) {
    for (QChar c : text) {
        if (!IsDigit(c) && !IsUpperLetter(c))
            return false;
    }
    return true;
}

bool IsOneRepeatedCharacter(QStringView text) {
    for (QChar c : text) {
        if (c != text.front())
            return false;
    }
    return true;
}

// One check digit over `body`, with the last body.size() weights of the table.
int CheckDigit(QStringView body, std::span<const int> weights) {
    const size_t offset = weights.size() - static_cast<size_t>(body.size());
    int sum = 0;
    for (qsizetype i = 0; i < body.size(); ++i)
        sum += (body.at(i).unicode() - u'0') * weights[offset + static_cast<size_t>(i)];
    const int remainder = sum % 11;
    return remainder < 2 ? 0 : 11 - remainder;
}

QString TwoCheckDigits(QStringView body, std::span<const int> weights) {
    QString withFirst = body.toString();
    withFirst += QChar(u'0' + CheckDigit(body, weights));
    const int second = CheckDigit(withFirst, weights);
    return withFirst.right(1) + QChar(u'0' + second);
}

} // namespace

QString TaxNumber::CpfCheckDigits(QStringView nineDigits) {
    if (nineDigits.size() != 9 || !AllDigits(nineDigits))
        return QString();
    return TwoCheckDigits(nineDigits, kCpfWeights);
}

QString TaxNumber::CnpjCheckDigits(QStringView twelveCharacters) {
    if (twelveCharacters.size() != 12 || !AllDigitsOrUpperLetters(twelveCharacters))
        return QString();
    return TwoCheckDigits(twelveCharacters, kCnpjWeights);
}

bool TaxNumber::IsValidCpf(QStringView number) {
    if (number.size() != 11 || !AllDigits(number) || IsOneRepeatedCharacter(number))
        return false;
    return CpfCheckDigits(number.first(9)) == number.last(2);
}

bool TaxNumber::IsValidCnpj(QStringView number) {
    if (number.size() != 14 || !AllDigits(number.last(2)) || IsOneRepeatedCharacter(number))
        return false;
    const QString expected = CnpjCheckDigits(number.first(12));
    return !expected.isEmpty() && expected == number.last(2);
}

QString TaxNumber::Unformatted(QStringView formatted) {
    QString result;
    for (QChar c : formatted) {
        if (c == u'.' || c == u'/' || c == u'-' || c.isSpace())
            continue;
        result += c.toUpper();
    }
    return result;
}

} // namespace ger
