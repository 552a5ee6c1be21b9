#pragma once
// Encoder of the data packet format described in DataPacket.h. Values are appended one at a
// time in row order, so a server can write SQL rows straight into a packet:
//
//   PacketWriter writer(PacketKind::Data, {{"CDFILIAL", 4}, {"NMFILIAL", 30}});
//   writer.AppendValue(QStringLiteral("0001"));
//   writer.AppendNull();                       // one complete row
//   QByteArray bytes = writer.Finish();
//
// For a delta, BeginChange(kind) starts each change; it is followed by the original row
// (delete, modify) and then the current row (insert, modify). Misuse (a bad field list, a
// value where none is expected, an incomplete row at Finish) raises EDatabaseError.

#include "platform/db/DataPacket.h"

#include <QByteArray>
#include <QStringView>
#include <string_view>

namespace ger {

class PacketWriter {
public:
    PacketWriter(PacketKind kind, const std::vector<PacketField>& fields);

    void BeginChange(ChangeKind kind);
    void AppendValue(QStringView text);
    void AppendValue(const PacketValue& value);
    void AppendNull();
    // A value already in UTF-8; the caller guarantees it is valid UTF-8.
    void AppendUtf8(std::string_view utf8);
    void AppendRow(const PacketRow& row);

    // The finished packet; the writer is spent afterwards.
    QByteArray Finish();

private:
    void beginValue();
    [[noreturn]] void misuse(const QString& reason) const;

    PacketKind m_kind;
    int m_fieldCount;
    QByteArray m_head;
    QByteArray m_body;
    quint32 m_items = 0;
    int m_valuesLeft = 0; // values still due in the current row or change
    bool m_finished = false;
};

// Appends an unsigned LEB128 integer (see DataPacket.h).
void AppendVarUInt(QByteArray& out, quint32 value);

} // namespace ger
