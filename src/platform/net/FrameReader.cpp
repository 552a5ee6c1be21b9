#include "platform/net/FrameReader.h"

#include "platform/net/NetExceptions.h"

#include <QtEndian>

namespace ger {

using protocol::kFrameHeaderSize;

FrameReader::FrameReader(quint32 maxFrameSize)
    : m_maxFrameSize(maxFrameSize) {}

void FrameReader::append(const char* data, qsizetype size) {
    if (size <= 0)
        return;
    m_buffer.append(data, size);
    checkHeaders();
}

char* FrameReader::appendBuffer(qsizetype size) {
    m_reserved = m_buffer.size();
    m_buffer.resize(m_reserved + size);
    return m_buffer.data() + m_reserved;
}

void FrameReader::commitAppend(qsizetype size) {
    m_buffer.resize(m_reserved + std::max<qsizetype>(size, 0));
    m_reserved = -1;
    checkHeaders();
}

qsizetype FrameReader::declaredLengthAt(qsizetype position) const {
    return static_cast<qsizetype>(qFromBigEndian<quint32>(m_buffer.constData() + position));
}

// Walks the headers that have arrived since the last call, from the end of the last whole
// frame.
void FrameReader::checkHeaders() {
    while (m_buffer.size() - m_checked >= kFrameHeaderSize) {
        const qsizetype length = declaredLengthAt(m_checked);
        if (length > static_cast<qsizetype>(m_maxFrameSize))
            throw EProtocolError(QStringLiteral("Mensagem de rede inválida: quadro de %1 bytes "
                                                "excede o limite de %2 bytes")
                                     .arg(length)
                                     .arg(m_maxFrameSize));
        const qsizetype end = m_checked + kFrameHeaderSize + length;
        if (end > m_buffer.size())
            return;
        m_checked = end;
    }
}

std::optional<QByteArrayView> FrameReader::peekFrame() const {
    if (m_offset == m_checked)
        return std::nullopt;
    return QByteArrayView(m_buffer.constData() + m_offset + kFrameHeaderSize,
                          declaredLengthAt(m_offset));
}

void FrameReader::dropFrame() {
    if (m_offset == m_checked)
        return;
    m_offset += kFrameHeaderSize + declaredLengthAt(m_offset);
    compact();
}

std::optional<QByteArray> FrameReader::takeFrame() {
    const auto payload = peekFrame();
    if (!payload)
        return std::nullopt;
    QByteArray copy = payload->toByteArray();
    dropFrame();
    return copy;
}

// Drops what was taken: all of it when the buffer is drained (the usual case, one frame per
// read), keeping the allocation unless a large frame grew it; otherwise once the taken part
// outweighs the rest.
void FrameReader::compact() {
    constexpr qsizetype kRetainedCapacity = 64 * 1024;
    if (m_offset == m_buffer.size()) {
        if (m_buffer.capacity() > kRetainedCapacity)
            m_buffer.clear();
        else
            m_buffer.resize(0);
        m_offset = m_checked = 0;
    } else if (m_offset > m_buffer.size() / 2) {
        m_buffer.remove(0, m_offset);
        m_checked -= m_offset;
        m_offset = 0;
    }
}

void FrameReader::finish() const {
    if (hasPartialFrame())
        throw EProtocolError(QStringLiteral("Mensagem de rede inválida: conexão encerrada no "
                                            "meio de um quadro (%1 bytes pendentes)")
                                 .arg(m_buffer.size() - m_checked));
}

} // namespace ger
