#include "platform/net/TcpConnector.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QList>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ger {
namespace {

QList<QHostAddress> addressesOf(const QString& host) {
    QHostAddress literal;
    if (literal.setAddress(host))
        return {literal};
    const QHostInfo info = QHostInfo::fromName(host);
    if (info.error() != QHostInfo::NoError)
        return {};
    return info.addresses();
}

socklen_t toSockaddr(const QHostAddress& address, quint16 port, sockaddr_storage& storage) {
    std::memset(&storage, 0, sizeof storage);
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        v4->sin_addr.s_addr = htonl(address.toIPv4Address());
        return sizeof(sockaddr_in);
    }
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
    v6->sin6_family = AF_INET6;
    v6->sin6_port = htons(port);
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    std::memcpy(&v6->sin6_addr, bytes.c, sizeof bytes.c);
    v6->sin6_scope_id = address.scopeId().toUInt();
    return sizeof(sockaddr_in6);
}

QString reasonOf(int error, const QDeadlineTimer& deadline, qint64 timeoutMs) {
    switch (error) {
    case ETIMEDOUT:
        return QStringLiteral("sem resposta em %1 ms").arg(timeoutMs);
    case ECONNREFUSED:
        return QStringLiteral("conexão recusada");
    case ENETUNREACH:
    case EHOSTUNREACH:
        return QStringLiteral("rede inacessível");
    default:
        return deadline.hasExpired() ? QStringLiteral("sem resposta em %1 ms").arg(timeoutMs)
                                     : qt_error_string(error);
    }
}

// Connects without blocking past the deadline; returns 0 or the error.
int connectOne(int fd, const sockaddr_storage& address, socklen_t length,
               const QDeadlineTimer& deadline) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return 0;
    if (errno != EINPROGRESS)
        return errno;
    pollfd waiting{fd, POLLOUT, 0};
    for (;;) {
        const int wait =
            deadline.isForever()
                ? -1
                : static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1 << 30));
        const int ready = ::poll(&waiting, 1, wait);
        if (ready > 0)
            break;
        if (ready == 0)
            return ETIMEDOUT;
        if (errno != EINTR)
            return errno;
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
        return errno;
    return error;
}

} // namespace

int TcpConnector::connect(const QString& host, quint16 port, QDeadlineTimer deadline,
                          QString& failure) {
    const qint64 timeoutMs = deadline.remainingTime();
    const QList<QHostAddress> addresses = addressesOf(host);
    if (addresses.isEmpty()) {
        failure = QStringLiteral("host não encontrado");
        return -1;
    }
    for (const QHostAddress& address : addresses) {
        sockaddr_storage storage;
        const socklen_t length = toSockaddr(address, port, storage);
        const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            failure = qt_error_string(errno);
            continue;
        }
        const int error = connectOne(fd, storage, length, deadline);
        if (error == 0)
            return fd;
        ::close(fd);
        failure = reasonOf(error, deadline, timeoutMs);
        if (deadline.hasExpired())
            break;
    }
    return -1;
}

} // namespace ger
