#include "platform/net/RemoteServer.h"

#include "EchoModule.h"
#include "platform/net/FrameSocket.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/RemoteClient.h"
#include "platform/net/TcpConnector.h"
#include "support/ThrowsWithMessage.h"

#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace ger;
using namespace ger::test;
using testing::AllOf;
using testing::HasSubstr;

namespace {

// A bare connection to the server at `port`, for talking the protocol by hand.
std::unique_ptr<FrameSocket> rawConnection(quint16 port) {
    QString failure;
    const int descriptor = TcpConnector::connect("127.0.0.1", port, QDeadlineTimer(5000), failure);
    EXPECT_GE(descriptor, 0) << failure.toStdString();
    return std::make_unique<FrameSocket>(descriptor, protocol::kDefaultMaxFrameSize);
}

class RemoteServerTest : public testing::Test {
protected:
    void SetUp() override { server.listen(); }

    std::unique_ptr<RemoteClient> connect(RemoteClient::Options options = {}) {
        auto client = std::make_unique<RemoteClient>(options);
        client->open("127.0.0.1", server.serverPort(), kEchoModuleName);
        return client;
    }

    // The server's answer to raw `bytes` on a fresh connection, and whether it then closed.
    std::pair<ReplyMessage, bool> rawExchange(const QByteArray& bytes) {
        const std::unique_ptr<FrameSocket> io = rawConnection(server.serverPort());
        QByteArrayView payload;
        EXPECT_EQ(io->send(bytes, QDeadlineTimer(5000)), FrameSocket::Status::Ok);
        EXPECT_EQ(io->receive(payload, QDeadlineTimer(5000)), FrameSocket::Status::Ok);
        const ReplyMessage reply = ProtocolMessage::readReply(payload);
        QByteArrayView more;
        const bool closed = io->receive(more, QDeadlineTimer(5000)) == FrameSocket::Status::Closed;
        return {reply, closed};
    }

    std::shared_ptr<CallGate> gate = std::make_shared<CallGate>();
    RemoteServer server{echoRegistry(gate)};
};

} // namespace

TEST_F(RemoteServerTest, ListensOnLoopbackOnTheChosenFreePort) {
    EXPECT_TRUE(server.isListening());
    EXPECT_NE(server.serverPort(), 0);
    EXPECT_EQ(server.serverAddress(), QHostAddress(QHostAddress::LocalHost));
}

TEST_F(RemoteServerTest, ArgumentsOfEveryKindArriveAsSent) {
    auto client = connect();
    QList<CallArgument> args{CallArgument::string("0001"), CallArgument::stringByRef("Sé"),
                             CallArgument::variant(QByteArray("\0pk", 3)),
                             CallArgument::variant(QVariant())};
    const QVariant result = client->call("Eco", args);
    EXPECT_EQ(result, QVariant(QVariantList{QString("0001"), QString("Sé"), QByteArray("\0pk", 3),
                                            QVariant()}));
    EXPECT_EQ(args[1].value, QVariant(QString("Sé")));
    EXPECT_EQ(client->call("Tipos", args), QVariant(QString("48 C8 0C 0C")));
}

TEST_F(RemoteServerTest, ByReferenceValuesAreStoredBackAndByValueOnesAreNot) {
    auto client = connect();
    QList<CallArgument> args{CallArgument::stringByRef("filial"), CallArgument::string("fixo"),
                             CallArgument::stringByRef("")};
    EXPECT_EQ(client->call("Maiusculas", args), QVariant(qint64(2)));
    EXPECT_EQ(args[0].value, QVariant(QString("FILIAL!")));
    EXPECT_EQ(args[1].value, QVariant(QString("fixo")));
    EXPECT_EQ(args[2].value, QVariant(QString("!")));
}

TEST_F(RemoteServerTest, RemoteExceptionCarriesTheMethodsMessageAndKeepsTheConnection) {
    auto client = connect();
    QList<CallArgument> args{CallArgument::string("Tipo de operação inválido")};
    EXPECT_THAT([&] { client->call("Falha", args); },
                ThrowsWithMessage<ERemoteError>("Tipo de operação inválido"));
    EXPECT_TRUE(client->isOpen());
    QList<CallArgument> none;
    EXPECT_EQ(client->call("Contador", none), QVariant(qint64(1)));
}

TEST_F(RemoteServerTest, UnknownMethodIsARemoteException) {
    auto client = connect();
    QList<CallArgument> none;
    EXPECT_THROW(client->call("Inexistente", none), ERemoteError);
    EXPECT_TRUE(client->isOpen());
}

TEST_F(RemoteServerTest, UnknownModuleIsRefusedWithAMessageNamingIt) {
    RemoteClient client;
    EXPECT_THAT([&] { client.open("127.0.0.1", server.serverPort(), "Ger99500.rdmOutro"); },
                ThrowsWithMessage<ETransportError>(
                    AllOf(HasSubstr("Ger99500.rdmOutro"),
                          HasSubstr(QString::number(server.serverPort()).toStdString()))));
    EXPECT_FALSE(client.isOpen());
}

