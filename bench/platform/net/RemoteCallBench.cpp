// An empty remote call over loopback, beside bare loopback ping-pongs that exchange frames of
// the same sizes with no protocol at all: one over POSIX sockets (blocking reads and writes, the
// system calls the server and the client make), one over blocking QTcpSockets (for scale: Qt's
// blocking mode adds a poll and an ioctl to every read). Compare the ratios of the times:
//
//   bench_platform_net --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
//
// All ends disable Nagle's algorithm, as the server and the client do.

#include "platform/net/ProtocolMessage.h"
#include "platform/net/RemoteClient.h"
#include "platform/net/RemoteDataModule.h"
#include "platform/net/RemoteServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <future>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace ger;

namespace {

const QString kModule = QStringLiteral("Bench.rdmVazio");
const QString kMethod = QStringLiteral("Vazio");

class EmptyModule : public RemoteDataModule {
public:
    EmptyModule()
        : RemoteDataModule(kModule) {
        addMethod(kMethod, [](QList<CallArgument>&) { return QVariant(); });
    }
};

// The frame sizes of one empty call and its reply.
qsizetype requestSize() {
    return ProtocolMessage::call({kMethod, {}}).size();
}
qsizetype replySize() {
    return ProtocolMessage::result(QVariant(), {}).size();
}

bool readExactly(QTcpSocket& socket, qsizetype size, char* into) {
    qsizetype got = 0;
    while (got < size) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(-1))
            return false;
        got += socket.read(into + got, size - got);
    }
    return true;
}

void writeAll(QTcpSocket& socket, const QByteArray& bytes) {
    socket.write(bytes);
    socket.flush();
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(-1)) {
    }
}

// Answers every request of `in` bytes with `out` bytes until the client leaves.
class QtEchoServer {
public:
    QtEchoServer(qsizetype in, qsizetype out) {
        std::promise<quint16> ready;
        auto port = ready.get_future();
        m_thread = std::thread([in, out, ready = std::move(ready)]() mutable {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, 0);
            ready.set_value(server.serverPort());
            server.waitForNewConnection(-1);
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            QByteArray request(in, '\0');
            const QByteArray reply(out, '\x82');
            while (readExactly(*socket, in, request.data()))
                writeAll(*socket, reply);
        });
        m_port = port.get();
    }
    ~QtEchoServer() { m_thread.join(); }
    quint16 port() const { return m_port; }

private:
    quint16 m_port = 0;
    std::thread m_thread;
};

void BM_BareQtSocketPingPong(benchmark::State& state) {
    const qsizetype in = requestSize();
    const qsizetype out = replySize();
    QtEchoServer server(in, out);
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        socket.waitForConnected(-1);
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const QByteArray request(in, '\x02');
        QByteArray reply(out, '\0');
        for (auto _ : state) {
            writeAll(socket, request);
            if (!readExactly(socket, out, reply.data()))
                state.SkipWithError("echo server went away");
        }
    }
}
BENCHMARK(BM_BareQtSocketPingPong)->UseRealTime();

bool posixReadExactly(int fd, char* into, qsizetype size) {
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, into + got, static_cast<size_t>(size - got));
        if (n <= 0)
            return false;
        got += n;
    }
    return true;
}

void noDelay(int fd) {
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

void BM_BarePosixPingPong(benchmark::State& state) {
    const qsizetype in = requestSize();
    const qsizetype out = replySize();
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(listener, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(listener, 1);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    std::thread server([&] {
        const int fd = ::accept(listener, nullptr, nullptr);
        noDelay(fd);
        QByteArray request(in, '\0');
        const QByteArray reply(out, '\x82');
        while (posixReadExactly(fd, request.data(), in))
            ::write(fd, reply.constData(), static_cast<size_t>(out));
        ::close(fd);
    });
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ::connect(fd, reinterpret_cast<sockaddr*>(&address), length);
    noDelay(fd);
    const QByteArray request(in, '\x02');
    QByteArray reply(out, '\0');
    for (auto _ : state) {
        ::write(fd, request.constData(), static_cast<size_t>(in));
        if (!posixReadExactly(fd, reply.data(), out))
            state.SkipWithError("echo server went away");
    }
    ::close(fd);
    server.join();
    ::close(listener);
}
BENCHMARK(BM_BarePosixPingPong)->UseRealTime();

void BM_EmptyRemoteCall(benchmark::State& state) {
    RemoteModuleRegistry modules;
    modules.add(kModule, [] { return std::make_unique<EmptyModule>(); });
    RemoteServer server(modules);
    server.listen();
    RemoteClient client;
    client.open("127.0.0.1", server.serverPort(), kModule);
    QList<CallArgument> none;
    for (auto _ : state)
        benchmark::DoNotOptimize(client.call(kMethod, none));
}
BENCHMARK(BM_EmptyRemoteCall)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
