#include "platform/net/NetExceptions.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/WireVariant.h"
#include "platform/net/WireWriter.h"

#include <gtest/gtest.h>

using namespace ger;
using protocol::MessageType;

namespace {

// The example of the protocol description: GetTipoOperCli("0001", var "C1", var "", "S").
const char* const kExampleCall = "00 00 00 32"
                                 "02"
                                 "01 04 00"
                                 "48 C8 C8 48"
                                 "47 65 74 54 69 70 6F 4F 70 65 72 43 6C 69 00"
                                 "03 00 00 00 04 30 30 30 31"
                                 "03 00 00 00 02 43 31"
                                 "03 00 00 00 00"
                                 "03 00 00 00 01 53";
const char* const kExampleReply = "00 00 00 17  82  04 00 00 00 02 AB CD  02"
                                  "03 00 00 00 02 43 31  03 00 00 00 02 30 37";

CallRecord exampleCall() {
    return {"GetTipoOperCli",
            {CallArgument::string("0001"), CallArgument::stringByRef("C1"),
             CallArgument::stringByRef(""), CallArgument::string("S")}};
}

QByteArray payloadOf(const QByteArray& frame) {
    return frame.mid(protocol::kFrameHeaderSize);
}

QByteArray callPayload(const char* hexAfterType) {
    return QByteArray(1, '\x02') + QByteArray::fromHex(hexAfterType);
}

} // namespace

TEST(CallRecordTest, ExampleCallIsByteForByteAsDocumented) {
    EXPECT_EQ(ProtocolMessage::call(exampleCall()).toHex(' '),
              QByteArray::fromHex(kExampleCall).toHex(' '));
}

TEST(CallRecordTest, ExampleReplyIsByteForByteAsDocumented) {
    EXPECT_EQ(ProtocolMessage::result(QByteArray("\xAB\xCD"), {"C1", "07"}).toHex(' '),
              QByteArray::fromHex(kExampleReply).toHex(' '));
}

TEST(CallRecordTest, ExampleCallReadsBackAsSent) {
    const RequestMessage request =
        ProtocolMessage::readRequest(payloadOf(QByteArray::fromHex(kExampleCall)));
    EXPECT_EQ(request.type, MessageType::Call);
    EXPECT_EQ(request.call.method, "GetTipoOperCli");
    EXPECT_EQ(request.call.arguments, exampleCall().arguments);
    EXPECT_EQ(request.call.byReferenceCount(), 2);
}

TEST(CallRecordTest, ExampleReplyReadsBackAsSent) {
    const ReplyMessage reply =
        ProtocolMessage::readReply(payloadOf(QByteArray::fromHex(kExampleReply)));
    EXPECT_EQ(reply.type, MessageType::Result);
    EXPECT_EQ(reply.result, QVariant(QByteArray("\xAB\xCD")));
    EXPECT_EQ(reply.byReference, QStringList({"C1", "07"}));
}

struct KindCase {
    const char* name;
    CallArgument argument;
    const char* expectedHex; // kind byte, name "M", zero byte, value
};

class CallRecordKinds : public testing::TestWithParam<KindCase> {};

