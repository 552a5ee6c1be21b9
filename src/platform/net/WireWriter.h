#pragma once
// Builds one frame of the wire protocol (Protocol.h): the payload is written after four
// reserved length bytes, which takeFrame() fills in, so the frame is never copied. After
// takeFrame() the next write starts a new frame; the buffer is allocated only then.

#include "platform/net/Protocol.h"

#include <QByteArray>
#include <QString>

namespace ger {

class WireWriter {
public:
    WireWriter();

    void writeU8(quint8 value);
    void writeU32(quint32 value);
    void writeI64(qint64 value);
    void writeRaw(const char* data, qsizetype size);
    void writeRaw(const QByteArray& data) { writeRaw(data.constData(), data.size()); }

    qsizetype payloadSize() const {
        return m_buffer.isEmpty() ? 0 : m_buffer.size() - protocol::kFrameHeaderSize;
    }

    // The finished frame. Raises EProtocolError when the payload exceeds maxFrameSize.
    QByteArray takeFrame(quint32 maxFrameSize = protocol::kDefaultMaxFrameSize);

private:
    void start();
    QByteArray& buffer();

    QByteArray m_buffer;
};

} // namespace ger
