// The client lookup of screen GER99500 (qryCli, then Pesquisar(dtsCli, ...)) over a demo
// database of 100,000 clients, step by step, beside a bare baseline measured in the same run
// (compare the ratios, not the times):
//
//   BM_BareSelect           (a) the rows read with SqlStatement, the platform's lowest SQL
//                               access: SELECT ... FROM CLIENTE ORDER BY NRINSJURCLIE
//   BM_RawSqliteSelect          for scale: the same rows through sqlite3_* into QStrings
//   BM_QueryOpen            (b) qryCli as the screen's form data declares it, opened
//   BM_LookupRequestBuilt       the share of (c) that is Pesquisar's request alone
//   BM_LookupWindowBuilt    (c) Pesquisar on the open query: the request built from the dataset
//                               and the lookup window with its model made from it (not shown)
//   BM_LookupFiltered       (d) the search box of a built window: a registration prefix typed
//                               key by key, erased, a name fragment typed, erased; the
//                               counter `filters` is the number of texts filtered per iteration
//
// After the run: the ratio (b + c + d) / a (target: under 3), the same total against the raw
// read, and the time from Pesquisar to a painted window and from a key to the repainted
// filtered table, on the offscreen platform (QT_QPA_PLATFORM, when set, chooses another).
//
//   bench_client_lookup [--clients N] --benchmark_repetitions=5
//
// --clients: the demo database's clients (default 100000). The query's text and fields are
// read from src/module/Cli_ger99500.dfm in the source tree, as the query tests read them.
//
// Run from a Release build.

#include "ClientLookupFixture.h"
#include "platform/core/Exception.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>

using namespace ger;
using namespace ger::bench;

namespace {

ClientLookupFixture* g_fixture = nullptr;

void BM_BareSelect(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_fixture->bareSelect());
    state.counters["rows"] = g_fixture->bareSelect();
}

void BM_RawSqliteSelect(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_fixture->rawSqliteSelect());
}

void BM_QueryOpen(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_fixture->openQuery());
    state.counters["rows"] = g_fixture->openQuery();
}

void BM_LookupRequestBuilt(benchmark::State& state) {
    g_fixture->openQuery();
    for (auto _ : state)
        benchmark::DoNotOptimize(g_fixture->buildLookupRequest());
    state.counters["rows"] = g_fixture->buildLookupRequest();
}

void BM_LookupWindowBuilt(benchmark::State& state) {
    g_fixture->openQuery();
    for (auto _ : state)
        benchmark::DoNotOptimize(g_fixture->buildLookupWindow());
    state.counters["rows"] = g_fixture->buildLookupWindow();
}

void BM_LookupFiltered(benchmark::State& state) {
    g_fixture->openQuery();
    g_fixture->keepLookupWindow();
    int filters = 0;
    for (auto _ : state)
        filters = g_fixture->typeInSearchBox();
    state.counters["filters"] = filters;
    g_fixture->dropLookupWindow();
}

BENCHMARK(BM_BareSelect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSqliteSelect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupRequestBuilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupWindowBuilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupFiltered)->Unit(benchmark::kMillisecond);

// Keeps the real time of each benchmark (the mean when repeated) for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (single || run.aggregate_name == "mean")
                m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    double time(const std::string& name) const {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> m_times;
};

void PrintRatio(const RatioReporter& reporter) {
    const double bare = reporter.time("BM_BareSelect");
    const double lookup = reporter.time("BM_QueryOpen") + reporter.time("BM_LookupWindowBuilt") +
                          reporter.time("BM_LookupFiltered");
    if (bare <= 0 || lookup <= 0) {
        std::printf("ratio: not measured (run BM_BareSelect and the three lookup steps)\n");
        return;
    }
    std::printf("lookup total (query opened + window built + filtered) = %.1f ms, bare select = "
                "%.1f ms, ratio %.2f (target < 3)\n",
                lookup, bare, lookup / bare);
    const double raw = reporter.time("BM_RawSqliteSelect");
    if (raw > 0)
        std::printf("lookup total / raw sqlite3 read (%.1f ms) = %.2f\n", raw, lookup / raw);
}

// "--clients N" is ours; the rest goes to Google Benchmark.
int TakeClientCount(int& argc, char** argv) {
    int clients = 100000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--clients") == 0) {
            clients = std::atoi(argv[i + 1]);
            for (int j = i; j + 2 <= argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            break;
        }
    }
    return clients;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int clients = TakeClientCount(argc, argv);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    try {
        ClientLookupFixture fixture(clients);
        g_fixture = &fixture;
        std::printf("demo database: %d clients, created in %.1f s\n", clients,
                    fixture.creationSeconds());
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        PrintRatio(reporter);
        fixture.printWindowTimings();
    } catch (const Exception& error) {
        std::fprintf(stderr, "bench_client_lookup: %s\n", qUtf8Printable(error.Message()));
        return 1;
    }
    benchmark::Shutdown();
    g_fixture = nullptr;
    return 0;
}
