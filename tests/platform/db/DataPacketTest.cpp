#include "DbTestSupport.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/PacketReader.h"
#include "platform/db/PacketWriter.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

DataPacket SamplePacket() {
    return {{{"CDFILIAL", 4}, {"NMFILIAL", 30}},
            {{V("0001"), V("Matriz São Paulo")}, {V(""), N()}, {N(), V("Filial Niterói — RJ")}}};
}

DeltaPacket SampleDelta() {
    return {{{"CDTIPOOPER", 2}, {"NMTIPOOPER", 30}},
            {{ChangeKind::Insert, {}, {V("07"), V("Bonificação")}},
             {ChangeKind::Delete, {V("01"), N()}, {}},
             {ChangeKind::Modify, {V("02"), V("a")}, {V("02"), V("")}}}};
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// The header and field list of a one-field ("A", size 1) data packet.
QByteArray OneFieldHead() {
    return Bytes({'G', 'D', 'P', 'K', 1, 0, 1, 1, 'A', 1, 1});
}

} // namespace

TEST(DataPacketTest, RoundTripKeepsNullDistinctFromEmptyAndAccents) {
    const DataPacket packet = SamplePacket();
    const DataPacket back = DataPacket::Decode(packet.Encode());
    EXPECT_EQ(back, packet);
    EXPECT_FALSE(back.rows[1][0]->isNull());
    EXPECT_FALSE(back.rows[1][1].has_value());
}

// A leading byte-order mark is a character of the value like any other: dropped, "\uFEFF0301"
// would come back as the code 0301.
TEST(DataPacketTest, ALeadingByteOrderMarkIsKeptInPacketsDeltasAndDatasets) {
    const QString marked = QStringLiteral("\uFEFF0301");
    const DataPacket packet{{{"CDFILIAL", 5}}, {{PacketValue(marked)}}};
    EXPECT_EQ(DataPacket::Decode(packet.Encode()).rows[0][0], marked);
    const DeltaPacket delta{{{"CDFILIAL", 5}}, {{ChangeKind::Delete, {PacketValue(marked)}, {}}}};
    EXPECT_EQ(DeltaPacket::Decode(delta.Encode()).changes[0].original[0], marked);
    TClientDataSet cds(nullptr);
    cds.SetData(packet.Encode());
    EXPECT_EQ(cds.FieldByName("CDFILIAL")->AsString(), marked);
}

TEST(DataPacketTest, EncodingMatchesTheDocumentedExample) {
    const QByteArray expected =
        Bytes({0x47, 0x44, 0x50, 0x4B, 0x01, 0x00, 0x01, 0x08, 'C', 'D', 'F', 'I', 'L',
               'I',  'A',  'L',  0x01, 0x04, 0x02, 0x05, '0',  '0', '0', '1', 0x00});
    EXPECT_EQ((DataPacket{{{"CDFILIAL", 4}}, {{V("0001")}, {N()}}}.Encode()), expected);
}

TEST(DataPacketTest, DeltaRoundTripKeepsKindsAndBothRowVersions) {
    const DeltaPacket delta = SampleDelta();
    EXPECT_EQ(DeltaPacket::Decode(delta.Encode()), delta);
}

TEST(DataPacketTest, LongValueUsesMultiByteLength) {
    const QString text(300, QLatin1Char('x'));
    const DataPacket packet{{{"TEXTO", 300}}, {{text}}};
    EXPECT_EQ(DataPacket::Decode(packet.Encode()).rows[0][0], text);
}

TEST(DataPacketTest, KindMismatchIsRefused) {
    EXPECT_THROW(DeltaPacket::Decode(SamplePacket().Encode()), EDatabaseError);
    EXPECT_THROW(DataPacket::Decode(SampleDelta().Encode()), EDatabaseError);
}

class PacketTruncationTest : public ::testing::TestWithParam<bool> {};

