#include "tools/load/RunVerdict.h"

namespace ger {

namespace {

std::optional<RowSettings> Find(const MixState& state, const RowKey& row) {
    const auto branch = state.branches.find(row.branch);
    if (branch == state.branches.end())
        return std::nullopt;
    const auto found = branch->second.find(row.type);
    if (found == branch->second.end())
        return std::nullopt;
    return found->second;
}

QString Values(const std::vector<RowSettings>& values) {
    QStringList texts;
    for (const RowSettings& value : values)
        texts.append(value.text());
    return texts.isEmpty() ? QStringLiteral("nenhum") : texts.join(QStringLiteral(", "));
}

// One row against the writes that reached it; `what` names it in the finding.
void JudgeRow(RunVerdict& verdict, const QString& what, const RowKey& row, const MixState& before,
              const MixState& after, const std::vector<LoggedWrite>& writes) {
    const std::optional<RowSettings> initial = Find(before, row);
    const std::optional<RowSettings> final = Find(after, row);
    const RowSettings start = initial.value_or(RowSettings{});
    if (final && LostUpdateCheck::Holds(*final, start, writes))
        return;
    verdict.lostUpdates.append(QStringLiteral("%1 %2: no fim %3, esperado um de: %4")
                                   .arg(what, row.text(),
                                        final ? final->text() : QStringLiteral("ausente"),
                                        Values(LostUpdateCheck::FinalCandidates(start, writes))));
}

void JudgeClientTypes(RunVerdict& verdict, const ClientPlan& client, const MixState& before,
                      const MixState& after, const ClientLog& log) {
    const auto listed = [&](const MixState& state) {
        const auto found = state.clientTypes.find(client.index);
        return found == state.clientTypes.end() ? QStringList() : found->second;
    };
    const QStringList mismatches =
        LostUpdateCheck::TypeMismatches(listed(before), log.typeChanges, listed(after));
    if (!mismatches.isEmpty())
        verdict.lostUpdates.append(
            QStringLiteral("tipos do cliente %1 na filial %2: %3")
                .arg(client.pair.client, client.pair.branch, mismatches.join(u' ')));
}

// Per branch of the selection, the first bulk type's value and what disagrees with it.
QString BulkRowsText(const MixPlan& plan, const MixState& state) {
    QStringList parts;
    for (const QString& branch : plan.bulkBranches) {
        const auto rows = state.branches.find(branch);
        if (rows == state.branches.end() || plan.bulkTypes.isEmpty()) {
            parts.append(QStringLiteral("%1 sem leitura").arg(branch));
            continue;
        }
        const auto first = rows->second.find(plan.bulkTypes.front());
        QString part = branch + u' ' +
                       (first == rows->second.end() ? QStringLiteral("-") : first->second.text());
        if (const auto mix = BulkCheck::Mix(rows->second, plan.bulkTypes))
            part += QStringLiteral(" (%1)").arg(*mix);
        parts.append(part);
    }
    return parts.join(QStringLiteral("; "));
}

void JudgeBulk(RunVerdict& verdict, const MixPlan& plan, const MixState& after,
               const RowSettings& bulkBefore, const std::vector<ClientLog>& logs) {
    std::vector<LoggedWrite> writes;
    for (const ClientLog& log : logs)
        writes.insert(writes.end(), log.bulkWrites.begin(), log.bulkWrites.end());
    const std::optional<RowSettings> value =
        BulkCheck::Uniform(after.branches, plan.bulkBranches, plan.bulkTypes);
    if (!value) {
        verdict.partialBulk.append(QStringLiteral("seleção do cadastramento automático: ") +
                                   BulkRowsText(plan, after));
        return;
    }
    if (!LostUpdateCheck::Holds(*value, bulkBefore, writes))
        verdict.lostUpdates.append(
            QStringLiteral("cadastramento automático: no fim %1, esperado um de: %2")
                .arg(value->text(), Values(LostUpdateCheck::FinalCandidates(bulkBefore, writes))));
}

} // namespace

RunVerdict RunVerdict::Judge(const MixPlan& plan, const MixState& before, const MixState& after,
                             const RowSettings& bulkBefore, const std::vector<ClientLog>& logs) {
    RunVerdict verdict;
    std::map<RowKey, std::vector<LoggedWrite>> shared;
    for (size_t i = 0; i < plan.clients.size() && i < logs.size(); ++i) {
        const ClientPlan& client = plan.clients[i];
        const ClientLog& log = logs[i];
        verdict.lostUpdates.append(log.staleOwnReads);
        verdict.mixedReads.append(log.mixedReads);
        for (const auto& [row, writes] : log.sharedWrites)
            shared[row].insert(shared[row].end(), writes.begin(), writes.end());
        if (client.isBulkWriter)
            continue;
        JudgeRow(verdict, QStringLiteral("linha própria do cliente %1").arg(client.index),
                 client.ownRow, before, after, log.ownWrites);
        JudgeClientTypes(verdict, client, before, after, log);
    }
    for (const RowKey& row : plan.sharedRows)
        JudgeRow(verdict, QStringLiteral("linha compartilhada"), row, before, after, shared[row]);
    JudgeBulk(verdict, plan, after, bulkBefore, logs);
    return verdict;
}

} // namespace ger
