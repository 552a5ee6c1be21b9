#pragma once
// What a load run saw: per kind of call, how many ran, how many failed, and their latencies;
// the sessions that could not be opened. Printed as a few lines of text for a person or a
// script to read.

#include <QString>
#include <vector>

namespace ger {

struct LatencySummary {
    qsizetype calls = 0;
    double p50Ms = 0;
    double p99Ms = 0;
    double maxMs = 0;

    // From latencies in microseconds, in any order (sorted here).
    static LatencySummary Of(std::vector<qint64> microseconds);
};

struct LoadReport {
    int idleOpened = 0;
    int idleServedAtEnd = 0;
    int refused = 0; // sessions, idle or busy, that could not be opened
    qsizetype errors = 0;
    QString firstError;
    double seconds = 0;
    LatencySummary reads;
    LatencySummary writes;

    bool clean() const { return refused == 0 && errors == 0; }
    QString Text() const;
};

} // namespace ger
