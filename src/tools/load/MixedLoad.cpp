#include "tools/load/MixedLoad.h"

#include "appserver/database/DemoDatabase.h"
#include "appserver/database/DemoSeedData.h"
#include "tools/load/IdleSessions.h"
#include "tools/load/ListingPackets.h"
#include "tools/load/MixedClient.h"
#include "tools/load/ModuleCalls.h"

#include <QDeadlineTimer>
#include <thread>

namespace ger {

namespace {

constexpr int kBulkTypes = 15;
constexpr int kClientTypes = 3;

const TimedCall& Required(const TimedCall& call, const QString& what) {
    if (!call.isAcknowledged())
        throw ELoadFailure(QStringLiteral("%1: %2").arg(what, call.error));
    return call;
}

std::map<QString, BranchRows> ReadBranches(ModuleCalls& calls, const QStringList& branches) {
    std::map<QString, BranchRows> rows;
    for (const QString& branch : branches) {
        const TimedCall read = calls.getTpOperFil(branch);
        rows[branch] = ListingPackets::BranchRows(
            Required(read, QStringLiteral("GetTpOperFil ") + branch).payload);
    }
    return rows;
}

std::map<int, QStringList> ReadClientTypes(ModuleCalls& calls, const MixPlan& plan) {
    std::map<int, QStringList> types;
    for (const ClientPlan& client : plan.clients) {
        if (client.isBulkWriter)
            continue;
        const TimedCall read = calls.getTipoOperCli(client.pair);
        types[client.index] = ListingPackets::ClientTypes(
            Required(read, QStringLiteral("GetTipoOperCli ") + client.pair.client).payload);
    }
    return types;
}

MixState ReadState(ModuleCalls& calls, const MixPlan& plan) {
    return {ReadBranches(calls, plan.bulkBranches), ReadClientTypes(calls, plan)};
}

// A connection to the first server, opened; its transport's error goes on.
std::unique_ptr<ModuleCalls> Opened(const LoadOptions& options, const QElapsedTimer& clock,
                                    MethodTally& tally) {
    auto calls = std::make_unique<ModuleCalls>(options.host, options.portFor(0), clock, tally);
    calls->open();
    return calls;
}

struct Prepared {
    MixPlan plan;
    MixState before;
};

// The bulk selection set to `bulkBefore`, then the rows read and the plan made from them.
Prepared Prepare(std::unique_ptr<ModuleCalls> calls, int busy, const RowSettings& bulkBefore) {
    const MixShape shape = MixedLoad::DemoShape(busy);
    Required(
        calls->setGravaAut(shape.branches, shape.bulkTypes, bulkBefore, shape.branches.front()),
        QStringLiteral("SetGravaAut antes da carga"));
    Prepared prepared{{}, {ReadBranches(*calls, shape.branches), {}}};
    prepared.plan = MixPlan::Make(shape, prepared.before.branches);
    prepared.before.clientTypes = ReadClientTypes(*calls, prepared.plan);
    return prepared;
}

MixedClient::Start StartOf(const ClientPlan& client, const MixState& before) {
    if (client.isBulkWriter)
        return {};
    const BranchRows& rows = before.branches.at(client.ownRow.branch);
    return {rows.at(client.ownRow.type), before.clientTypes.at(client.index)};
}

// One busy client, on its own thread.
void Busy(const LoadOptions& options, const QElapsedTimer& clock, QDeadlineTimer end,
          const MixPlan& plan, const ClientPlan& me, MixedClient::Start start, ClientLog& log) {
    ModuleCalls calls(options.host, options.portFor(me.index), clock, log.tally);
    try {
        calls.open();
    } catch (const Exception& error) {
        log.isRefused = true;
        log.tally.fail(QStringLiteral("(abertura)"), error.Message());
        return;
    }
    MixedClient(plan, me, std::move(start), calls, log).run(end);
}

std::vector<ClientLog> RunClients(const LoadOptions& options, const QElapsedTimer& clock,
                                  const MixPlan& plan, const MixState& before) {
    std::vector<ClientLog> logs(plan.clients.size());
    const QDeadlineTimer end(qint64(options.seconds) * 1000);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < plan.clients.size(); ++i) {
        const ClientPlan& client = plan.clients[i];
        threads.emplace_back(Busy, std::cref(options), std::cref(clock), end, std::cref(plan),
                             std::cref(client), StartOf(client, before), std::ref(logs[i]));
    }
    for (std::thread& thread : threads)
        thread.join();
    return logs;
}

} // namespace

MixShape MixedLoad::DemoShape(int busy) {
    MixShape shape;
    shape.busy = busy;
    for (const DemoSeedData::Branch& branch : DemoSeedData::Branches())
        shape.branches.append(QString::fromUtf8(branch.code));
    const auto types = DemoSeedData::OperationTypes();
    for (size_t i = 0; i < types.size(); ++i) {
        const QString code = QString::fromUtf8(types[i].code);
        if (i + kBulkTypes >= types.size())
            shape.bulkTypes.append(code);
        if (types[i].entryExit == 'S' && shape.clientTypes.size() < kClientTypes)
            shape.clientTypes.append(code);
    }
    for (int i = 0; i < DemoDatabase::kSeedClients; ++i)
        shape.clients.append(DemoDatabase::ClientCode(i));
    return shape;
}

MixedReport MixedLoad::Run(const LoadOptions& options) {
    QElapsedTimer clock;
    clock.start();
    MethodTally uncounted; // the set-up's and the final reads' calls are not the load's
    const RowSettings bulkBefore = RowSettings::Nth(0);
    Prepared prepared = Prepare(Opened(options, clock, uncounted), options.busy, bulkBefore);
    const MixPlan& plan = prepared.plan;

    MixedReport report;
    IdleSessions idle(options);
    report.idleOpened = idle.opened();
    report.refused = idle.refused();
    report.firstRefusal = idle.firstError();
    const qint64 startMs = clock.elapsed();
    const std::vector<ClientLog> logs = RunClients(options, clock, plan, prepared.before);
    report.seconds = static_cast<double>(clock.elapsed() - startMs) / 1000.0;

    const MixState after = ReadState(*Opened(options, clock, uncounted), plan);
    for (const ClientLog& log : logs) {
        report.tally.merge(log.tally);
        report.refused += log.isRefused ? 1 : 0;
    }
    report.idleServedAtEnd = idle.serveAll(plan.bulkBranches.front(), [&](const QString& message) {
        report.tally.fail(QStringLiteral("GetTpOperFil (sessão ociosa)"), message);
    });
    report.rowWriters = plan.rowWriters();
    report.bulkWriters = plan.bulkWriters();
    report.bulkRows = plan.bulkBranches.size() * plan.bulkTypes.size();
    report.servers = options.ports.size();
    report.verdict = RunVerdict::Judge(plan, prepared.before, after, bulkBefore, logs);
    return report;
}

} // namespace ger