TEST_P(CallRecordKinds, KindByteAndValueFollowTheArgument) {
    const QByteArray frame = ProtocolMessage::call({"M", {GetParam().argument}});
    EXPECT_EQ(payloadOf(frame).toHex(' '),
              (QByteArray::fromHex("02 01 01 00") + QByteArray::fromHex(GetParam().expectedHex))
                  .toHex(' '));
    const RequestMessage back = ProtocolMessage::readRequest(payloadOf(frame));
    ASSERT_EQ(back.call.arguments.size(), 1);
    EXPECT_EQ(back.call.arguments[0].kind, GetParam().argument.kind);
    EXPECT_EQ(back.call.arguments[0].value, GetParam().argument.value);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CallRecordKinds,
    testing::Values(
        KindCase{"StringByValue", CallArgument::string("ab"), "48 4D 00 03 00000002 6162"},
        KindCase{"StringByReference", CallArgument::stringByRef("ab"), "C8 4D 00 03 00000002 6162"},
        KindCase{"VariantText", CallArgument::variant(QString("ab")), "0C 4D 00 03 00000002 6162"},
        KindCase{"VariantBytes", CallArgument::variant(QByteArray("\x01", 1)),
                 "0C 4D 00 04 00000001 01"},
        KindCase{"VariantNull", CallArgument::variant(QVariant()), "0C 4D 00 00"},
        KindCase{"VariantInteger", CallArgument::variant(qint64(5)),
                 "0C 4D 00 02 0000000000000005"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(CallRecordTest, MethodNameIsUtf8) {
    const QByteArray frame = ProtocolMessage::call({"Ação", {}});
    EXPECT_EQ(payloadOf(frame).toHex(' '), "02 01 00 00 41 c3 a7 c3 a3 6f 00");
    EXPECT_EQ(ProtocolMessage::readRequest(payloadOf(frame)).call.method, "Ação");
}

// A name sent with a leading byte-order mark is not the method without it, and a mark alone
// is a name, not an empty one.
TEST(CallRecordTest, AByteOrderMarkBeforeTheMethodNameIsKept) {
    const QString marked = QStringLiteral("\uFEFFGetTpOperFil");
    EXPECT_EQ(ProtocolMessage::readRequest(callPayload("010000efbbbf476574547000")).call.method,
              QStringLiteral("\uFEFFGetTp"));
    EXPECT_EQ(ProtocolMessage::readRequest(callPayload("010000efbbbf00")).call.method,
              QStringLiteral("\uFEFF"));
    const QByteArray frame = ProtocolMessage::call({marked, {}});
    EXPECT_EQ(ProtocolMessage::readRequest(payloadOf(frame)).call.method, marked);
}

TEST(CallRecordTest, EveryTruncationOfACallIsRefused) {
    const QByteArray payload = payloadOf(QByteArray::fromHex(kExampleCall));
    for (qsizetype size = 0; size < payload.size(); ++size)
        EXPECT_THROW(ProtocolMessage::readRequest(payload.first(size)), EProtocolError)
            << "prefix of " << size;
}

TEST(CallRecordTest, EveryTruncationOfAReplyIsRefused) {
    const QByteArray payload = payloadOf(QByteArray::fromHex(kExampleReply));
    for (qsizetype size = 0; size < payload.size(); ++size)
        EXPECT_THROW(ProtocolMessage::readReply(payload.first(size)), EProtocolError)
            << "prefix of " << size;
}

struct BadCall {
    const char* name;
    QByteArray payload;
};

class CallRecordMalformed : public testing::TestWithParam<BadCall> {};

TEST_P(CallRecordMalformed, IsRefused) {
    EXPECT_THROW(ProtocolMessage::readRequest(GetParam().payload), EProtocolError);
}

INSTANTIATE_TEST_SUITE_P(
    Input, CallRecordMalformed,
    testing::Values(
        BadCall{"PropertyGetCallKind", callPayload("02 00 00 4D 00")},
        BadCall{"NamedArguments", callPayload("01 01 01 48 4D 00 03 00000000")},
        BadCall{"UnknownKindByte", callPayload("01 01 00 08 4D 00 03 00000000")},
        BadCall{"NameWithoutZero", callPayload("01 00 00 4D 4D")},
        BadCall{"EmptyName", callPayload("01 00 00 00")},
        BadCall{"NameNotUtf8", callPayload("01 00 00 FF 00")},
        BadCall{"StringKindWithInteger", callPayload("01 01 00 48 4D 00 02 0000000000000001")},
        BadCall{"ByRefKindWithNull", callPayload("01 01 00 C8 4D 00 00")},
        BadCall{"MissingArgumentValue", callPayload("01 02 00 48 48 4D 00 03 00000000")},
        BadCall{"TrailingByte", callPayload("01 00 00 4D 00 00")},
        BadCall{"UnknownMessageType", QByteArray::fromHex("7F")},
        BadCall{"ReplyTypeFromClient", QByteArray::fromHex("83 03 00000000")},
        BadCall{"EmptyPayload", QByteArray()}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(CallRecordTest, EveryByteMutationOfACallIsReadOrRefusedCleanly) {
    const QByteArray payload = payloadOf(QByteArray::fromHex(kExampleCall));
    int refused = 0;
    for (qsizetype at = 0; at < payload.size(); ++at)
        for (const char replacement : {'\x00', '\x7F', '\x80', '\xFF'}) {
            QByteArray mutated = payload;
            mutated[at] = replacement;
            try {
                ProtocolMessage::readRequest(mutated);
            } catch (const EProtocolError&) {
                ++refused;
            }
        }
    // Lengths, tags and kinds are everywhere in a call: most mutations must be caught.
    EXPECT_GT(refused, payload.size());
}

TEST(CallRecordTest, CallsTheRecordCannotCarryAreRefusedBeforeSending) {
    EXPECT_THROW(ProtocolMessage::call({"", {}}), EProtocolError);
    EXPECT_THROW(ProtocolMessage::call({QString("A") + QChar(0) + "B", {}}), EProtocolError);
    EXPECT_THROW(ProtocolMessage::call({QString(256, 'm'), {}}), EProtocolError);
    EXPECT_NO_THROW(ProtocolMessage::call({QString(255, 'm'), {}}));
    EXPECT_THROW(ProtocolMessage::call({"M", QList<CallArgument>(256, CallArgument::string(""))}),
                 EProtocolError);
    EXPECT_NO_THROW(
        ProtocolMessage::call({"M", QList<CallArgument>(255, CallArgument::string(""))}));
    EXPECT_THROW(ProtocolMessage::call({"M", {{CallArgument::Kind::StringByRef, QVariant(5)}}}),
                 EProtocolError);
    EXPECT_THROW(ProtocolMessage::call({"M", {CallArgument::variant(2.5)}}), EProtocolError);
}

TEST(CallRecordTest, CallOverTheFrameLimitIsRefused) {
    const CallRecord call{"M", {CallArgument::variant(QByteArray(100, 'p'))}};
    EXPECT_THROW(ProtocolMessage::call(call, 64), EProtocolError);
    EXPECT_NO_THROW(ProtocolMessage::call(call, 200));
}

TEST(ProtocolMessageTest, SessionMessagesReadBack) {
    const RequestMessage open = ProtocolMessage::readRequest(payloadOf(
        ProtocolMessage::openModule("Ger99500.rdmTpOperFil", {"maria", "senha é secreta"})));
    EXPECT_EQ(open.type, MessageType::OpenModule);
    EXPECT_EQ(open.version, protocol::kVersion);
    EXPECT_EQ(open.moduleName, "Ger99500.rdmTpOperFil");
    EXPECT_EQ(open.credential.user, "maria");
    EXPECT_EQ(open.credential.password, "senha é secreta");

    EXPECT_EQ(ProtocolMessage::moduleOpened().toHex(' '), "00 00 00 02 81 02");
    const ReplyMessage login =
        ProtocolMessage::readReply(payloadOf(ProtocolMessage::loginRefused("Usuário")));
    EXPECT_EQ(login.type, MessageType::LoginRefused);
    EXPECT_EQ(login.message, "Usuário");
    const ReplyMessage error =
        ProtocolMessage::readReply(payloadOf(ProtocolMessage::remoteException("Falhou")));
    EXPECT_EQ(error.type, MessageType::RemoteException);
    EXPECT_EQ(error.message, "Falhou");
    const ReplyMessage refused =
        ProtocolMessage::readReply(payloadOf(ProtocolMessage::refused("Não")));
    EXPECT_EQ(refused.type, MessageType::Refused);
    EXPECT_EQ(refused.message, "Não");
}

TEST(ProtocolMessageTest, RepliesWithWrongShapesAreRefused) {
    // A request type from the server, a result whose by-reference value is not text, a
    // remote exception whose message is an integer.
    for (const char* hex : {"02 01 00 00 4D 00", "82 00 01 02 0000000000000001",
                            "83 02 0000000000000001", "81", "81 01 00"})
        EXPECT_THROW(ProtocolMessage::readReply(QByteArray::fromHex(hex)), EProtocolError) << hex;
}

// The reader holds the writer's bound on a method name: 255 bytes, and no more.
TEST(CallRecordTest, AMethodNameOf255BytesReadsBackAnd256AreRefused) {
    const auto callNamed = [](int length) {
        return QByteArray(1, '\x02') + QByteArray::fromHex("01 00 00") + QByteArray(length, 'M') +
               QByteArray(1, '\0');
    };
    EXPECT_EQ(ProtocolMessage::readRequest(callNamed(255)).call.method, QString(255, u'M'));
    try {
        ProtocolMessage::readRequest(callNamed(256));
        ADD_FAILURE() << "a 256-byte method name was read";
    } catch (const EProtocolError& e) {
        EXPECT_TRUE(e.Message().contains(QString::fromUtf8("o nome do método com mais de 255")))
            << e.Message().toStdString();
    }
}

// The texts of the protocol's errors are UTF-8 throughout: their accents reach the peer intact.
TEST(CallRecordTest, AProtocolErrorNamesWhatWasWrongWithItsAccents) {
    const QByteArray open = payloadOf(ProtocolMessage::openModule("Ger99500.rdmTpOperFil"));
    WireWriter number;
    WireVariant::write(number, QVariant(qint64(3)));
    try {
        // A number where the module's name goes.
        ProtocolMessage::readRequest(open.left(2) +
                                     number.takeFrame().mid(protocol::kFrameHeaderSize));
        ADD_FAILURE() << "an OpenModule without its module name was read";
    } catch (const EProtocolError& e) {
        EXPECT_TRUE(e.Message().contains(QString::fromUtf8("o nome do módulo")))
            << e.Message().toStdString();
        EXPECT_FALSE(e.Message().contains(QString::fromUtf8("Ã"))) << e.Message().toStdString();
    }
}
