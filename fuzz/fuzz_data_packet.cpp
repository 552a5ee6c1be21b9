// Data packets (platform/db DataPacket.h) read from arbitrary bytes by the three readers the
// client and the tools use on what the server sent: DataPacket::Decode (ger-call),
// RecordStore::FromPacket and TClientDataSet::SetData (every screen that loads a result).
//
// The readers must agree on which bytes are a data packet; a packet that is read must be
// written back by each as exactly the bytes it was read from (the format has one encoding
// per packet), and the dataset must show its rows and values as the packet holds them.

#include "FuzzSupport.h"
#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/RecordStore.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <optional>

namespace {

using ger::fuzz::require;

void checkDataSet(const ger::DataPacket& packet, const QByteArray& bytes) {
    ger::TClientDataSet dataSet(nullptr);
    dataSet.SetData(bytes); // a packet that decodes loads
    require(dataSet.Data() == bytes, "a loaded packet is given back as the bytes it was");
    require(dataSet.RecordCount() == int(packet.rows.size()), "one record per row");
    require(dataSet.FieldCount() == int(packet.fields.size()), "one field per column");
    for (size_t column = 0; column < packet.fields.size(); ++column) {
        const ger::TField* field = dataSet.Fields(int(column));
        require(field->FieldName() == packet.fields[column].name, "fields keep their names");
        require(field->Size() == packet.fields[column].size, "fields keep their sizes");
    }
    dataSet.First();
    for (const ger::PacketRow& row : packet.rows) {
        for (size_t column = 0; column < row.size(); ++column)
            require(dataSet.Fields(int(column))->Value() == row[column],
                    "a record shows the row's values, NULL apart from empty");
        dataSet.Next();
    }
    require(dataSet.Eof(), "the records end with the rows");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = ger::fuzz::bytesOf(data, size);
    std::optional<ger::DataPacket> packet;
    try {
        packet = ger::DataPacket::Decode(bytes);
    } catch (const ger::EDatabaseError&) {
    }
    std::optional<QByteArray> stored;
    try {
        stored = ger::RecordStore::FromPacket(bytes).ToPacket();
    } catch (const ger::EDatabaseError&) {
    }
    require(packet.has_value() == stored.has_value(), "both readers take the same packets");
    if (!packet)
        return 0;
    require(packet->Encode() == bytes, "a packet is encoded back as the bytes it was");
    require(*stored == bytes, "a store writes its packet back as the bytes it was");
    checkDataSet(*packet, bytes);
    return 0;
}
