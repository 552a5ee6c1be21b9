// The two programs as a person or a script runs them: ger-appserver on a temporary demo
// database, listening on a port the system chooses, and ger-call against it. Every wait is
// bounded; nothing here measures time.

#include "ProgramRun.h"
#include "appserver/database/DemoDatabase.h"
#include "platform/db/DataPacket.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace ger;
using namespace ger::test;

namespace {

constexpr int kWaitMs = kProgramWaitMs;

ProgramRun Call(quint16 port, const QStringList& arguments) {
    return RunProgram(GER_CALL_EXE, QStringList{"--port", QString::number(port)} + arguments);
}

class ProgramsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance())
            s_application = std::make_unique<QCoreApplication>(s_argc, s_argv);
    }
    // Before exit: Qt's own globals are gone by the time static objects are destroyed.
    static void TearDownTestSuite() { s_application.reset(); }

    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const ProgramRun init = RunProgram(GER_APPSERVER_EXE, {"--init-demo", databasePath()});
        ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
        startServer({"--database", databasePath()});
    }

    void TearDown() override {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(kWaitMs);
        }
    }

    QString databasePath() const { return m_dir.filePath("demo.sqlite"); }

    // Starts ger-appserver with `arguments` plus a free port, and reads the port it printed.
    void
    startServer(const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        m_server.setProcessEnvironment(environment);
        m_server.start(GER_APPSERVER_EXE,
                       arguments + QStringList{"--port", "0", "--print-port", "--verbose"});
        ASSERT_TRUE(m_server.waitForStarted(kWaitMs));
        QByteArray line;
        while (!line.endsWith('\n') && m_server.waitForReadyRead(kWaitMs))
            line += m_server.readLine();
        const QRegularExpressionMatch match =
            QRegularExpression("^listening on 127\\.0\\.0\\.1:(\\d+)\n$")
                .match(QString::fromUtf8(line));
        ASSERT_TRUE(match.hasMatch())
            << line.toStdString() << m_server.readAllStandardError().toStdString();
        m_port = static_cast<quint16>(match.captured(1).toUInt());
    }

    QString scalar(const QString& sql) {
        DatabaseConnection connection(databasePath());
        SqlStatement statement(connection, sql);
        const SqlRowSet rows = statement.select();
        return rows.isEmpty() ? QString() : rows.rows().front().front().value_or("(null)");
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    quint16 m_port = 0;

private:
    static inline int s_argc = 1;
    static inline char s_name[] = "test_tools";
    static inline char* s_argv[] = {s_name, nullptr};
    static inline std::unique_ptr<QCoreApplication> s_application;
};

QStringList Lines(const QString& text) {
    return text.split('\n', Qt::SkipEmptyParts);
}

QString Cells(const QString& line) {
    return line.simplified();
}

} // namespace

TEST_F(ProgramsTest, GetTpOperFilPrintsTheBranchListAsATable) {
    const ProgramRun run = Call(m_port, {"GetTpOperFil", "v:0001"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = Lines(run.out);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(Cells(lines.front()), QStringLiteral("OPERACAO | IDLIBERADO | IDLANCMANUAL | "
                                                   "CDFILIAL | CDTIPOOPER | IDENDEMISTPOPFIL"));
    EXPECT_EQ(lines.size() - 1,
              scalar("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001'").toInt());
    EXPECT_TRUE(lines.at(1).startsWith(
        scalar("SELECT CDTIPOOPER || ' - ' || NMTIPOOPER FROM TIPOOPERAC WHERE CDTIPOOPER = "
               "(SELECT MIN(CDTIPOOPER) FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001')")));
    EXPECT_TRUE(run.out.contains("(null)")) << "a kind never chosen";
}

TEST_F(ProgramsTest, WriteWithReferencePrintsItsFinalValue) {
    const ProgramRun run =
        Call(m_port, {"SetTpOperFil", "v:01", "v:0001", "v:N", "v:S", "v:M", "r:31428573"});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("ref 6 = ''\n")) << run.out.toStdString();
    EXPECT_EQ(scalar("SELECT IDLIBERADO || IDLANCMANUAL || IDENDEMISTPOPFIL || CDINSCMUNI FROM "
                     "TIPOOPERFILIAL WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'"),
              QStringLiteral("NSM31428573"));
}

TEST_F(ProgramsTest, FailedResultPrintsErroAndExitsWithOne) {
    const ProgramRun run =
        Call(m_port, {"SetTpOperFil", "v:01", "v:0001", "v:X", "v:S", "v:P", "r:guardado"});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("ERRO 1: ")) << lines[0].toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("ref 6 = 'guardado'"));
    const ProgramRun raised = Call(m_port, {"GetTpOperFil", "v:9"});
    EXPECT_EQ(raised.exitCode, 1);
    EXPECT_TRUE(raised.out.startsWith("ERRO: Filial")) << raised.out.toStdString();
}

