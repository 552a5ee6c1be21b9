// ger-load against the real ger-appserver, small and short: every idle session is still served
// at the end, and busy clients writing the same row at once all succeed.

#include "ProgramRun.h"
#include "tools/load/LoadOptions.h"
#include "tools/load/LoadReport.h"

#include <QTemporaryDir>

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
