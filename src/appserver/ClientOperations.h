#pragma once
// The operation types each client may use at a branch (table TIPOOPERCLIENTE): the list of
// the per-client grid, an addition and the removals of a change list. Callers check the
// branch and the client and open the transaction; every value is bound as a parameter.

#include "appserver/ClientRemovals.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace ger {

class DatabaseConnection;
class PacketQuery;
class SqlStatement;

class ClientOperations {
public:
    explicit ClientOperations(DatabaseConnection& connection);
    ~ClientOperations();

    // The client's types at the branch, ordered by code, as PacketLayouts::ClientOperations;
    // only `type` when it is not empty.
    QByteArray listPacket(const QString& branch, const QString& client, const QString& type);

    // Raises EMethodFailure (AlreadyRegistered) "Tipo de operação já cadastrado." when the
    // client has the type at the branch already.
    void add(const QString& branch, const QString& client, const QString& type);

    // Removes the rows; a row that is gone already counts as removed, so a removal sent again
    // after a lost reply does no harm. Returns the rows actually deleted.
    qint64 remove(const ClientRemovals& removals);

private:
    DatabaseConnection& m_connection;
    std::unique_ptr<PacketQuery> m_list;
    std::unique_ptr<SqlStatement> m_exists;
    std::unique_ptr<SqlStatement> m_insert;
    std::unique_ptr<SqlStatement> m_delete;
};

} // namespace ger
