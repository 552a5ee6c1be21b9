#include "EchoModule.h"
#include "platform/net/RemoteClient.h"
#include "platform/net/RemoteServer.h"
#include "support/TestCertificate.h"
#include "support/ThrowsWithMessage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;
using testing::HasSubstr;

namespace {

class TlsTest : public testing::Test {
protected:
    void SetUp() override {
        writeFile("server.crt", kTestCertificate);
        writeFile("server.key", kTestKey);
        writeFile("other.crt", kOtherCertificate);
        RemoteServer::Options options;
        options.tls = std::make_shared<TlsIdentity>(
            TlsIdentity::load(dir.filePath("server.crt"), dir.filePath("server.key")));
        options.openingTimeoutMs = 2000;
        server = std::make_unique<RemoteServer>(echoRegistry(gate), options);
        server->listen();
    }

    void writeFile(const char* name, const char* text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    std::unique_ptr<RemoteClient> open(const QString& host, bool tls, const QString& caFile) {
        RemoteClient::Options options;
        options.tls = tls;
        options.caFile = caFile;
        options.connectTimeoutMs = 3000;
        auto client = std::make_unique<RemoteClient>(options);
        client->open(host, server->serverPort(), kEchoModuleName);
        return client;
    }

    QTemporaryDir dir;
    std::shared_ptr<CallGate> gate = std::make_shared<CallGate>();
    std::unique_ptr<RemoteServer> server;
};

} // namespace

TEST_F(TlsTest, ACallTravelsInsideTlsToTheServerTheClientTrusts) {
    for (const QString host : {"localhost", "127.0.0.1"}) {
        auto client = open(host, true, dir.filePath("server.crt"));
        QList<CallArgument> arguments{CallArgument::string("Sé"),
                                      CallArgument::variant(QByteArray(100'000, 'x'))};
        EXPECT_EQ(client->call("Eco", arguments),
                  QVariant(QVariantList{QString("Sé"), QByteArray(100'000, 'x')}))
            << host.toStdString();
    }
}

TEST_F(TlsTest, AClientRefusesACertificateItDoesNotTrust) {
    EXPECT_THAT([&] { open("localhost", true, dir.filePath("other.crt")); },
                ThrowsWithMessage<ETransportError>(HasSubstr("falha no TLS")));
    EXPECT_THAT([&] { open("localhost", true, QString()); },
                ThrowsWithMessage<ETransportError>(HasSubstr("falha no TLS")));
}

TEST_F(TlsTest, APlainClientIsNotServed) {
    EXPECT_THROW(open("127.0.0.1", false, QString()), ETransportError);
    // The server is still there for the next, right, client.
    EXPECT_NO_THROW(open("127.0.0.1", true, dir.filePath("server.crt")));
}

TEST_F(TlsTest, AnIdentityWithoutItsFilesIsRefused) {
    EXPECT_THAT([&] { TlsIdentity::load(dir.filePath("none.crt"), dir.filePath("server.key")); },
                ThrowsWithMessage<ETlsError>(HasSubstr("não pode ser lido")));
    EXPECT_THAT([&] { TlsIdentity::load(dir.filePath("server.key"), dir.filePath("server.key")); },
                ThrowsWithMessage<ETlsError>(HasSubstr("nenhum certificado PEM")));
    EXPECT_THAT([&] { TlsIdentity::load(dir.filePath("server.crt"), dir.filePath("server.crt")); },
                ThrowsWithMessage<ETlsError>(HasSubstr("nenhuma chave privada")));
}
