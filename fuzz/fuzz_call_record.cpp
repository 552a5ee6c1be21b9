// The call record of a late-bound call (platform/net CallRecord, Protocol.h CALL) read from
// arbitrary bytes, as the server reads it after a Call's type byte. A record that is read must
// be written back as exactly the bytes it was read from and read again as the same call, and
// its by-reference count must be the number of 0xC8 kind bytes it came with.

#include "FuzzSupport.h"
#include "WireValueEquality.h"
#include "platform/net/CallRecord.h"
#include "platform/net/NetExceptions.h"

#include <algorithm>

namespace {

bool sameCall(const ger::CallRecord& a, const ger::CallRecord& b) {
    if (a.method != b.method || a.arguments.size() != b.arguments.size())
        return false;
    for (qsizetype i = 0; i < a.arguments.size(); ++i)
        if (a.arguments[i].kind != b.arguments[i].kind ||
            !ger::fuzz::sameWireValue(a.arguments[i].value, b.arguments[i].value))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using ger::fuzz::require;
    const QByteArrayView input = ger::fuzz::viewOf(data, size);
    ger::WireReader reader(input);
    ger::CallRecord call;
    try {
        call = ger::CallRecord::read(reader);
    } catch (const ger::EProtocolError&) {
        return 0;
    }
    const qsizetype consumed = input.size() - reader.remaining();

    // Bytes 3 onwards are the kind bytes, one per argument (byte 1 is their count).
    require(call.arguments.size() == quint8(input[1]), "one argument per kind byte");
    const QByteArrayView kinds = input.sliced(3, call.arguments.size());
    require(call.byReferenceCount() == std::count(kinds.begin(), kinds.end(), '\xC8'),
            "the by-reference arguments are those of kind 0xC8");
    for (const ger::CallArgument& argument : call.arguments)
        require(!argument.isString() || argument.value.typeId() == QMetaType::QString,
                "a string argument holds a string");

    ger::WireWriter writer;
    call.write(writer); // anything read can be written
    const QByteArray written = writer.takeFrame().sliced(ger::protocol::kFrameHeaderSize);
    require(written == input.first(consumed), "a call is written back as the bytes it was");

    ger::WireReader again(written);
    const ger::CallRecord reread = ger::CallRecord::read(again);
    require(again.atEnd(), "reading the call back uses all of it");
    require(sameCall(reread, call), "the call reads back the same");
    return 0;
}
