// One value of the wire protocol (platform/net WireVariant and WireReader, Protocol.h VALUES)
// read from arbitrary bytes. A value that is read must be written back as exactly the bytes
// it was read from (the encoding has one form per value: a reader that accepts a second one,
// say a string that is not UTF-8, fails this), and read again as the same value.

#include "FuzzSupport.h"
#include "WireValueEquality.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/WireVariant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using ger::fuzz::require;
    const QByteArrayView input = ger::fuzz::viewOf(data, size);
    ger::WireReader reader(input);
    QVariant value;
    try {
        value = ger::WireVariant::read(reader);
    } catch (const ger::EProtocolError&) {
        return 0;
    }
    const qsizetype consumed = input.size() - reader.remaining();
    require(consumed > 0, "a value takes at least its tag byte");

    ger::WireWriter writer;
    ger::WireVariant::write(writer, value); // anything read can be written
    const QByteArray written = writer.takeFrame().sliced(ger::protocol::kFrameHeaderSize);
    require(written == input.first(consumed), "a value is written back as the bytes it was");

    ger::WireReader again(written);
    const QVariant reread = ger::WireVariant::read(again);
    require(again.atEnd(), "reading the value back uses all of it");
    require(ger::fuzz::sameWireValue(reread, value), "the value reads back the same");
    return 0;
}
