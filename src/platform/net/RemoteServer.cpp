#include "platform/net/RemoteServer.h"

#include "platform/net/FrameSocket.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/Protocol.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/ServerSession.h"

#include <QTcpServer>
#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <list>
#include <mutex>
#include <sys/socket.h>
#include <thread>

namespace ger {
namespace {

// A reply that the client does not take within this time ends its connection.
constexpr int kReplyWriteTimeoutMs = 60'000;

// Hands each accepted descriptor over untouched to the worker thread that serves it.
class Listener : public QTcpServer {
public:
    explicit Listener(std::function<void(qintptr)> onAccepted)
        : m_onAccepted(std::move(onAccepted)) {}

protected:
    void incomingConnection(qintptr descriptor) override { m_onAccepted(descriptor); }

private:
    std::function<void(qintptr)> m_onAccepted;
};

// Wakes a thread blocked on the socket: its wait returns and it sees the stream end. Callers
// hold the server mutex and know the descriptor is still open.
void wake(qintptr descriptor) {
    ::shutdown(static_cast<int>(descriptor), SHUT_RDWR);
}

QHostAddress peerAddress(int descriptor) {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    if (::getpeername(descriptor, reinterpret_cast<sockaddr*>(&storage), &length) != 0)
        return {};
    return QHostAddress(reinterpret_cast<const sockaddr*>(&storage));
}

// Why the server may not listen on `address` with `options`, or nothing.
QString exposureRefusal(const QHostAddress& address, const RemoteServer::Options& options) {
    if (address.isLoopback())
        return {};
    if (!options.tls)
        return QStringLiteral("%1 não é um endereço de loopback: fora dele o servidor de "
                              "aplicação só escuta com TLS (certificado e chave)")
            .arg(address.toString());
    if (!options.login || !options.login->checksCredentials())
        return QStringLiteral("%1 não é um endereço de loopback: fora dele o servidor de "
                              "aplicação só escuta com um arquivo de usuários")
            .arg(address.toString());
    return {};
}

struct ListenResult {
    bool ok = false;
    QString error;
};

} // namespace

struct RemoteServer::State {
    struct Connection {
        explicit Connection(qintptr d)
            : descriptor(d) {}
        qintptr descriptor;
        bool isSocketOpen = true; // guarded by mutex; the descriptor may be shut down
        std::atomic<bool> finished{false};
        std::thread thread;
    };

    State(RemoteModuleRegistry m, Options o)
        : modules(std::move(m))
        , options(o) {}

    void acceptLoop(const QHostAddress& address, quint16 port, std::promise<ListenResult>& ready);
    void waitForConnections(Listener& listener);
    void accept(qintptr descriptor);
    void serve(Connection& connection);
    void serveFrames(FrameSocket& io);
    // The TLS handshake, when the server has TLS; false when it failed.
    bool startTls(FrameSocket& io) const;
    // The opening timeout until the session has its module, then the idle timeout.
    QDeadlineTimer receiveDeadline(const ServerSession& session) const;
    void reapFinished();
    void refuse(qintptr descriptor, const QString& reason) const;
    void stop();

    const RemoteModuleRegistry modules;
    const Options options;

