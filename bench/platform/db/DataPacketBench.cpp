// Data packets and the client dataset on 100,000 rows of six short string fields, beside bare
// baselines measured in the same run:
//   BM_ParseFloor      one validating pass that records where each value starts, no strings;
//                      Decode and Load are compared with it (target: within 30x).
//   BM_PlainLoopFind   a loop over std::vector<std::string> comparing the key; Locate of the
//                      last row is compared with it (target: within 2x).
// BM_Load also reports the heap bytes a loaded row takes (row_bytes) against its string bytes
// (string_bytes; target: row_bytes within 2 * string_bytes + 64). BM_DeltaOneChange and
// BM_EditMergeOneChange run at 100 and 100,000 rows: their times should match.

#include "platform/db/DataPacket.h"
#include "platform/db/PacketReader.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <malloc.h>
#include <string>
#include <vector>

using namespace ger;

namespace {

constexpr int Rows = 100'000;

QString Code(int row) {
    return QStringLiteral("R%1").arg(row, 6, 10, QLatin1Char('0'));
}

DataPacket MakePacket(int rows) {
    DataPacket packet;
    packet.fields = {{"CODIGO", 7},       {"CDFILIAL", 4},    {"IDLIBERADO", 1},
                     {"IDLANCMANUAL", 1}, {"NMTIPOOPER", 30}, {"IDENDEMIS", 1}};
    packet.rows.reserve(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i)
        packet.rows.push_back({Code(i), QStringLiteral("%1").arg(i % 97, 4, 10, QLatin1Char('0')),
                               QStringLiteral("S"), i % 3 ? QStringLiteral("N") : PacketValue(),
                               QStringLiteral("Venda %1").arg(i % 1000), QStringLiteral("P")});
    return packet;
}

const DataPacket& Plain() {
    static const DataPacket packet = MakePacket(Rows);
    return packet;
}

const QByteArray& Encoded() {
    static const QByteArray bytes = Plain().Encode();
    return bytes;
}

// The bare floor: validate bounds, integers and UTF-8 in one pass and note value offsets.
class FloorScanner {
public:
    explicit FloorScanner(const QByteArray& bytes)
        : p(reinterpret_cast<const unsigned char*>(bytes.constData()))
        , end(p + bytes.size()) {}

    bool Scan(std::vector<quint32>& offsets) {
        const unsigned char* begin = p;
        if (end - p < 6 || std::memcmp(p, "GDPK", 4) != 0 || p[4] != 1 || p[5] != 0)
            return false;
        p += 6;
        quint32 fields = 0;
        if (!var(fields) || fields == 0)
            return false;
        for (quint32 f = 0; f < fields; ++f) {
            quint32 length = 0, size = 0;
            if (!var(length) || static_cast<quint32>(end - p) < length + 1u)
                return false;
            p += length;
            if (*p++ != 1 || !var(size))
                return false;
        }
        quint32 rows = 0;
        if (!var(rows) || static_cast<quint64>(rows) * fields > static_cast<quint64>(end - p))
            return false;
        offsets.resize(static_cast<size_t>(rows) * fields);
        for (quint32& offset : offsets) {
            offset = static_cast<quint32>(p - begin);
            quint32 tag = 0;
            if (!var(tag))
                return false;
            if (tag == 0)
                continue;
            const quint32 length = tag - 1;
            if (static_cast<quint32>(end - p) < length || !utf8(length))
                return false;
            p += length;
        }
        return p == end;
    }

private:
    bool var(quint32& value) {
        value = 0;
        for (int shift = 0; shift < 35 && p < end; shift += 7) {
            const unsigned char byte = *p++;
            value |= static_cast<quint32>(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }
    bool utf8(quint32 length) const {
        for (quint32 i = 0; i < length; ++i)
            if (p[i] & 0x80)
                return IsValidUtf8({reinterpret_cast<const char*>(p), length});
        return true;
    }

    const unsigned char* p;
    const unsigned char* end;
};

void BM_ParseFloor(benchmark::State& state) {
    std::vector<quint32> offsets;
    for (auto _ : state) {
        FloorScanner scanner(Encoded());
        benchmark::DoNotOptimize(scanner.Scan(offsets));
        benchmark::DoNotOptimize(offsets.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_ParseFloor)->Unit(benchmark::kMillisecond);

void BM_Encode(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Plain().Encode());
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);

void BM_Decode(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DataPacket::Decode(Encoded()));
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond);

double StringBytesPerRow() {
    double total = 0;
    for (const PacketRow& row : Plain().rows)
        for (const PacketValue& value : row)
            total += value ? static_cast<double>(value->toUtf8().size()) : 0.0;
    return total / Rows;
}

double LoadedBytesPerRow() {
    TClientDataSet cds(nullptr);
    const size_t before = mallinfo2().uordblks;
    cds.SetData(Encoded());
    const size_t after = mallinfo2().uordblks;
    return static_cast<double>(after - before) / Rows;
}

void BM_Load(benchmark::State& state) {
    for (auto _ : state) {
        TClientDataSet cds(nullptr);
        cds.SetData(Encoded());
        benchmark::DoNotOptimize(cds.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
    const double strings = StringBytesPerRow();
    state.counters["row_bytes"] = LoadedBytesPerRow();
    state.counters["string_bytes"] = strings;
    state.counters["row_limit"] = 2 * strings + 64;
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_LocateLast(benchmark::State& state) {
    TClientDataSet cds(nullptr);
    cds.SetData(Encoded());
    const QString key = Code(Rows - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(cds.Locate(QStringLiteral("CODIGO"), key));
    if (cds.RecNo() != Rows)
        state.SkipWithError("Locate did not find the last row");
}
BENCHMARK(BM_LocateLast)->Unit(benchmark::kMicrosecond);

void BM_PlainLoopFind(benchmark::State& state) {
    std::vector<std::string> codes;
    codes.reserve(Rows);
    for (int i = 0; i < Rows; ++i)
        codes.push_back(Code(i).toStdString());
    const std::string key = Code(Rows - 1).toStdString();
    for (auto _ : state) {
        size_t found = codes.size();
        for (size_t i = 0; i < codes.size(); ++i) {
            if (codes[i] == key) {
                found = i;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_PlainLoopFind)->Unit(benchmark::kMicrosecond);

void LoadWithOneChange(TClientDataSet& cds, int rows, int& counter) {
    cds.SetData(MakePacket(rows).Encode());
    cds.SetRecNo(rows / 2);
    cds.Edit();
    cds.FieldByName(QStringLiteral("NMTIPOOPER"))->SetAsString(QString::number(++counter));
    cds.Post();
}

void BM_DeltaOneChange(benchmark::State& state) {
    TClientDataSet cds(nullptr);
    int counter = 0;
    LoadWithOneChange(cds, static_cast<int>(state.range(0)), counter);
    for (auto _ : state)
        benchmark::DoNotOptimize(cds.Delta());
}
BENCHMARK(BM_DeltaOneChange)->Arg(100)->Arg(Rows)->Unit(benchmark::kNanosecond);

void BM_EditMergeOneChange(benchmark::State& state) {
    TClientDataSet cds(nullptr);
    int counter = 0;
    LoadWithOneChange(cds, static_cast<int>(state.range(0)), counter);
    TField* name = cds.FieldByName(QStringLiteral("NMTIPOOPER"));
    for (auto _ : state) {
        cds.Edit();
        name->SetAsString(QString::number(++counter));
        cds.Post();
        cds.MergeChangeLog();
    }
}
BENCHMARK(BM_EditMergeOneChange)->Arg(100)->Arg(Rows)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
