#pragma once
// Cuts a byte stream into frames (Protocol.h, FRAMES) as the bytes arrive, in pieces of any
// size:
//
//   FrameReader reader;
//   reader.append(bytes);                      // may hold half a frame, or three
//   while (auto payload = reader.takeFrame())  // each whole frame, in order
//       handle(*payload);
//   reader.finish();                           // at end of stream: raises if a frame is cut
//
// A socket reader can avoid every copy and allocation: it receives straight into the buffer
// (appendBuffer, commitAppend) and reads each payload in place (peekFrame, dropFrame).
//
// Every declared length is checked against the limit as soon as its four bytes are in, so an
// oversized frame is refused before any of its payload is kept. After an exception the reader
// is unusable (the stream is out of step) and the connection should be closed.

#include "platform/net/Protocol.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace ger {

class FrameReader {
public:
    explicit FrameReader(quint32 maxFrameSize = protocol::kDefaultMaxFrameSize);

    quint32 maxFrameSize() const { return m_maxFrameSize; }
    // Applies to the frames whose headers arrive from now on.
    void setMaxFrameSize(quint32 size) { m_maxFrameSize = size; }

    // Raises EProtocolError when a frame header declares more than the limit.
    void append(const char* data, qsizetype size);
    void append(const QByteArray& data) { append(data.constData(), data.size()); }

    // Room for `size` more bytes at the end of the buffer; commitAppend(n) then keeps the
    // first n of them, as append() would. Nothing else may touch the reader in between.
    char* appendBuffer(qsizetype size);
    void commitAppend(qsizetype size);

    // The payload of the next whole frame, in place: valid until the next call that changes
    // the reader. dropFrame() moves past it.
    std::optional<QByteArrayView> peekFrame() const;
    void dropFrame();
    // The payload of the next whole frame as a copy, or nothing when none is complete yet.
    std::optional<QByteArray> takeFrame();

    // Bytes buffered after the last whole frame.
    bool hasPartialFrame() const { return m_checked < m_buffer.size(); }
    qsizetype bufferedBytes() const { return m_buffer.size() - m_offset; }

    // End of stream: raises EProtocolError when a frame was cut short.
    void finish() const;

private:
    void checkHeaders();
    qsizetype declaredLengthAt(qsizetype position) const;
    void compact();

    quint32 m_maxFrameSize;
    QByteArray m_buffer;
    qsizetype m_offset = 0;    // start of the first frame not yet taken
    qsizetype m_checked = 0;   // end of the last whole frame; every header before it is checked
    qsizetype m_reserved = -1; // size before appendBuffer(), while bytes are being received
};

} // namespace ger
