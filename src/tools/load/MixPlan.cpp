#include "tools/load/MixPlan.h"

#include "tools/load/LoadOptions.h"

#include <algorithm>

namespace ger {

namespace {

bool IsBulkWriter(const MixShape& shape, int index) {
    return shape.bulkEvery > 0 && index % shape.bulkEvery == 1;
}

// Rows that exist and lie outside the bulk selection, by type and then branch.
std::vector<RowKey> RowsForRowWriters(const MixShape& shape,
                                      const std::map<QString, BranchRows>& listings) {
    std::vector<RowKey> rows;
    for (const QString& branch : shape.branches) {
        const auto listing = listings.find(branch);
        if (listing == listings.end())
            continue;
        for (const auto& entry : listing->second)
            if (!shape.bulkTypes.contains(entry.first))
                rows.push_back({branch, entry.first});
    }
    std::sort(rows.begin(), rows.end(), [](const RowKey& a, const RowKey& b) {
        return std::tie(a.type, a.branch) < std::tie(b.type, b.branch);
    });
    return rows;
}

void RequireEnough(const char* what, qsizetype available, qsizetype needed) {
    if (available < needed)
        throw ELoadUsage(QStringLiteral("--mix: %1 para %2, há %3")
                             .arg(QString::fromUtf8(what))
                             .arg(needed)
                             .arg(available));
}

} // namespace

MixPlan MixPlan::Make(const MixShape& shape, const std::map<QString, BranchRows>& listings) {
    MixPlan plan{shape.branches, shape.bulkTypes, shape.clientTypes, {}, {}};
    int rowWriters = 0;
    for (int i = 0; i < shape.busy; ++i)
        rowWriters += IsBulkWriter(shape, i) ? 0 : 1;
    const std::vector<RowKey> rows = RowsForRowWriters(shape, listings);
    RequireEnough("linhas por filial e tipo fora do cadastramento automático",
                  static_cast<qsizetype>(rows.size()), shape.sharedRows + rowWriters);
    RequireEnough("pares de filial e cliente", shape.branches.size() * shape.clients.size(),
                  rowWriters);
    plan.sharedRows.assign(rows.begin(), rows.begin() + shape.sharedRows);

    int ordinal = 0;
    for (int i = 0; i < shape.busy; ++i) {
        ClientPlan client{i, IsBulkWriter(shape, i), {}, {}};
        if (!client.isBulkWriter) {
            client.ownRow = rows.at(static_cast<size_t>(shape.sharedRows + ordinal));
            client.pair = {shape.branches.at(ordinal % shape.branches.size()),
                           shape.clients.at(ordinal / shape.branches.size())};
            ++ordinal;
        }
        plan.clients.push_back(client);
    }
    return plan;
}

int MixPlan::rowWriters() const {
    return static_cast<int>(std::count_if(clients.begin(), clients.end(),
                                          [](const ClientPlan& c) { return !c.isBulkWriter; }));
}

} // namespace ger
