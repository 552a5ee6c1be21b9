#pragma once
// The rows of the demo company database, as plain data (DemoSeedPlaces.cpp: geography,
// companies, registrations, branches and their addresses; DemoSeedTrade.cpp: operation types
// and clients). DemoDatabase inserts them and derives from them the operation types per branch
// and per client. A null pointer stands for NULL.
//
// The data are fictitious but shaped like real ones: tax numbers carry correct check digits
// (some CNPJs in the alphanumeric format of 2026), state registrations have each state's
// length, codes are padded to their widths ("0001", "05", "01").

#include <span>

namespace ger {

struct DemoSeedData {
    struct Country {
        const char* code;
        const char* name;
    };
    struct State {
        const char* code;
        const char* name;
        const char* country;
    };
    struct Municipality {
        const char* code;
        const char* name;
        const char* state;
    };
    struct Neighbourhood {
        const char* code;
        const char* name;
        const char* municipality;
    };
    struct Company {
        const char* code;
        const char* corporateName;
        const char* tradeName;
        const char* cnpj;
    };
    struct StateRegistration {
        const char* code;
        const char* state;
        const char* company;
    };
    struct MunicipalRegistration {
        const char* company;
        const char* code;
        const char* municipality;
    };
    struct Branch {
        const char* code;
        const char* name;
        const char* company;
        const char* stateRegistration;
        const char* municipalRegistration;
        const char* series;
        const char* cnpj;
    };
    struct Address {
        const char* branch;
        char kind;
        const char* street;
        const char* complement;
        const char* country;
        const char* state;
        const char* municipality;
        const char* neighbourhoodName;
        const char* neighbourhood;
        const char* postalCode;
        const char* telephone;
        const char* municipalRegistration;
    };
    struct OperationType {
        const char* code;
        const char* name;
        char entryExit;
        char inUse;
    };
    struct Client {
        char personType;
        const char* number;
        const char* corporateName;
        const char* tradeName;
    };

    static std::span<const Country> Countries();
    static std::span<const State> States();
    static std::span<const Municipality> Municipalities();
    static std::span<const Neighbourhood> Neighbourhoods();
    static std::span<const Company> Companies();
    static std::span<const StateRegistration> StateRegistrations();
    static std::span<const MunicipalRegistration> MunicipalRegistrations();
    static std::span<const Branch> Branches();
    static std::span<const Address> Addresses();
    static std::span<const OperationType> OperationTypes();
    // In order of client code: the first is client "000000000000000000001".
    static std::span<const Client> Clients();
};

} // namespace ger
