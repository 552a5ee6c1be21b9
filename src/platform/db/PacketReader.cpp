#include "platform/db/PacketReader.h"

#include "platform/db/EDatabaseError.h"
#include "platform/db/Utf8Text.h"

#include <QSet>
#include <cstring>

namespace ger {

namespace {

constexpr char Magic[4] = {'G', 'D', 'P', 'K'};

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the multi-byte sequence starting at p (lead byte c), or 0 when malformed.
size_t sequenceLength(const unsigned char* p, size_t left) {
    const unsigned char c = p[0];
    if (c >= 0xC2 && c <= 0xDF)
        return left >= 2 && isContinuation(p[1]) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (left < 3 || !isContinuation(p[1]) || !isContinuation(p[2]))
            return 0;
        if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] >= 0xA0))
            return 0; // overlong, surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (left < 4 || !isContinuation(p[1]) || !isContinuation(p[2]) || !isContinuation(p[3]))
            return 0;
        if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] >= 0x90))
            return 0; // overlong, above U+10FFFF
        return 4;
    }
    return 0;
}

bool insertUnique(QSet<QString>& set, const QString& key) {
    const qsizetype before = set.size();
    set.insert(key);
    return set.size() != before;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        if (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const size_t n = sequenceLength(p, static_cast<size_t>(end - p));
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

PacketReader::PacketReader(const QByteArray& bytes)
    : m_begin(bytes.constData())
    , m_pos(bytes.constData())
    , m_end(bytes.constData() + bytes.size()) {}

void PacketReader::fail(const QString& reason) const {
    throw EDatabaseError(
        QStringLiteral("Malformed data packet at byte %1: %2").arg(Offset()).arg(reason));
}

quint8 PacketReader::readByte() {
    if (m_pos == m_end)
        fail(QStringLiteral("truncated"));
    return static_cast<quint8>(*m_pos++);
}

quint32 PacketReader::readVarUInt() {
    quint64 value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const quint8 byte = readByte();
        value |= static_cast<quint64>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            if (byte == 0 && shift > 0)
                fail(QStringLiteral("over-long integer encoding"));
            if (value > 0xFFFFFFFFULL)
                fail(QStringLiteral("integer out of range"));
            return static_cast<quint32>(value);
        }
    }
    fail(QStringLiteral("integer longer than five bytes"));
}

std::string_view PacketReader::take(quint32 count) {
    if (count > remaining())
        fail(QStringLiteral("length %1 exceeds the %2 bytes left").arg(count).arg(remaining()));
    std::string_view slice(m_pos, count);
    m_pos += count;
    return slice;
}

PacketKind PacketReader::ReadHeader() {
    const std::string_view magic = take(4);
    if (std::memcmp(magic.data(), Magic, 4) != 0)
        fail(QStringLiteral("not a data packet"));
    const quint8 version = readByte();
    if (version != packet::Version)
        fail(QStringLiteral("unsupported version %1").arg(version));
    const quint8 kind = readByte();
    if (kind > static_cast<quint8>(PacketKind::Delta))
        fail(QStringLiteral("unknown packet kind %1").arg(kind));
    return static_cast<PacketKind>(kind);
}

std::vector<PacketField> PacketReader::ReadFields() {
    const quint32 count = readVarUInt();
    if (count == 0 || count > static_cast<quint32>(packet::MaxFields))
        fail(QStringLiteral("field count %1 out of range").arg(count));
    if (count * 4ULL > remaining())
        fail(QStringLiteral("field count %1 exceeds the packet").arg(count));
    std::vector<PacketField> fields;
    fields.reserve(count);
    QSet<QString> seen;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 length = readVarUInt();
        if (length == 0 || length > static_cast<quint32>(packet::MaxFieldNameBytes))
            fail(QStringLiteral("field name length %1 out of range").arg(length));
        const std::string_view name = take(length);
        if (!IsValidUtf8(name))
            fail(QStringLiteral("field name is not UTF-8"));
        const quint8 type = readByte();
        if (type != packet::StringType)
            fail(QStringLiteral("unknown type tag %1").arg(type));
        const quint32 size = readVarUInt();
        if (size == 0 || size > static_cast<quint32>(packet::MaxFieldSize))
            fail(QStringLiteral("field size %1 out of range").arg(size));
        PacketField field{Utf8Text(name), static_cast<int>(size)};
        if (!insertUnique(seen, field.name.toUpper()))
            fail(QStringLiteral("duplicate field name %1").arg(field.name));
        fields.push_back(std::move(field));
    }
    return fields;
}

quint32 PacketReader::ReadItemCount(size_t minBytesPerItem) {
    const quint32 count = readVarUInt();
    if (count > packet::MaxRows)
        fail(QStringLiteral("count %1 exceeds the limit").arg(count));
    if (static_cast<quint64>(count) * minBytesPerItem > remaining())
        fail(QStringLiteral("count %1 exceeds the packet").arg(count));
    return count;
}

ValueSlice PacketReader::ReadValue() {
    const quint32 tag = readVarUInt();
    if (tag == 0)
        return ValueSlice::Null();
    const std::string_view bytes = take(tag - 1);
    if (!IsValidUtf8(bytes))
        fail(QStringLiteral("string is not UTF-8"));
    return ValueSlice::Of(bytes);
}

ChangeKind PacketReader::ReadChangeKind() {
    const quint8 kind = readByte();
    if (kind < static_cast<quint8>(ChangeKind::Insert) ||
        kind > static_cast<quint8>(ChangeKind::Modify))
        fail(QStringLiteral("unknown change kind %1").arg(kind));
    return static_cast<ChangeKind>(kind);
}

void PacketReader::ExpectEnd() const {
    if (m_pos != m_end)
        fail(QStringLiteral("%1 trailing bytes").arg(remaining()));
}

} // namespace ger