TEST_P(PacketTruncationTest, EveryProperPrefixFailsCleanly) {
    const bool delta = GetParam();
    const QByteArray full = delta ? SampleDelta().Encode() : SamplePacket().Encode();
    for (qsizetype length = 0; length < full.size(); ++length) {
        // A copy of exactly `length` bytes, so a read past the end is caught by the sanitizer.
        const QByteArray prefix(full.constData(), length);
        if (delta)
            EXPECT_THROW(DeltaPacket::Decode(prefix), EDatabaseError) << "length " << length;
        else
            EXPECT_THROW(DataPacket::Decode(prefix), EDatabaseError) << "length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(DataAndDelta, PacketTruncationTest, ::testing::Bool());

struct MalformedCase {
    const char* name;
    QByteArray bytes;
    const char* reason; // a piece of the expected message
};

class MalformedPacketTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedPacketTest, IsRefusedWithAClearMessage) {
    EXPECT_THAT([&] { DataPacket::Decode(GetParam().bytes); },
                ThrowsWithMessage<EDatabaseError>(testing::HasSubstr(GetParam().reason)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedPacketTest,
    ::testing::Values(
        MalformedCase{"BadMagic", Bytes({'G', 'D', 'P', 'X', 1, 0}), "not a data packet"},
        MalformedCase{"FutureVersion", Bytes({'G', 'D', 'P', 'K', 2, 0}), "unsupported version 2"},
        MalformedCase{"UnknownKind", Bytes({'G', 'D', 'P', 'K', 1, 7}), "unknown packet kind"},
        MalformedCase{"NoFields", Bytes({'G', 'D', 'P', 'K', 1, 0, 0, 0}), "field count 0"},
        MalformedCase{"HugeFieldCount", Bytes({'G', 'D', 'P', 'K', 1, 0, 0xFF, 0xFF, 0x03}),
                      "out of range"},
        MalformedCase{"FieldNameLongerThanPacket",
                      Bytes({'G', 'D', 'P', 'K', 1, 0, 1, 0x7F, 'A', 1, 1, 0}), "exceeds"},
        MalformedCase{"UnknownTypeTag", Bytes({'G', 'D', 'P', 'K', 1, 0, 1, 1, 'A', 9, 1, 0}),
                      "unknown type tag 9"},
        MalformedCase{"ZeroSize", Bytes({'G', 'D', 'P', 'K', 1, 0, 1, 1, 'A', 1, 0, 0}),
                      "field size 0"},
        MalformedCase{"DuplicateField",
                      Bytes({'G', 'D', 'P', 'K', 1, 0, 2, 1, 'A', 1, 1, 1, 'a', 1, 1, 0}),
                      "duplicate field name"},
        MalformedCase{"RowCountBeyondBytes", OneFieldHead() + Bytes({0xE8, 0x07, 0}),
                      "count 1000 exceeds the packet"},
        MalformedCase{"RowCountBeyondLimit", OneFieldHead() + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x0F}),
                      "exceeds the limit"},
        MalformedCase{"StringLongerThanPacket", OneFieldHead() + Bytes({1, 0x80, 0x80, 0x04}),
                      "exceeds the"},
        MalformedCase{"OverlongInteger", OneFieldHead() + Bytes({1, 0x81, 0x00, 'x'}), "over-long"},
        MalformedCase{"IntegerTooWide",
                      OneFieldHead() + Bytes({1, 0x80, 0x80, 0x80, 0x80, 0x80, 1}),
                      "longer than five bytes"},
        MalformedCase{"InvalidUtf8", OneFieldHead() + Bytes({1, 3, 0xC3, 0x28}), "not UTF-8"},
        MalformedCase{"EncodedSurrogate", OneFieldHead() + Bytes({1, 4, 0xED, 0xA0, 0x80}),
                      "not UTF-8"},
        MalformedCase{"TrailingBytes", OneFieldHead() + Bytes({1, 0, 0}), "1 trailing bytes"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DataPacketTest, UnknownChangeKindInDeltaIsRefused) {
    QByteArray bytes = Bytes({'G', 'D', 'P', 'K', 1, 1, 1, 1, 'A', 1, 1, 1, 4, 0});
    EXPECT_THROW(DeltaPacket::Decode(bytes), EDatabaseError);
    bytes[12] = 2; // delete: original row only
    EXPECT_EQ(DeltaPacket::Decode(bytes).changes.at(0).kind, ChangeKind::Delete);
}

TEST(DataPacketTest, Utf8ValidatorAcceptsEveryPlaneAndRefusesOverlongForms) {
    EXPECT_TRUE(IsValidUtf8("plain ascii text longer than eight"));
    EXPECT_TRUE(IsValidUtf8("Opera\xC3\xA7\xC3\xA3o \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));     // overlong, three bytes
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("abc\xE2\x82"));      // cut sequence
}

TEST(PacketWriterTest, MisuseRaises) {
    EXPECT_THROW(PacketWriter(PacketKind::Data, {}), EDatabaseError);
    EXPECT_THROW(PacketWriter(PacketKind::Data, {{"A", 1}, {"a", 1}}), EDatabaseError);
    EXPECT_THROW(PacketWriter(PacketKind::Data, {{"A", 0}}), EDatabaseError);
    PacketWriter incomplete(PacketKind::Data, {{"A", 1}, {"B", 1}});
    incomplete.AppendNull();
    EXPECT_THROW(incomplete.Finish(), EDatabaseError);
    PacketWriter delta(PacketKind::Delta, {{"A", 1}});
    EXPECT_THROW(delta.AppendNull(), EDatabaseError);
    EXPECT_THROW((DataPacket{{{"A", 1}}, {{V("x"), V("y")}}}.Encode()), EDatabaseError);
}

TEST(PacketWriterTest, StreamedRowsEqualTheEncodedPlainView) {
    const DataPacket packet = SamplePacket();
    PacketWriter writer(PacketKind::Data, packet.fields);
    for (const PacketRow& row : packet.rows)
        for (const PacketValue& value : row)
            writer.AppendValue(value);
    EXPECT_EQ(writer.Finish(), packet.Encode());
}
