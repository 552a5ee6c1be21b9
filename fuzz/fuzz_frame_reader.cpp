// FrameReader (platform/net) on a byte stream that arrives in pieces of arbitrary sizes, as a
// socket delivers it, through both ways of feeding it (append, and appendBuffer/commitAppend
// as the socket reader does) and both ways of taking frames (takeFrame, peekFrame/dropFrame).
//
// Input: byte 0 chooses the frame limit, byte 1 seeds the piece sizes, the rest is the stream.
// What the reader hands out is checked against a plain walk of the whole stream: the same
// frames in the same order, an oversized header refused, a cut frame reported by finish().

#include "FuzzSupport.h"
#include "platform/net/FrameReader.h"
#include "platform/net/NetExceptions.h"

#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {

using ger::fuzz::require;

struct Walk {
    std::vector<QByteArrayView> frames;
    bool oversized = false; // a header declares more than the limit
    qsizetype consumed = 0; // bytes of the whole frames
};

Walk walk(QByteArrayView stream, quint32 limit) {
    Walk result;
    qsizetype pos = 0;
    while (stream.size() - pos >= ger::protocol::kFrameHeaderSize) {
        const quint32 length = qFromBigEndian<quint32>(stream.data() + pos);
        if (length > limit) {
            result.oversized = true;
            break;
        }
        const qsizetype end = pos + ger::protocol::kFrameHeaderSize + qsizetype(length);
        if (end > stream.size())
            break;
        result.frames.push_back(stream.sliced(pos + ger::protocol::kFrameHeaderSize, length));
        pos = end;
    }
    result.consumed = pos;
    return result;
}

quint32 limitFor(quint8 choice) {
    if (choice < 0x80)
        return choice; // small limits put the boundary within reach of short inputs
    if (choice < 0xC0)
        return ger::protocol::kOpeningMaxFrameSize;
    return ger::protocol::kDefaultMaxFrameSize;
}

// Piece sizes and the way of feeding and taking, from a seed: xorshift32.
class Choices {
public:
    explicit Choices(quint8 seed)
        : m_state(0x9E3779B9u ^ (quint32(seed) * 0x01000193u)) {}
    quint32 next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

private:
    quint32 m_state;
};

class Consumer {
public:
    Consumer(ger::FrameReader& reader, const Walk& expected)
        : m_reader(reader)
        , m_expected(expected) {}

    void drain(Choices& choices) {
        for (;;) {
            std::optional<QByteArray> frame;
            if (choices.next() & 1) {
                frame = m_reader.takeFrame();
            } else if (const auto view = m_reader.peekFrame()) {
                frame = view->toByteArray();
                m_reader.dropFrame();
            }
            if (!frame)
                return;
            require(m_taken < m_expected.frames.size(), "no frame beyond those in the stream");
            require(*frame == m_expected.frames[m_taken], "frames come whole and in order");
            ++m_taken;
        }
    }

    size_t taken() const { return m_taken; }

private:
    ger::FrameReader& m_reader;
    const Walk& m_expected;
    size_t m_taken = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const quint32 limit = limitFor(data[0]);
    Choices choices(data[1]);
    const QByteArrayView stream = ger::fuzz::viewOf(data + 2, size - 2);
    const Walk expected = walk(stream, limit);

    ger::FrameReader reader(limit);
    Consumer consumer(reader, expected);
    qsizetype fed = 0;
    bool refused = false;
    try {
        while (fed < stream.size()) {
            const qsizetype piece =
                std::min<qsizetype>(stream.size() - fed, qsizetype(choices.next() % 67));
            if (choices.next() & 1) {
                reader.append(stream.data() + fed, piece);
            } else {
                // The socket reader asks for more room than it receives into.
                const qsizetype room = piece + qsizetype(choices.next() % 5);
                char* buffer = reader.appendBuffer(room);
                std::fill(buffer, buffer + room, '\xAA');
                std::copy(stream.data() + fed, stream.data() + fed + piece, buffer);
                reader.commitAppend(piece);
            }
            fed += piece;
            consumer.drain(choices);
        }
    } catch (const ger::EProtocolError&) {
        refused = true;
    }
    require(refused == expected.oversized, "an oversized header is refused, and only that");
    if (refused)
        return 0;
    require(consumer.taken() == expected.frames.size(), "every whole frame is handed out");
    require(reader.bufferedBytes() == stream.size() - expected.consumed,
            "what follows the last whole frame stays buffered");
    const bool cut = expected.consumed < stream.size();
    require(reader.hasPartialFrame() == cut, "a cut frame is seen as one");
    bool finishRaised = false;
    try {
        reader.finish();
    } catch (const ger::EProtocolError&) {
        finishRaised = true;
    }
    require(finishRaised == cut, "finish() raises exactly for a cut frame");
    return 0;
}
