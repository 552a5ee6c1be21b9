#pragma once
// ger-load --mix: a mixed load on one or more application servers of one demo database, and
// the check that no acknowledged write was lost on the way.
//
//   1. set-up, on the first server: one SetGravaAut gives the bulk selection (every demo branch
//      x the last fifteen operation types) one value, so that its rows exist and agree; then
//      every branch's rows and every row writer's client types are read (MixState before);
//   2. the plan (MixPlan) from those rows; the idle sessions opened;
//   3. the busy clients (MixedClient), round-robin over the servers, for the run's time, each
//      logging its calls (ClientLog);
//   4. the rows and client types read again (MixState after) and judged (RunVerdict); one call
//      on every idle session.
//
// A failure of the set-up or of the final reads raises ELoadFailure: without them nothing
// can be judged.

#include "platform/core/Exception.h"
#include "tools/load/LoadOptions.h"
#include "tools/load/MixPlan.h"
#include "tools/load/MixedReport.h"

namespace ger {

class ELoadFailure : public Exception {
public:
    using Exception::Exception;
};

class MixedLoad {
public:
    static MixedReport Run(const LoadOptions& options);

    // The demo database's branches, the last fifteen operation types for the bulk writes, the
    // first three offered to clients for the client types, and the seed's clients.
    static MixShape DemoShape(int busy);
};

} // namespace ger