    mutable std::mutex mutex;
    std::atomic<bool> stopping{false};
    bool isListening = false; // the listener's descriptor is open
    qintptr listenDescriptor = -1;
    QHostAddress address;
    quint16 port = 0;
    std::list<std::unique_ptr<Connection>> connections;
    std::thread acceptor;
};

void RemoteServer::State::acceptLoop(const QHostAddress& bindAddress, quint16 bindPort,
                                     std::promise<ListenResult>& ready) {
    Listener listener([this](qintptr descriptor) { accept(descriptor); });
    if (!listener.listen(bindAddress, bindPort)) {
        ready.set_value({false, listener.errorString()});
        return;
    }
    {
        std::lock_guard lock(mutex);
        isListening = true;
        listenDescriptor = listener.socketDescriptor();
        address = listener.serverAddress();
        port = listener.serverPort();
    }
    ready.set_value({true, {}});
    waitForConnections(listener);
    std::lock_guard lock(mutex);
    isListening = false;
    listener.close();
}

void RemoteServer::State::waitForConnections(Listener& listener) {
    while (!stopping) {
        // Blocks until a client connects (accept() runs inside) or stop() shuts the
        // listening socket down.
        if (!listener.waitForNewConnection(-1) && !stopping)
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // out of descriptors
    }
}

void RemoteServer::State::accept(qintptr descriptor) {
    std::lock_guard lock(mutex);
    reapFinished();
    if (stopping)
        return refuse(descriptor, QStringLiteral("Servidor de aplicação encerrando"));
    if (static_cast<int>(connections.size()) >= options.maxConnections)
        return refuse(descriptor, QStringLiteral("Servidor de aplicação sem vagas (%1 conexões)")
                                      .arg(options.maxConnections));
    auto& connection = connections.emplace_back(std::make_unique<Connection>(descriptor));
    Connection* served = connection.get();
    connection->thread = std::thread([this, served] { serve(*served); });
}

void RemoteServer::State::refuse(qintptr descriptor, const QString& reason) const {
    FrameSocket(static_cast<int>(descriptor), options.maxFrameSize)
        .send(ProtocolMessage::refused(reason), QDeadlineTimer(1000));
}

void RemoteServer::State::serve(Connection& connection) {
    FrameSocket io(static_cast<int>(connection.descriptor),
                   std::min(options.maxFrameSize, protocol::kOpeningMaxFrameSize));
    if (startTls(io))
        serveFrames(io);
    {
        // Once marked, stop() no longer touches the descriptor, which may then be reused.
        std::lock_guard lock(mutex);
        connection.isSocketOpen = false;
    }
    io.close();
    connection.finished = true;
}

bool RemoteServer::State::startTls(FrameSocket& io) const {
    return !options.tls ||
           io.startServerTls(*options.tls, QDeadlineTimer(options.openingTimeoutMs)) ==
               FrameSocket::Status::Ok;
}

void RemoteServer::State::serveFrames(FrameSocket& io) {
    ServerSession session(modules, options.maxFrameSize, options.login.get(),
                          peerAddress(io.descriptor()));
    try {
        QByteArrayView payload;
        while (!stopping) {
            const FrameSocket::Status status = io.receive(payload, receiveDeadline(session));
            if (status == FrameSocket::Status::TimedOut && !session.hasModule())
                io.send(ProtocolMessage::refused(
                            QStringLiteral("Nenhum módulo aberto em %1 ms; conexão encerrada")
                                .arg(options.openingTimeoutMs)),
                        QDeadlineTimer(1000));
            if (status != FrameSocket::Status::Ok)
                break;
            const QByteArray reply = session.handle(payload);
            if (session.hasModule())
                io.setMaxFrameSize(options.maxFrameSize);
            if (stopping ||
                io.send(reply, QDeadlineTimer(kReplyWriteTimeoutMs)) != FrameSocket::Status::Ok ||
                session.isClosing())
                break;
        }
    } catch (const EProtocolError& error) {
        io.send(ProtocolMessage::refused(error.Message()), QDeadlineTimer(1000));
    } catch (const std::bad_alloc&) {
        // One session's message that the memory cannot hold ends that session, not the
        // server and every other client with it.
        io.send(ProtocolMessage::refused(
                    QStringLiteral("Servidor de aplicação sem memória para esta mensagem")),
                QDeadlineTimer(1000));
    }
}

QDeadlineTimer RemoteServer::State::receiveDeadline(const ServerSession& session) const {
    if (!session.hasModule())
        return QDeadlineTimer(options.openingTimeoutMs);
    return options.idleTimeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                     : QDeadlineTimer(options.idleTimeoutMs);
}

// Joins the workers whose clients have gone; called with the mutex held.
void RemoteServer::State::reapFinished() {
    for (auto it = connections.begin(); it != connections.end();) {
        if ((*it)->finished) {
            (*it)->thread.join();
            it = connections.erase(it);
        } else {
            ++it;
        }
    }
}

void RemoteServer::State::stop() {
    {
        std::lock_guard lock(mutex);
        stopping = true;
        if (isListening)
            wake(listenDescriptor);
    }
    if (acceptor.joinable())
        acceptor.join();
    {
        std::lock_guard lock(mutex);
        for (auto& connection : connections)
            if (connection->isSocketOpen)
                wake(connection->descriptor);
    }
    for (auto& connection : connections)
        connection->thread.join();
    connections.clear();
}

RemoteServer::RemoteServer(RemoteModuleRegistry modules)
    : RemoteServer(std::move(modules), Options{}) {}

RemoteServer::RemoteServer(RemoteModuleRegistry modules, Options options)
    : m_state(std::make_unique<State>(std::move(modules), options)) {}

RemoteServer::~RemoteServer() {
    close();
}

void RemoteServer::listen(const QHostAddress& address, quint16 port) {
    if (const QString refusal = exposureRefusal(address, m_state->options); !refusal.isEmpty())
        throw ETransportError(refusal);
    if (m_state->acceptor.joinable())
        throw ETransportError(QStringLiteral("Servidor de aplicação já está escutando na porta %1")
                                  .arg(serverPort()));
    m_state->stopping = false;
    std::promise<ListenResult> ready;
    auto result = ready.get_future();
    m_state->acceptor =
        std::thread([state = m_state.get(), address, port, ready = std::move(ready)]() mutable {
            state->acceptLoop(address, port, ready);
        });
    const ListenResult listened = result.get();
    if (!listened.ok) {
        m_state->acceptor.join();
        throw ETransportError(QStringLiteral("Não foi possível escutar em %1, porta %2: %3")
                                  .arg(address.toString())
                                  .arg(port)
                                  .arg(listened.error));
    }
}

bool RemoteServer::isListening() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->isListening;
}

quint16 RemoteServer::serverPort() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->port;
}

QHostAddress RemoteServer::serverAddress() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->address;
}

int RemoteServer::connectionCount() const {
    std::lock_guard lock(m_state->mutex);
    int count = 0;
    for (const auto& connection : m_state->connections)
        if (!connection->finished)
            ++count;
    return count;
}

void RemoteServer::close() {
    m_state->stop();
}

} // namespace ger
