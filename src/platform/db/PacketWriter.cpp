#include "platform/db/PacketWriter.h"

#include "platform/db/EDatabaseError.h"

#include <QSet>

namespace ger {

void AppendVarUInt(QByteArray& out, quint32 value) {
    while (value >= 0x80) {
        out.append(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.append(static_cast<char>(value));
}

PacketWriter::PacketWriter(PacketKind kind, const std::vector<PacketField>& fields)
    : m_kind(kind)
    , m_fieldCount(static_cast<int>(fields.size())) {
    if (fields.empty() || fields.size() > static_cast<size_t>(packet::MaxFields))
        misuse(QStringLiteral("a packet needs 1 to %1 fields").arg(packet::MaxFields));
    m_head.append("GDPK", 4);
    m_head.append(static_cast<char>(packet::Version));
    m_head.append(static_cast<char>(kind));
    AppendVarUInt(m_head, static_cast<quint32>(fields.size()));
    QSet<QString> seen;
    for (const PacketField& field : fields) {
        const QByteArray name = field.name.toUtf8();
        if (name.isEmpty() || name.size() > packet::MaxFieldNameBytes)
            misuse(QStringLiteral("invalid field name '%1'").arg(field.name));
        if (field.size < 1 || field.size > packet::MaxFieldSize)
            misuse(QStringLiteral("invalid size %1 of field %2").arg(field.size).arg(field.name));
        const QString key = field.name.toUpper();
        if (seen.contains(key))
            misuse(QStringLiteral("duplicate field name %1").arg(field.name));
        seen.insert(key);
        AppendVarUInt(m_head, static_cast<quint32>(name.size()));
        m_head.append(name);
        m_head.append(static_cast<char>(packet::StringType));
        AppendVarUInt(m_head, static_cast<quint32>(field.size));
    }
}

void PacketWriter::misuse(const QString& reason) const {
    throw EDatabaseError(QStringLiteral("PacketWriter: %1").arg(reason));
}

void PacketWriter::BeginChange(ChangeKind kind) {
    if (m_finished || m_kind != PacketKind::Delta || m_valuesLeft != 0)
        misuse(QStringLiteral("a change can only start a delta item"));
    m_body.append(static_cast<char>(kind));
    m_valuesLeft = kind == ChangeKind::Modify ? 2 * m_fieldCount : m_fieldCount;
    ++m_items;
}

void PacketWriter::beginValue() {
    if (m_finished)
        misuse(QStringLiteral("the packet is finished"));
    if (m_valuesLeft == 0) {
        if (m_kind == PacketKind::Delta)
            misuse(QStringLiteral("a delta value needs BeginChange first"));
        m_valuesLeft = m_fieldCount;
        ++m_items;
    }
    --m_valuesLeft;
}

void PacketWriter::AppendUtf8(std::string_view utf8) {
    beginValue();
    AppendVarUInt(m_body, static_cast<quint32>(utf8.size() + 1));
    m_body.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void PacketWriter::AppendValue(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    AppendUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

void PacketWriter::AppendValue(const PacketValue& value) {
    if (value)
        AppendValue(QStringView(*value));
    else
        AppendNull();
}

void PacketWriter::AppendNull() {
    beginValue();
    m_body.append('\0');
}

void PacketWriter::AppendRow(const PacketRow& row) {
    if (row.size() != static_cast<size_t>(m_fieldCount))
        misuse(
            QStringLiteral("a row has %1 values for %2 fields").arg(row.size()).arg(m_fieldCount));
    for (const PacketValue& value : row)
        AppendValue(value);
}

QByteArray PacketWriter::Finish() {
    if (m_finished)
        misuse(QStringLiteral("the packet is finished"));
    if (m_valuesLeft != 0)
        misuse(QStringLiteral("the last row is incomplete"));
    m_finished = true;
    QByteArray out;
    out.reserve(m_head.size() + 5 + m_body.size());
    out.append(m_head);
    AppendVarUInt(out, m_items);
    out.append(m_body);
    m_body.clear();
    return out;
}

} // namespace ger
