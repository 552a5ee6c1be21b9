#pragma once
// The bulk registration is all or nothing: every row of its selection (branches x operation
// types) holds the settings of one SetGravaAut, never some rows one write's and some
// another's. A branch's listing read at any moment shows that, and so does the database at the
// end.
//
//   rows of branch 0001: 21 S/N/P, 22 S/N/P, 23 S/N/P   -> no mix
//   rows of branch 0001: 21 S/N/P, 22 N/N/P, 23 S/N/P   -> Mix: "22 N/N/P, 21 S/N/P"
//   rows of branch 0001: 21 S/N/P, 23 S/N/P             -> Mix: "22 ausente"

#include "tools/load/RowSettings.h"

#include <QStringList>
#include <map>
#include <optional>

namespace ger {

using BranchRows = std::map<QString, RowSettings>; // operation type -> settings

class BulkCheck {
public:
    // What is wrong with the branch's rows of `bulkTypes`: a type missing, or a value other
    // than the first type's (than `expected`, when given); nothing when they agree.
    static std::optional<QString> Mix(const BranchRows& rows, const QStringList& bulkTypes,
                                      const std::optional<RowSettings>& expected = {});

    // The one value every row of the selection holds, or nothing when a row is missing or two
    // differ (a partial bulk write). `branches` maps a branch to its rows.
    static std::optional<RowSettings> Uniform(const std::map<QString, BranchRows>& branches,
                                              const QStringList& bulkBranches,
                                              const QStringList& bulkTypes);
};

} // namespace ger
