#pragma once
// One row of a branch's operation types: the branch and the operation type, "0001/01".

#include <QString>
#include <tuple>

namespace ger {

struct RowKey {
    QString branch;
    QString type;

    QString text() const { return branch + u'/' + type; }

    bool operator==(const RowKey&) const = default;
    bool operator<(const RowKey& other) const {
        return std::tie(branch, type) < std::tie(other.branch, other.type);
    }
};

} // namespace ger
