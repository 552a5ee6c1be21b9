#pragma once
// Blocking frame I/O on a connected TCP socket descriptor, for threads that own their
// connection: the server's connection workers and the client's synchronous calls.
//
// It works on the descriptor directly (blocking recv/send, with SO_RCVTIMEO/SO_SNDTIMEO for
// deadlines) rather than through QTcpSocket, whose blocking mode costs a poll and an ioctl
// before every read: a call is a few microseconds on loopback, and that difference is most of
// what the protocol would add to a bare exchange of the same bytes.
//
// A TLS session can be started on the socket once it is connected (TlsChannel); the frames
// then travel inside it, through Qt's TLS socket instead of the descriptor.
//
// A failure comes back as a status (the caller knows what it was doing and says so); malformed
// or oversized input raises EProtocolError from the frame reader. shutdown(2) on the
// descriptor from another thread wakes a blocked receive, which then reports Closed.

#include "platform/net/FrameReader.h"
#include "platform/net/TlsChannel.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <memory>
#include <optional>

namespace ger {

class FrameSocket {
public:
    enum class Status { Ok, Closed, TimedOut, Failed };

    // Takes ownership of a connected stream socket: switches it to blocking mode and disables
    // Nagle's algorithm (each frame is a whole message that the peer waits for).
    FrameSocket(int descriptor, quint32 maxFrameSize);
    ~FrameSocket();

    FrameSocket(const FrameSocket&) = delete;
    FrameSocket& operator=(const FrameSocket&) = delete;

    int descriptor() const { return m_descriptor; }
    void setMaxFrameSize(quint32 size) { m_reader.setMaxFrameSize(size); }
    bool isOpen() const { return m_descriptor >= 0; }
    void close();

    // From here on every frame travels inside TLS; a failed handshake is Failed, with the
    // reason in errorString(), and the socket is then good for nothing but close().
    Status startServerTls(const TlsIdentity& identity, QDeadlineTimer deadline);
    Status startClientTls(const QString& peerName, const QList<QSslCertificate>& trusted,
                          QDeadlineTimer deadline);
    bool isTls() const { return m_tls != nullptr; }

    Status send(const QByteArray& frame, QDeadlineTimer deadline);
    // The next frame's payload, in place: valid until the next receive() or close().
    // Closed: the peer ended the stream between frames (a stream cut inside a frame raises
    // EProtocolError).
    Status receive(QByteArrayView& payload, QDeadlineTimer deadline);

    // The peer has ended the stream while nothing of a frame was pending (a server that closed
    // an idle session): found without waiting and without taking any byte.
    bool peerHasClosed() const;

    // Text of the last system error, for Failed.
    QString errorString() const;

private:
    struct Timeout {
        int option;
        qint64 milliseconds = -2; // as last set on the socket; -1 for ever, -2 unknown
    };
    bool applyTimeout(Timeout& timeout, const QDeadlineTimer& deadline);
    // The status an error of recv or send ends with, or nothing when the wait should go on.
    std::optional<Status> failure(int error, const QDeadlineTimer& deadline);
    Status started(std::unique_ptr<TlsChannel> channel, const QString& failure);
    // One read into the frame reader: bytes, 0 for the stream's end, or a status to return.
    std::optional<Status> readSome(const QDeadlineTimer& deadline);

    int m_descriptor;
    FrameReader m_reader;
    Timeout m_receiveTimeout;
    Timeout m_sendTimeout;
    int m_lastError = 0;
    QString m_tlsFailure;
    std::unique_ptr<TlsChannel> m_tls;
    bool m_holdsPayload = false; // the last payload handed out is still in the reader
};

} // namespace ger
