#include "tools/load/LoadRun.h"

#include "platform/net/RemoteClient.h"
#include "tools/call/CallPrinter.h"
#include "tools/load/IdleSessions.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <memory>
#include <mutex>
#include <thread>

namespace ger {
namespace {

const QString kModule = QStringLiteral("Ger99500.rdmTpOperFil");

// What one busy client saw.
struct ClientTally {
    std::vector<qint64> reads;
    std::vector<qint64> writes;
    qsizetype errors = 0;
    QString firstError;
    bool refused = false;

    void fail(const QString& message) {
        if (errors++ == 0)
            firstError = message;
    }
};

std::unique_ptr<RemoteClient> Open(const LoadOptions& options, quint16 port) {
    auto client = std::make_unique<RemoteClient>();
    client->open(options.host, port, kModule);
    return client;
}

// One call, timed; a remote exception or a result that reports failure counts as an error.
void Timed(RemoteClient& client, const QString& method, QList<CallArgument> arguments,
           std::vector<qint64>& latencies, ClientTally& tally) {
    QElapsedTimer clock;
    clock.start();
    try {
        const QVariant result = client.call(method, arguments);
        latencies.push_back(clock.nsecsElapsed() / 1000);
        const CallPrinter::Output output = CallPrinter::Result(result, arguments);
        if (output.exitCode != 0)
            tally.fail(output.text.trimmed());
    } catch (const Exception& error) {
        latencies.push_back(clock.nsecsElapsed() / 1000);
        tally.fail(error.Message());
    }
}

void Busy(const LoadOptions& options, quint16 port, QDeadlineTimer end, ClientTally& tally) {
    std::unique_ptr<RemoteClient> client;
    try {
        client = Open(options, port);
    } catch (const Exception& error) {
        tally.refused = true;
        tally.fail(error.Message());
        return;
    }
    bool released = false;
    while (!end.hasExpired()) {
        Timed(*client, QStringLiteral("GetTpOperFil"), {CallArgument::string(options.branch)},
              tally.reads, tally);
        released = !released;
        Timed(*client, QStringLiteral("SetTpOperFil"),
              {CallArgument::string(options.type), CallArgument::string(options.branch),
               CallArgument::string(released ? QStringLiteral("S") : QStringLiteral("N")),
               CallArgument::string(QStringLiteral("S")), CallArgument::string(QStringLiteral("P")),
               CallArgument::stringByRef(QString())},
              tally.writes, tally);
    }
}

} // namespace

LoadReport LoadRun::Run(const LoadOptions& options) {
    LoadReport report;
    IdleSessions idle(options);
    report.idleOpened = idle.opened();
    report.refused = idle.refused();
    report.firstError = idle.firstError();

    std::vector<ClientTally> tallies(static_cast<size_t>(options.busy));
    const QDeadlineTimer end(qint64(options.seconds) * 1000);
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> threads;
    for (size_t i = 0; i < tallies.size(); ++i)
        threads.emplace_back([&options, port = options.portFor(static_cast<qsizetype>(i)), end,
                              &tally = tallies[i]] { Busy(options, port, end, tally); });
    for (std::thread& thread : threads)
        thread.join();
    report.seconds = static_cast<double>(clock.elapsed()) / 1000.0;

    std::vector<qint64> reads;
    std::vector<qint64> writes;
    for (const ClientTally& tally : tallies) {
        reads.insert(reads.end(), tally.reads.begin(), tally.reads.end());
        writes.insert(writes.end(), tally.writes.begin(), tally.writes.end());
        report.refused += tally.refused ? 1 : 0;
        if (report.firstError.isEmpty())
            report.firstError = tally.firstError;
        report.errors += tally.refused ? 0 : tally.errors;
    }
    report.reads = LatencySummary::Of(std::move(reads));
    report.writes = LatencySummary::Of(std::move(writes));

    report.idleServedAtEnd = idle.serveAll(options.branch, [&report](const QString& message) {
        if (report.errors++ == 0 && report.firstError.isEmpty())
            report.firstError = message;
    });
    return report;
}

} // namespace ger
