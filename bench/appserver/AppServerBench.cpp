// The application server's two heavy calls, each beside a bare baseline measured in the same
// run (compare the ratios, not the times):
//
//   BM_GetTpOperFil100Rows      the call, over loopback, of a branch with 100 operation types
//   BM_GetTpOperFilInProcess    the same method run in-process (the module's share)
//   BM_BareGetTpOperFil         a bare POSIX ping-pong carrying the same request and reply
//                               bytes, plus the bare SQLite select of the same rows (target:
//                               the call within 2x of this)
//   BM_SetGravaAut/B/T          the bulk write of B branches x T types: 500 x 200 (10^5 rows),
//                               both listed, and 2000 x 500 (10^6 rows), the branches as "T"
//                               (a list holds at most 1000 codes) and the types listed
//   BM_BareUpsert/B/T           one bare INSERT ... SELECT ... ON CONFLICT writing the same rows
//                               in one transaction (target: the call within 1.5x)
//
//   bench_appserver --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Run from a Release build.

#include "BenchDatabase.h"
#include "appserver/AppServer.h"
#include "appserver/RdmTpOperFil.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/RemoteClient.h"

#include <QTemporaryDir>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace ger;
using namespace ger::bench;

namespace {

constexpr int kListRows = 100;
// Lists up to this size are sent as lists, larger ones as "T" (the server's bound).
constexpr int kMaxListedCodes = 1000;

// The statement the module runs for the list, as the bare select runs it.
const char* const kListSql =
    "SELECT T.CDTIPOOPER || ' - ' || O.NMTIPOOPER, T.IDLIBERADO, T.IDLANCMANUAL, T.CDFILIAL, "
    "T.CDTIPOOPER, T.IDENDEMISTPOPFIL FROM TIPOOPERFILIAL T JOIN TIPOOPERAC O "
    "ON O.CDTIPOOPER = T.CDTIPOOPER WHERE T.CDFILIAL = ? ORDER BY T.CDTIPOOPER";

const char* const kUpsertSql =
    "INSERT INTO TIPOOPERFILIAL (CDFILIAL, CDTIPOOPER, IDLIBERADO, IDLANCMANUAL, "
    "IDENDEMISTPOPFIL, CDINSCMUNI) SELECT F.CDFILIAL, O.CDTIPOOPER, ?, 'N', 'P', NULL "
    "FROM FILIAL F, TIPOOPERAC O WHERE true ON CONFLICT (CDFILIAL, CDTIPOOPER) DO UPDATE SET "
    "IDLIBERADO = excluded.IDLIBERADO, IDLANCMANUAL = excluded.IDLANCMANUAL, "
    "IDENDEMISTPOPFIL = excluded.IDENDEMISTPOPFIL, CDINSCMUNI = NULL";

sqlite3* OpenRaw(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_busy_timeout(db, 5000);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    return db;
}

bool ReadExactly(int fd, char* into, qsizetype size) {
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, into + got, static_cast<size_t>(size - got));
        if (n <= 0)
            return false;
        got += n;
    }
    return true;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    return ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

void NoDelay(int fd) {
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

// A loopback echo with POSIX sockets: answers each request of `in` bytes with `out` bytes.
class PosixEcho {
public:
    PosixEcho(qsizetype in, qsizetype out) {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_listener, 1);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_thread = std::thread([this, in, out] {
            const int fd = ::accept(m_listener, nullptr, nullptr);
            NoDelay(fd);
            QByteArray request(in, '\0');
            const QByteArray reply(out, '\x82');
            while (ReadExactly(fd, request.data(), in) && WriteAll(fd, reply)) {
            }
            ::close(fd);
        });
        m_client = ::socket(AF_INET, SOCK_STREAM, 0);
        ::connect(m_client, reinterpret_cast<sockaddr*>(&address), length);
        NoDelay(m_client);
    }
    ~PosixEcho() {
        ::close(m_client);
        m_thread.join();
        ::close(m_listener);
    }
    int client() const { return m_client; }

private:
    int m_listener = -1;
    int m_client = -1;
    std::thread m_thread;
};

