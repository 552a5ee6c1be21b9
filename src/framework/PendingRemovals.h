#pragma once
// The removals that a client dataset's change log holds, apart from its other changes: what a
// screen sends to a server method that takes removals only, and what is left over when that
// method has taken them.
//
//   PendingRemovals pending(*cdsTpOperCli);
//   if (pending.Count() > 0)
//       AppServer().Call("DelTipoOperCli", {pending.Delta(), ByRef(stFornCli)});
//   pending.OtherChanges();     // inserts and modifications not yet written

#include "platform/db/DataPacket.h"

#include <QByteArray>

namespace ger {

class TClientDataSet;

class PendingRemovals {
public:
    // Reads the change log as it is now; a closed dataset has none.
    explicit PendingRemovals(const TClientDataSet& dataSet);

    int Count() const { return m_removals; }
    int OtherChanges() const { return static_cast<int>(m_delta.changes.size()) - m_removals; }
    // A delta packet over all the dataset's columns holding only the removals.
    QByteArray Delta() const;

private:
    DeltaPacket m_delta;
    int m_removals = 0;
};

} // namespace ger
