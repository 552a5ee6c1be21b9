// The server around the module: the command line of ger-appserver, the checks before it
// listens, the per-call log and the worker limit.

#include "AppServerTestSupport.h"
#include "appserver/AppServerOptions.h"
#include "appserver/LoggedModule.h"
#include "platform/db/EDatabaseError.h"
#include "platform/net/NetExceptions.h"
#include "support/ThrowsWithMessage.h"

#include <mutex>

using namespace ger;
using namespace ger::test;

TEST(AppServerOptionsTest, ReadsEveryOptionAndDefaultsToLoopbackOnTheUsualPort) {
    const AppServerOptions defaults = ParseOptions({});
    EXPECT_EQ(defaults.address, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(defaults.port, AppServer::DefaultPort);
    EXPECT_TRUE(defaults.databasePath.isEmpty());
    EXPECT_FALSE(defaults.printPort || defaults.verbose || defaults.showHelp);
    const AppServerOptions options =
        ParseOptions({"--database", "/tmp/x.sqlite", "--listen", "::1", "--port", "0", "--workers",
                      "3", "--idle-timeout", "60", "--print-port", "--verbose"});
    EXPECT_EQ(options.databasePath, QStringLiteral("/tmp/x.sqlite"));
    EXPECT_EQ(options.address, QHostAddress(QHostAddress::LocalHostIPv6));
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.workers, 3);
    EXPECT_EQ(options.idleTimeoutSeconds, 60);
    EXPECT_EQ(defaults.idleTimeoutSeconds, AppServer::DefaultIdleTimeoutSeconds);
    EXPECT_TRUE(options.printPort && options.verbose);
    EXPECT_EQ(ParseOptions({"--init-demo", "/tmp/d.sqlite"}).initDemoPath,
              QStringLiteral("/tmp/d.sqlite"));
}

TEST(AppServerOptionsTest, ServesAndPreparesEitherEngine) {
    EXPECT_EQ(ParseOptions({}).engine, SqlEngine::SQLite);
    const AppServerOptions firebird =
        ParseOptions({"--database", "127.0.0.1:/srv/empresa.fdb", "--engine", "FIREBIRD"});
    EXPECT_EQ(firebird.engine, SqlEngine::Firebird);
    EXPECT_FALSE(firebird.createRoutines);
    EXPECT_TRUE(
        ParseOptions({"--database", "/tmp/e.fdb", "--engine", "firebird", "--create-routines"})
            .createRoutines);
    EXPECT_TRUE(AppServerOptions::DefaultDatabasePath(SqlEngine::Firebird).endsWith("/demo.fdb"));
    EXPECT_TRUE(AppServerOptions::DefaultDatabasePath().endsWith("/demo.sqlite"));
}

TEST(AppServerOptionsTest, RefusesWhatItCannotUse) {
    const std::vector<QStringList> bad{
        {"--port", "65536"},
        {"--port", "-1"},
        {"--port", "sete"},
        {"--workers", "0"},
        {"--idle-timeout", "0"},
        {"--idle-timeout", "86401"},
        {"--listen", "local"},
        {"--database", ""},
        {"--frobnicate"},
        {"extra"},
        {"--port"},
        {"--engine", "oracle"},
        {"--create-routines"},
        {"--users", "/tmp/u", "--add-user", ""},
        {"--tls-cert", "/tmp/c"},
    };
    for (const QStringList& arguments : bad)
        EXPECT_THROW(ParseOptions(arguments), EUsage) << arguments.join(' ').toStdString();
}

TEST(AppServerStartTest, RefusesAFirebirdDatabaseWithoutItsRoutinesAndSaysHowToMakeThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("empresa.fdb");
    DemoDatabase::Create(path, DemoDatabase::kSeedClients, SqlEngine::Firebird);
    {
        DatabaseConnection db(path, DatabaseConnection::OpenMode::OpenExisting,
                              SqlEngine::Firebird);
        db.executeScript("DROP PROCEDURE LISTA_CODIGOS");
    }
    EXPECT_THAT([&] { AppServer::CheckDatabase(path, SqlEngine::Firebird); },
                ThrowsWithMessage<EDatabaseError>(testing::AllOf(
                    testing::HasSubstr("LISTA_CODIGOS"), testing::HasSubstr("--create-routines"))));
    {
        DatabaseConnection db(path, DatabaseConnection::OpenMode::OpenExisting,
                              SqlEngine::Firebird);
        db.createRoutines();
    }
    EXPECT_NO_THROW(AppServer::CheckDatabase(path, SqlEngine::Firebird));
}