TEST_F(RemoteServerTest, RefusedConnectionNamesHostAndPort) {
    const quint16 port = server.serverPort();
    server.close();
    EXPECT_FALSE(server.isListening());
    RemoteClient client;
    EXPECT_THAT([&] { client.open("127.0.0.1", port, kEchoModuleName); },
                ThrowsWithMessage<ETransportError>(
                    AllOf(HasSubstr("127.0.0.1"), HasSubstr(QString::number(port).toStdString()),
                          HasSubstr("conexão recusada"))));
}

TEST_F(RemoteServerTest, HostNamesAreResolved) {
    RemoteClient client;
    client.open("localhost", server.serverPort(), kEchoModuleName);
    QList<CallArgument> none;
    EXPECT_EQ(client.call("Contador", none), QVariant(qint64(1)));
}

TEST_F(RemoteServerTest, EachConnectionHasItsOwnModuleInstance) {
    auto first = connect();
    auto second = connect();
    QList<CallArgument> none;
    EXPECT_EQ(first->call("Contador", none), QVariant(qint64(1)));
    EXPECT_EQ(first->call("Contador", none), QVariant(qint64(2)));
    EXPECT_EQ(second->call("Contador", none), QVariant(qint64(1)));
    EXPECT_EQ(server.connectionCount(), 2);
}

TEST_F(RemoteServerTest, LargePacketsCrossIntact) {
    auto client = connect();
    QList<CallArgument> args{CallArgument::variant(5'000'000)};
    const QByteArray packet = client->call("Pacote", args).toByteArray();
    ASSERT_EQ(packet.size(), 5'000'000);
    for (qsizetype i = 0; i < packet.size(); i += 4099)
        ASSERT_EQ(packet[i], static_cast<char>(i * 7)) << i;
    QList<CallArgument> back{CallArgument::variant(packet)};
    EXPECT_EQ(client->call("Eco", back).toList().value(0).toByteArray(), packet);
}

TEST_F(RemoteServerTest, OneSlowCallDoesNotHoldUpOtherClients) {
    std::promise<QVariant> slowResult;
    std::thread slow([&] {
        auto client = connect();
        QList<CallArgument> none;
        slowResult.set_value(client->call("Lento", none));
    });
    ASSERT_TRUE(gate->waitEntered());

    constexpr int kClients = 3;
    constexpr int kCalls = 40;
    std::vector<std::future<bool>> fast;
    for (int c = 0; c < kClients; ++c)
        fast.push_back(std::async(std::launch::async, [&, c] {
            auto client = connect();
            bool allRight = true;
            for (int i = 1; i <= kCalls; ++i) {
                QList<CallArgument> args{CallArgument::string(QString::number(c)),
                                         CallArgument::stringByRef("x")};
                allRight &= client->call("Contador", args) == QVariant(qint64(i));
                allRight &= client->call("Maiusculas", args) == QVariant(qint64(1));
                allRight &= args[1].value == QVariant(QString("X!"));
            }
            return allRight;
        }));
    for (auto& client : fast)
        EXPECT_TRUE(client.get());
    // Only now is the slow call let go; had the fast clients waited for it, it would have
    // run out its bound first.
    gate->release();
    slow.join();
    EXPECT_EQ(slowResult.get_future().get(), QVariant(QString("liberado")));
}

TEST_F(RemoteServerTest, ClosingTheServerMidCallEndsTheCallWithATransportError) {
    std::promise<bool> transportFailed;
    std::thread caller([&] {
        auto client = connect();
        QList<CallArgument> none;
        try {
            client->call("Lento", none);
            transportFailed.set_value(false);
        } catch (const ETransportError&) {
            transportFailed.set_value(!client->isOpen());
        }
    });
    ASSERT_TRUE(gate->waitEntered());
    std::thread closer([&] { server.close(); });
    EXPECT_TRUE(transportFailed.get_future().get());
    gate->release();
    closer.join();
    caller.join();
    EXPECT_FALSE(server.isListening());
}

TEST_F(RemoteServerTest, IdleClientLearnsOfAClosedServerAtItsNextCall) {
    auto client = connect();
    server.close();
    QList<CallArgument> none;
    EXPECT_THROW(client->call("Contador", none), ETransportError);
    EXPECT_FALSE(client->isOpen());
    EXPECT_THROW(client->call("Contador", none), ETransportError);
}

TEST_F(RemoteServerTest, CallWithoutReplyInTimeClosesTheClient) {
    RemoteClient::Options options;
    options.callTimeoutMs = 100;
    auto client = connect(options);
    QList<CallArgument> none;
    EXPECT_THAT([&] { client->call("Lento", none); },
                ThrowsWithMessage<ETransportError>(HasSubstr("Lento")));
    EXPECT_FALSE(client->isOpen());
    gate->release();
}

TEST_F(RemoteServerTest, ArgumentThatCannotTravelIsATransportErrorBeforeSending) {
    auto client = connect();
    QList<CallArgument> args{CallArgument::variant(2.5)};
    EXPECT_THAT([&] { client->call("Eco", args); },
                ThrowsWithMessage<ETransportError>(HasSubstr("double")));
    EXPECT_FALSE(client->isOpen());
}

