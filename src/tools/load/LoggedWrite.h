#pragma once
// One write as the client that sent it logged it: when its call began and ended on the load's
// one clock (microseconds), the value it wrote, and what the client learnt of its fate.
//
//   Acknowledged  the server answered success: the write committed
//   Refused       the server answered a failure or raised: nothing was written (every write
//                 of the module is one transaction, rolled back whole on failure)
//   Unknown       no answer (connection lost, timeout): it may have committed, even after
//                 the client gave up on it

#include "tools/load/RowSettings.h"

#include <QtGlobal>

namespace ger {

enum class WriteOutcome { Acknowledged, Refused, Unknown };

struct LoggedWrite {
    qint64 startUs = 0;
    qint64 endUs = 0;
    RowSettings value;
    WriteOutcome outcome = WriteOutcome::Acknowledged;
};

} // namespace ger
