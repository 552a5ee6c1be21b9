#include "platform/net/ServerSession.h"

#include "EchoModule.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/WireVariant.h"
#include "platform/net/WireWriter.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;
using protocol::MessageType;

namespace {

class ServerSessionTest : public testing::Test {
protected:
    ReplyMessage send(const QByteArray& frame) {
        return ProtocolMessage::readReply(
            session.handle(frame.mid(protocol::kFrameHeaderSize)).mid(protocol::kFrameHeaderSize));
    }
    ReplyMessage open(const QString& name = kEchoModuleName) {
        return send(ProtocolMessage::openModule(name));
    }
    ReplyMessage call(const QString& method, QList<CallArgument> args = {}) {
        return send(ProtocolMessage::call({method, args}));
    }

    std::shared_ptr<CallGate> gate = std::make_shared<CallGate>();
    RemoteModuleRegistry registry = echoRegistry(gate);
    ServerSession session{registry};
};

} // namespace

TEST_F(ServerSessionTest, OpensAModuleNamedWithoutRegardToCase) {
    EXPECT_EQ(open("teste.RDMECO").type, MessageType::ModuleOpened);
    EXPECT_TRUE(session.hasModule());
    EXPECT_FALSE(session.isClosing());
    EXPECT_EQ(call("Contador").result, QVariant(qint64(1)));
}

TEST_F(ServerSessionTest, UnknownModuleIsRefusedNamingIt) {
    const ReplyMessage reply = open("Ger99500.rdmNada");
    EXPECT_EQ(reply.type, MessageType::Refused);
    EXPECT_TRUE(reply.message.contains("Ger99500.rdmNada")) << reply.message.toStdString();
    EXPECT_TRUE(session.isClosing());
    EXPECT_FALSE(session.hasModule());
}

TEST_F(ServerSessionTest, CallBeforeOpeningIsRefused) {
    EXPECT_EQ(call("Contador").type, MessageType::Refused);
    EXPECT_TRUE(session.isClosing());
}

TEST_F(ServerSessionTest, SecondOpenIsRefused) {
    open();
    EXPECT_EQ(open().type, MessageType::Refused);
    EXPECT_TRUE(session.isClosing());
}

// A client of the first version sends no credential: its opening is refused by version, not
// as a truncated message.
TEST_F(ServerSessionTest, AClientOfTheFirstVersionIsToldBothVersions) {
    WireWriter writer;
    writer.writeU8(0x01);
    writer.writeU8(0x01);
    WireVariant::writeString(writer, kEchoModuleName);
    const ReplyMessage reply =
        ProtocolMessage::readReply(session.handle(writer.takeFrame().mid(4)).mid(4));
    EXPECT_EQ(reply.type, MessageType::Refused);
    EXPECT_EQ(reply.message,
              "Versão 1 do protocolo não suportada (o servidor usa a 2); atualize o cliente");
    EXPECT_TRUE(session.isClosing());
}

TEST_F(ServerSessionTest, MalformedRequestIsRefusedAndEndsTheSession) {
    open();
    const ReplyMessage reply =
        ProtocolMessage::readReply(session.handle(QByteArray("\x02\x01")).mid(4));
    EXPECT_EQ(reply.type, MessageType::Refused);
    EXPECT_TRUE(session.isClosing());
    EXPECT_EQ(call("Contador").type, MessageType::Refused);
}

TEST_F(ServerSessionTest, ByReferenceValuesComeBackInArgumentOrder) {
    open();
    const ReplyMessage reply =
        call("Maiusculas", {CallArgument::stringByRef("a"), CallArgument::string("b"),
                            CallArgument::stringByRef("ç")});
    EXPECT_EQ(reply.type, MessageType::Result);
    EXPECT_EQ(reply.result, QVariant(qint64(2)));
    EXPECT_EQ(reply.byReference, QStringList({"A!", "Ç!"}));
}

TEST_F(ServerSessionTest, MethodFailuresBecomeRemoteExceptionsAndTheSessionGoesOn) {
    open();
    const ReplyMessage own = call("Falha", {CallArgument::string("Filial inexistente")});
    EXPECT_EQ(own.type, MessageType::RemoteException);
    EXPECT_EQ(own.message, "Filial inexistente");
    const ReplyMessage standard = call("FalhaPadrao");
    EXPECT_EQ(standard.type, MessageType::RemoteException);
    EXPECT_EQ(standard.message, "falha fora da plataforma");
    EXPECT_FALSE(session.isClosing());
    EXPECT_EQ(call("Contador").type, MessageType::Result);
}

TEST_F(ServerSessionTest, UnknownMethodIsARemoteException) {
    open();
    const ReplyMessage reply = call("SemEsseMetodo");
    EXPECT_EQ(reply.type, MessageType::RemoteException);
    EXPECT_EQ(reply.message, "Método SemEsseMetodo não encontrado no módulo remoto Teste.rdmEco");
}

TEST_F(ServerSessionTest, MethodNamesMatchWithoutRegardToCase) {
    open();
    EXPECT_EQ(call("CONTADOR").result, QVariant(qint64(1)));
    EXPECT_EQ(call("contador").result, QVariant(qint64(2)));
}

TEST_F(ServerSessionTest, ResultsAndByReferenceValuesWithNoWireFormAreReportedToTheCaller) {
    open();
    const ReplyMessage real = call("Real");
    EXPECT_EQ(real.type, MessageType::RemoteException);
    EXPECT_TRUE(real.message.contains("Real"));
    const ReplyMessage packet = call("RefPacote", {CallArgument::stringByRef("")});
    EXPECT_EQ(packet.type, MessageType::RemoteException);
    EXPECT_TRUE(packet.message.contains("argumento 1"));
}

TEST_F(ServerSessionTest, ResultOverTheFrameLimitIsReportedToTheCaller) {
    ServerSession small(registry, 64);
    small.handle(ProtocolMessage::openModule(kEchoModuleName).mid(4));
    const QByteArray request =
        ProtocolMessage::call({"Pacote", {CallArgument::variant(100)}}).mid(4);
    const ReplyMessage reply = ProtocolMessage::readReply(small.handle(request).mid(4));
    EXPECT_EQ(reply.type, MessageType::RemoteException);
    EXPECT_FALSE(small.isClosing());
}

TEST_F(ServerSessionTest, FactoryFailureRefusesTheModule) {
    RemoteModuleRegistry failing;
    failing.add("Teste.rdmQuebrado", []() -> std::unique_ptr<IRemoteDataModule> {
        throw std::runtime_error("banco de dados indisponível");
    });
    ServerSession broken(failing);
    const ReplyMessage reply = ProtocolMessage::readReply(
        broken.handle(ProtocolMessage::openModule("Teste.rdmQuebrado").mid(4)).mid(4));
    EXPECT_EQ(reply.type, MessageType::Refused);
    EXPECT_TRUE(reply.message.contains("banco de dados indisponível"));
}

TEST(RemoteModuleRegistryTest, CreatesANewInstanceForEachCaller) {
    auto gate = std::make_shared<CallGate>();
    const RemoteModuleRegistry registry = echoRegistry(gate);
    auto first = registry.create("TESTE.rdmEco");
    auto second = registry.create(kEchoModuleName);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(registry.create("Outro"), nullptr);
    EXPECT_EQ(registry.names(), QStringList({kEchoModuleName}));
}
