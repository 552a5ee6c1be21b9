#include "platform/net/CallRecord.h"

#include "platform/net/NetExceptions.h"
#include "platform/net/WireVariant.h"

#include <QStringDecoder>
#include <algorithm>

namespace ger {
namespace {

using protocol::kMaxArguments;
using protocol::kMaxMethodNameBytes;

[[noreturn]] void cannotWrite(const QString& method, const QString& reason) {
    throw EProtocolError(QStringLiteral("Chamada de %1 inválida: %2").arg(method, reason));
}

QByteArray encodedName(const QString& method) {
    const QByteArray name = method.toUtf8();
    if (name.isEmpty())
        cannotWrite(method, QStringLiteral("nome de método vazio"));
    if (name.contains('\0'))
        cannotWrite(method, QStringLiteral("nome de método com caractere nulo"));
    if (name.size() > kMaxMethodNameBytes)
        cannotWrite(method,
                    QStringLiteral("nome de método com mais de %1 bytes").arg(kMaxMethodNameBytes));
    return name;
}

void checkArguments(const QString& method, const QList<CallArgument>& arguments) {
    if (arguments.size() > kMaxArguments)
        cannotWrite(method, QStringLiteral("mais de %1 argumentos").arg(kMaxArguments));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const CallArgument& argument = arguments[i];
        if (argument.isString() && argument.value.typeId() != QMetaType::QString)
            cannotWrite(method, QStringLiteral("o argumento %1 deveria ser um texto").arg(i + 1));
        if (!WireVariant::isWritable(argument.value))
            cannotWrite(method, QStringLiteral("o argumento %1 é do tipo %2, sem representação "
                                               "na rede")
                                    .arg(i + 1)
                                    .arg(QLatin1String(argument.value.typeName())));
    }
}

QString readName(WireReader& reader) {
    const QByteArrayView bytes = reader.readUntilZero(kMaxMethodNameBytes, "o nome do método");
    if (bytes.isEmpty())
        WireReader::fail(QStringLiteral("nome de método vazio"));
    // A leading byte-order mark is kept: it is part of the name sent, which then names no method.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
    QString name = decoder.decode(bytes);
    if (decoder.hasError())
        WireReader::fail(QStringLiteral("nome de método que não é UTF-8 válido"));
    return name;
}

} // namespace

void CallRecord::write(WireWriter& writer) const {
    const QByteArray name = encodedName(method);
    checkArguments(method, arguments);
    writer.writeU8(protocol::kCallKindMethod);
    writer.writeU8(static_cast<quint8>(arguments.size()));
    writer.writeU8(0);
    for (const CallArgument& argument : arguments)
        writer.writeU8(static_cast<quint8>(argument.kind));
    writer.writeRaw(name);
    writer.writeU8(0);
    for (const CallArgument& argument : arguments)
        WireVariant::write(writer, argument.value);
}

CallRecord CallRecord::read(WireReader& reader) {
    const quint8 callKind = reader.readU8("o tipo da chamada");
    if (callKind != protocol::kCallKindMethod)
        WireReader::fail(
            QStringLiteral("tipo de chamada %1 (só 1, método, é aceito)").arg(callKind));
    const quint8 count = reader.readU8("o número de argumentos");
    const quint8 named = reader.readU8("o número de argumentos nomeados");
    if (named != 0)
        WireReader::fail(QStringLiteral("%1 argumentos nomeados (nenhum é aceito)").arg(named));
    const QByteArrayView kinds = reader.readRaw(count, "os tipos dos argumentos");
    CallRecord call;
    call.method = readName(reader);
    call.arguments.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const auto kind = static_cast<quint8>(kinds[i]);
        if (!CallArgument::isKnownKind(kind))
            WireReader::fail(QStringLiteral("tipo de argumento 0x%1 desconhecido")
                                 .arg(kind, 2, 16, QLatin1Char('0')));
        CallArgument argument{static_cast<CallArgument::Kind>(kind), WireVariant::read(reader)};
        if (argument.isString() && argument.value.typeId() != QMetaType::QString)
            WireReader::fail(QStringLiteral("o argumento %1 de %2 deveria ser um texto")
                                 .arg(i + 1)
                                 .arg(call.method));
        call.arguments.append(std::move(argument));
    }
    return call;
}

int CallRecord::byReferenceCount() const {
    return static_cast<int>(std::count_if(arguments.begin(), arguments.end(),
                                          [](const CallArgument& a) { return a.isByReference(); }));
}

} // namespace ger
