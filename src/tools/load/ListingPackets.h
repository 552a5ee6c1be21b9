#pragma once
// What the load reads back from the module's answers:
//
//   BranchRows(GetTpOperFil's packet)     operation type -> RowSettings, for every row shown
//   ClientTypes(GetTipoOperCli's packet)  the client's operation types, in the packet's order
//
// A packet that is not one, or lacks a column read here, raises EDatabaseError.

#include "tools/load/RowSettings.h"

#include <QByteArray>
#include <QStringList>
#include <map>

namespace ger {

class ListingPackets {
public:
    static std::map<QString, RowSettings> BranchRows(const QByteArray& packet);
    static QStringList ClientTypes(const QByteArray& packet);
};

} // namespace ger
