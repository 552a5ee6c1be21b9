#include "server/TSocketConnection.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/FormDataContext.h"
#include "platform/net/NetExceptions.h"

namespace ger {
namespace {

constexpr int kLoginAttempts = 3;

std::shared_ptr<IConnectionSecurity>& ProcessSecurity() {
    static std::shared_ptr<IConnectionSecurity> security;
    return security;
}

bool isProperty(const FormDataProperty& property, const char* name) {
    return property.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

TSocketConnection::TSocketConnection(TComponent* AOwner)
    : TComponent(AOwner)
    , m_dispatch(*this) {}

TSocketConnection::~TSocketConnection() {
    m_client.close();
}

void TSocketConnection::SetHost(const QString& value) {
    if (!value.isEmpty())
        m_address.clear();
    m_host = value;
}

void TSocketConnection::SetAddress(const QString& value) {
    if (!value.isEmpty())
        m_host.clear();
    m_address = value;
}

void TSocketConnection::setConnectTimeout(int milliseconds) {
    auto options = m_client.options();
    options.connectTimeoutMs = milliseconds;
    m_client.setOptions(options);
}

void TSocketConnection::setCallTimeout(int milliseconds) {
    auto options = m_client.options();
    options.callTimeoutMs = milliseconds;
    m_client.setOptions(options);
}

QString TSocketConnection::Describe() const {
    return Name().isEmpty() ? ClassName() : Name();
}

QString TSocketConnection::Target() const {
    return m_host.isEmpty() ? m_address : m_host;
}

void TSocketConnection::SetConnected(bool value) {
    if (IsLoading()) {
        m_connectWhenLoaded = value;
        return;
    }
    if (value == m_connected)
        return;
    if (value)
        DoConnect();
    else
        DoDisconnect();
}

void TSocketConnection::DoConnect() {
    if (BeforeConnect)
        BeforeConnect(this);
    if (m_serverName.isEmpty())
        throw EComponentError(
            QStringLiteral("%1: ServerName não informado para conectar ao servidor de aplicação")
                .arg(Describe()));
    if (Target().isEmpty())
        throw EComponentError(
            QStringLiteral("%1: Host ou Address não informado para conectar ao servidor de "
                           "aplicação")
                .arg(Describe()));
    if (m_port <= 0 || m_port > 65535)
        throw EComponentError(QStringLiteral("%1: porta %2 inválida para conectar ao servidor "
                                             "de aplicação em %3")
                                  .arg(Describe())
                                  .arg(m_port)
                                  .arg(Target()));
    OpenClient();
    m_connected = true;
    if (AfterConnect)
        AfterConnect(this);
}

void TSocketConnection::SetSecurity(std::shared_ptr<IConnectionSecurity> security) {
    ProcessSecurity() = std::move(security);
}

IConnectionSecurity* TSocketConnection::Security() {
    return ProcessSecurity().get();
}

void TSocketConnection::ApplySecurity(IConnectionSecurity& security) {
    const ConnectionSecurity wanted = security.For(Target(), static_cast<quint16>(m_port));
    auto options = m_client.options();
    options.tls = wanted.tls;
    options.caFile = wanted.caFile;
    m_client.setOptions(options);
    m_client.setCredential(wanted.credential);
}

void TSocketConnection::OpenClient() {
    const auto port = static_cast<quint16>(m_port);
    const std::shared_ptr<IConnectionSecurity> security = ProcessSecurity();
    if (security)
        ApplySecurity(*security);
    for (int attempt = 1;; ++attempt) {
        try {
            m_client.open(Target(), port, m_serverName);
            break;
        } catch (const ELoginRefused& refused) {
            if (!security || attempt == kLoginAttempts)
                throw;
            const auto another =
                security->AskAgain(Target(), port, m_client.credential(), refused.Message());
            if (!another)
                throw;
            m_client.setCredential(*another);
        }
    }
    if (security)
        security->Admitted(Target(), port, m_client.credential());
}

void TSocketConnection::DoDisconnect() {
    if (BeforeDisconnect)
        BeforeDisconnect(this);
    m_client.close();
    m_connected = false;
    if (AfterDisconnect)
        AfterDisconnect(this);
}

AppServerDispatch& TSocketConnection::AppServer() {
    SetConnected(true);
    return m_dispatch;
}

QVariant TSocketConnection::callServer(const QString& method, QList<CallArgument>& arguments) {
    SetConnected(true);
    try {
        return m_client.call(method, arguments);
    } catch (const ETransportError&) {
        m_connected = false;
        throw;
    }
}

void TSocketConnection::Loaded() {
    TComponent::Loaded();
    if (m_connectWhenLoaded) {
        m_connectWhenLoaded = false;
        SetConnected(true);
    }
}

void TSocketConnection::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const FormDataValue& value = property.value;
    const QString& name = property.name;
    auto handler = [&] { return context.Handler<void(TObject*)>(value.asIdentifier(name)); };
    if (isProperty(property, "ServerName"))
        SetServerName(value.asString(name));
    else if (isProperty(property, "Host"))
        SetHost(value.asString(name));
    else if (isProperty(property, "Address"))
        SetAddress(value.asString(name));
    else if (isProperty(property, "Port"))
        SetPort(static_cast<int>(value.asInteger(name)));
    else if (isProperty(property, "Connected"))
        SetConnected(value.asBoolean(name));
    else if (isProperty(property, "BeforeConnect"))
        BeforeConnect = handler();
    else if (isProperty(property, "AfterConnect"))
        AfterConnect = handler();
    else if (isProperty(property, "BeforeDisconnect"))
        BeforeDisconnect = handler();
    else if (isProperty(property, "AfterDisconnect"))
        AfterDisconnect = handler();
    else
        TComponent::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TSocketConnection)

} // namespace ger
