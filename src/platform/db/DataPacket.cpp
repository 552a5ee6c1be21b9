#include "platform/db/DataPacket.h"

#include "platform/db/EDatabaseError.h"
#include "platform/db/PacketReader.h"
#include "platform/db/PacketWriter.h"
#include "platform/db/Utf8Text.h"

namespace ger {

namespace {

PacketValue toValue(const ValueSlice& slice) {
    if (slice.isNull)
        return std::nullopt;
    return Utf8Text(slice.bytes);
}

PacketRow readRow(PacketReader& reader, size_t fieldCount) {
    PacketRow row;
    row.reserve(fieldCount);
    for (size_t i = 0; i < fieldCount; ++i)
        row.push_back(toValue(reader.ReadValue()));
    return row;
}

void expectKind(PacketKind actual, PacketKind wanted) {
    if (actual != wanted)
        throw EDatabaseError(
            wanted == PacketKind::Data
                ? QStringLiteral("A delta packet was given where data was expected")
                : QStringLiteral("A data packet was given where a delta was expected"));
}

} // namespace

QByteArray DataPacket::Encode() const {
    PacketWriter writer(PacketKind::Data, fields);
    for (const PacketRow& row : rows)
        writer.AppendRow(row);
    return writer.Finish();
}

DataPacket DataPacket::Decode(const QByteArray& bytes) {
    PacketReader reader(bytes);
    expectKind(reader.ReadHeader(), PacketKind::Data);
    DataPacket packet;
    packet.fields = reader.ReadFields();
    const quint32 count = reader.ReadItemCount(PacketReader::MinRowBytes(packet.fields.size()));
    packet.rows.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        packet.rows.push_back(readRow(reader, packet.fields.size()));
    reader.ExpectEnd();
    return packet;
}

QByteArray DeltaPacket::Encode() const {
    PacketWriter writer(PacketKind::Delta, fields);
    for (const PacketChange& change : changes) {
        writer.BeginChange(change.kind);
        if (change.kind != ChangeKind::Insert)
            writer.AppendRow(change.original);
        if (change.kind != ChangeKind::Delete)
            writer.AppendRow(change.current);
    }
    return writer.Finish();
}

DeltaPacket DeltaPacket::Decode(const QByteArray& bytes) {
    PacketReader reader(bytes);
    expectKind(reader.ReadHeader(), PacketKind::Delta);
    DeltaPacket delta;
    delta.fields = reader.ReadFields();
    const size_t n = delta.fields.size();
    const quint32 count = reader.ReadItemCount(1 + PacketReader::MinRowBytes(n));
    delta.changes.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        PacketChange change;
        change.kind = reader.ReadChangeKind();
        if (change.kind != ChangeKind::Insert)
            change.original = readRow(reader, n);
        if (change.kind != ChangeKind::Delete)
            change.current = readRow(reader, n);
        delta.changes.push_back(std::move(change));
    }
    reader.ExpectEnd();
    return delta;
}

} // namespace ger
