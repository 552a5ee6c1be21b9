#include "platform/net/RemoteClient.h"

#include "platform/net/FrameSocket.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/ProtocolMessage.h"
#include "support/ThrowsWithMessage.h"

#include <QTcpServer>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace ger;

namespace {

// Keeps the accepted descriptor for a FrameSocket.
class AcceptingServer : public QTcpServer {
public:
    qintptr accepted = -1;

protected:
    void incomingConnection(qintptr descriptor) override { accepted = descriptor; }
};

// A server that opens any module, reads one call and answers it with scripted bytes, then
// closes: what a broken or hostile server could send.
class ScriptedServer {
public:
    explicit ScriptedServer(QByteArray answer)
        : m_answer(std::move(answer)) {
        std::promise<quint16> listening;
        auto port = listening.get_future();
        m_thread = std::thread([this, ready = std::move(listening)]() mutable { run(ready); });
        m_port = port.get();
    }
    ~ScriptedServer() { m_thread.join(); }

    quint16 port() const { return m_port; }

private:
    void run(std::promise<quint16>& ready) {
        AcceptingServer server;
        server.listen(QHostAddress::LocalHost, 0);
        ready.set_value(server.serverPort());
        if (!server.waitForNewConnection(10'000) || server.accepted < 0)
            return;
        FrameSocket io(static_cast<int>(server.accepted), protocol::kDefaultMaxFrameSize);
        QByteArrayView request;
        const QDeadlineTimer bound(10'000);
        if (io.receive(request, bound) != FrameSocket::Status::Ok)
            return;
        io.send(ProtocolMessage::moduleOpened(), bound);
        if (io.receive(request, bound) != FrameSocket::Status::Ok)
            return;
        io.send(m_answer, bound);
    }

    QByteArray m_answer;
    quint16 m_port = 0;
    std::thread m_thread;
};

struct BadReply {
    const char* name;
    QByteArray bytes;
};

QByteArray frame(const char* payloadHex) {
    const QByteArray payload = QByteArray::fromHex(payloadHex);
    return QByteArray::fromHex("000000") + char(payload.size()) + payload;
}

class RemoteClientBadReply : public testing::TestWithParam<BadReply> {};

} // namespace

TEST_P(RemoteClientBadReply, IsATransportErrorThatClosesTheClient) {
    ScriptedServer server(GetParam().bytes);
    RemoteClient client;
    client.open("127.0.0.1", server.port(), "Teste.rdmQualquer");
    QList<CallArgument> args{CallArgument::stringByRef("a")};
    EXPECT_THAT([&] { client.call("Metodo", args); },
                test::ThrowsWithMessage<ETransportError>(testing::AllOf(
                    testing::HasSubstr("Metodo"),
                    testing::HasSubstr(QString::number(server.port()).toStdString()))));
    EXPECT_FALSE(client.isOpen());
    EXPECT_EQ(args[0].value, QVariant(QString("a")));
}

INSTANTIATE_TEST_SUITE_P(
    Server, RemoteClientBadReply,
    testing::Values(BadReply{"NoReply", QByteArray()},
                    BadReply{"CutInsideTheHeader", QByteArray::fromHex("0000")},
                    BadReply{"CutInsideThePayload", QByteArray::fromHex("00000010 82 00")},
                    BadReply{"Oversized", QByteArray::fromHex("ffffffff")},
                    BadReply{"UnknownType", frame("99")},
                    BadReply{"RequestType", frame("02 01 00 00 4d 00")},
                    BadReply{"MissingByReferenceValue", frame("82 00 00")},
                    BadReply{"ExtraByReferenceValue", frame("82 00 02 03 00000000 03 00000000")},
                    BadReply{"TrailingBytes", frame("82 00 01 03 00000000 ff")},
                    BadReply{"Refused", frame("84 03 00000003 4e 616f")}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RemoteClientTest, CallOnAClosedClientIsATransportError) {
    RemoteClient client;
    QList<CallArgument> none;
    EXPECT_FALSE(client.isOpen());
    EXPECT_THROW(client.call("Metodo", none), ETransportError);
}
