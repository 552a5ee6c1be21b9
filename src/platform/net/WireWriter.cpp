#include "platform/net/WireWriter.h"

#include "platform/net/NetExceptions.h"

#include <QtEndian>

namespace ger {

WireWriter::WireWriter() {
    start();
}

void WireWriter::start() {
    m_buffer.reserve(64);
    m_buffer.resize(protocol::kFrameHeaderSize);
}

QByteArray& WireWriter::buffer() {
    if (m_buffer.isEmpty())
        start();
    return m_buffer;
}

void WireWriter::writeU8(quint8 value) {
    buffer().append(static_cast<char>(value));
}

void WireWriter::writeU32(quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    buffer().append(bytes, 4);
}

void WireWriter::writeI64(qint64 value) {
    char bytes[8];
    qToBigEndian(value, bytes);
    buffer().append(bytes, 8);
}

void WireWriter::writeRaw(const char* data, qsizetype size) {
    buffer().append(data, size);
}

QByteArray WireWriter::takeFrame(quint32 maxFrameSize) {
    buffer();
    const qsizetype size = payloadSize();
    if (size > static_cast<qsizetype>(maxFrameSize))
        throw EProtocolError(QStringLiteral("Mensagem de %1 bytes excede o limite de %2 bytes")
                                 .arg(size)
                                 .arg(maxFrameSize));
    qToBigEndian(static_cast<quint32>(size), m_buffer.data());
    QByteArray frame = std::move(m_buffer);
    m_buffer = QByteArray();
    return frame;
}

} // namespace ger
