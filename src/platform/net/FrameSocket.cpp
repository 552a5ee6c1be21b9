#include "platform/net/FrameSocket.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ger {
namespace {

// A receive may wait this much past its deadline rather than reset the socket's timeout for
// every call; a timeout that fires early is harmless (the wait resumes until the deadline).
constexpr qint64 kTimeoutSlackMs = 50;
constexpr qsizetype kReadChunk = 16 * 1024;

qint64 wantedTimeout(const QDeadlineTimer& deadline) {
    if (deadline.isForever())
        return -1;
    return std::max<qint64>(deadline.remainingTime(), 1);
}

} // namespace

FrameSocket::FrameSocket(int descriptor, quint32 maxFrameSize)
    : m_descriptor(descriptor)
    , m_reader(maxFrameSize)
    , m_receiveTimeout{SO_RCVTIMEO}
    , m_sendTimeout{SO_SNDTIMEO} {
    const int flags = ::fcntl(m_descriptor, F_GETFL);
    if (flags >= 0)
        ::fcntl(m_descriptor, F_SETFL, flags & ~O_NONBLOCK);
    const int one = 1;
    ::setsockopt(m_descriptor, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

FrameSocket::~FrameSocket() {
    close();
}

void FrameSocket::close() {
    m_tls.reset();
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

QString FrameSocket::errorString() const {
    if (!m_tlsFailure.isEmpty())
        return m_tlsFailure;
    if (m_tls)
        return m_tls->errorString();
    return qt_error_string(m_lastError);
}

FrameSocket::Status FrameSocket::startServerTls(const TlsIdentity& identity,
                                                QDeadlineTimer deadline) {
    QString failure;
    auto channel = TlsChannel::accept(m_descriptor, identity, deadline, failure);
    return started(std::move(channel), failure);
}

FrameSocket::Status FrameSocket::startClientTls(const QString& peerName,
                                                const QList<QSslCertificate>& trusted,
                                                QDeadlineTimer deadline) {
    QString failure;
    auto channel = TlsChannel::connect(m_descriptor, peerName, trusted, deadline, failure);
    return started(std::move(channel), failure);
}

FrameSocket::Status FrameSocket::started(std::unique_ptr<TlsChannel> channel,
                                         const QString& failure) {
    if (!channel) {
        m_tlsFailure = failure;
        return Status::Failed;
    }
    m_tls = std::move(channel);
    return Status::Ok;
}

namespace {

FrameSocket::Status statusOf(TlsChannel::Result result) {
    switch (result) {
    case TlsChannel::Result::Ok:
        return FrameSocket::Status::Ok;
    case TlsChannel::Result::Closed:
        return FrameSocket::Status::Closed;
    case TlsChannel::Result::TimedOut:
        return FrameSocket::Status::TimedOut;
    case TlsChannel::Result::Failed:
        break;
    }
    return FrameSocket::Status::Failed;
}

} // namespace

bool FrameSocket::applyTimeout(Timeout& timeout, const QDeadlineTimer& deadline) {
    const qint64 wanted = wantedTimeout(deadline);
    const qint64 current = timeout.milliseconds;
    const bool keep =
        current != -2 &&
        (wanted == -1 ? current == -1 : current != -1 && current <= wanted + kTimeoutSlackMs);
    if (keep)
        return true;
    timeval value{};
    if (wanted > 0) {
        value.tv_sec = static_cast<time_t>(wanted / 1000);
        value.tv_usec = static_cast<suseconds_t>((wanted % 1000) * 1000);
    }
    if (::setsockopt(m_descriptor, SOL_SOCKET, timeout.option, &value, sizeof value) != 0) {
        m_lastError = errno;
        return false;
    }
    timeout.milliseconds = wanted;
    return true;
}

// What an error of recv or send means: the deadline, the peer gone, or a real failure. A
// timeout of the socket before the deadline (the timeout is kept across calls) is no failure.
std::optional<FrameSocket::Status> FrameSocket::failure(int error, const QDeadlineTimer& deadline) {
    m_lastError = error;
    if (error == EINTR)
        return std::nullopt;
    if (error == EAGAIN || error == EWOULDBLOCK)
        return deadline.hasExpired() ? std::optional(Status::TimedOut) : std::nullopt;
    if (error == ECONNRESET || error == EPIPE || error == ENOTCONN || error == EBADF)
        return Status::Closed;
    return Status::Failed;
}

FrameSocket::Status FrameSocket::send(const QByteArray& frame, QDeadlineTimer deadline) {
    if (!isOpen())
        return Status::Closed;
    if (m_tls)
        return statusOf(m_tls->write(frame.constData(), frame.size(), deadline));
    qsizetype sent = 0;
    while (sent < frame.size()) {
        if (!applyTimeout(m_sendTimeout, deadline))
            return Status::Failed;
        const ssize_t n = ::send(m_descriptor, frame.constData() + sent,
                                 static_cast<size_t>(frame.size() - sent), MSG_NOSIGNAL);
        if (n >= 0)
            sent += n;
        else if (const auto status = failure(errno, deadline))
            return *status;
    }
    return Status::Ok;
}

bool FrameSocket::peerHasClosed() const {
    if (!isOpen() || m_reader.hasPartialFrame())
        return false;
    if (m_tls)
        return m_tls->peerHasClosed();
    pollfd ready{m_descriptor, POLLIN, 0};
    if (::poll(&ready, 1, 0) != 1 || !(ready.revents & (POLLIN | POLLHUP)))
        return false;
    char byte = 0;
    return ::recv(m_descriptor, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

FrameSocket::Status FrameSocket::receive(QByteArrayView& payload, QDeadlineTimer deadline) {
    if (!isOpen())
        return Status::Closed;
    if (m_holdsPayload)
        m_reader.dropFrame();
    m_holdsPayload = false;
    for (;;) {
        if (const auto frame = m_reader.peekFrame()) {
            payload = *frame;
            m_holdsPayload = true;
            return Status::Ok;
        }
        if (const auto status = readSome(deadline))
            return *status;
    }
}

std::optional<FrameSocket::Status> FrameSocket::readSome(const QDeadlineTimer& deadline) {
    char* into = m_reader.appendBuffer(kReadChunk);
    if (m_tls) {
        qint64 received = 0;
        const TlsChannel::Result result = m_tls->read(into, kReadChunk, received, deadline);
        m_reader.commitAppend(received);
        if (result == TlsChannel::Result::Ok)
            return std::nullopt;
        if (result == TlsChannel::Result::Closed)
            m_reader.finish();
        return statusOf(result);
    }
    if (!applyTimeout(m_receiveTimeout, deadline)) {
        m_reader.commitAppend(0);
        return Status::Failed;
    }
    const ssize_t n = ::recv(m_descriptor, into, kReadChunk, 0);
    const int error = errno;
    m_reader.commitAppend(n);
    if (n > 0)
        return std::nullopt;
    if (n == 0) {
        m_reader.finish();
        return Status::Closed;
    }
    const auto status = failure(error, deadline);
    if (status == Status::Closed)
        m_reader.finish();
    return status;
}

} // namespace ger
