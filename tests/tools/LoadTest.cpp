// ger-load against the real ger-appserver, small and short: every idle session is still served
// at the end, and busy clients writing the same row at once all succeed; the mixed load on two
// servers of one database loses nothing, and catches a writer it does not know of.

#include "ProgramRun.h"
#include "tools/load/LoadOptions.h"
#include "tools/load/LoadReport.h"

#include <QTemporaryDir>
#include <QThread>

using namespace ger;
using namespace ger::test;

TEST(LatencySummaryTest, PercentilesComeFromTheSortedLatencies) {
    std::vector<qint64> microseconds;
    for (qint64 i = 100; i >= 1; --i)
        microseconds.push_back(i * 1000);
    const LatencySummary summary = LatencySummary::Of(microseconds);
    EXPECT_EQ(summary.calls, 100);
    EXPECT_DOUBLE_EQ(summary.p50Ms, 50.0);
    EXPECT_DOUBLE_EQ(summary.p99Ms, 99.0);
    EXPECT_DOUBLE_EQ(summary.maxMs, 100.0);
    EXPECT_EQ(LatencySummary::Of({}).calls, 0);
}

TEST(LoadOptionsTest, ReadsItsOptionsAndRefusesOthers) {
    const LoadOptions options =
        LoadOptions::Parse({"--port", "7300", "--idle", "5", "--busy", "2", "--seconds", "3"});
    EXPECT_EQ(options.ports, QList<quint16>{7300});
    EXPECT_FALSE(options.mix);
    EXPECT_EQ(options.idle, 5);
    EXPECT_EQ(options.busy, 2);
    EXPECT_EQ(options.seconds, 3);
    EXPECT_THROW(LoadOptions::Parse({"--busy"}), ELoadUsage);
    EXPECT_THROW(LoadOptions::Parse({"--seconds", "0"}), ELoadUsage);
    EXPECT_THROW(LoadOptions::Parse({"--outra", "1"}), ELoadUsage);
}

TEST(LoadOptionsTest, PortsAreListedOrRepeatedAndSharedRoundRobin) {
    EXPECT_EQ(LoadOptions::Parse({}).ports, QList<quint16>{7211});
    const LoadOptions listed = LoadOptions::Parse({"--ports", "7300,7301", "--port", "7302"});
    EXPECT_EQ(listed.ports, (QList<quint16>{7300, 7301, 7302}));
    EXPECT_EQ(listed.portFor(0), 7300);
    EXPECT_EQ(listed.portFor(4), 7301);
    EXPECT_EQ(LoadOptions::Parse({"--port", "1", "--port", "2"}).ports, (QList<quint16>{1, 2}));
    EXPECT_THROW(LoadOptions::Parse({"--ports", "7300,"}), ELoadUsage);
    EXPECT_THROW(LoadOptions::Parse({"--ports", "7300,70000"}), ELoadUsage);
}

TEST(LoadOptionsTest, MixIsAFlagAmongTheOptions) {
    const LoadOptions options = LoadOptions::Parse({"--mix", "--busy", "3", "--mix"});
    EXPECT_TRUE(options.mix);
    EXPECT_EQ(options.busy, 3);
    EXPECT_THROW(LoadOptions::Parse({"--busy", "--mix"}), ELoadUsage);
}

TEST(LoadProgramTest, IdleSessionsAndConcurrentWritersAreAllServed) {
    EnsureCoreApplication();
    QTemporaryDir dir;
    const QString database = dir.filePath("demo.sqlite");
    ASSERT_EQ(RunProgram(GER_APPSERVER_EXE, {"--init-demo", database}).exitCode, 0);
    QProcess server;
    const quint16 port = StartServer(server, GER_APPSERVER_EXE, {"--database", database});
    ASSERT_NE(port, 0);

    const ProgramRun load = RunProgram(GER_LOAD_EXE, {"--port", QString::number(port), "--idle",
                                                      "40", "--busy", "20", "--seconds", "1"});
    server.terminate();
    server.waitForFinished(kProgramWaitMs);
    EXPECT_EQ(load.exitCode, 0) << load.out.toStdString() << load.err.toStdString();
    EXPECT_TRUE(load.out.contains(QString::fromUtf8("sessões ociosas: 40 abertas, 40 atendidas")))
        << load.out.toStdString();
    EXPECT_TRUE(load.out.contains(QString::fromUtf8("sessões recusadas: 0\nerros: 0\n")));
    EXPECT_FALSE(load.out.contains(QString::fromUtf8("gravações (SetTpOperFil): 0 chamadas")));
}

