#pragma once
// What one busy client of a mixed load did and saw, written by its own thread only and read
// after every thread has ended: its writes with their times and outcomes (LoggedWrite), the
// changes of its client types, and what its reads showed that no correct server shows.

#include "tools/load/LostUpdateCheck.h"
#include "tools/load/MethodTally.h"
#include "tools/load/RowKey.h"

#include <QStringList>
#include <map>
#include <vector>

namespace ger {

struct ClientLog {
    std::vector<LoggedWrite> ownWrites;
    std::map<RowKey, std::vector<LoggedWrite>> sharedWrites;
    std::vector<LostUpdateCheck::TypeChange> typeChanges;
    std::vector<LoggedWrite> bulkWrites;
    // A listing of a branch of the bulk selection whose bulk rows disagree (BulkCheck::Mix).
    QStringList mixedReads;
    // A read of the own row after an acknowledged write that shows another value.
    QStringList staleOwnReads;
    MethodTally tally;
    bool isRefused = false; // its connection could not be opened
};

} // namespace ger
