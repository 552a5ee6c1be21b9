#pragma once
// A TLS session over a connected descriptor, for FrameSocket: the handshake, then blocking
// reads and writes with deadlines. It runs Qt's QSslSocket in its blocking mode (the waitFor
// calls), so it needs no event loop and belongs to the thread that made it.
//
// The channel works on a duplicate of the descriptor, which it closes when destroyed; the
// caller keeps its own and closes it as before. shutdown(2) on the caller's descriptor from
// another thread still wakes a blocked read (both name one socket), which then reports Closed.

#include "platform/net/TlsIdentity.h"

#include <QDeadlineTimer>
#include <QList>
#include <QSslCertificate>
#include <QString>
#include <memory>

class QSslSocket;

namespace ger {

class TlsChannel {
public:
    enum class Result { Ok, Closed, TimedOut, Failed };

    ~TlsChannel();
    TlsChannel(const TlsChannel&) = delete;
    TlsChannel& operator=(const TlsChannel&) = delete;

    // The server's handshake: shows `identity`, asks the client for no certificate.
    static std::unique_ptr<TlsChannel> accept(int descriptor, const TlsIdentity& identity,
                                              QDeadlineTimer deadline, QString& failure);
    // The client's handshake: the server's certificate must be valid for `peerName` and
    // issued by one of `trusted` (the system's authorities when empty).
    static std::unique_ptr<TlsChannel> connect(int descriptor, const QString& peerName,
                                               const QList<QSslCertificate>& trusted,
                                               QDeadlineTimer deadline, QString& failure);

    // Up to `size` bytes into `into`; `received` is 0 with Closed when the peer ended.
    Result read(char* into, qint64 size, qint64& received, QDeadlineTimer deadline);
    Result write(const char* data, qint64 size, QDeadlineTimer deadline);
    // The peer has ended the session while nothing was left to read; does not wait.
    bool peerHasClosed();

    QString errorString() const;

private:
    explicit TlsChannel(std::unique_ptr<QSslSocket> socket);
    static std::unique_ptr<QSslSocket> adopt(int descriptor, QString& failure);
    static QString handshakeFailure(const QSslSocket& socket);
    Result failure() const;

    std::unique_ptr<QSslSocket> m_socket;
};

} // namespace ger
