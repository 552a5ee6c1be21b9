#include "tools/load/MethodTally.h"

#include <algorithm>

namespace ger {

namespace {

void AddMethod(MethodTally::ErrorGroup& group, const QString& method) {
    if (!group.methods.contains(method))
        group.methods.append(method);
}

} // namespace

void MethodTally::record(const QString& method, qint64 microseconds) {
    m_latencies[method].push_back(microseconds);
}

void MethodTally::fail(const QString& method, const QString& message) {
    ErrorGroup& group = m_errors[message];
    ++group.count;
    AddMethod(group, method);
}

void MethodTally::merge(const MethodTally& other) {
    for (const auto& [method, latencies] : other.m_latencies) {
        std::vector<qint64>& mine = m_latencies[method];
        mine.insert(mine.end(), latencies.begin(), latencies.end());
    }
    for (const auto& [message, group] : other.m_errors) {
        ErrorGroup& mine = m_errors[message];
        mine.count += group.count;
        for (const QString& method : group.methods)
            AddMethod(mine, method);
    }
}

qsizetype MethodTally::calls() const {
    qsizetype calls = 0;
    for (const auto& entry : m_latencies)
        calls += static_cast<qsizetype>(entry.second.size());
    return calls;
}

qsizetype MethodTally::errors() const {
    qsizetype errors = 0;
    for (const auto& entry : m_errors)
        errors += entry.second.count;
    return errors;
}

LatencySummary MethodTally::overall() const {
    std::vector<qint64> all;
    for (const auto& entry : m_latencies)
        all.insert(all.end(), entry.second.begin(), entry.second.end());
    return LatencySummary::Of(std::move(all));
}

std::map<QString, LatencySummary> MethodTally::perMethod() const {
    std::map<QString, LatencySummary> summaries;
    for (const auto& [method, latencies] : m_latencies)
        summaries[method] = LatencySummary::Of(latencies);
    return summaries;
}

std::vector<QString> MethodTally::messagesByCount() const {
    std::vector<QString> messages;
    for (const auto& entry : m_errors)
        messages.push_back(entry.first);
    std::stable_sort(messages.begin(), messages.end(), [this](const QString& a, const QString& b) {
        return m_errors.at(a).count > m_errors.at(b).count;
    });
    return messages;
}

} // namespace ger
