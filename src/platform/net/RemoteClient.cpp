#include "platform/net/RemoteClient.h"

#include "platform/net/CallRecord.h"
#include "platform/net/FrameSocket.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/TcpConnector.h"

namespace ger {
namespace {

// "30 s" for whole seconds, "250 ms" otherwise.
QString Duration(int milliseconds) {
    if (milliseconds % 1000 == 0)
        return QStringLiteral("%1 s").arg(milliseconds / 1000);
    return QStringLiteral("%1 ms").arg(milliseconds);
}

} // namespace
namespace {

using protocol::MessageType;
using Status = FrameSocket::Status;

QDeadlineTimer deadlineIn(int timeoutMs) {
    return timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
}

} // namespace

RemoteClient::RemoteClient()
    : RemoteClient(Options{}) {}

RemoteClient::RemoteClient(Options options)
    : m_options(options) {}

RemoteClient::~RemoteClient() {
    close();
}

bool RemoteClient::isOpen() const {
    return m_io != nullptr;
}

void RemoteClient::close() {
    m_io.reset();
}

void RemoteClient::open(const QString& host, quint16 port, const QString& moduleName) {
    close();
    m_host = host;
    m_port = port;
    m_moduleName = moduleName;
    QString failure;
    const int descriptor =
        TcpConnector::connect(host, port, deadlineIn(m_options.connectTimeoutMs), failure);
    if (descriptor < 0)
        failOpen(failure);
    m_io = std::make_unique<FrameSocket>(descriptor, m_options.maxFrameSize);
    if (m_options.tls)
        startTls();
    openModule();
}

void RemoteClient::startTls() {
    QList<QSslCertificate> trusted;
    if (!m_options.caFile.isEmpty()) {
        trusted = QSslCertificate::fromPath(m_options.caFile);
        if (trusted.isEmpty())
            failOpen(QStringLiteral("nenhum certificado PEM em %1").arg(m_options.caFile));
    }
    if (m_io->startClientTls(m_host, trusted, deadlineIn(m_options.connectTimeoutMs)) != Status::Ok)
        failOpen(m_io->errorString());
}

// Sends a frame and waits for the reply's payload (valid until the next exchange); raises
// ETransportError saying why none came.
QByteArrayView RemoteClient::exchange(const QByteArray& frame, int timeoutMs, const QString& what) {
    const QDeadlineTimer deadline = deadlineIn(timeoutMs);
    Status status = m_io->send(frame, deadline);
    QByteArrayView payload;
    if (status == Status::Ok)
        status = m_io->receive(payload, deadline);
    switch (status) {
    case Status::Ok:
        return payload;
    case Status::Closed:
        throw ETransportError(
            QStringLiteral("conexão encerrada pelo servidor durante %1").arg(what));
    case Status::TimedOut:
        throw ETransportError(
            QStringLiteral("o servidor não respondeu em %1").arg(Duration(timeoutMs)));
    case Status::Failed:
        break;
    }
    throw ETransportError(m_io->errorString());
}

void RemoteClient::openModule() {
    ReplyMessage reply;
    try {
        const QByteArrayView payload =
            exchange(ProtocolMessage::openModule(m_moduleName, m_credential),
                     m_options.connectTimeoutMs, QStringLiteral("a abertura do módulo"));
        reply = ProtocolMessage::readReply(payload);
    } catch (const ETransportError& error) {
        failOpen(error.Message());
    }
    if (reply.type == MessageType::LoginRefused) {
        close();
        throw ELoginRefused(
            QStringLiteral("O servidor de aplicação em %1, porta %2, recusou o acesso: %3")
                .arg(m_host, QString::number(m_port), reply.message));
    }
    if (reply.type == MessageType::Refused)
        failOpen(
            QStringLiteral("o servidor recusou o módulo %1: %2").arg(m_moduleName, reply.message));
    if (reply.type != MessageType::ModuleOpened)
        failOpen(QStringLiteral("resposta inesperada à abertura do módulo %1").arg(m_moduleName));
}

QVariant RemoteClient::call(const QString& method, QList<CallArgument>& arguments) {
    if (!isOpen())
        throw ETransportError(
            QStringLiteral("Sem conexão com o servidor de aplicação para chamar %1").arg(method));
    // The server ends a session left idle too long. A call not yet sent goes on a new
    // connection instead of failing: nothing of it ran.
    if (m_io->peerHasClosed()) {
        try {
            open(m_host, m_port, m_moduleName);
        } catch (const ETransportError& error) {
            failCall(method, error.Message());
        }
    }
    const CallRecord record{method, arguments};
    ReplyMessage reply;
    try {
        const QByteArray frame = ProtocolMessage::call(record, m_options.maxFrameSize);
        reply = ProtocolMessage::readReply(
            exchange(frame, m_options.callTimeoutMs, QStringLiteral("a chamada")));
    } catch (const ETransportError& error) {
        failCall(method, error.Message());
    }
    switch (reply.type) {
    case MessageType::Result:
        if (reply.byReference.size() != record.byReferenceCount())
            failCall(method,
                     QStringLiteral("resposta com %1 argumentos por referência (esperados %2)")
                         .arg(reply.byReference.size())
                         .arg(record.byReferenceCount()));
        storeByReference(arguments, reply.byReference);
        return reply.result;
    case MessageType::RemoteException:
        throw ERemoteError(reply.message);
    case MessageType::Refused:
        failCall(method, QStringLiteral("o servidor recusou a chamada: %1").arg(reply.message));
    default:
        failCall(method, QStringLiteral("resposta inesperada"));
    }
}

void RemoteClient::storeByReference(QList<CallArgument>& arguments, const QStringList& values) {
    qsizetype next = 0;
    for (CallArgument& argument : arguments)
        if (argument.isByReference())
            argument.value = values.at(next++);
}

void RemoteClient::failOpen(const QString& reason) {
    close();
    throw ETransportError(
        QStringLiteral("Não foi possível conectar ao servidor de aplicação em %1, porta %2: %3")
            .arg(m_host, QString::number(m_port), reason));
}

void RemoteClient::failCall(const QString& method, const QString& reason) {
    close();
    throw ETransportError(
        QStringLiteral("Falha na chamada de %1 ao servidor de aplicação em %2, porta %3: %4")
            .arg(method, m_host, QString::number(m_port), reason));
}

} // namespace ger
