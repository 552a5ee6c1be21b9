#pragma once
// The data packets the module sends, field by field: names and sizes in characters are what
// the screens' client datasets declare. A statement that fills one (PacketQuery) selects
// exactly the layout's columns, in the layout's order, under the layout's names.

#include "platform/db/DataPacket.h"

#include <vector>

namespace ger {

class PacketLayouts {
public:
    // GetTpOperFil, and the answers of SetTpOperFil and SetGravaAut: OPERACAO is the code, " - "
    // and the name, so its first two characters are the code.
    static const std::vector<PacketField>& BranchOperations();
    // GetTipoOperCli.
    static const std::vector<PacketField>& ClientOperations();
    // GetDadosEmissaoNF.
    static const std::vector<PacketField>& IssuingData();
};

} // namespace ger
