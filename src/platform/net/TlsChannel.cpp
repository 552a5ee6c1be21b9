#include "platform/net/TlsChannel.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace ger {
namespace {

int waitMs(const QDeadlineTimer& deadline) {
    if (deadline.isForever())
        return -1;
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 1, 1 << 30));
}

} // namespace

TlsChannel::TlsChannel(std::unique_ptr<QSslSocket> socket)
    : m_socket(std::move(socket)) {}

TlsChannel::~TlsChannel() {
    if (m_socket)
        m_socket->abort();
}

std::unique_ptr<QSslSocket> TlsChannel::adopt(int descriptor, QString& failure) {
    if (!QSslSocket::supportsSsl()) {
        failure = QStringLiteral("TLS indisponível neste sistema (sem a biblioteca OpenSSL)");
        return nullptr;
    }
    const int own = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        failure = qt_error_string(errno);
        return nullptr;
    }
    auto socket = std::make_unique<QSslSocket>();
    if (!socket->setSocketDescriptor(own)) {
        ::close(own);
        failure = socket->errorString();
        return nullptr;
    }
    return socket;
}

QString TlsChannel::handshakeFailure(const QSslSocket& socket) {
    QStringList reasons;
    for (const QSslError& error : socket.sslHandshakeErrors())
        reasons.append(error.errorString());
    if (reasons.isEmpty())
        reasons.append(socket.errorString());
    return QStringLiteral("falha no TLS: %1").arg(reasons.join(QStringLiteral("; ")));
}

std::unique_ptr<TlsChannel> TlsChannel::accept(int descriptor, const TlsIdentity& identity,
                                               QDeadlineTimer deadline, QString& failure) {
    auto socket = adopt(descriptor, failure);
    if (!socket)
        return nullptr;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(identity.chain);
    configuration.setPrivateKey(identity.key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    socket->setSslConfiguration(configuration);
    socket->startServerEncryption();
    if (!socket->waitForEncrypted(waitMs(deadline))) {
        failure = handshakeFailure(*socket);
        return nullptr;
    }
    return std::unique_ptr<TlsChannel>(new TlsChannel(std::move(socket)));
}

std::unique_ptr<TlsChannel> TlsChannel::connect(int descriptor, const QString& peerName,
                                                const QList<QSslCertificate>& trusted,
                                                QDeadlineTimer deadline, QString& failure) {
    auto socket = adopt(descriptor, failure);
    if (!socket)
        return nullptr;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    if (!trusted.isEmpty())
        configuration.setCaCertificates(trusted);
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    socket->setSslConfiguration(configuration);
    socket->setPeerVerifyName(peerName);
    socket->startClientEncryption();
    if (!socket->waitForEncrypted(waitMs(deadline))) {
        failure = handshakeFailure(*socket);
        return nullptr;
    }
    return std::unique_ptr<TlsChannel>(new TlsChannel(std::move(socket)));
}

TlsChannel::Result TlsChannel::failure() const {
    switch (m_socket->error()) {
    case QAbstractSocket::SocketTimeoutError:
        return Result::TimedOut;
    case QAbstractSocket::RemoteHostClosedError:
        return Result::Closed;
    default:
        return m_socket->state() == QAbstractSocket::ConnectedState ? Result::Failed
                                                                    : Result::Closed;
    }
}

TlsChannel::Result TlsChannel::read(char* into, qint64 size, qint64& received,
                                    QDeadlineTimer deadline) {
    received = 0;
    while (m_socket->bytesAvailable() == 0) {
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            return Result::Closed;
        if (!m_socket->waitForReadyRead(waitMs(deadline))) {
            if (m_socket->bytesAvailable() > 0)
                break;
            const Result result = failure();
            if (result != Result::TimedOut || deadline.hasExpired())
                return result;
        }
    }
    received = m_socket->read(into, size);
    return received < 0 ? Result::Failed : Result::Ok;
}

TlsChannel::Result TlsChannel::write(const char* data, qint64 size, QDeadlineTimer deadline) {
    if (m_socket->write(data, size) != size)
        return failure();
    while (m_socket->bytesToWrite() > 0 || m_socket->encryptedBytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(waitMs(deadline))) {
            const Result result = failure();
            if (result != Result::TimedOut || deadline.hasExpired())
                return result;
        }
    }
    return Result::Ok;
}

bool TlsChannel::peerHasClosed() {
    if (m_socket->bytesAvailable() > 0)
        return false;
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->waitForReadyRead(0);
    return m_socket->bytesAvailable() == 0 && m_socket->state() != QAbstractSocket::ConnectedState;
}

QString TlsChannel::errorString() const {
    return m_socket->errorString();
}

} // namespace ger
