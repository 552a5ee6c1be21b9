#include "appserver/database/DemoSeedData.h"

namespace ger {

namespace {

using D = DemoSeedData;

// Country codes are the Central Bank's (BACEN) table used on invoices.
constexpr D::Country kCountries[] = {
    {"1058", "Brasil"},
    {"0639", "Argentina"},
    {"2496", "Estados Unidos"},
    {"8451", "Uruguai"},
};

// "EX" is the state of every foreign address on invoices.
constexpr D::State kStates[] = {
    {"SP", "São Paulo", "1058"},         {"RJ", "Rio de Janeiro", "1058"},
    {"MG", "Minas Gerais", "1058"},      {"PR", "Paraná", "1058"},
    {"RS", "Rio Grande do Sul", "1058"}, {"BA", "Bahia", "1058"},
    {"PE", "Pernambuco", "1058"},        {"EX", "Exterior", nullptr},
};

constexpr D::Municipality kMunicipalities[] = {
    {"0001", "São Paulo", "SP"},      {"0002", "Campinas", "SP"},       {"0003", "Santos", "SP"},
    {"0004", "Rio de Janeiro", "RJ"}, {"0005", "Belo Horizonte", "MG"}, {"0006", "Contagem", "MG"},
    {"0007", "Curitiba", "PR"},       {"0008", "Porto Alegre", "RS"},   {"0009", "Salvador", "BA"},
    {"0010", "Recife", "PE"},         {"9999", "Exterior", "EX"},
};

constexpr D::Neighbourhood kNeighbourhoods[] = {
    {"0001", "Bela Vista", "0001"},
    {"0002", "Vila Olímpia", "0001"},
    {"0003", "Brás", "0001"},
    {"0004", "Cambuí", "0002"},
    {"0005", "Valongo", "0003"},
    {"0006", "Centro", "0004"},
    {"0007", "Barra da Tijuca", "0004"},
    {"0008", "Savassi", "0005"},
    {"0009", "Cidade Industrial", "0006"},
    {"0010", "Batel", "0007"},
    {"0011", "Cidade Industrial de Curitiba", "0007"},
    {"0012", "Moinhos de Vento", "0008"},
    {"0013", "Navegantes", "0008"},
    {"0014", "Comércio", "0009"},
    {"0015", "Boa Viagem", "0010"},
};

constexpr D::Company kCompanies[] = {
    {"01", "Distribuidora Horizonte S.A.", "Horizonte", "47960950000121"},
    {"02", "Indústria Vale Verde Ltda.", "Vale Verde", "61585865000151"},
};

// Each state's own length; none occurs inside another, so a list of them can be searched
// by substring. The last one belongs to no branch (a substitute taxpayer registration).
constexpr D::StateRegistration kStateRegistrations[] = {
    {"110042490114", "SP", "01"},  {"244111536119", "SP", "01"}, {"86123454", "RJ", "01"},
    {"0623079040081", "MG", "01"}, {"9012345672", "PR", "01"},   {"0960012340", "RS", "02"},
    {"071283491", "BA", "02"},     {"032141840", "PE", "02"},    {"535371658110", "SP", "02"},
};

constexpr D::MunicipalRegistration kMunicipalRegistrations[] = {
    {"01", "31428573", "0001"}, {"01", "40213987", "0001"}, {"01", "7788990", "0002"},
    {"01", "04567890", "0004"}, {"01", "3456712", "0005"},  {"01", "30125897", "0007"},
    {"02", "5214789", "0008"},  {"02", "2233445", "0008"},  {"02", "1029384", "0009"},
    {"02", "88120031", "0010"},
};

constexpr D::Branch kBranches[] = {
    {"0001", "Horizonte São Paulo - Matriz", "01", "110042490114", "31428573", "1",
     "47960950000121"},
    {"0002", "Horizonte Campinas", "01", "244111536119", "7788990", "1", "47960950000202"},
    {"0101", "Horizonte Rio de Janeiro", "01", "86123454", "04567890", "2", "47960950000393"},
    {"0102", "Horizonte Belo Horizonte", "01", "0623079040081", "3456712", "1", "47960950000474"},
    {"0201", "Horizonte Curitiba", "01", "9012345672", "30125897", "U", "47960950000555"},
    {"0301", "Vale Verde Porto Alegre", "02", "0960012340", "5214789", "1", "61585865000151"},
    {"0302", "Vale Verde Salvador", "02", "071283491", "1029384", "1", "61585865000232"},
    {"0303", "Vale Verde Recife", "02", "032141840", "88120031", "1", "61585865000313"},
};

// Branch 0001 has every kind; the others some. Kind M carries the company's municipal
// registration chosen for it.
constexpr D::Address kAddresses[] = {
    {"0001", 'P', "Avenida Paulista, 1500", "Conjunto 101", "1058", "SP", "0001", "Bela Vista",
     "0001", "01310-200", "(11) 3251-4000", nullptr},
    {"0001", 'C', "Rua Funchal, 418", "10º andar", "1058", "SP", "0001", "Vila Olímpia", "0002",
     "04551-060", "(11) 3045-7700", nullptr},
    {"0001", 'E', "1200 Brickell Avenue", "Suite 800, Miami, FL", "2496", "EX", "9999", nullptr,
     nullptr, "33131", "+1 305 555 0142", nullptr},
    {"0001", 'X', "Avenida Governador Mário Covas, 2100", "Armazém 12", "1058", "SP", "0003",
     "Valongo", "0005", "11010-150", "(13) 3219-5500", nullptr},
    {"0001", 'T', "Rua do Gasômetro, 900", "Galpão 3", "1058", "SP", "0001", "Brás", "0003",
     "03004-000", "(11) 3312-6600", nullptr},
    {"0001", 'I', "Avenida Paulista, 1500", "Conjunto 102", "1058", "SP", "0001", "Bela Vista",
     "0001", "01310-200", "(11) 3251-4001", nullptr},
    {"0001", 'M', "Avenida Brigadeiro Faria Lima, 3477", "Torre Sul, 14º andar", "1058", "SP",
     "0001", "Vila Olímpia", "0002", "04538-133", "(11) 3048-9000", "40213987"},
    {"0002", 'P', "Rua Coronel Quirino, 1200", nullptr, "1058", "SP", "0002", "Cambuí", "0004",
     "13025-002", "(19) 3251-8800", nullptr},
    {"0002", 'T', "Rodovia Anhanguera, km 98", "Galpão 7", "1058", "SP", "0002",
     "Distrito Industrial", nullptr, "13069-000", "(19) 3765-1200", nullptr},
    {"0002", 'I', "Rua Coronel Quirino, 1200", "Sala 2", "1058", "SP", "0002", "Cambuí", "0004",
     "13025-002", "(19) 3251-8801", nullptr},
    {"0101", 'P', "Avenida Rio Branco, 115", "12º andar", "1058", "RJ", "0004", "Centro", "0006",
     "20040-004", "(21) 2533-4100", nullptr},
    {"0101", 'C', "Avenida das Américas, 3500", "Bloco 2, sala 310", "1058", "RJ", "0004",
     "Barra da Tijuca", "0007", "22640-102", "(21) 3325-7000", nullptr},
    {"0101", 'M', "Avenida Rio Branco, 115", "13º andar", "1058", "RJ", "0004", "Centro", "0006",
     "20040-004", "(21) 2533-4180", "04567890"},
    {"0102", 'P', "Avenida do Contorno, 6594", "Loja 1", "1058", "MG", "0005", "Savassi", "0008",
     "30110-044", "(31) 3284-2200", nullptr},
    {"0102", 'C', "Rua Pernambuco, 1000", "Sala 501", "1058", "MG", "0005", "Savassi", "0008",
     "30130-151", "(31) 3261-9000", nullptr},
    {"0102", 'T', "Avenida João César de Oliveira, 4000", nullptr, "1058", "MG", "0006",
     "Cidade Industrial", "0009", "32340-000", "(31) 3391-5500", nullptr},
    {"0201", 'P', "Avenida do Batel, 1750", nullptr, "1058", "PR", "0007", "Batel", "0010",
     "80420-090", "(41) 3342-6100", nullptr},
    {"0201", 'I', "Rua João Bettega, 3000", "Barracão 4", "1058", "PR", "0007", "Cidade Industrial",
     "0011", "81070-000", "(41) 3346-2200", nullptr},
    {"0201", 'M', "Avenida do Batel, 1750", "Sala 12", "1058", "PR", "0007", "Batel", "0010",
     "80420-090", "(41) 3342-6112", "30125897"},
    {"0301", 'P', "Avenida Farrapos, 2500", nullptr, "1058", "RS", "0008", "Navegantes", "0013",
     "90220-005", "(51) 3342-1800", nullptr},
    {"0301", 'C', "Rua Padre Chagas, 300", "Sala 404", "1058", "RS", "0008", "Moinhos de Vento",
     "0012", "90570-080", "(51) 3222-4545", nullptr},
    {"0301", 'E', "Avenida del Libertador 5400", "Piso 6, Buenos Aires", "0639", "EX", "9999",
     nullptr, nullptr, "C1426", "+54 11 5555-0190", nullptr},
    {"0301", 'X', "Avenida Farrapos, 2500", "Doca 2", "1058", "RS", "0008", "Navegantes", "0013",
     "90220-005", "(51) 3342-1801", nullptr},
    {"0302", 'P', "Avenida Estados Unidos, 528", "Edifício Cidade do Salvador", "1058", "BA",
     "0009", "Comércio", "0014", "40010-020", "(71) 3254-7300", nullptr},
    {"0302", 'T', "Rua Barão de Cotegipe, 120", "Galpão A", "1058", "BA", "0009", "Calçada",
     nullptr, "40411-900", "(71) 3312-0800", nullptr},
    {"0302", 'M', "Avenida Estados Unidos, 528", "Sala 1102", "1058", "BA", "0009", "Comércio",
     "0014", "40010-020", "(71) 3254-7311", "1029384"},
    {"0303", 'P', "Avenida Boa Viagem, 3200", "Sala 801", "1058", "PE", "0010", "Boa Viagem",
     "0015", "51020-000", "(81) 3465-2900", nullptr},
};

} // namespace

std::span<const D::Country> DemoSeedData::Countries() {
    return kCountries;
}
std::span<const D::State> DemoSeedData::States() {
    return kStates;
}
std::span<const D::Municipality> DemoSeedData::Municipalities() {
    return kMunicipalities;
}
std::span<const D::Neighbourhood> DemoSeedData::Neighbourhoods() {
    return kNeighbourhoods;
}
std::span<const D::Company> DemoSeedData::Companies() {
    return kCompanies;
}
std::span<const D::StateRegistration> DemoSeedData::StateRegistrations() {
    return kStateRegistrations;
}
std::span<const D::MunicipalRegistration> DemoSeedData::MunicipalRegistrations() {
    return kMunicipalRegistrations;
}
std::span<const D::Branch> DemoSeedData::Branches() {
    return kBranches;
}
std::span<const D::Address> DemoSeedData::Addresses() {
    return kAddresses;
}

} // namespace ger
