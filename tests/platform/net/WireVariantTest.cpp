#include "platform/net/WireVariant.h"

#include "platform/net/NetExceptions.h"

#include <gtest/gtest.h>
#include <limits>

using namespace ger;

namespace {

// The payload bytes of one value (the frame header left out).
QByteArray encode(const QVariant& value) {
    WireWriter writer;
    WireVariant::write(writer, value);
    return writer.takeFrame().mid(protocol::kFrameHeaderSize);
}

QVariant decode(const QByteArray& bytes) {
    WireReader reader(bytes);
    QVariant value = WireVariant::read(reader);
    reader.expectEnd("o valor");
    return value;
}

QVariant nested(int depth) {
    QVariant value = QVariant(qint64(1));
    for (int i = 0; i < depth; ++i)
        value = QVariantList{value};
    return value;
}

struct RoundTrip {
    const char* name;
    QVariant value;
};

class WireVariantRoundTrip : public testing::TestWithParam<RoundTrip> {};

} // namespace

TEST_P(WireVariantRoundTrip, DecodesToTheSameKindAndValue) {
    const QVariant& value = GetParam().value;
    const QVariant back = decode(encode(value));
    EXPECT_EQ(back.typeId(), value.typeId());
    EXPECT_EQ(back, value);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WireVariantRoundTrip,
    testing::Values(RoundTrip{"Null", QVariant()}, RoundTrip{"True", QVariant(true)},
                    RoundTrip{"False", QVariant(false)}, RoundTrip{"Zero", QVariant(qint64(0))},
                    RoundTrip{"Minimum", QVariant(std::numeric_limits<qint64>::min())},
                    RoundTrip{"Maximum", QVariant(std::numeric_limits<qint64>::max())},
                    RoundTrip{"EmptyText", QVariant(QString(""))},
                    RoundTrip{"Accents", QVariant(QStringLiteral("Operação não é Inscrição"))},
                    RoundTrip{"ByteOrderMarkKept", QVariant(QStringLiteral("\uFEFFx"))},
                    RoundTrip{"BytesWithZeros", QVariant(QByteArray("\0\1\2\0", 4))},
                    RoundTrip{"EmptyBytes", QVariant(QByteArray())},
                    RoundTrip{"EmptyList", QVariant(QVariantList())},
                    RoundTrip{"MixedList",
                              QVariant(QVariantList{qint64(1), QString("a"), QVariant(),
                                                    QVariantList{true, QByteArray("p")}})},
                    RoundTrip{"DeepestList", nested(protocol::kMaxArrayDepth)}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(WireVariantTest, WritesTheDocumentedBytes) {
    EXPECT_EQ(encode(QVariant()).toHex(' '), "00");
    EXPECT_EQ(encode(true).toHex(' '), "01 01");
    EXPECT_EQ(encode(qint64(-2)).toHex(' '), "02 ff ff ff ff ff ff ff fe");
    EXPECT_EQ(encode(QStringLiteral("Sé")).toHex(' '), "03 00 00 00 03 53 c3 a9");
    EXPECT_EQ(encode(QByteArray("\xAB\xCD")).toHex(' '), "04 00 00 00 02 ab cd");
    EXPECT_EQ(encode(QVariantList{QVariant(), false}).toHex(' '), "05 00 00 00 02 00 01 00");
}

TEST(WireVariantTest, IntegersOfEveryWidthTravelAsInt64) {
    for (const QVariant& value : {QVariant(int(-7)), QVariant(uint(7)), QVariant(short(-7)),
                                  QVariant(qulonglong(7)), QVariant::fromValue(char(7))}) {
        const QVariant back = decode(encode(value));
        EXPECT_EQ(back.typeId(), QMetaType::LongLong) << value.typeName();
        EXPECT_EQ(back.toLongLong(), value.toLongLong()) << value.typeName();
    }
}

TEST(WireVariantTest, StringListTravelsAsAnArrayOfStrings) {
    const QVariant back = decode(encode(QStringList{"S", "N"}));
    EXPECT_EQ(back, QVariant(QVariantList{QString("S"), QString("N")}));
}

TEST(WireVariantTest, NullPointerTravelsAsEmpty) {
    EXPECT_FALSE(decode(encode(QVariant::fromValue(nullptr))).isValid());
}

TEST(WireVariantTest, ValuesWithNoWireFormAreRefusedWhenWritten) {
    WireWriter writer;
    EXPECT_THROW(WireVariant::write(writer, QVariant(1.5)), EProtocolError);
    EXPECT_THROW(WireVariant::write(writer, QVariant(QVariantMap{{"a", 1}})), EProtocolError);
    EXPECT_THROW(WireVariant::write(writer, QVariant(std::numeric_limits<qulonglong>::max())),
                 EProtocolError);
    EXPECT_THROW(WireVariant::write(writer, QVariantList{1, QVariant(2.5)}), EProtocolError);
    EXPECT_THROW(WireVariant::write(writer, nested(protocol::kMaxArrayDepth + 1)), EProtocolError);
}

TEST(WireVariantTest, EveryTruncationOfAValidValueIsRefused) {
    const QByteArray whole = encode(QVariantList{QString("Filial"), qint64(4), true,
                                                 QByteArray("pk"), QVariantList{QVariant()}});
    ASSERT_NO_THROW(decode(whole));
    for (qsizetype size = 0; size < whole.size(); ++size)
        EXPECT_THROW(decode(whole.first(size)), EProtocolError) << "prefix of " << size;
}

struct Malformed {
    const char* name;
    const char* hex;
};

class WireVariantMalformed : public testing::TestWithParam<Malformed> {};

TEST_P(WireVariantMalformed, IsRefused) {
    EXPECT_THROW(decode(QByteArray::fromHex(GetParam().hex)), EProtocolError);
}

INSTANTIATE_TEST_SUITE_P(Input, WireVariantMalformed,
                         testing::Values(Malformed{"UnknownTag", "06"}, Malformed{"TagFF", "ff"},
                                         Malformed{"BooleanTwo", "0102"},
                                         Malformed{"InvalidUtf8", "0300000002c328"},
                                         Malformed{"OverlongUtf8", "0300000002c0af"},
                                         Malformed{"StringLongerThanPayload", "03ffffffff41"},
                                         Malformed{"BytesLongerThanPayload", "0400000010abcd"},
                                         Malformed{"ArrayCountBeyondPayload", "05ffffffff00"},
                                         Malformed{"ArrayMissingElement", "050000000200"},
                                         Malformed{"TrailingByte", "0000"}, Malformed{"Empty", ""}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(WireVariantTest, ArraysNestedBeyondTheLimitAreRefusedWhenRead) {
    QByteArray bytes;
    for (int i = 0; i <= protocol::kMaxArrayDepth; ++i)
        bytes += QByteArray::fromHex("0500000001");
    bytes += QByteArray::fromHex("00");
    EXPECT_THROW(decode(bytes), EProtocolError);
    EXPECT_NO_THROW(decode(bytes.mid(5)));
}

TEST(WireVariantTest, ReadStringRefusesOtherKinds) {
    const QByteArray integer = encode(qint64(3));
    WireReader reader(integer);
    EXPECT_THROW(WireVariant::readString(reader, "o nome"), EProtocolError);
}
