#include "platform/net/ProtocolMessage.h"

#include "platform/net/NetExceptions.h"
#include "platform/net/WireVariant.h"

namespace ger {
namespace {

using protocol::MessageType;

void writeType(WireWriter& writer, MessageType type) {
    writer.writeU8(static_cast<quint8>(type));
}

QByteArray textMessage(MessageType type, const QString& text) {
    WireWriter writer;
    writeType(writer, type);
    WireVariant::writeString(writer, text);
    // A message longer than any frame could only come from a runaway error text; it is cut
    // rather than lost.
    if (writer.payloadSize() > static_cast<qsizetype>(protocol::kDefaultMaxFrameSize))
        return textMessage(type, text.left(4096));
    return writer.takeFrame();
}

MessageType readType(WireReader& reader) {
    return static_cast<MessageType>(reader.readU8("o tipo da mensagem"));
}

[[noreturn]] void unexpected(MessageType type, const char* side) {
    WireReader::fail(QStringLiteral("mensagem de tipo 0x%1 inesperada %2")
                         .arg(static_cast<quint8>(type), 2, 16, QLatin1Char('0'))
                         .arg(QString::fromUtf8(side)));
}

void readResult(WireReader& reader, ReplyMessage& reply) {
    reply.result = WireVariant::read(reader);
    const quint8 count = reader.readU8("o número de argumentos por referência");
    for (quint8 i = 0; i < count; ++i)
        reply.byReference.append(WireVariant::readString(reader, "um argumento por referência"));
}

} // namespace

QByteArray ProtocolMessage::openModule(const QString& moduleName, const Credential& credential) {
    WireWriter writer;
    writeType(writer, MessageType::OpenModule);
    writer.writeU8(protocol::kVersion);
    WireVariant::writeString(writer, moduleName);
    WireVariant::writeString(writer, credential.user);
    WireVariant::writeString(writer, credential.password);
    return writer.takeFrame();
}

QByteArray ProtocolMessage::call(const CallRecord& call, quint32 maxFrameSize) {
    WireWriter writer;
    writeType(writer, MessageType::Call);
    call.write(writer);
    return writer.takeFrame(maxFrameSize);
}

QByteArray ProtocolMessage::moduleOpened() {
    WireWriter writer;
    writeType(writer, MessageType::ModuleOpened);
    writer.writeU8(protocol::kVersion);
    return writer.takeFrame();
}

QByteArray ProtocolMessage::result(const QVariant& result, const QStringList& byReference,
                                   quint32 maxFrameSize) {
    if (byReference.size() > protocol::kMaxArguments)
        throw EProtocolError(QStringLiteral("Resposta com mais de %1 argumentos por referência")
                                 .arg(protocol::kMaxArguments));
    WireWriter writer;
    writeType(writer, MessageType::Result);
    WireVariant::write(writer, result);
    writer.writeU8(static_cast<quint8>(byReference.size()));
    for (const QString& value : byReference)
        WireVariant::writeString(writer, value);
    return writer.takeFrame(maxFrameSize);
}

QByteArray ProtocolMessage::remoteException(const QString& message) {
    return textMessage(MessageType::RemoteException, message);
}

QByteArray ProtocolMessage::refused(const QString& reason) {
    return textMessage(MessageType::Refused, reason);
}

QByteArray ProtocolMessage::loginRefused(const QString& reason) {
    return textMessage(MessageType::LoginRefused, reason);
}

RequestMessage ProtocolMessage::readRequest(QByteArrayView payload) {
    WireReader reader(payload);
    RequestMessage request;
    request.type = readType(reader);
    switch (request.type) {
    case MessageType::OpenModule:
        request.version = reader.readU8("a versão do protocolo");
        // Another version's opening may be laid out otherwise: the version alone is enough
        // to refuse it with a message its client understands.
        if (request.version != protocol::kVersion)
            return request;
        request.moduleName = WireVariant::readString(reader, "o nome do módulo");
        request.credential.user = WireVariant::readString(reader, "o usuário");
        request.credential.password = WireVariant::readString(reader, "a senha");
        break;
    case MessageType::Call:
        request.call = CallRecord::read(reader);
        break;
    default:
        unexpected(request.type, "do cliente");
    }
    reader.expectEnd("a mensagem");
    return request;
}

ReplyMessage ProtocolMessage::readReply(QByteArrayView payload) {
    WireReader reader(payload);
    ReplyMessage reply;
    reply.type = readType(reader);
    switch (reply.type) {
    case MessageType::ModuleOpened:
        reply.version = reader.readU8("a versão do protocolo");
        break;
    case MessageType::Result:
        readResult(reader, reply);
        break;
    case MessageType::RemoteException:
    case MessageType::Refused:
    case MessageType::LoginRefused:
        reply.message = WireVariant::readString(reader, "a mensagem");
        break;
    default:
        unexpected(reply.type, "do servidor");
    }
    reader.expectEnd("a mensagem");
    return reply;
}

} // namespace ger