TEST(AppServerStartTest, RefusesAMissingFileOrOneWithoutTheCompanyTables) {
    QTemporaryDir dir;
    EXPECT_THROW(StartAppServer(dir.filePath("nada.sqlite")), EDatabaseError);
    EXPECT_FALSE(QFile::exists(dir.filePath("nada.sqlite"))) << "never created by the server";
    {
        DatabaseConnection other(dir.filePath("outro.sqlite"),
                                 DatabaseConnection::OpenMode::CreateIfMissing);
        other.executeScript("CREATE TABLE FILIAL (CDFILIAL CHAR(4))");
    }
    EXPECT_THAT([&] { StartAppServer(dir.filePath("outro.sqlite")); },
                ThrowsWithMessage<EDatabaseError>(testing::HasSubstr("TIPOOPERFILIAL")));
}

class AppServerLogTest : public AppServerTest {};

TEST_F(AppServerLogTest, LogsOneLinePerCallWithItsOutcome) {
    std::mutex mutex;
    QStringList lines;
    AppServer::Config config;
    config.databasePath = path();
    config.callLog = [&](const QString& line) {
        std::lock_guard lock(mutex);
        lines.append(line);
    };
    const std::unique_ptr<RemoteServer> logged = AppServer::Start(config);
    RemoteClient client;
    client.open("127.0.0.1", logged->serverPort(), RdmTpOperFil::ModuleName);
    Args get{Val("0001")};
    client.call("GetTpOperFil", get);
    Args bad{Val("0001"), Ref(DemoDatabase::ClientCode(0)), Ref(""), Val("N")};
    client.call("GetTipoOperCli", bad);
    Args unknown{Val("9999")};
    EXPECT_THROW(client.call("GetTpOperFil", unknown), ERemoteError);
    std::lock_guard lock(mutex);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("GetTpOperFil(\"0001\") -> pacote ")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("var \"000000000000000000001\"")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("falha 1: Fornecedores")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("-> exceção: Filial \"9999\"")))
        << lines[2].toStdString();
}

// One worker serves many sessions: a session holds it only while one of its calls runs.
TEST_F(AppServerLogTest, OneWorkerServesEverySessionAndSessionsBeyondTheBoundAreRefused) {
    AppServer::Config config;
    config.databasePath = path();
    config.workers = 1;
    config.maxSessions = 2;
    const std::unique_ptr<RemoteServer> small = AppServer::Start(config);
    RemoteClient first;
    first.open("127.0.0.1", small->serverPort(), RdmTpOperFil::ModuleName);
    RemoteClient second;
    second.open("127.0.0.1", small->serverPort(), RdmTpOperFil::ModuleName);
    for (RemoteClient* client : {&first, &second, &first}) {
        Args args{Val("0001")};
        EXPECT_EQ(client->call("GetTpOperFil", args).typeId(), QMetaType::QByteArray);
    }
    RemoteClient third;
    EXPECT_THAT([&] { third.open("127.0.0.1", small->serverPort(), RdmTpOperFil::ModuleName); },
                ThrowsWithMessage<ETransportError>(testing::HasSubstr("sem vagas")));
}

// An office keeps one session open per open screen: a thousand idle sessions take no worker,
// and the 1,001st, and every one of them after, is served.
TEST_F(AppServerLogTest, AThousandIdleSessionsLeaveTheNextOneServed) {
    const std::unique_ptr<RemoteServer> server = StartAppServer(path());
    std::vector<std::unique_ptr<RemoteClient>> idle;
    for (int i = 0; i < 1000; ++i) {
        idle.push_back(std::make_unique<RemoteClient>());
        idle.back()->open("127.0.0.1", server->serverPort(), RdmTpOperFil::ModuleName);
    }
    RemoteClient next;
    next.open("127.0.0.1", server->serverPort(), RdmTpOperFil::ModuleName);
    Args args{Val("0001")};
    EXPECT_EQ(next.call("GetTpOperFil", args).typeId(), QMetaType::QByteArray);
    for (size_t i = 0; i < idle.size(); i += 97) {
        Args again{Val("0301")};
        EXPECT_EQ(idle[i]->call("GetTpOperFil", again).typeId(), QMetaType::QByteArray) << i;
    }
}
