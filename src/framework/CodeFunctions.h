#pragma once
// Functions over the codes and texts the screens check and show.
//
// EmptyString: true for an empty text and for a text of blanks only, because a masked edit
// whose blank character is ' ' (">aaaa;0; ") yields blanks when nothing was typed.
//   EmptyString("") -> true    EmptyString("    ") -> true    EmptyString(" 1  ") -> false
//
// Ajusta: a typed code at its stored fixed width. Blanks around it are dropped, then it is
// filled with '0' on the left up to the width; a code already as long or longer comes back
// trimmed and otherwise unchanged; letters stay as given (the masks make them upper case).
// A code with nothing in it stays empty, so that a check of emptiness still sees it.
//   Ajusta("1", 4) -> "0001"   Ajusta("5 ", 2) -> "05"   Ajusta("a", 4) -> "000a"
//   Ajusta("12345", 4) -> "12345"   Ajusta("   ", 4) -> ""
//
// PictPess: the display mask of a tax number, by person type, in the toolkit's mask syntax
// (for FormatMaskText; literals are not part of the stored number):
//   "F" individual (CPF, 11 digits)          "000.000.000-00;0;_"   52998224725 -> 529.982.247-25
//   "J" company (CNPJ, 14 characters)        "AA.AAA.AAA/AAAA-00;0;_"
//       twelve letters or digits and two check digits, which also covers the alphanumeric CNPJ
//       issued from July 2026: 11222333000181 -> 11.222.333/0001-81,
//       12ABC34501DE35 -> 12.ABC.345/01DE-35
//   anything else                            "" (no mask: the number is shown as stored)
// The type is compared without regard to case and surrounding blanks.

#include <QString>

namespace ger {

bool EmptyString(const QString& text);

QString Ajusta(const QString& code, int width);

inline const QString CpfMask = QStringLiteral("000.000.000-00;0;_");
inline const QString CnpjMask = QStringLiteral("AA.AAA.AAA/AAAA-00;0;_");

QString PictPess(const QString& kind);

} // namespace ger
