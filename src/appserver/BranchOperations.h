#pragma once
// The operation types of each branch (table TIPOOPERFILIAL): the list the per-branch grid
// shows, the write of one row, and the bulk registration. Callers open the transaction; every
// value is bound as a parameter.
//
// The municipal registration of a row (CDINSCMUNI) belongs to the address kind "M" alone:
//   kind "M" with a registration      stores it
//   kind "M" with an empty one        keeps what is stored
//   any other kind, or none (NULL)    clears it

#include "appserver/CodeList.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>

namespace ger {

class DatabaseConnection;
class PacketQuery;
class SqlStatement;

class BranchOperations {
public:
    explicit BranchOperations(DatabaseConnection& connection);
    ~BranchOperations();

    struct Settings {
        QString released;      // IDLIBERADO, "S" or "N"
        QString manualEntries; // IDLANCMANUAL, "S" or "N"
        QVariant addressKind;  // IDENDEMISTPOPFIL, a kind code or null
        QString municipalRegistration;
    };

    // The branch's operation types, ordered by code, as PacketLayouts::BranchOperations.
    QByteArray listPacket(const QString& branch);

    // Writes the branch's row for `type`; false when the branch has no such row (nothing
    // written).
    bool update(const QString& branch, const QString& type, const Settings& settings);

    // What the bulk registration reaches: every branch whose state registration is in
    // `stateRegistrations` and whose code is in `branches`, crossed with the listed operation
    // types, or, for "T", every type in use (IDUTILOPER "S") that clients may use
    // (IDENTRSAIDOP "S").
    struct BulkSelection {
        CodeList stateRegistrations;
        CodeList branches;
        CodeList operationTypes;
    };

    // Adds or overwrites every pair of the selection in one statement; returns the rows
    // written. The municipal registration of overwritten rows is cleared (the bulk write never
    // sets kind "M").
    qint64 writeBulk(const BulkSelection& selection, const Settings& settings);

private:
    DatabaseConnection& m_connection;
    std::unique_ptr<PacketQuery> m_list;
    std::unique_ptr<SqlStatement> m_update;
};

} // namespace ger
