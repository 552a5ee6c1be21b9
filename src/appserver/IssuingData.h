#pragma once
// The issuing data of a branch (GetDadosEmissaoNF): one record per address kind, always all
// seven and always in the order P, C, E, X, T, I, M, as PacketLayouts::IssuingData.
//
//   a kind the branch has an address of   the address, EXISTEINFO "CADASTRADO"
//   a kind it has none of                 EXISTEINFO "NAO_CADASTRADO"; every other column
//                                         NULL but IDTPENDEFILI, NMFILIAL and CDINSCMUNIEMP
//
// NMFILIAL is the branch's name and CDINSCMUNIEMP its municipal registration
// (FILIAL.CDINSCMUNI) on every record.

#include <QByteArray>
#include <QString>
#include <memory>

namespace ger {

class DatabaseConnection;
class PacketQuery;

class IssuingData {
public:
    explicit IssuingData(DatabaseConnection& connection);
    ~IssuingData();

    // No records for a branch that is not registered.
    QByteArray packet(const QString& branch);

private:
    QByteArray Text() const;

    DatabaseConnection& m_connection;
    std::unique_ptr<PacketQuery> m_select;
};

} // namespace ger