TEST_F(ProgramsTest, ChangeListFromAFileRemovesTheClientRow) {
    const QString client = DemoDatabase::ClientCode(0);
    const QString type = scalar("SELECT MIN(CDTIPOOPER) FROM TIPOOPERCLIENTE WHERE CDFILIAL = "
                                "'0001' AND CDCLIENTE = '" +
                                client + "'");
    DeltaPacket delta{{{"CDFILIAL", 4}, {"CDTIPOOPER", 2}, {"CDFORNCLIE", 21}}, {}};
    delta.changes.push_back({ChangeKind::Delete, {QStringLiteral("0001"), type, client}, {}});
    QFile file(m_dir.filePath("delta.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(delta.Encode());
    file.close();
    const ProgramRun run = Call(m_port, {"DelTipoOperCli", "x:" + file.fileName(), "r:" + client});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("OK\nref 2 = '%1'\n").arg(client));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM TIPOOPERCLIENTE WHERE CDFILIAL = '0001' AND "
                     "CDCLIENTE = '" +
                     client + "' AND CDTIPOOPER = '" + type + "'"),
              QStringLiteral("0"));
}

TEST_F(ProgramsTest, UsageAndTransportErrorsExitWithTwo) {
    EXPECT_EQ(Call(m_port, {}).exitCode, 2);
    EXPECT_EQ(Call(m_port, {"GetTpOperFil", "0001"}).exitCode, 2);
    const ProgramRun module =
        RunProgram(GER_CALL_EXE, {"--port", QString::number(m_port), "--module", "Outro.rdm",
                                  "GetTpOperFil", "v:0001"});
    EXPECT_EQ(module.exitCode, 2);
    EXPECT_TRUE(module.err.contains("Outro.rdm")) << module.err.toStdString();
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    const ProgramRun refused = Call(closedPort, {"GetTpOperFil", "v:0001"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QString::number(closedPort)));
}

TEST_F(ProgramsTest, VerboseServerLogsEachCallAndStopsCleanlyOnSigterm) {
    Call(m_port, {"GetTpOperFil", "v:0002"});
    Call(m_port, {"GetDadosEmissaoNF", "v:0099"});
    m_server.terminate();
    ASSERT_TRUE(m_server.waitForFinished(kWaitMs));
    EXPECT_EQ(m_server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_server.exitCode(), 0);
    const QString log = QString::fromUtf8(m_server.readAllStandardError());
    EXPECT_TRUE(log.contains("GetTpOperFil(\"0002\") -> pacote ")) << log.toStdString();
    EXPECT_TRUE(log.contains("GetDadosEmissaoNF(\"0099\") -> falha 2: ")) << log.toStdString();
}

TEST_F(ProgramsTest, InitDemoMakesAFileForItsOwnerOnlyAndRefusesAnExistingOne) {
    EXPECT_EQ(QFile::permissions(databasePath()) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);
    const QString before = scalar("SELECT COUNT(*) FROM TIPOOPERFILIAL");
    const ProgramRun again = RunProgram(GER_APPSERVER_EXE, {"--init-demo", databasePath()});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_FALSE(again.err.isEmpty());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM TIPOOPERFILIAL"), before);
}

TEST_F(ProgramsTest, InitDemoMakesAFirebirdDatabaseForTheHostsQueries) {
    const QString path = m_dir.filePath("demo.fdb");
    const ProgramRun init =
        RunProgram(GER_APPSERVER_EXE, {"--init-demo", path, "--engine", "firebird"});
    ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
    EXPECT_TRUE(init.err.contains("56 clientes, Firebird")) << init.err.toStdString();
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);
    DatabaseConnection firebird(path, DatabaseConnection::OpenMode::OpenExisting,
                                SqlEngine::Firebird);
    SqlStatement branches(firebird, "SELECT COUNT(*) FROM FILIAL");
    EXPECT_EQ(branches.select().rows().front().front(), scalar("SELECT COUNT(*) FROM FILIAL"));
}

