#include "platform/net/ServerSession.h"

#include "platform/net/LoginGate.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/RemoteModuleRegistry.h"

namespace ger {
namespace {

using protocol::MessageType;

// What a method left in a by-reference string argument, as the text that goes back. Scalars
// are written as text; a packet or a list in a string argument is the method's mistake.
QString byReferenceText(const CallRecord& call, qsizetype index) {
    const QVariant& value = call.arguments.at(index).value;
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return QString();
    case QMetaType::QByteArray:
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        break;
    default:
        if (value.canConvert<QString>())
            return value.toString();
    }
    throw ERemoteError(QStringLiteral("Método %1 deixou no argumento %2, por referência, um valor "
                                      "que não é texto (%3)")
                           .arg(call.method)
                           .arg(index + 1)
                           .arg(QLatin1String(value.typeName())));
}

} // namespace

ServerSession::ServerSession(const RemoteModuleRegistry& registry, quint32 maxFrameSize)
    : m_registry(registry)
    , m_maxFrameSize(maxFrameSize) {}

ServerSession::ServerSession(const RemoteModuleRegistry& registry, quint32 maxFrameSize,
                             LoginGate* gate, QHostAddress peer)
    : m_registry(registry)
    , m_maxFrameSize(maxFrameSize)
    , m_gate(gate)
    , m_peer(std::move(peer)) {}

ServerSession::~ServerSession() = default;

QByteArray ServerSession::handle(QByteArrayView payload) {
    if (m_closing)
        return refuse(QStringLiteral("Conexão já encerrada"));
    RequestMessage request;
    try {
        request = ProtocolMessage::readRequest(payload);
    } catch (const EProtocolError& error) {
        return refuse(error.Message());
    }
    if (request.type == MessageType::OpenModule)
        return open(request);
    if (!m_module)
        return refuse(QStringLiteral("Nenhum módulo remoto aberto nesta conexão"));
    return call(request.call);
}

QByteArray ServerSession::open(const RequestMessage& request) {
    if (m_module)
        return refuse(QStringLiteral("Módulo remoto %1 já aberto nesta conexão").arg(m_moduleName));
    if (request.version != protocol::kVersion)
        return refuse(
            QStringLiteral(
                "Versão %1 do protocolo não suportada (o servidor usa a %2); atualize o cliente")
                .arg(request.version)
                .arg(protocol::kVersion));
    // Checked before the module's name, which tells nothing to whom is not admitted.
    if (m_gate) {
        const QString refusal = m_gate->admit(m_peer, request.credential);
        if (!refusal.isEmpty()) {
            m_closing = true;
            return ProtocolMessage::loginRefused(refusal);
        }
    }
    if (!m_registry.contains(request.moduleName))
        return refuse(QStringLiteral("Módulo remoto %1 não existe neste servidor de aplicação")
                          .arg(request.moduleName));
    try {
        m_module = m_registry.create(request.moduleName);
    } catch (const std::exception& error) {
        return refuse(QStringLiteral("Não foi possível criar o módulo remoto %1: %2")
                          .arg(request.moduleName, QString::fromUtf8(error.what())));
    }
    if (!m_module)
        return refuse(
            QStringLiteral("Não foi possível criar o módulo remoto %1").arg(request.moduleName));
    m_moduleName = request.moduleName;
    return ProtocolMessage::moduleOpened();
}

QByteArray ServerSession::call(CallRecord& call) {
    try {
        const QVariant result = m_module->Invoke(call.method, call.arguments);
        return reply(call, result);
    } catch (const Exception& error) {
        return ProtocolMessage::remoteException(error.Message());
    } catch (const std::exception& error) {
        return ProtocolMessage::remoteException(QString::fromUtf8(error.what()));
    } catch (...) {
        return ProtocolMessage::remoteException(
            QStringLiteral("Erro desconhecido no método %1 do módulo remoto %2")
                .arg(call.method, m_moduleName));
    }
}

// The result frame; a result the wire cannot carry (a type with no wire form, a frame over
// the limit) is reported to the caller as the method's failure.
QByteArray ServerSession::reply(const CallRecord& call, const QVariant& result) {
    QStringList byReference;
    for (qsizetype i = 0; i < call.arguments.size(); ++i)
        if (call.arguments[i].isByReference())
            byReference.append(byReferenceText(call, i));
    try {
        return ProtocolMessage::result(result, byReference, m_maxFrameSize);
    } catch (const EProtocolError& error) {
        return ProtocolMessage::remoteException(
            QStringLiteral("Resultado do método %1 não pode ser enviado: %2")
                .arg(call.method, error.Message()));
    }
}

QByteArray ServerSession::refuse(const QString& reason) {
    m_closing = true;
    return ProtocolMessage::refused(reason);
}

} // namespace ger
