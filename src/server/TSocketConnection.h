#pragma once
// The module's connection to the application server: a TCP connection to one remote data
// module (`ServerName`), as the platform's socket connection component.
//
// Connecting. Setting Connected to true runs BeforeConnect (where the screens set Port and
// Host), connects to Host (a name, used when set) or else Address (an IP address) at Port,
// opens the module named ServerName, then runs AfterConnect. A failure raises ETransportError
// with a message naming the host and the port ("Não foi possível conectar ao servidor de
// aplicação em localhost, porta 211: conexão recusada"); the connection stays closed and
// AfterConnect is not run. While the component is being loaded from form data, Connected =
// True only takes note: the connection is made in Loaded(), once every property (and the
// handlers of BeforeConnect) is in place.
//
// Security. Every connection asks the process's IConnectionSecurity (SetSecurity) whether to
// use TLS and with which credential. A server that refuses the credential makes the
// connection ask for another (AskAgain), up to three times in all, before the refusal is
// raised as ELoginRefused.
//
// Disconnecting. Setting Connected to false runs BeforeDisconnect, closes, runs
// AfterDisconnect. Destroying the component closes without running any event: its owner,
// whose handlers they are, is being destroyed.
//
// Calls. AppServer() connects when needed and gives the late-bound interface. A call whose
// transport fails (connection lost, no reply in time, malformed reply) raises ETransportError
// and leaves the component disconnected, without running the disconnect events; the failed
// call is not repeated, since the server may have run it. The next call connects again, running
// BeforeConnect and AfterConnect as above. A server that went away between two calls is
// noticed by the first of them, which fails; the one after it reconnects.
//
// Setting Host clears Address and setting Address clears Host, as on the platform; changes
// take effect at the next connection.

#include "platform/core/TComponent.h"
#include "platform/net/RemoteClient.h"
#include "server/AppServerDispatch.h"
#include "server/IConnectionSecurity.h"

#include <memory>

namespace ger {

class TSocketConnection : public TComponent {
    Q_OBJECT
public:
    static constexpr int DefaultPort = 211;

    explicit TSocketConnection(TComponent* AOwner);
    ~TSocketConnection() override;

    QString ClassName() const override { return QStringLiteral("TSocketConnection"); }

    const QString& ServerName() const { return m_serverName; }
    void SetServerName(const QString& value) { m_serverName = value; }
    const QString& Host() const { return m_host; }
    void SetHost(const QString& value);
    const QString& Address() const { return m_address; }
    void SetAddress(const QString& value);
    int Port() const { return m_port; }
    void SetPort(int value) { m_port = value; }

    bool Connected() const { return m_connected; }
    void SetConnected(bool value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    TNotifyEvent BeforeConnect;
    TNotifyEvent AfterConnect;
    TNotifyEvent BeforeDisconnect;
    TNotifyEvent AfterDisconnect;

    // Process-wide; none: plain TCP, empty credential.
    static void SetSecurity(std::shared_ptr<IConnectionSecurity> security);
    static IConnectionSecurity* Security();

    AppServerDispatch& AppServer();

    // One late-bound call (see AppServerDispatch); by-reference arguments come back in
    // `arguments`. Connects first when disconnected.
    QVariant callServer(const QString& method, QList<CallArgument>& arguments);

    int connectTimeout() const { return m_client.options().connectTimeoutMs; }
    void setConnectTimeout(int milliseconds);
    // -1: wait for ever.
    int callTimeout() const { return m_client.options().callTimeoutMs; }
    void setCallTimeout(int milliseconds);

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    void Loaded() override;

private:
    void DoConnect();
    void OpenClient();
    void ApplySecurity(IConnectionSecurity& security);
    void DoDisconnect();
    QString Target() const;
    QString Describe() const;

    QString m_serverName;
    QString m_host;
    QString m_address;
    int m_port = DefaultPort;
    bool m_connected = false;
    bool m_connectWhenLoaded = false;
    RemoteClient m_client;
    AppServerDispatch m_dispatch;
};

} // namespace ger
