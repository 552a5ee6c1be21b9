#pragma once
// The server's side of one connection, without the socket: it takes each request payload and
// gives the reply frame. A session first opens a module by name (creating the connection's own
// instance), then runs calls on it:
//
//   ServerSession session(registry);
//   session.handle(OpenModule "Ger99500.rdmTpOperFil")  -> ModuleOpened
//   session.handle(Call GetTpOperFil("0001"))            -> Result (or RemoteException)
//   session.handle(bytes that are no message)            -> Refused; isClosing() is now true
//
// After a Refused or LoginRefused reply the connection must be closed: the client was told
// why.

#include "platform/net/IRemoteDataModule.h"
#include "platform/net/Protocol.h"

#include <QByteArray>
#include <QHostAddress>
#include <memory>

namespace ger {

class LoginGate;
class RemoteModuleRegistry;
struct CallRecord;
struct RequestMessage;

class ServerSession {
public:
    explicit ServerSession(const RemoteModuleRegistry& registry,
                           quint32 maxFrameSize = protocol::kDefaultMaxFrameSize);
    // `gate` checks the credential of the opening, from `peer`; none admits every one.
    ServerSession(const RemoteModuleRegistry& registry, quint32 maxFrameSize, LoginGate* gate,
                  QHostAddress peer);
    ~ServerSession();

    ServerSession(const ServerSession&) = delete;
    ServerSession& operator=(const ServerSession&) = delete;

    QByteArray handle(QByteArrayView payload);

    bool isClosing() const { return m_closing; }
    bool hasModule() const { return m_module != nullptr; }
    const QString& moduleName() const { return m_moduleName; }

private:
    QByteArray open(const RequestMessage& request);
    QByteArray call(CallRecord& call);
    QByteArray reply(const CallRecord& call, const QVariant& result);
    QByteArray refuse(const QString& reason);

    const RemoteModuleRegistry& m_registry;
    quint32 m_maxFrameSize;
    LoginGate* m_gate = nullptr;
    QHostAddress m_peer;
    std::unique_ptr<IRemoteDataModule> m_module;
    QString m_moduleName;
    bool m_closing = false;
};

} // namespace ger
