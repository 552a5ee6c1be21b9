#include "tools/load/BulkCheck.h"

namespace ger {

std::optional<QString> BulkCheck::Mix(const BranchRows& rows, const QStringList& bulkTypes,
                                      const std::optional<RowSettings>& expected) {
    std::optional<RowSettings> first = expected;
    for (const QString& type : bulkTypes) {
        const auto row = rows.find(type);
        if (row == rows.end())
            return QStringLiteral("%1 ausente").arg(type);
        if (!first)
            first = row->second;
        else if (row->second != *first)
            return QStringLiteral("%1 %2, %3 %4")
                .arg(type, row->second.text(),
                     expected ? QStringLiteral("gravado") : bulkTypes.front(), first->text());
    }
    return std::nullopt;
}

std::optional<RowSettings> BulkCheck::Uniform(const std::map<QString, BranchRows>& branches,
                                              const QStringList& bulkBranches,
                                              const QStringList& bulkTypes) {
    std::optional<RowSettings> value;
    for (const QString& branch : bulkBranches) {
        const auto rows = branches.find(branch);
        if (rows == branches.end() || bulkTypes.isEmpty())
            return std::nullopt;
        const auto first = rows->second.find(bulkTypes.front());
        if (first == rows->second.end())
            return std::nullopt;
        if (!value)
            value = first->second;
        if (Mix(rows->second, bulkTypes, value))
            return std::nullopt;
    }
    return value;
}

} // namespace ger
