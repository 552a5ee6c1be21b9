#include "tools/load/ListingPackets.h"

#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"

namespace ger {

namespace {

size_t Column(const DataPacket& packet, const char* name) {
    for (size_t i = 0; i < packet.fields.size(); ++i)
        if (packet.fields[i].name == QLatin1String(name))
            return i;
    throw EDatabaseError(
        QStringLiteral("ger-load: a resposta não tem a coluna %1").arg(QLatin1String(name)));
}

// NULL reads as the empty string, as RowSettings writes "no address kind".
QString Text(const PacketRow& row, size_t column) {
    return row.at(column).value_or(QString());
}

} // namespace

std::map<QString, RowSettings> ListingPackets::BranchRows(const QByteArray& packet) {
    const DataPacket decoded = DataPacket::Decode(packet);
    const size_t type = Column(decoded, "CDTIPOOPER");
    const size_t released = Column(decoded, "IDLIBERADO");
    const size_t manual = Column(decoded, "IDLANCMANUAL");
    const size_t kind = Column(decoded, "IDENDEMISTPOPFIL");
    std::map<QString, RowSettings> rows;
    for (const PacketRow& row : decoded.rows)
        rows[Text(row, type)] = {Text(row, released), Text(row, manual), Text(row, kind)};
    return rows;
}

QStringList ListingPackets::ClientTypes(const QByteArray& packet) {
    const DataPacket decoded = DataPacket::Decode(packet);
    const size_t type = Column(decoded, "CDTIPOOPER");
    QStringList types;
    for (const PacketRow& row : decoded.rows)
        types.append(Text(row, type));
    return types;
}

} // namespace ger
