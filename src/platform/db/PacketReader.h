#pragma once
// The strict, bounded reader of the data packet format described in DataPacket.h. It keeps a
// view of the bytes (which must outlive it) and hands out values as slices of them, so a
// dataset can load a packet without building a string per value. Every read checks the bytes
// that remain; any violation raises EDatabaseError naming the byte offset.
//
//   PacketReader reader(bytes);
//   PacketKind kind = reader.ReadHeader();
//   std::vector<PacketField> fields = reader.ReadFields();
//   quint32 rows = reader.ReadItemCount(reader.MinRowBytes(fields.size()));
//   ... ReadValue() once per field and row ...
//   reader.ExpectEnd();

#include "platform/db/DataPacket.h"

#include <QByteArray>
#include <QString>
#include <string_view>

namespace ger {

// One value of a packet: a view of its UTF-8 bytes, or NULL.
struct ValueSlice {
    std::string_view bytes;
    bool isNull = true;

    static ValueSlice Null() { return {}; }
    static ValueSlice Of(std::string_view utf8) { return {utf8, false}; }
};

class PacketReader {
public:
    explicit PacketReader(const QByteArray& bytes);

    PacketKind ReadHeader();
    std::vector<PacketField> ReadFields();
    // A row or change count, refused when the items could not fit in the remaining bytes
    // (each needs at least minBytesPerItem) or when it exceeds packet::MaxRows.
    quint32 ReadItemCount(size_t minBytesPerItem);
    ValueSlice ReadValue();
    ChangeKind ReadChangeKind();
    void ExpectEnd() const;

    size_t Offset() const { return static_cast<size_t>(m_pos - m_begin); }

    static size_t MinRowBytes(size_t fieldCount) { return fieldCount; }

private:
    quint8 readByte();
    quint32 readVarUInt();
    std::string_view take(quint32 count);
    size_t remaining() const { return static_cast<size_t>(m_end - m_pos); }
    [[noreturn]] void fail(const QString& reason) const;

    const char* m_begin;
    const char* m_pos;
    const char* m_end;
};

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, at most
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

} // namespace ger
