#include "EchoModule.h"
#include "platform/net/LoginGate.h"
#include "platform/net/RemoteClient.h"
#include "platform/net/RemoteServer.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;
using testing::HasSubstr;

namespace {

std::shared_ptr<PasswordFile> usersWithMaria() {
    auto users = std::make_shared<PasswordFile>();
    users->setPassword("maria", "segredo", PasswordHash::kMinIterations);
    return users;
}

class LoginTest : public testing::Test {
protected:
    void start(LoginGate::Options gateOptions) {
        RemoteServer::Options options;
        options.login = std::make_shared<LoginGate>(usersWithMaria(), gateOptions);
        server = std::make_unique<RemoteServer>(echoRegistry(gate), options);
        server->listen();
    }

    std::unique_ptr<RemoteClient> open(const Credential& credential) {
        auto client = std::make_unique<RemoteClient>();
        client->setCredential(credential);
        client->open("127.0.0.1", server->serverPort(), kEchoModuleName);
        return client;
    }

    std::shared_ptr<CallGate> gate = std::make_shared<CallGate>();
    std::unique_ptr<RemoteServer> server;
};

constexpr LoginGate::Options kQuick{.failurePauseMs = 10, .maxFailures = 3, .windowMs = 60'000};

} // namespace

TEST_F(LoginTest, OnlyTheRightCredentialOpensTheModule) {
    start({.failurePauseMs = 10, .maxFailures = 10, .windowMs = 60'000});
    EXPECT_THAT([&] { open({}); }, ThrowsWithMessage<ELoginRefused>(HasSubstr(
                                       "Este servidor de aplicação exige usuário e senha")));
    for (const Credential& wrong :
         {Credential{"maria", "errada"}, Credential{"ana", "segredo"}, Credential{"", "segredo"}}) {
        EXPECT_THAT([&] { open(wrong); },
                    ThrowsWithMessage<ELoginRefused>(HasSubstr("Usuário ou senha inválidos")))
            << wrong.user.toStdString();
    }
    auto client = open({"maria", "segredo"});
    QList<CallArgument> arguments;
    EXPECT_EQ(client->call("Contador", arguments), QVariant(qint64(1)));
}

TEST_F(LoginTest, AnAddressThatFailsTooOftenIsShutOutEvenWithTheRightCredential) {
    start(kQuick);
    for (int i = 0; i < 2 * kQuick.maxFailures; ++i)
        EXPECT_THROW(open({}), ELoginRefused); // no guesses: they do not count
    for (int i = 0; i < kQuick.maxFailures; ++i)
        EXPECT_THROW(open({"maria", "errada"}), ELoginRefused);
    EXPECT_THAT(
        [&] {
            open({"maria", "segredo"});
        },
        ThrowsWithMessage<ELoginRefused>(
            HasSubstr("Tentativas de acesso sem sucesso demais a partir de 127.0.0.1")));
}

TEST_F(LoginTest, AnAddressIsLetInAgainWhenItsWindowHasPassed) {
    start({.failurePauseMs = 10, .maxFailures = 1, .windowMs = 200});
    EXPECT_THROW(open({"maria", "errada"}), ELoginRefused);
    EXPECT_THROW(open({"maria", "segredo"}), ELoginRefused);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_NO_THROW(open({"maria", "segredo"}));
}

TEST_F(LoginTest, AReopenedIdleSessionLogsInAgain) {
    RemoteServer::Options options;
    options.login = std::make_shared<LoginGate>(usersWithMaria(), kQuick);
    options.idleTimeoutMs = 100;
    server = std::make_unique<RemoteServer>(echoRegistry(gate), options);
    server->listen();
    auto client = open({"maria", "segredo"});
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    QList<CallArgument> arguments;
    EXPECT_EQ(client->call("Contador", arguments), QVariant(qint64(1)));
}

TEST(ExposureTest, AServerBeyondLoopbackNeedsTlsAndAPasswordFile) {
    const auto gate = std::make_shared<CallGate>();
    RemoteServer plain(echoRegistry(gate));
    EXPECT_THAT([&] { plain.listen(QHostAddress::AnyIPv4); },
                ThrowsWithMessage<ETransportError>(
                    "0.0.0.0 não é um endereço de loopback: fora dele o servidor de aplicação só "
                    "escuta com TLS (certificado e chave)"));
    EXPECT_FALSE(plain.isListening());

    RemoteServer::Options options;
    options.tls = std::make_shared<TlsIdentity>();
    options.login = std::make_shared<LoginGate>();
    RemoteServer withoutUsers(echoRegistry(gate), options);
    EXPECT_THAT(
        [&] { withoutUsers.listen(QHostAddress::AnyIPv4); },
        ThrowsWithMessage<ETransportError>(HasSubstr("só escuta com um arquivo de usuários")));
    EXPECT_FALSE(withoutUsers.isListening());
}
