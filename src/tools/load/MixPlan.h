#pragma once
// Who writes what in a mixed load (ger-load --mix), so that every write can be judged
// afterwards (LostUpdateCheck, BulkCheck). Made once from the branches' rows as the load finds
// them, before any client starts:
//
//   - one client in `bulkEvery` (clients 1, 11, 21, ...) is a bulk writer: SetGravaAut of
//     every listed branch x every bulk type, and reads of those branches;
//   - every other client is a row writer with a row of its own (SetTpOperFil), the shared rows
//     (SetTpOperFil, every row writer in turn) and a (branch, client) pair of its own for
//     SetTipoOperCli / DelTipoOperCli of the client types;
//   - own and shared rows are rows that exist, of types outside the bulk types, so no per-row
//     write touches a row of the bulk selection; ordered by type, then branch, so that the
//     writers of one branch are spread over its types and the branches share the load.
//
// Make raises ELoadUsage when the rows or the (branch, client) pairs are too few for the
// clients.

#include "tools/load/BulkCheck.h"
#include "tools/load/RowKey.h"

#include <QStringList>
#include <map>
#include <vector>

namespace ger {

struct MixShape {
    int busy = 50;
    QStringList branches;    // the bulk selection's branches, and where rows are looked for
    QStringList bulkTypes;   // the bulk selection's operation types
    QStringList clientTypes; // types a client may be given (offered to clients)
    QStringList clients;     // client codes for the (branch, client) pairs
    int sharedRows = 4;
    int bulkEvery = 10;
};

// The operation types one client may use at one branch.
struct ClientPair {
    QString branch;
    QString client;
};

struct ClientPlan {
    int index = 0;
    bool isBulkWriter = false;
    RowKey ownRow;   // row writers only
    ClientPair pair; // row writers only
};

struct MixPlan {
    QStringList bulkBranches;
    QStringList bulkTypes;
    QStringList clientTypes;
    std::vector<RowKey> sharedRows;
    std::vector<ClientPlan> clients;

    static MixPlan Make(const MixShape& shape, const std::map<QString, BranchRows>& listings);

    int rowWriters() const;
    int bulkWriters() const { return static_cast<int>(clients.size()) - rowWriters(); }
};

} // namespace ger
