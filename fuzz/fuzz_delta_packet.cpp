// Change lists (platform/db DataPacket.h, delta packets) read from arbitrary bytes as the
// server reads the one DelTipoOperCli carries: DeltaPacket::Decode, then the removals the
// server takes from it (appserver ClientRemovals).
//
// A delta that is read must be encoded back as exactly the bytes it was read from and is never
// a data packet. The removals are accepted exactly when every change is a delete whose
// CDFILIAL, CDTIPOOPER and CDFORNCLIE are codes (printable ASCII, no blank at the end) and
// whose client is the one the call names, and then hold one row per change with its branch
// and type.

#include "FuzzSupport.h"
#include "appserver/ClientRemovals.h"
#include "appserver/EMethodFailure.h"
#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"

#include <optional>

namespace {

using ger::fuzz::require;

std::optional<size_t> fieldIndex(const ger::DeltaPacket& delta, const char* name) {
    for (size_t i = 0; i < delta.fields.size(); ++i)
        if (delta.fields[i].name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

bool isCode(const ger::PacketValue& value) {
    if (!value)
        return false;
    for (const QChar c : *value)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return !value->endsWith(u' ');
}

struct Removal {
    QString branch;
    QString type;
};

// The removals the server should take, found without its code.
std::optional<std::vector<Removal>> expectedRemovals(const ger::DeltaPacket& delta,
                                                     const QString& client) {
    const auto branch = fieldIndex(delta, "CDFILIAL");
    const auto type = fieldIndex(delta, "CDTIPOOPER");
    const auto owner = fieldIndex(delta, "CDFORNCLIE");
    if (!branch || !type || !owner)
        return std::nullopt;
    std::vector<Removal> removals;
    for (const ger::PacketChange& change : delta.changes) {
        if (change.kind != ger::ChangeKind::Delete)
            return std::nullopt;
        const ger::PacketRow& row = change.original;
        if (!isCode(row[*branch]) || !isCode(row[*type]) || !isCode(row[*owner]) ||
            *row[*owner] != client)
            return std::nullopt;
        removals.push_back({*row[*branch], *row[*type]});
    }
    return removals;
}

// The client of the first change, so that well-formed removals are not all refused for
// naming another client.
QString clientOf(const ger::DeltaPacket& delta) {
    const auto owner = fieldIndex(delta, "CDFORNCLIE");
    if (owner && !delta.changes.empty() && !delta.changes[0].original.empty() &&
        delta.changes[0].original[*owner])
        return *delta.changes[0].original[*owner];
    return QStringLiteral("92090028068");
}

void checkRemovals(const ger::DeltaPacket& delta, const QByteArray& bytes) {
    const QString client = clientOf(delta);
    const auto expected = expectedRemovals(delta, client);
    std::optional<ger::ClientRemovals> removals;
    try {
        removals = ger::ClientRemovals::FromDelta(bytes, client);
    } catch (const ger::EMethodFailure&) {
    }
    require(removals.has_value() == expected.has_value(),
            "removals are taken exactly when every change is a removal of the client");
    if (!removals)
        return;
    require(removals->client() == client, "the removals are the named client's");
    require(removals->rows().size() == expected->size(), "one removal per change");
    for (size_t i = 0; i < expected->size(); ++i)
        require(removals->rows()[i].branch == (*expected)[i].branch &&
                    removals->rows()[i].type == (*expected)[i].type,
                "each removal names its change's branch and type");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = ger::fuzz::bytesOf(data, size);
    std::optional<ger::DeltaPacket> delta;
    try {
        delta = ger::DeltaPacket::Decode(bytes);
    } catch (const ger::EDatabaseError&) {
    }
    if (delta) {
        require(delta->Encode() == bytes, "a delta is encoded back as the bytes it was");
        bool isData = true;
        try {
            ger::DataPacket::Decode(bytes);
        } catch (const ger::EDatabaseError&) {
            isData = false;
        }
        require(!isData, "a delta is not a data packet");
        for (const ger::PacketChange& change : delta->changes) {
            const size_t columns = delta->fields.size();
            require(change.original.size() ==
                        (change.kind == ger::ChangeKind::Insert ? 0 : columns),
                    "an insert has no original row, the others one value per field");
            require(change.current.size() == (change.kind == ger::ChangeKind::Delete ? 0 : columns),
                    "a delete has no current row, the others one value per field");
        }
        checkRemovals(*delta, bytes);
    } else {
        bool taken = true;
        try {
            ger::ClientRemovals::FromDelta(bytes, QStringLiteral("92090028068"));
        } catch (const ger::EMethodFailure&) {
            taken = false;
        }
        require(!taken, "no removals from bytes that are no delta");
    }
    return 0;
}
