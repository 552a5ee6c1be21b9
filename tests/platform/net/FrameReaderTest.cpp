#include "platform/net/FrameReader.h"

#include "platform/net/NetExceptions.h"
#include "platform/net/WireWriter.h"

#include <QList>
#include <algorithm>
#include <gtest/gtest.h>

using namespace ger;

namespace {

QByteArray frameOf(const QByteArray& payload) {
    WireWriter writer;
    writer.writeRaw(payload);
    return writer.takeFrame();
}

// A stream of frames of assorted sizes, the empty one included.
QList<QByteArray> payloads() {
    return {QByteArray("\x02\x01", 2), QByteArray(), QByteArray(300, 'x'), QByteArray("abc")};
}

QByteArray streamOf(const QList<QByteArray>& frames) {
    QByteArray stream;
    for (const QByteArray& payload : frames)
        stream += frameOf(payload);
    return stream;
}

// Feeds `stream` in pieces of `chunk` bytes, taking frames as they complete.
QList<QByteArray> readInChunks(const QByteArray& stream, qsizetype chunk) {
    FrameReader reader;
    QList<QByteArray> frames;
    for (qsizetype at = 0; at < stream.size(); at += chunk) {
        reader.append(stream.mid(at, chunk));
        while (auto frame = reader.takeFrame())
            frames.append(*frame);
    }
    reader.finish();
    return frames;
}

} // namespace

TEST(FrameReaderTest, HeaderIsTheBigEndianPayloadLength) {
    EXPECT_EQ(frameOf(QByteArray(258, 'a')).first(4).toHex(' '), "00 00 01 02");
}

TEST(FrameReaderTest, YieldsTheSameFramesWhateverTheChunkSize) {
    const QByteArray stream = streamOf(payloads());
    for (qsizetype chunk :
         {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(5), qsizetype(64), stream.size()})
        EXPECT_EQ(readInChunks(stream, chunk), payloads()) << "chunk " << chunk;
}

TEST(FrameReaderTest, YieldsTheSameFramesWhateverTheSplitPoint) {
    const QByteArray stream = streamOf(payloads());
    for (qsizetype split = 0; split <= stream.size(); ++split) {
        FrameReader reader;
        QList<QByteArray> frames;
        reader.append(stream.first(split));
        while (auto frame = reader.takeFrame())
            frames.append(*frame);
        reader.append(stream.mid(split));
        while (auto frame = reader.takeFrame())
            frames.append(*frame);
        EXPECT_FALSE(reader.hasPartialFrame());
        EXPECT_EQ(frames, payloads()) << "split at " << split;
    }
}

TEST(FrameReaderTest, OversizedLengthFailsAsSoonAsItsHeaderArrives) {
    FrameReader reader(16);
    reader.append(QByteArray::fromHex("0000"));
    EXPECT_THROW(reader.append(QByteArray::fromHex("0011")), EProtocolError);
}

TEST(FrameReaderTest, OversizedFrameBehindAWholeOneFailsBeforeTheWholeOneIsTaken) {
    FrameReader reader(16);
    EXPECT_THROW(reader.append(frameOf("ok") + QByteArray::fromHex("ffffffff")), EProtocolError);
}

TEST(FrameReaderTest, FrameOfExactlyTheLimitIsAccepted) {
    FrameReader reader(16);
    reader.append(frameOf(QByteArray(16, 'z')));
    const auto frame = reader.takeFrame();
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(*frame, QByteArray(16, 'z'));
}

TEST(FrameReaderTest, TakeFrameWaitsForTheWholePayload) {
    const QByteArray frame = frameOf("payload");
    FrameReader reader;
    reader.append(frame.first(frame.size() - 1));
    EXPECT_FALSE(reader.takeFrame().has_value());
    EXPECT_EQ(reader.bufferedBytes(), frame.size() - 1);
    reader.append(frame.last(1));
    EXPECT_EQ(reader.takeFrame().value_or(QByteArray()), QByteArray("payload"));
    EXPECT_EQ(reader.bufferedBytes(), 0);
}

TEST(FrameReaderTest, StreamEndingInsideAFrameIsAnErrorAtFinish) {
    QList<qsizetype> boundaries{0};
    for (const QByteArray& payload : payloads())
        boundaries.append(boundaries.last() + protocol::kFrameHeaderSize + payload.size());
    const QByteArray stream = streamOf(payloads());
    for (qsizetype size = 0; size <= stream.size(); ++size) {
        FrameReader reader;
        reader.append(stream.first(size));
        while (reader.takeFrame()) {
        }
        if (boundaries.contains(size))
            EXPECT_NO_THROW(reader.finish()) << "cut at " << size;
        else
            EXPECT_THROW(reader.finish(), EProtocolError) << "cut at " << size;
    }
}

TEST(FrameReaderTest, ReceivingInPlaceYieldsTheSameFrames) {
    const QByteArray stream = streamOf(payloads());
    FrameReader reader;
    QList<QByteArray> frames;
    for (qsizetype at = 0; at < stream.size(); at += 7) {
        // Room for more than arrives, as a socket read gives.
        char* into = reader.appendBuffer(32);
        const QByteArray piece = stream.mid(at, 7);
        std::copy(piece.begin(), piece.end(), into);
        reader.commitAppend(piece.size());
        while (const auto payload = reader.peekFrame()) {
            frames.append(payload->toByteArray());
            reader.dropFrame();
        }
    }
    EXPECT_EQ(frames, payloads());
    EXPECT_EQ(reader.bufferedBytes(), 0);
}

TEST(FrameReaderTest, OversizedLengthReceivedInPlaceFailsAtCommit) {
    FrameReader reader(16);
    char* into = reader.appendBuffer(8);
    const QByteArray header = QByteArray::fromHex("00000011");
    std::copy(header.begin(), header.end(), into);
    EXPECT_THROW(reader.commitAppend(header.size()), EProtocolError);
}

TEST(FrameReaderTest, WholeFramesNotYetTakenAreNoCutAtFinish) {
    FrameReader reader;
    reader.append(frameOf("a") + frameOf("b"));
    EXPECT_NO_THROW(reader.finish());
    reader.append(QByteArray::fromHex("00"));
    EXPECT_THROW(reader.finish(), EProtocolError);
}

TEST(FrameReaderTest, WriterRefusesAPayloadOverItsLimit) {
    WireWriter writer;
    writer.writeRaw(QByteArray(17, 'a'));
    EXPECT_THROW(writer.takeFrame(16), EProtocolError);
}
