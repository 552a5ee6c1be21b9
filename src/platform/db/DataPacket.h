#pragma once
// Data packets: the content of a client dataset as it travels between the application server
// and the screens, and the change list (delta) that goes back. The format is our own, binary
// and versioned; this comment is its complete description.
//
// Notation: u8 is one byte. varuint is an unsigned LEB128 integer below 2^32: seven bits per
// byte, least significant group first, the high bit set on every byte but the last; at most
// five bytes, and no superfluous trailing zero group (0x80 0x00 is malformed, 0x00 is zero).
//
//   Packet    := Magic Version Kind FieldList Body
//   Magic     := the four bytes 'G' 'D' 'P' 'K' (0x47 0x44 0x50 0x4B)
//   Version   := u8, currently 1; any other value is refused
//   Kind      := u8: 0 data packet, 1 delta packet
//   FieldList := varuint count (at most MaxFields), then count times Field
//   Field     := varuint length (1..MaxFieldNameBytes), that many bytes of UTF-8 name,
//                u8 type tag (1 = string; every other tag is refused),
//                varuint size: the field's width in characters (1..MaxFieldSize)
//   Body of a data packet  := varuint row count, then that many Rows
//   Body of a delta packet := varuint change count, then that many Changes
//   Row       := one Value per field, in field order
//   Value     := varuint tag: 0 is NULL; n + 1 is a string of n bytes of UTF-8 that follow
//   Change    := u8 change kind (1 insert, 2 delete, 3 modify),
//                then the original Row for delete and modify,
//                then the current Row for insert and modify
//
// Nothing may follow the body. Field names are unique without regard to case. A NULL is
// distinct from the empty string (tag 0 against tag 1). Sizes are metadata for the fields a
// dataset creates; values are not checked against them.
//
// Example: a data packet with one field "CDFILIAL" of size 4 and two rows, "0001" and NULL:
//
//   47 44 50 4B 01 00                    magic, version 1, data packet
//   01                                   one field
//   08 43 44 46 49 4C 49 41 4C 01 04     "CDFILIAL", string, size 4
//   02                                   two rows
//   05 30 30 30 31                       "0001"
//   00                                   NULL
//
// Decoding is strict and bounded: every length and count is checked against the bytes that
// remain before anything is allocated for it, strings must be valid UTF-8, and a malformed,
// truncated or over-long packet raises EDatabaseError. It never reads past the end.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace ger {

struct PacketField {
    QString name;
    int size = 20;

    bool operator==(const PacketField&) const = default;
};

using PacketValue = std::optional<QString>;
using PacketRow = std::vector<PacketValue>;

enum class PacketKind : quint8 { Data = 0, Delta = 1 };
enum class ChangeKind : quint8 { Insert = 1, Delete = 2, Modify = 3 };

namespace packet {
inline constexpr quint8 Version = 1;
inline constexpr quint8 StringType = 1;
inline constexpr int MaxFields = 4096;
inline constexpr int MaxFieldNameBytes = 255;
inline constexpr int MaxFieldSize = 1 << 20;
inline constexpr quint32 MaxRows = 50'000'000;
} // namespace packet

// The plain view of a data packet: what the server builds from SQL rows and what a test reads.
struct DataPacket {
    std::vector<PacketField> fields;
    std::vector<PacketRow> rows;

    // Raises EDatabaseError when a row does not have one value per field or a field is invalid.
    QByteArray Encode() const;
    static DataPacket Decode(const QByteArray& bytes);

    bool operator==(const DataPacket&) const = default;
};

struct PacketChange {
    ChangeKind kind = ChangeKind::Modify;
    PacketRow original; // delete and modify
    PacketRow current;  // insert and modify

    bool operator==(const PacketChange&) const = default;
};

// The plain view of a change list, as the server decodes what a client dataset's Delta sent.
struct DeltaPacket {
    std::vector<PacketField> fields;
    std::vector<PacketChange> changes;

    QByteArray Encode() const;
    static DeltaPacket Decode(const QByteArray& bytes);

    bool operator==(const DeltaPacket&) const = default;
};

} // namespace ger
