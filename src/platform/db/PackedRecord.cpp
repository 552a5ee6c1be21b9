#include "platform/db/PackedRecord.h"

#include "platform/db/EDatabaseError.h"
#include "platform/db/Utf8Text.h"

#include <cstring>

namespace ger {

namespace {

constexpr size_t headerSize(int columns) {
    return PackedRecordView::HeaderSize(columns);
}

template <class SliceAt> void build(int columns, SliceAt sliceAt, std::unique_ptr<char[]>& block) {
    if (columns < 0 || columns > 0xFFFF)
        throw EDatabaseError(QStringLiteral("A record cannot hold %1 columns").arg(columns));
    size_t dataSize = 0;
    for (int i = 0; i < columns; ++i)
        dataSize += sliceAt(i).bytes.size();
    if (dataSize > 0xFFFFFFFFULL)
        throw EDatabaseError(QStringLiteral("A record cannot hold more than 4 GiB"));
    const size_t header = headerSize(columns);
    block.reset(new char[header + dataSize]);
    char* p = block.get();
    const quint16 count = static_cast<quint16>(columns);
    std::memcpy(p, &count, 2);
    std::memset(p + 2, 0, 2);
    char* bitmap = p + 4 + 4 * static_cast<size_t>(columns);
    std::memset(bitmap, 0, (static_cast<size_t>(columns) + 7) / 8);
    char* data = p + header;
    quint32 end = 0;
    for (int i = 0; i < columns; ++i) {
        const ValueSlice slice = sliceAt(i);
        if (slice.isNull)
            bitmap[i / 8] = static_cast<char>(bitmap[i / 8] | (1 << (i % 8)));
        if (!slice.bytes.empty())
            std::memcpy(data + end, slice.bytes.data(), slice.bytes.size());
        end += static_cast<quint32>(slice.bytes.size());
        std::memcpy(p + 4 + 4 * static_cast<size_t>(i), &end, 4);
    }
}

} // namespace

std::optional<QString> PackedRecordView::Value(int column) const {
    if (IsNull(column))
        return std::nullopt;
    const std::string_view bytes = Bytes(column);
    return Utf8Text(bytes);
}

size_t PackedRecordView::BlockSize() const {
    const int columns = ColumnCount();
    return headerSize(columns) + (columns == 0 ? 0 : end(columns - 1));
}

bool PackedRecordView::SameContent(PackedRecordView other) const {
    const size_t size = BlockSize();
    return size == other.BlockSize() && std::memcmp(m_block, other.m_block, size) == 0;
}

PackedRecord PackedRecord::FromSlices(const ValueSlice* values, int columnCount) {
    PackedRecord record;
    build(
        columnCount, [values](int i) { return values[i]; }, record.m_block);
    return record;
}

PackedRecord PackedRecord::FromValues(const RecordValues& values) {
    std::vector<QByteArray> utf8(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i])
            utf8[i] = values[i]->toUtf8();
    PackedRecord record;
    build(
        static_cast<int>(values.size()),
        [&](int i) {
            const auto index = static_cast<size_t>(i);
            if (!values[index])
                return ValueSlice::Null();
            return ValueSlice::Of(
                {utf8[index].constData(), static_cast<size_t>(utf8[index].size())});
        },
        record.m_block);
    return record;
}

} // namespace ger
