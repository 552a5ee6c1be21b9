// ger-appserver under a 1 GiB address-space limit, as a host with little memory runs it: a
// 64 MiB frame that is one array of millions of empty values ends only its own session, and
// the server goes on serving. (Not under the sanitizers, whose shadow memory needs more
// address space than the limit.)

#include "ProgramRun.h"
#include "platform/net/FrameSocket.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/RemoteClient.h"
#include "platform/net/TcpConnector.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <sys/resource.h>

using namespace ger;
using namespace ger::test;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

constexpr rlim_t kAddressSpace = rlim_t(1) << 30;

// A Call of "Eco" whose one argument is an array of empty values filling a frame of the
// server's largest size.
QByteArray hugeArrayCall() {
    const QByteArray record = QByteArray::fromHex("0101000c") + "Eco" + '\0';
    const qsizetype payload = protocol::kDefaultMaxFrameSize;
    const qsizetype values = payload - 1 - record.size() - 5;
    QByteArray frame(protocol::kFrameHeaderSize, Qt::Uninitialized);
    qToBigEndian(quint32(payload), frame.data());
    frame += '\x02' + record + '\x05';
    QByteArray count(4, Qt::Uninitialized);
    qToBigEndian(quint32(values), count.data());
    frame += count;
    frame += QByteArray(values, '\0');
    return frame;
}

} // namespace

TEST(ProgramLimitsTest, AHugeArrayFrameEndsOnlyItsSessionUnderAnAddressSpaceLimit) {
    if (kSanitized)
        GTEST_SKIP() << "the sanitizers' shadow memory does not fit the limit";
    QTemporaryDir dir;
    const QString database = dir.filePath("demo.sqlite");
    EnsureCoreApplication();
    ASSERT_EQ(RunProgram(GER_APPSERVER_EXE, {"--init-demo", database}).exitCode, 0);

    QProcess server;
    server.setChildProcessModifier([] {
        const rlimit limit{kAddressSpace, kAddressSpace};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    const quint16 port =
        StartServer(server, GER_APPSERVER_EXE, {"--database", database, "--workers", "4"});
    ASSERT_NE(port, 0);

    QString failure;
    const int descriptor = TcpConnector::connect("127.0.0.1", port, QDeadlineTimer(5000), failure);
    ASSERT_GE(descriptor, 0) << failure.toStdString();
    FrameSocket io(descriptor, protocol::kDefaultMaxFrameSize);
    QByteArrayView payload;
    ASSERT_EQ(io.send(ProtocolMessage::openModule("Ger99500.rdmTpOperFil"), QDeadlineTimer(5000)),
              FrameSocket::Status::Ok);
    ASSERT_EQ(io.receive(payload, QDeadlineTimer(5000)), FrameSocket::Status::Ok);
    ASSERT_EQ(ProtocolMessage::readReply(payload).type, protocol::MessageType::ModuleOpened);
    ASSERT_EQ(io.send(hugeArrayCall(), QDeadlineTimer(30'000)), FrameSocket::Status::Ok);
    ASSERT_EQ(io.receive(payload, QDeadlineTimer(30'000)), FrameSocket::Status::Ok);
    const ReplyMessage refused = ProtocolMessage::readReply(payload);
    EXPECT_EQ(refused.type, protocol::MessageType::Refused);
    EXPECT_TRUE(refused.message.contains(QString::number(protocol::kMaxValuesPerMessage)))
        << refused.message.toStdString();

    RemoteClient next;
    next.open("127.0.0.1", port, "Ger99500.rdmTpOperFil");
    QList<CallArgument> arguments{CallArgument::string("0001")};
    EXPECT_EQ(next.call("GetTpOperFil", arguments).typeId(), QMetaType::QByteArray);
    EXPECT_EQ(server.state(), QProcess::Running) << server.readAllStandardError().toStdString();
    server.terminate();
    server.waitForFinished(kProgramWaitMs);
}
