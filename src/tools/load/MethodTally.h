#pragma once
// The calls a load made, per remote method: each call's latency, and the errors returned to
// the clients grouped by their message, with how many times and from which methods each came.
// One tally per client thread, merged at the end; no locking.
//
//   tally.record("SetTpOperFil", 1250);                    // 1.25 ms
//   tally.fail("SetTpOperFil", "O banco de dados está ocupado ...");
//   tally.perMethod().at("SetTpOperFil").calls             // 1
//   tally.errorGroups().at("O banco ...").count            // 1

#include "tools/load/LoadReport.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace ger {

class MethodTally {
public:
    struct ErrorGroup {
        qsizetype count = 0;
        QStringList methods; // each once, in the order first seen
    };

    // A call that ended, well or not, after `microseconds`.
    void record(const QString& method, qint64 microseconds);
    // An error one call returned: a failed result, a remote exception, a transport failure.
    void fail(const QString& method, const QString& message);
    void merge(const MethodTally& other);

    qsizetype calls() const;
    qsizetype errors() const;
    LatencySummary overall() const;
    std::map<QString, LatencySummary> perMethod() const;
    const std::map<QString, ErrorGroup>& errorGroups() const { return m_errors; }
    // The messages, most frequent first (then by text).
    std::vector<QString> messagesByCount() const;

private:
    std::map<QString, std::vector<qint64>> m_latencies;
    std::map<QString, ErrorGroup> m_errors;
};

} // namespace ger