TEST_F(RemoteServerTest, GarbageIsRefusedAndTheConnectionClosed) {
    const auto [reply, closed] = rawExchange(QByteArray::fromHex("00000002 99 00"));
    EXPECT_EQ(reply.type, protocol::MessageType::Refused);
    EXPECT_TRUE(closed);
    EXPECT_NO_THROW(connect());
}

TEST_F(RemoteServerTest, OversizedFrameIsRefusedWithoutWaitingForItsPayload) {
    const auto [reply, closed] = rawExchange(QByteArray::fromHex("7fffffff"));
    EXPECT_EQ(reply.type, protocol::MessageType::Refused);
    EXPECT_TRUE(closed);
}

// Until its module is open a connection gets no more than a small frame: a megabyte from a
// peer that has not even said which module it wants is refused before it is read.
TEST_F(RemoteServerTest, ALargeFrameBeforeTheModuleIsOpenIsRefused) {
    const auto [reply, closed] = rawExchange(QByteArray::fromHex("00100000"));
    EXPECT_EQ(reply.type, protocol::MessageType::Refused);
    EXPECT_TRUE(reply.message.contains(QString::number(protocol::kOpeningMaxFrameSize)))
        << reply.message.toStdString();
    EXPECT_TRUE(closed);
    EXPECT_NO_THROW(connect());
}

// A frame of a million empty values (one byte each on the wire, some 32 in memory) is refused
// when the bound on values is reached, and the server goes on serving.
TEST_F(RemoteServerTest, AMessageOfMoreValuesThanTheBoundIsRefusedAndTheServerGoesOn) {
    auto client = connect();
    QList<CallArgument> many{CallArgument::variant(QVariantList(1'000'000))};
    EXPECT_THAT([&] { client->call("Eco", many); },
                ThrowsWithMessage<ETransportError>(
                    HasSubstr(QString::number(protocol::kMaxValuesPerMessage).toStdString())));
    QList<CallArgument> some{CallArgument::variant(QVariantList(1000))};
    EXPECT_EQ(connect()->call("Eco", some).toList().value(0).toList().size(), 1000);
}

// A connection that never opens its module does not hold a place for ever.
TEST(RemoteServerTimeoutTest, AConnectionThatOpensNoModuleIsRefusedAfterTheOpeningTimeout) {
    RemoteServer::Options options;
    options.openingTimeoutMs = 200;
    RemoteServer server(echoRegistry(std::make_shared<CallGate>()), options);
    server.listen();
    const std::unique_ptr<FrameSocket> silent = rawConnection(server.serverPort());
    QByteArrayView payload;
    ASSERT_EQ(silent->receive(payload, QDeadlineTimer(5000)), FrameSocket::Status::Ok);
    const ReplyMessage reply = ProtocolMessage::readReply(payload);
    EXPECT_EQ(reply.type, protocol::MessageType::Refused);
    EXPECT_TRUE(reply.message.contains("Nenhum módulo aberto")) << reply.message.toStdString();
    EXPECT_EQ(silent->receive(payload, QDeadlineTimer(5000)), FrameSocket::Status::Closed);
}

// An idle session is closed by the server; its client's next call goes on a new session,
// and the call in between, never sent, is not lost.
TEST(RemoteServerTimeoutTest, AnIdleSessionIsClosedAndTheNextCallOpensANewOne) {
    RemoteServer::Options options;
    options.idleTimeoutMs = 150;
    RemoteServer server(echoRegistry(std::make_shared<CallGate>()), options);
    server.listen();
    RemoteClient client;
    client.open("127.0.0.1", server.serverPort(), kEchoModuleName);
    QList<CallArgument> none;
    EXPECT_EQ(client.call("Contador", none).toInt(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(client.call("Contador", none).toInt(), 1) << "a new session, a new module";
    EXPECT_EQ(client.call("Contador", none).toInt(), 2);
}

TEST_F(RemoteServerTest, CallBeforeOpeningAModuleIsRefused) {
    const auto [reply, closed] = rawExchange(ProtocolMessage::call({"Contador", {}}));
    EXPECT_EQ(reply.type, protocol::MessageType::Refused);
    EXPECT_TRUE(closed);
}

TEST_F(RemoteServerTest, ConnectionsBeyondTheLimitAreRefused) {
    RemoteServer::Options options;
    options.maxConnections = 1;
    RemoteServer small(echoRegistry(gate), options);
    small.listen();
    RemoteClient first;
    first.open("127.0.0.1", small.serverPort(), kEchoModuleName);
    RemoteClient second;
    EXPECT_THROW(second.open("127.0.0.1", small.serverPort(), kEchoModuleName), ETransportError);
    QList<CallArgument> none;
    EXPECT_EQ(first.call("Contador", none), QVariant(qint64(1)));
}

TEST_F(RemoteServerTest, PortInUseIsAClearError) {
    RemoteServer other(echoRegistry(gate));
    EXPECT_THROW(other.listen(QHostAddress::LocalHost, server.serverPort()), ETransportError);
    EXPECT_THROW(server.listen(), ETransportError);
}
