#include "tools/load/LostUpdateCheck.h"

#include <algorithm>

namespace ger {

namespace {

bool MayHaveCommitted(const LoggedWrite& write) {
    return write.outcome != WriteOutcome::Refused;
}

std::optional<qint64> LatestAcknowledgedStart(const std::vector<LoggedWrite>& writes) {
    std::optional<qint64> latest;
    for (const LoggedWrite& write : writes)
        if (write.outcome == WriteOutcome::Acknowledged)
            latest = std::max(latest.value_or(write.startUs), write.startUs);
    return latest;
}

void AddOnce(std::vector<RowSettings>& values, const RowSettings& value) {
    if (std::find(values.begin(), values.end(), value) == values.end())
        values.push_back(value);
}

} // namespace

std::vector<RowSettings> LostUpdateCheck::FinalCandidates(const RowSettings& before,
                                                          const std::vector<LoggedWrite>& writes) {
    const std::optional<qint64> latestStart = LatestAcknowledgedStart(writes);
    std::vector<RowSettings> candidates;
    if (!latestStart)
        AddOnce(candidates, before);
    for (const LoggedWrite& write : writes) {
        // An unanswered write may commit after every answer: its end is no bound.
        const bool endsLate =
            write.outcome == WriteOutcome::Unknown || !latestStart || write.endUs >= *latestStart;
        if (MayHaveCommitted(write) && endsLate)
            AddOnce(candidates, write.value);
    }
    return candidates;
}

bool LostUpdateCheck::Holds(const RowSettings& final, const RowSettings& before,
                            const std::vector<LoggedWrite>& writes) {
    const std::vector<RowSettings> candidates = FinalCandidates(before, writes);
    return std::find(candidates.begin(), candidates.end(), final) != candidates.end();
}

// Per type named anywhere: whether the client has it at the end, or nothing when unknown.
std::map<QString, std::optional<bool>>
LostUpdateCheck::TypeStates(const QStringList& before, const std::vector<TypeChange>& changes) {
    std::map<QString, std::optional<bool>> states;
    for (const QString& type : before)
        states[type] = true;
    for (const TypeChange& change : changes) {
        std::optional<bool>& state = states.try_emplace(change.type, false).first->second;
        if (change.outcome == WriteOutcome::Acknowledged)
            state = change.isAddition;
        else if (change.outcome == WriteOutcome::Unknown)
            state = std::nullopt;
    }
    return states;
}

std::map<QString, bool> LostUpdateCheck::ExpectedTypes(const QStringList& before,
                                                       const std::vector<TypeChange>& changes) {
    std::map<QString, bool> expected;
    for (const auto& [type, state] : TypeStates(before, changes))
        if (state)
            expected[type] = *state;
    return expected;
}

QStringList LostUpdateCheck::TypeMismatches(const QStringList& before,
                                            const std::vector<TypeChange>& changes,
                                            const QStringList& final) {
    const std::map<QString, std::optional<bool>> states = TypeStates(before, changes);
    QStringList mismatches;
    for (const auto& [type, state] : states) {
        if (state && final.contains(type) != *state)
            mismatches.append((*state ? u'+' : u'-') + type);
    }
    for (const QString& type : final) {
        if (!states.contains(type))
            mismatches.append(u'-' + type);
    }
    return mismatches;
}

} // namespace ger