// The server writes an embedded Firebird file while another process (here the test, as the host
// would) has it open too: the programs share embedded files between processes.
TEST_F(ProgramsTest, AServerOnAFirebirdFileSharesItWithAnotherProcess) {
    const QString path = m_dir.filePath("empresa.fdb");
    ASSERT_EQ(RunProgram(GER_APPSERVER_EXE, {"--init-demo", path, "--engine", "firebird"}).exitCode,
              0);
    DatabaseConnection reader(path, DatabaseConnection::OpenMode::OpenExisting,
                              SqlEngine::Firebird);
    QProcess server;
    const quint16 port =
        StartServer(server, GER_APPSERVER_EXE, {"--database", path, "--engine", "firebird"});
    ASSERT_NE(port, 0);
    const ProgramRun write =
        Call(port, {"SetTpOperFil", "v:01", "v:0001", "v:N", "v:N", "v:P", "r:"});
    EXPECT_EQ(write.exitCode, 0) << write.out.toStdString() << write.err.toStdString();
    SqlStatement row(reader, "SELECT IDLIBERADO || IDLANCMANUAL || IDENDEMISTPOPFIL FROM "
                             "TIPOOPERFILIAL WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'");
    EXPECT_EQ(row.select().rows().front().front(), QStringLiteral("NNP"));
    server.terminate();
    EXPECT_TRUE(server.waitForFinished(kWaitMs));
}

// A process on the engine's own configuration (one process per embedded file) cannot open a
// file this one has open, and says so.
TEST_F(ProgramsTest, AServerOnAFirebirdFileThatAnotherModeHoldsSaysWhatToDo) {
    const QString path = m_dir.filePath("empresa.fdb");
    DemoDatabase::Create(path, DemoDatabase::kSeedClients, SqlEngine::Firebird);
    DatabaseConnection holder(path, DatabaseConnection::OpenMode::OpenExisting,
                              SqlEngine::Firebird);
    const QString systemRoot =
        QFileInfo(QFileInfo(qEnvironmentVariable("FIREBIRD") + "/plugins").symLinkTarget()).path();
    ASSERT_TRUE(QFileInfo::exists(systemRoot + "/plugins")) << systemRoot.toStdString();
    QProcess server;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FIREBIRD", systemRoot);
    server.setProcessEnvironment(environment);
    server.start(GER_APPSERVER_EXE, {"--database", path, "--engine", "firebird", "--port", "0"});
    ASSERT_TRUE(server.waitForFinished(kWaitMs));
    EXPECT_EQ(server.exitCode(), 1);
    EXPECT_TRUE(server.readAllStandardError().contains("aberto por outro processo"));
}

TEST_F(ProgramsTest, AServerOnAFirebirdDatabaseThatIsNotThereSaysWhatToDo) {
    const ProgramRun missing =
        RunProgram(GER_APPSERVER_EXE, {"--database", m_dir.filePath("nenhum.fdb"), "--engine",
                                       "firebird", "--port", "0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("nenhum.fdb --engine Firebird")) << missing.err.toStdString();
    const ProgramRun down =
        RunProgram(GER_APPSERVER_EXE, {"--database", "127.0.0.1/1:/srv/empresa.fdb", "--engine",
                                       "firebird", "--port", "0"});
    EXPECT_EQ(down.exitCode, 1);
    EXPECT_TRUE(down.err.contains("scripts/firebird-server.sh start")) << down.err.toStdString();
}

TEST_F(ProgramsTest, ServerRefusesBadCommandLinesAndMissingDatabases) {
    EXPECT_EQ(RunProgram(GER_APPSERVER_EXE, {"--port", "porta"}).exitCode, 2);
    const ProgramRun missing = RunProgram(
        GER_APPSERVER_EXE, {"--database", m_dir.filePath("nenhum.sqlite"), "--port", "0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFile::exists(m_dir.filePath("nenhum.sqlite")));
}

TEST_F(ProgramsTest, WithoutDatabaseOptionTheDemoIsCreatedUnderXdgDataHome) {
    m_server.terminate();
    ASSERT_TRUE(m_server.waitForFinished(kWaitMs));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", m_dir.filePath("dados"));
    startServer({}, environment);
    EXPECT_TRUE(QFile::exists(m_dir.filePath("dados/ger99500/demo.sqlite")));
    EXPECT_EQ(Call(m_port, {"GetTpOperFil", "v:0001"}).exitCode, 0);
}
