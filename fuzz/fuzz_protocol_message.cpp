// Whole messages of the wire protocol (platform/net ProtocolMessage, Protocol.h) read from
// one frame's payload: as the server reads what a client sends (readRequest, the first thing
// ServerSession::handle does with a frame) and as the client reads what the server answers
// (readReply). A payload is a request or a reply, never both.
//
// Every message that is read is written again from what was read, by the layout Protocol.h
// gives, and must be the payload it came from. An opening of another version is read up to its
// version byte only (the server refuses it by that), so only that byte is checked.

#include "FuzzSupport.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/WireVariant.h"

#include <optional>

namespace {

using ger::fuzz::require;
using ger::protocol::MessageType;

QByteArray payloadOf(ger::WireWriter& writer) {
    return writer.takeFrame().sliced(ger::protocol::kFrameHeaderSize);
}

void checkRequest(const ger::RequestMessage& request, QByteArrayView payload) {
    require(quint8(payload[0]) == quint8(request.type), "the type is the first byte");
    if (request.type == MessageType::Call) {
        ger::WireWriter writer;
        writer.writeU8(quint8(MessageType::Call));
        request.call.write(writer);
        require(payloadOf(writer) == payload, "a Call is written back as the bytes it was");
        return;
    }
    require(request.type == MessageType::OpenModule, "a request is a Call or an opening");
    require(quint8(payload[1]) == request.version, "the version is the second byte");
    if (request.version != ger::protocol::kVersion)
        return;
    ger::WireWriter writer;
    writer.writeU8(quint8(MessageType::OpenModule));
    writer.writeU8(request.version);
    ger::WireVariant::writeString(writer, request.moduleName);
    ger::WireVariant::writeString(writer, request.credential.user);
    ger::WireVariant::writeString(writer, request.credential.password);
    require(payloadOf(writer) == payload, "an opening is written back as the bytes it was");
}

void checkReply(const ger::ReplyMessage& reply, QByteArrayView payload) {
    ger::WireWriter writer;
    writer.writeU8(quint8(reply.type));
    switch (reply.type) {
    case MessageType::ModuleOpened:
        writer.writeU8(reply.version);
        break;
    case MessageType::Result:
        ger::WireVariant::write(writer, reply.result);
        require(reply.byReference.size() <= ger::protocol::kMaxArguments,
                "a count byte holds the by-reference values");
        writer.writeU8(quint8(reply.byReference.size()));
        for (const QString& value : reply.byReference)
            ger::WireVariant::writeString(writer, value);
        break;
    case MessageType::OpenModule:
    case MessageType::Call:
        ger::fuzz::broken("a client's message is read as a reply");
    default: // every other reply carries one text
        ger::WireVariant::writeString(writer, reply.message);
    }
    require(payloadOf(writer) == payload, "a reply is written back as the bytes it was");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView payload = ger::fuzz::viewOf(data, size);
    std::optional<ger::RequestMessage> request;
    std::optional<ger::ReplyMessage> reply;
    try {
        request = ger::ProtocolMessage::readRequest(payload);
    } catch (const ger::EProtocolError&) {
    }
    try {
        reply = ger::ProtocolMessage::readReply(payload);
    } catch (const ger::EProtocolError&) {
    }
    require(!(request && reply), "no payload is both a request and a reply");
    if (request)
        checkRequest(*request, payload);
    if (reply)
        checkReply(*reply, payload);
    return 0;
}
