#pragma once
// The client's side of the wire protocol (Protocol.h): a blocking connection to one remote
// data module, making one synchronous call at a time.
//
//   RemoteClient client;
//   client.open("localhost", 211, "Ger99500.rdmTpOperFil");
//   QList<CallArgument> args{CallArgument::string("0001"), CallArgument::stringByRef(code)};
//   QVariant packet = client.call("GetTipoOperCli", args);   // args[1].value: the new code
//
// Failures: ERemoteError when the method raised (the connection stays open); ELoginRefused
// (an ETransportError) when the server did not admit the credential;
// ETransportError for everything else (cannot connect, module refused, connection lost, no
// reply in time, malformed reply, an argument the wire cannot carry), after which the client
// is closed, because a late reply would otherwise be taken for the next call's. Messages name
// the host and the port.
//
// A client belongs to the thread that opened it and needs no event loop.

#include "platform/net/CallArgument.h"
#include "platform/net/Credential.h"
#include "platform/net/Protocol.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace ger {

class FrameSocket;

class RemoteClient {
public:
    struct Options {
        int connectTimeoutMs = 10'000;
        int callTimeoutMs = 120'000; // -1: wait for ever
        quint32 maxFrameSize = protocol::kDefaultMaxFrameSize;
        // TLS on every connection; the server's certificate must be valid for the host name
        // and issued by an authority of the PEM file `caFile` (the system's when empty).
        bool tls = false;
        QString caFile;
    };

    RemoteClient();
    explicit RemoteClient(Options options);
    ~RemoteClient();

    RemoteClient(const RemoteClient&) = delete;
    RemoteClient& operator=(const RemoteClient&) = delete;

    const Options& options() const { return m_options; }
    void setOptions(const Options& options) { m_options = options; }

    // Sent with every opening, the reopening after an idle timeout included.
    void setCredential(const Credential& credential) { m_credential = credential; }
    const Credential& credential() const { return m_credential; }

    // Closes any open connection first. `host` is a name or an address. A server that does
    // not admit the credential raises ELoginRefused.
    void open(const QString& host, quint16 port, const QString& moduleName);
    bool isOpen() const;
    void close();

    const QString& host() const { return m_host; }
    quint16 port() const { return m_port; }
    const QString& moduleName() const { return m_moduleName; }

    // Calls `method` with `arguments`; on return the by-reference arguments hold what the
    // method left in them.
    QVariant call(const QString& method, QList<CallArgument>& arguments);

private:
    void openModule();
    QByteArrayView exchange(const QByteArray& frame, int timeoutMs, const QString& what);
    static void storeByReference(QList<CallArgument>& arguments, const QStringList& values);
    void startTls();
    [[noreturn]] void failOpen(const QString& reason);
    [[noreturn]] void failCall(const QString& method, const QString& reason);

    Options m_options;
    QString m_host;
    quint16 m_port = 0;
    QString m_moduleName;
    Credential m_credential;
    std::unique_ptr<FrameSocket> m_io;
};

} // namespace ger
