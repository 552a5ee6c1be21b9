#pragma once
// The demo company database that makes the product run out of the box: the schema of
// CompanySchema filled with a deterministic seed (the same file content at every creation).
//
// What the seed holds (DemoSeedData and the rules in DemoDatabase.cpp):
//   - two companies, "01" and "02"; eight branches in seven states (SP, RJ, MG, PR, RS, BA,
//     PE), each with its state and municipal registration; company 01 has six municipal
//     registrations, company 02 four; one state registration belongs to no branch;
//   - branch addresses by kind: branch 0001 has all seven kinds, the others some (kind M for
//     0001, 0101, 0201 and 0302; 0303 only P);
//   - 35 operation types "01".."35", most with both flags "S";
//   - operation types per branch for every branch but 0303, with mixed flags and address
//     kinds, each kind one the branch has an address for;
//   - 56 clients with client codes "000000000000000000001".. (21 characters): CPFs, CNPJs,
//     some CNPJs alphanumeric, all with valid check digits; two foreign clients without number;
//   - operation types per client at branches 0001 and 0301 for the first twelve clients.
// A larger database (`clients` above kSeedClients) holds the same rows and, after the seed's
// clients, as many generated ones as make up the number (DemoGeneratedClients).

#include "platform/sql/SqlEngine.h"

#include <QString>

namespace ger {

class DatabaseConnection;

class DemoDatabase {
public:
    // The seed's own clients, and the most a demo database may hold.
    static constexpr int kSeedClients = 56;
    static constexpr int kMaxClients = 1000000;

    // Creates the file with schema and seed in one transaction, with `clients` clients in all
    // (kSeedClients to kMaxClients; anything else raises EDatabaseError before the file is
    // made). Refuses (EDatabaseError) when anything exists at `path`, so that a real database
    // is never touched; on any failure the partly written file is removed and the exception
    // goes on. The file is its owner's alone (mode 600), on SQLite or on embedded Firebird.
    static void Create(const QString& path, int clients = kSeedClients,
                       SqlEngine engine = SqlEngine::SQLite);

    // Fills a database that holds the empty schema, in one transaction.
    static void Seed(DatabaseConnection& connection, int clients = kSeedClients);

    // The client code of the seed's client at `index` (0-based), padded to 21 characters.
    static QString ClientCode(int index);
};

} // namespace ger
