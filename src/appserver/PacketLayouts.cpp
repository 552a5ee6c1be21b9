#include "appserver/PacketLayouts.h"

namespace ger {

const std::vector<PacketField>& PacketLayouts::BranchOperations() {
    static const std::vector<PacketField> layout{
        {"OPERACAO", 35}, {"IDLIBERADO", 1}, {"IDLANCMANUAL", 1},
        {"CDFILIAL", 4},  {"CDTIPOOPER", 2}, {"IDENDEMISTPOPFIL", 1},
    };
    return layout;
}

const std::vector<PacketField>& PacketLayouts::ClientOperations() {
    static const std::vector<PacketField> layout{
        {"CDFILIAL", 4},     {"CDTIPOOPER", 2},     {"NMTIPOOPER", 30}, {"CDFORNCLIE", 21},
        {"NRINSCRICAO", 20}, {"NMRAZAOSOCIAL", 50}, {"IDTIPOJUR", 1},
    };
    return layout;
}

const std::vector<PacketField>& PacketLayouts::IssuingData() {
    static const std::vector<PacketField> layout{
        {"IDTPENDEFILI", 1}, {"NMFILIAL", 30},   {"NMRAZSOCFILI", 40}, {"NRINSJURFILI", 20},
        {"CDINSCESTA", 16},  {"CDINSCMUNI", 16}, {"DSENDEFILI", 50},   {"DSCOMPENDFIL", 200},
        {"CDPAIS", 4},       {"NMPAIS", 30},     {"SGESTADO", 2},      {"CDMUNICIPIO", 4},
        {"NMMUNICIPIO", 30}, {"NMBAIRFILI", 30}, {"CDBAIRRO", 10},     {"NMBAIRRO", 50},
        {"NRCEPFILI", 15},   {"NRTELEFILI", 25}, {"EXISTEINFO", 14},   {"CDINSCMUNIEMP", 16},
    };
    return layout;
}

} // namespace ger