void BM_GetTpOperFil100Rows(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = CreateBenchDatabase(dir.filePath("lista.sqlite"), 1, kListRows, kListRows);
    const auto server = StartAppServer(path);
    RemoteClient client;
    client.open("127.0.0.1", server->serverPort(), RdmTpOperFil::ModuleName);
    QList<CallArgument> args{CallArgument::string("0001")};
    for (auto _ : state)
        benchmark::DoNotOptimize(client.call("GetTpOperFil", args));
}
BENCHMARK(BM_GetTpOperFil100Rows)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The module's share of the call: the same method run in-process, without the wire.
void BM_GetTpOperFilInProcess(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = CreateBenchDatabase(dir.filePath("lista.sqlite"), 1, kListRows, kListRows);
    RdmTpOperFil module(path);
    QList<CallArgument> args{CallArgument::string("0001")};
    for (auto _ : state)
        benchmark::DoNotOptimize(module.Invoke("GetTpOperFil", args));
}
BENCHMARK(BM_GetTpOperFilInProcess)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_BareGetTpOperFil(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = CreateBenchDatabase(dir.filePath("lista.sqlite"), 1, kListRows, kListRows);
    QByteArray packet;
    {
        const auto server = StartAppServer(path);
        RemoteClient client;
        client.open("127.0.0.1", server->serverPort(), RdmTpOperFil::ModuleName);
        QList<CallArgument> args{CallArgument::string("0001")};
        packet = client.call("GetTpOperFil", args).toByteArray();
    }
    const QByteArray request =
        ProtocolMessage::call(CallRecord{"GetTpOperFil", {CallArgument::string("0001")}});
    const qsizetype replySize = ProtocolMessage::result(packet, {}).size();
    PosixEcho echo(request.size(), replySize);
    QByteArray reply(replySize, '\0');
    sqlite3* db = OpenRaw(path);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, kListSql, -1, &select, nullptr);
    qint64 bytes = 0;
    for (auto _ : state) {
        sqlite3_bind_text(select, 1, "0001", 4, SQLITE_STATIC);
        while (sqlite3_step(select) == SQLITE_ROW)
            for (int column = 0; column < 6; ++column)
                bytes += sqlite3_column_bytes(select, column) +
                         (sqlite3_column_text(select, column) != nullptr);
        sqlite3_reset(select);
        WriteAll(echo.client(), request);
        if (!ReadExactly(echo.client(), reply.data(), replySize))
            state.SkipWithError("echo went away");
    }
    benchmark::DoNotOptimize(bytes);
    sqlite3_finalize(select);
    sqlite3_close(db);
}
BENCHMARK(BM_BareGetTpOperFil)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_SetGravaAut(benchmark::State& state) {
    const int branchCount = static_cast<int>(state.range(0));
    const int typeCount = static_cast<int>(state.range(1));
    QTemporaryDir dir;
    const QString path =
        CreateBenchDatabase(dir.filePath("massa.sqlite"), branchCount, typeCount, 0);
    QStringList branches;
    for (int i = 0; i < branchCount; ++i)
        branches.append(BranchCode(i));
    QStringList types;
    for (int i = 0; i < typeCount; ++i)
        types.append(TypeCode(i));
    const auto listOf = [](const QStringList& codes) {
        return codes.size() > kMaxListedCodes ? QStringLiteral("T") : QuotedList(codes);
    };
    const auto server = StartAppServer(path);
    RemoteClient client;
    client.open("127.0.0.1", server->serverPort(), RdmTpOperFil::ModuleName);
    bool released = false;
    for (auto _ : state) {
        released = !released;
        QList<CallArgument> args{CallArgument::stringByRef("T"),
                                 CallArgument::stringByRef(listOf(branches)),
                                 CallArgument::stringByRef(listOf(types)),
                                 CallArgument::stringByRef(released ? "S" : "N"),
                                 CallArgument::stringByRef("N"),
                                 CallArgument::string("0001"),
                                 CallArgument::stringByRef("P")};
        const QVariantList result = client.call("SetGravaAut", args).toList();
        if (result.size() != 2 || result.at(0).toInt() != 0)
            state.SkipWithError("SetGravaAut failed");
    }
    state.SetItemsProcessed(state.iterations() * branchCount * typeCount);
}
BENCHMARK(BM_SetGravaAut)
    ->Args({500, 200})
    ->Args({2000, 500})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_BareUpsert(benchmark::State& state) {
    const int branchCount = static_cast<int>(state.range(0));
    const int typeCount = static_cast<int>(state.range(1));
    QTemporaryDir dir;
    const QString path =
        CreateBenchDatabase(dir.filePath("massa.sqlite"), branchCount, typeCount, 0);
    sqlite3* db = OpenRaw(path);
    sqlite3_stmt* upsert = nullptr;
    sqlite3_prepare_v2(db, kUpsertSql, -1, &upsert, nullptr);
    bool released = false;
    for (auto _ : state) {
        released = !released;
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_bind_text(upsert, 1, released ? "S" : "N", 1, SQLITE_STATIC);
        if (sqlite3_step(upsert) != SQLITE_DONE)
            state.SkipWithError(sqlite3_errmsg(db));
        sqlite3_reset(upsert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * branchCount * typeCount);
    sqlite3_finalize(upsert);
    sqlite3_close(db);
}
BENCHMARK(BM_BareUpsert)
    ->Args({500, 200})
    ->Args({2000, 500})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
