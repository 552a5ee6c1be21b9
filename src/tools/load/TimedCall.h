#pragma once
// One remote call of a mixed load as its client saw it: when it began and ended on the load's
// clock (microseconds), its outcome (LoggedWrite's three), and the packet of a success or the
// message of a failure.

#include "tools/load/LoggedWrite.h"

#include <QByteArray>
#include <QString>

namespace ger {

struct TimedCall {
    qint64 startUs = 0;
    qint64 endUs = 0;
    WriteOutcome outcome = WriteOutcome::Acknowledged;
    QByteArray payload;
    QString error;

    bool isAcknowledged() const { return outcome == WriteOutcome::Acknowledged; }
    LoggedWrite logged(const RowSettings& value) const { return {startUs, endUs, value, outcome}; }
};

} // namespace ger
