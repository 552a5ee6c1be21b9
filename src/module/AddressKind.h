#pragma once
// The address kinds of the branches, as the screens offer them in their "Endereço" lists, by
// item index, and the one-letter code each stands for. The code is the value of
// IDENDEMISTPOPFIL in the per-branch grid and of IDTPENDEFILI in the issuing data.
//
//   AddressKindCode(0)     "P"  Filial
//   AddressKindCode(6)     "M"  Empresa (only the issuing-data dialog offers it)
//   AddressKindCode(-1)    ""   no selection, or an item past the table (the empty item)
//   AddressKindIndex("C")  1

#include <QString>

namespace ger {

QString AddressKindCode(int itemIndex);
// The item index of a code; -1 for a code not in the table, the empty one included.
int AddressKindIndex(const QString& code);

} // namespace ger
