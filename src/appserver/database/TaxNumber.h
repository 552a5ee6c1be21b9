#pragma once
// Brazilian taxpayer numbers as this system stores them (NRINSJURCLIE, NRINSJURFILI): without
// punctuation, upper case.
//
//   CPF (individual, IDTPIJURCLIE "F"): 11 digits; 9 then two check digits.
//   CNPJ (company, "J"): 14 characters; 12 then two numeric check digits. Since July 2026 the
//     first 12 may be letters A-Z as well as digits ("12ABC34501DE35"); digits-only numbers
//     keep their old check digits.
//
// Check digits, both kinds: each character counts as its ASCII code minus 48 ('0'..'9' are
// 0..9, 'A' is 17, 'Z' 42); the weighted sum modulo 11 gives r, and the digit is 0 when r < 2,
// else 11 - r. The second digit covers the first. CPF weights run 10..2 (then 11..2); CNPJ
// weights run 5..2, 9..2 (then 6..2, 9..2). Numbers made of one repeated digit pass the
// arithmetic but are not issued, and are refused here.

#include <QString>
#include <QStringView>

namespace ger {

class TaxNumber {
public:
    static bool IsValidCpf(QStringView number);
    static bool IsValidCnpj(QStringView number);

    // The two check digits of the first 9 digits of a CPF; empty for anything else.
    static QString CpfCheckDigits(QStringView nineDigits);
    // The two check digits of the first 12 characters of a CNPJ; empty for anything else.
    static QString CnpjCheckDigits(QStringView twelveCharacters);

    // A number as people write it ("11.222.333/0001-81") reduced to its stored form: dots,
    // slashes, hyphens and blanks removed, letters upper-cased.
    static QString Unformatted(QStringView formatted);
};

} // namespace ger
