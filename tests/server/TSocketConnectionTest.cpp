#include "../platform/net/EchoModule.h"
#include "platform/core/ComponentRegistry.h"
#include "platform/net/RemoteServer.h"
#include "server/TNetConnection.h"
#include "support/TestFormDataContext.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;
using testing::AllOf;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

FormDataProperty text(const char* name, const QString& value) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::String;
    p.value.text = value;
    return p;
}

FormDataProperty identifier(const char* name, const QString& value) {
    FormDataProperty p = text(name, value);
    p.value.kind = FormDataValue::Kind::Identifier;
    return p;
}

FormDataProperty integer(const char* name, qint64 value) {
    FormDataProperty p{name, {}, 1};
    p.value.kind = FormDataValue::Kind::Integer;
    p.value.integer = value;
    return p;
}

class TSocketConnectionTest : public testing::Test {
protected:
    void SetUp() override {
        server->listen();
        port = server->serverPort();
        net = new TNetConnection(&form);
        net->SetName("netTpOperFil");
        net->SetServerName(kEchoModuleName);
        // As the screens do: the port and host are set when connecting.
        net->BeforeConnect = [this](TObject* sender) {
            log << QStringLiteral("BeforeConnect");
            EXPECT_EQ(sender, net);
            net->SetPort(port);
            net->SetHost("127.0.0.1");
        };
        net->AfterConnect = [this](TObject*) { log << QStringLiteral("AfterConnect"); };
        net->BeforeDisconnect = [this](TObject*) { log << QStringLiteral("BeforeDisconnect"); };
        net->AfterDisconnect = [this](TObject*) { log << QStringLiteral("AfterDisconnect"); };
    }

    std::shared_ptr<CallGate> gate = std::make_shared<CallGate>();
    std::unique_ptr<RemoteServer> server = std::make_unique<RemoteServer>(echoRegistry(gate));
    quint16 port = 0;
    TComponent form{nullptr};
    TNetConnection* net = nullptr;
    QStringList log;
};

} // namespace

TEST(TSocketConnectionRegistration, BothClassesCanBeDeclaredInFormData) {
    TComponent owner(nullptr);
    auto* socket = ComponentRegistry::Create("TSocketConnection", &owner);
    auto* net = ComponentRegistry::Create("TNetConnection", &owner);
    EXPECT_EQ(socket->ClassName(), "TSocketConnection");
    EXPECT_NE(dynamic_cast<TNetConnection*>(net), nullptr);
    EXPECT_EQ(net->ClassName(), "TNetConnection");
}

TEST_F(TSocketConnectionTest, SettingConnectedRunsBeforeConnectThenConnectsThenAfterConnect) {
    net->SetConnected(true);
    EXPECT_TRUE(net->Connected());
    EXPECT_EQ(log, QStringList({"BeforeConnect", "AfterConnect"}));
    EXPECT_EQ(server->connectionCount(), 1);
    net->SetConnected(true);
    EXPECT_EQ(log.size(), 2) << "connecting twice runs nothing";
}

TEST_F(TSocketConnectionTest, DisconnectingRunsItsEventsInOrder) {
    net->Open();
    log.clear();
    net->Close();
    EXPECT_FALSE(net->Connected());
    EXPECT_EQ(log, QStringList({"BeforeDisconnect", "AfterDisconnect"}));
    net->Close();
    EXPECT_EQ(log.size(), 2) << "disconnecting twice runs nothing";
}

TEST_F(TSocketConnectionTest, RefusedConnectionNamesHostAndPortAndStaysClosed) {
    server->close();
    EXPECT_THAT([&] { net->SetConnected(true); },
                ThrowsWithMessage<ETransportError>(
                    AllOf(HasSubstr("127.0.0.1"), HasSubstr(QString::number(port).toStdString()))));
    EXPECT_FALSE(net->Connected());
    EXPECT_EQ(log, QStringList({"BeforeConnect"}));
}

TEST_F(TSocketConnectionTest, UnknownServerNameIsRefused) {
    net->SetServerName("Ger99500.rdmOutro");
    EXPECT_THROW(net->SetConnected(true), ETransportError);
    EXPECT_FALSE(net->Connected());
}

TEST_F(TSocketConnectionTest, MisconfigurationIsAComponentErrorNamingTheComponent) {
    net->BeforeConnect = nullptr;
    net->SetPort(port);
    EXPECT_THAT([&] { net->SetConnected(true); },
                ThrowsWithMessage<EComponentError>(StartsWith("netTpOperFil")));
    net->SetHost("127.0.0.1");
    net->SetPort(70000);
    EXPECT_THROW(net->SetConnected(true), EComponentError);
    net->SetPort(port);
    net->SetServerName("");
    EXPECT_THROW(net->SetConnected(true), EComponentError);
    EXPECT_FALSE(net->Connected());
}

TEST_F(TSocketConnectionTest, HostAndAddressReplaceEachOther) {
    net->BeforeConnect = nullptr;
    net->SetPort(port);
    net->SetHost("localhost");
    net->SetAddress("127.0.0.1");
    EXPECT_TRUE(net->Host().isEmpty());
    net->SetConnected(true);
    EXPECT_TRUE(net->Connected());
    net->SetHost("localhost");
    EXPECT_TRUE(net->Address().isEmpty());
}

TEST_F(TSocketConnectionTest, CallKindsFollowTheArguments) {
    QString variable = "x";
    const QVariant kinds = net->AppServer().Call(
        "Tipos", {QString("a"), "b", ByRef(variable), QVariant(5), QByteArray("pk")});
    EXPECT_EQ(kinds, QVariant(QString("48 48 C8 0C 0C")));
}

