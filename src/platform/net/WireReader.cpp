#include "platform/net/WireReader.h"

#include "platform/net/NetExceptions.h"
#include "platform/net/Protocol.h"

#include <QtEndian>

namespace ger {

WireReader::WireReader(QByteArrayView payload)
    : m_payload(payload) {}

void WireReader::fail(const QString& reason) {
    throw EProtocolError(QStringLiteral("Mensagem de rede inválida: %1").arg(reason));
}

void WireReader::require(qsizetype size, const char* what) const {
    if (size > remaining())
        fail(QStringLiteral("dados truncados ao ler %1 (faltam %2 bytes)")
                 .arg(QString::fromUtf8(what))
                 .arg(size - remaining()));
}

quint8 WireReader::readU8(const char* what) {
    require(1, what);
    return static_cast<quint8>(m_payload[m_position++]);
}

quint32 WireReader::readU32(const char* what) {
    require(4, what);
    const auto value = qFromBigEndian<quint32>(m_payload.data() + m_position);
    m_position += 4;
    return value;
}

qint64 WireReader::readI64(const char* what) {
    require(8, what);
    const auto value = qFromBigEndian<qint64>(m_payload.data() + m_position);
    m_position += 8;
    return value;
}

QByteArrayView WireReader::readRaw(qsizetype size, const char* what) {
    require(size, what);
    QByteArrayView bytes = m_payload.sliced(m_position, size);
    m_position += size;
    return bytes;
}

QByteArrayView WireReader::readSized(const char* what) {
    const quint32 size = readU32(what);
    return readRaw(static_cast<qsizetype>(size), what);
}

QByteArrayView WireReader::readUntilZero(qsizetype maxSize, const char* what) {
    const QByteArrayView rest = m_payload.sliced(m_position);
    const qsizetype zero = rest.indexOf('\0');
    if (zero < 0)
        fail(QStringLiteral("%1 sem o byte zero final").arg(QString::fromUtf8(what)));
    if (zero > maxSize)
        fail(QStringLiteral("%1 com mais de %2 bytes").arg(QString::fromUtf8(what)).arg(maxSize));
    m_position += zero + 1;
    return rest.first(zero);
}

void WireReader::countValue() {
    if (++m_values > protocol::kMaxValuesPerMessage)
        fail(QStringLiteral("mensagem com mais de %1 valores").arg(protocol::kMaxValuesPerMessage));
}

void WireReader::expectEnd(const char* what) const {
    if (!atEnd())
        fail(QStringLiteral("%1 bytes a mais depois de %2")
                 .arg(remaining())
                 .arg(QString::fromUtf8(what)));
}

} // namespace ger
