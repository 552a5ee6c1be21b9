#pragma once
// The judgement of a mixed load once every client has ended: the database as read before the
// run and at its end, held against what the clients logged (ClientLog).
//
//   lost updates   an own row, a shared row or the bulk selection ending on a value that no
//                  write that may have been last wrote (LostUpdateCheck); a pair's client types
//                  differing from what the acknowledged additions and removals leave; a read
//                  of an own row that did not show its last acknowledged write
//   partial bulk   the rows of the bulk selection not all holding one value at the end
//                  (BulkCheck::Uniform)
//   mixed reads    listings read during the run whose bulk rows disagreed
//
// Each finding is one line for a person; the run is clean when there is none.

#include "tools/load/ClientLog.h"
#include "tools/load/MixPlan.h"

#include <QStringList>
#include <map>
#include <vector>

namespace ger {

// The database as far as a mixed load looks at it.
struct MixState {
    std::map<QString, BranchRows> branches;
    std::map<int, QStringList> clientTypes; // by client index, row writers only
};

struct RunVerdict {
    QStringList lostUpdates;
    QStringList partialBulk;
    QStringList mixedReads;

    bool isClean() const {
        return lostUpdates.isEmpty() && partialBulk.isEmpty() && mixedReads.isEmpty();
    }

    // `logs[i]` is the log of `plan.clients[i]`; `bulkBefore`, the value the load gave the
    // bulk selection before the run.
    static RunVerdict Judge(const MixPlan& plan, const MixState& before, const MixState& after,
                            const RowSettings& bulkBefore, const std::vector<ClientLog>& logs);
};

} // namespace ger
