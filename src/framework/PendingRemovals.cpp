#include "framework/PendingRemovals.h"

#include "platform/db/TClientDataSet.h"

#include <algorithm>

namespace ger {

PendingRemovals::PendingRemovals(const TClientDataSet& dataSet) {
    if (!dataSet.Active())
        return;
    m_delta = DeltaPacket::Decode(dataSet.Delta());
    m_removals = static_cast<int>(std::count_if(
        m_delta.changes.begin(), m_delta.changes.end(),
        [](const PacketChange& change) { return change.kind == ChangeKind::Delete; }));
}

QByteArray PendingRemovals::Delta() const {
    DeltaPacket removals{m_delta.fields, {}};
    std::copy_if(m_delta.changes.begin(), m_delta.changes.end(),
                 std::back_inserter(removals.changes),
                 [](const PacketChange& change) { return change.kind == ChangeKind::Delete; });
    return removals.Encode();
}

} // namespace ger
