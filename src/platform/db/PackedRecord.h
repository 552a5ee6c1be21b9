#pragma once
// One row of a client dataset, stored compactly: a single heap block per row instead of one
// object per value. Layout of the block (all integers native-endian, read with memcpy):
//
//   u16 column count | u16 unused | u32 end[column count] | null bitmap | UTF-8 bytes
//
// end[i] is the offset, within the UTF-8 area, just past the bytes of column i (column i
// starts at end[i - 1], or 0); bit i of the bitmap (byte i / 8, bit i % 8) marks a NULL, whose
// byte range is empty. Blocks are immutable once built: an edit builds a new one, so the old
// block can serve unchanged as the original values of a change log entry.

#include "platform/db/PacketReader.h"

#include <QString>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace ger {

using RecordValues = std::vector<std::optional<QString>>;

// A read-only view of a block (see above); cheap to copy, valid while the block lives.
class PackedRecordView {
public:
    explicit PackedRecordView(const char* block = nullptr)
        : m_block(block) {}

    // Bytes before the UTF-8 area of a block with that many columns.
    static constexpr size_t HeaderSize(int columns) {
        return 4 + 4 * static_cast<size_t>(columns) + (static_cast<size_t>(columns) + 7) / 8;
    }

    const char* Block() const { return m_block; }
    int ColumnCount() const {
        quint16 count;
        std::memcpy(&count, m_block, 2);
        return count;
    }
    bool IsNull(int column) const {
        const char* bitmap = m_block + 4 + 4 * static_cast<size_t>(ColumnCount());
        return (bitmap[column / 8] >> (column % 8)) & 1;
    }
    // The UTF-8 bytes of a column; empty for NULL.
    std::string_view Bytes(int column) const {
        return BytesWithHeader(column, HeaderSize(ColumnCount()));
    }
    // Bytes() for a caller that knows the header size (the same for every row of a store).
    std::string_view BytesWithHeader(int column, size_t headerSize) const {
        const quint32 start = column == 0 ? 0 : end(column - 1);
        return {m_block + headerSize + start, end(column) - start};
    }
    std::optional<QString> Value(int column) const;
    size_t BlockSize() const;
    bool SameContent(PackedRecordView other) const;

private:
    quint32 end(int column) const {
        quint32 value;
        std::memcpy(&value, m_block + 4 + 4 * static_cast<size_t>(column), 4);
        return value;
    }

    const char* m_block;
};

class PackedRecord {
public:
    PackedRecord() = default;

    static PackedRecord FromSlices(const ValueSlice* values, int columnCount);
    static PackedRecord FromValues(const RecordValues& values);

    PackedRecordView View() const { return PackedRecordView(m_block.get()); }
    const char* Block() const { return m_block.get(); }
    explicit operator bool() const { return m_block != nullptr; }

private:
    std::unique_ptr<char[]> m_block;
};

} // namespace ger
