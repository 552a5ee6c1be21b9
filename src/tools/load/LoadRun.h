#pragma once
// One load run against an application server (LoadOptions): the idle sessions opened first,
// then the busy clients' threads for the run's time, then one call on every idle session;
// sessions and clients round-robin over the options' ports.
// Every wait is bounded by the clients' own timeouts; the run ends by itself.

#include "tools/load/LoadOptions.h"
#include "tools/load/LoadReport.h"

namespace ger {

class LoadRun {
public:
    static LoadReport Run(const LoadOptions& options);
};

} // namespace ger