TEST_F(TSocketConnectionTest, ByReferenceVariablesAreStoredBackWhenTheCallReturns) {
    QString client = "c1";
    QString type = "";
    const QString branch = "0001";
    const QVariant changed =
        net->AppServer().Call("Maiusculas", {branch, ByRef(client), ByRef(type), "S"});
    EXPECT_EQ(changed, QVariant(qint64(2)));
    EXPECT_EQ(client, "C1!");
    EXPECT_EQ(type, "!");
    EXPECT_EQ(branch, "0001");
}

TEST_F(TSocketConnectionTest, ValuesAndPacketsArriveAsSent) {
    const QVariant echoed = net->AppServer().Call(
        "Eco", {"0001", QByteArray("\x01\x02", 2), QVariant(), QVariant(true)});
    EXPECT_EQ(echoed,
              QVariant(QVariantList{QString("0001"), QByteArray("\x01\x02", 2), QVariant(), true}));
}

TEST_F(TSocketConnectionTest, ReadingAppServerConnects) {
    net->AppServer();
    EXPECT_TRUE(net->Connected());
    EXPECT_EQ(log, QStringList({"BeforeConnect", "AfterConnect"}));
}

TEST_F(TSocketConnectionTest, RemoteExceptionLeavesTheConnectionAndTheVariablesAlone) {
    QString variable = "antes";
    EXPECT_THAT(
        [&] {
            net->AppServer().Call("Falha",
                                  {"Registro alterado por outro usuário", ByRef(variable)});
        },
        ThrowsWithMessage<ERemoteError>("Registro alterado por outro usuário"));
    EXPECT_EQ(variable, "antes");
    EXPECT_TRUE(net->Connected());
    EXPECT_EQ(net->AppServer().Call("Contador", {}), QVariant(qint64(1)));
}

TEST_F(TSocketConnectionTest, LostServerFailsOneCallThenTheNextCallReconnects) {
    EXPECT_EQ(net->AppServer().Call("Contador", {}), QVariant(qint64(1)));
    server = std::make_unique<RemoteServer>(echoRegistry(gate));
    server->listen();
    port = server->serverPort();
    log.clear();

    EXPECT_THROW(net->AppServer().Call("Contador", {}), ETransportError);
    EXPECT_FALSE(net->Connected());
    EXPECT_TRUE(log.isEmpty()) << "a lost connection runs no disconnect events";

    EXPECT_EQ(net->AppServer().Call("Contador", {}), QVariant(qint64(1)));
    EXPECT_TRUE(net->Connected());
    EXPECT_EQ(log, QStringList({"BeforeConnect", "AfterConnect"}));
}

TEST_F(TSocketConnectionTest, CallWithoutReplyInTimeDisconnects) {
    net->setCallTimeout(100);
    EXPECT_THAT([this] { net->AppServer().Call("Lento", {}); },
                test::ThrowsWithMessage<ETransportError>(
                    testing::AllOf(testing::HasSubstr("Lento"),
                                   testing::HasSubstr("o servidor não respondeu em 100 ms"))));
    EXPECT_FALSE(net->Connected());
    gate->release();
    EXPECT_EQ(net->AppServer().Call("Contador", {}), QVariant(qint64(1)))
        << "the next call connects again";
    EXPECT_TRUE(net->Connected());
}

TEST_F(TSocketConnectionTest, FormDataPropertiesAreRead) {
    TestFormDataContext context(&form);
    int handled = 0;
    context.handlers.add<void(TObject*)>("netTpOperFilBeforeConnect", [&](TObject*) {
        ++handled;
        net->SetPort(port);
        net->SetHost("127.0.0.1");
    });
    net->BeforeConnect = nullptr;
    net->BeginLoading();
    net->ReadProperty(text("ServerName", kEchoModuleName), context);
    net->ReadProperty(text("Host", "servidor"), context);
    net->ReadProperty(integer("Port", 3050), context);
    net->ReadProperty(identifier("ThrowException", "False"), context);
    net->ReadProperty(identifier("BeforeConnect", "netTpOperFilBeforeConnect"), context);
    net->ReadProperty(identifier("Connected", "True"), context);
    EXPECT_EQ(net->ServerName(), kEchoModuleName);
    EXPECT_EQ(net->Host(), "servidor");
    EXPECT_EQ(net->Port(), 3050);
    EXPECT_FALSE(net->ThrowException());
    EXPECT_FALSE(net->Connected()) << "no connection while loading";
    EXPECT_EQ(handled, 0);
    EXPECT_EQ(server->connectionCount(), 0);

    net->EndLoading();
    EXPECT_TRUE(net->Connected());
    EXPECT_EQ(handled, 1);
}

TEST_F(TSocketConnectionTest, FormDataErrorsAreLoadErrors) {
    TestFormDataContext context(&form);
    EXPECT_THROW(net->ReadProperty(identifier("BeforeConnect", "semHandler"), context),
                 EFormDataError);
    EXPECT_THROW(net->ReadProperty(integer("ServerName", 1), context), EFormDataError);
    EXPECT_THROW(net->ReadProperty(text("Protocolo", "x"), context), EFormDataError);
    EXPECT_THROW(net->ReadProperty(text("Connected", "sim"), context), EFormDataError);
}

TEST_F(TSocketConnectionTest, DestroyingAConnectedComponentRunsNoEvents) {
    net->Open();
    log.clear();
    delete net;
    net = nullptr;
    EXPECT_TRUE(log.isEmpty());
}