namespace {

// Two servers on one fresh demo database, stopped with the fixture.
class MixedLoadProgramTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureCoreApplication();
        const QString database = m_dir.filePath("demo.sqlite");
        ASSERT_EQ(RunProgram(GER_APPSERVER_EXE, {"--init-demo", database}).exitCode, 0);
        for (QProcess& server : m_servers) {
            const quint16 port = StartServer(server, GER_APPSERVER_EXE, {"--database", database});
            ASSERT_NE(port, 0);
            m_ports.append(QString::number(port));
        }
    }

    void TearDown() override {
        for (QProcess& server : m_servers) {
            server.terminate();
            server.waitForFinished(kProgramWaitMs);
        }
    }

    QStringList mixed(const char* seconds) const {
        return {"--mix",  "--ports", m_ports.join(','), "--idle", "4",
                "--busy", "12",      "--seconds",       seconds};
    }

    QTemporaryDir m_dir;
    QProcess m_servers[2];
    QStringList m_ports;
};

} // namespace

TEST_F(MixedLoadProgramTest, TwoServersOnOneDatabaseLoseNoWrite) {
    const ProgramRun load = RunProgram(GER_LOAD_EXE, mixed("2"));
    EXPECT_EQ(load.exitCode, 0) << load.out.toStdString() << load.err.toStdString();
    for (const char* line : {"sessões ociosas: 4 abertas, 4 atendidas no fim\n",
                             "clientes: 10 por linha, 2 em massa (120 linhas por gravação); "
                             "servidores: 2\n",
                             "erros: 0\n", "atualizações perdidas: 0\n",
                             "gravações em massa parciais: 0\n", "leituras com mistura: 0\n"})
        EXPECT_TRUE(load.out.contains(QString::fromUtf8(line))) << line << load.out.toStdString();
    for (const char* method :
         {"GetTpOperFil", "SetTpOperFil", "SetTipoOperCli", "DelTipoOperCli", "SetGravaAut"})
        EXPECT_TRUE(load.out.contains(QStringLiteral("  %1: ").arg(method))) << method;
}

// Another program writes a row of the bulk selection with kind M, which no bulk write uses,
// while the load runs: its reads of the branch and the end state show the rows disagreeing.
TEST_F(MixedLoadProgramTest, AWriteTheLoadDidNotMakeIsFound) {
    QProcess load;
    load.start(QString::fromUtf8(GER_LOAD_EXE), mixed("3"));
    ASSERT_TRUE(load.waitForStarted(kProgramWaitMs));
    // The first line comes before the load's own bulk write; wait until that is done.
    ASSERT_TRUE(load.waitForReadyRead(kProgramWaitMs));
    QThread::msleep(500);
    while (load.state() == QProcess::Running && !load.waitForFinished(50))
        RunProgram(GER_CALL_EXE, {"--port", m_ports.front(), "SetTpOperFil", "v:21", "v:0001",
                                  "v:S", "v:S", "v:M", "r:"});
    ASSERT_EQ(load.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromUtf8(load.readAllStandardOutput());
    EXPECT_EQ(load.exitCode(), 1) << out.toStdString();
    // Seen by a read during the run, or in the end state when the outside write came last.
    EXPECT_FALSE(out.contains(QString::fromUtf8("leituras com mistura: 0\n")) &&
                 out.contains(QString::fromUtf8("gravações em massa parciais: 0\n")))
        << out.toStdString();
}
