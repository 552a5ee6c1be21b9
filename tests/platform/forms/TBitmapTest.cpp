#include "platform/forms/TBitmap.h"

#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TPicture.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

using namespace ger;

namespace {

void put32(QByteArray& data, qsizetype at, quint32 value) {
    qToLittleEndian<quint32>(value, data.data() + at);
}
void put16(QByteArray& data, qsizetype at, quint16 value) {
    qToLittleEndian<quint16>(value, data.data() + at);
}

// A BMP file: `rows` top row first, each value a palette index (1, 4, 8 bits) or 0xRRGGBB
// (24 bits); the file stores rows bottom-up unless topDown.
QByteArray makeBmp(int bitsPerPixel, const std::vector<quint32>& palette,
                   const std::vector<std::vector<quint32>>& rows, bool topDown = false) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    const int stride = ((width * bitsPerPixel + 31) / 32) * 4;
    const int offset = 14 + 40 + static_cast<int>(palette.size()) * 4;
    QByteArray data(offset + stride * height, '\0');
    data[0] = 'B';
    data[1] = 'M';
    put32(data, 2, static_cast<quint32>(data.size()));
    put32(data, 10, static_cast<quint32>(offset));
    put32(data, 14, 40);
    put32(data, 18, static_cast<quint32>(width));
    put32(data, 22, static_cast<quint32>(topDown ? -height : height));
    put16(data, 26, 1);
    put16(data, 28, static_cast<quint16>(bitsPerPixel));
    put32(data, 46, static_cast<quint32>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i)
        put32(data, 54 + static_cast<qsizetype>(i) * 4, palette[i]);
    for (int y = 0; y < height; ++y) {
        const int fileRow = topDown ? y : height - 1 - y;
        char* row = data.data() + offset + fileRow * stride;
        for (int x = 0; x < width; ++x) {
            const quint32 v = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            if (bitsPerPixel == 24) {
                row[x * 3] = static_cast<char>(v & 0xFF);
                row[x * 3 + 1] = static_cast<char>((v >> 8) & 0xFF);
                row[x * 3 + 2] = static_cast<char>((v >> 16) & 0xFF);
            } else {
                const int bit = x * bitsPerPixel;
                row[bit / 8] =
                    static_cast<char>(row[bit / 8] | (v << (8 - bitsPerPixel - bit % 8)));
            }
        }
    }
    return data;
}

// Olive, white, black and yellow: the colours of the grid's folder pictures.
const std::vector<quint32> kPalette{0x808000, 0xFFFFFF, 0x000000, 0xFFFF00};
const std::vector<std::vector<quint32>> kIndexes{{0, 1, 2}, {3, 0, 1}};

struct PaletteCase {
    int bitsPerPixel;
    std::vector<quint32> palette;
    std::vector<std::vector<quint32>> indexes;
};

class PaletteBitmapTest : public testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteBitmapTest, DecodesEveryPixelThroughThePalette) {
    const PaletteCase& c = GetParam();
    const TBitmap bitmap = TBitmap::FromBmp(makeBmp(c.bitsPerPixel, c.palette, c.indexes));
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.Pixel(x, y), 0xFF000000u | c.palette[c.indexes[size_t(y)][size_t(x)]])
                << "pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Depths, PaletteBitmapTest,
    testing::Values(PaletteCase{1, {0x808000, 0xFFFFFF}, {{0, 1, 1}, {1, 0, 1}}},
                    PaletteCase{4, kPalette, kIndexes}, PaletteCase{8, kPalette, kIndexes}));

TEST(BitmapTest, DecodesTrueColourRowsBottomUpAndTopDown) {
    const std::vector<std::vector<quint32>> rows{{0xFF0000, 0x00FF00}, {0x0000FF, 0x808000}};
    for (bool topDown : {false, true}) {
        const TBitmap bitmap = TBitmap::FromBmp(makeBmp(24, {}, rows, topDown));
        EXPECT_EQ(bitmap.Pixel(0, 0), 0xFFFF0000u);
        EXPECT_EQ(bitmap.Pixel(1, 0), 0xFF00FF00u);
        EXPECT_EQ(bitmap.Pixel(0, 1), 0xFF0000FFu);
        EXPECT_EQ(bitmap.TransparentColor(), ColorFromArgb(0xFF0000FFu)) << "the bottom-left pixel";
    }
}

TEST(BitmapTest, EveryTruncationOfAValidFileIsRefused) {
    const QByteArray file = makeBmp(4, kPalette, kIndexes);
    ASSERT_NO_THROW(TBitmap::FromBmp(file));
    for (qsizetype length = 0; length < file.size(); ++length)
        EXPECT_THROW(TBitmap::FromBmp(file.left(length)), EInvalidGraphic) << "length " << length;
}

struct Corruption {
    const char* what;
    qsizetype at;
    quint32 value;
    int width; // 1, 2 or 4 bytes
};

class CorruptBitmapTest : public testing::TestWithParam<Corruption> {};

TEST_P(CorruptBitmapTest, IsRefused) {
    QByteArray file = makeBmp(4, kPalette, kIndexes);
    const Corruption& c = GetParam();
    if (c.width == 1)
        file[c.at] = static_cast<char>(c.value);
    else if (c.width == 2)
        put16(file, c.at, static_cast<quint16>(c.value));
    else
        put32(file, c.at, c.value);
    EXPECT_THROW(TBitmap::FromBmp(file), EInvalidGraphic) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CorruptBitmapTest,
    testing::Values(Corruption{"signature", 0, 'X', 1},
                    Corruption{"declared size past the end", 2, 100000, 4},
                    Corruption{"header size", 14, 64, 4}, Corruption{"zero width", 18, 0, 4},
                    Corruption{"huge width", 18, 0x7FFFFFFF, 4}, Corruption{"planes", 26, 2, 2},
                    Corruption{"16 bits", 28, 16, 2}, Corruption{"RLE compression", 30, 2, 4},
                    Corruption{"palette larger than the depth", 46, 17, 4},
                    Corruption{"pixels inside the header", 10, 20, 4},
                    Corruption{"pixel past the palette", 54 + 4 * 4, 0xFF, 1}));

TEST(BitmapTest, APaletteIndexPastAShortPaletteIsRefused) {
    const QByteArray file = makeBmp(4, {0x000000, 0xFFFFFF}, {{0, 1, 3}});
    EXPECT_THROW(TBitmap::FromBmp(file), EInvalidGraphic);
}

TEST(BitmapTest, FormDataOfABitmapPropertyCarriesTheFileSizeFirst) {
    const QByteArray file = makeBmp(8, kPalette, kIndexes);
    QByteArray data(4, '\0');
    put32(data, 0, static_cast<quint32>(file.size()));
    data += file;
    EXPECT_EQ(TBitmap::FromFormData(data), TBitmap::FromBmp(file));
    EXPECT_EQ(TBitmap::FromFormData(file), TBitmap::FromBmp(file)) << "a bare file is accepted";
    put32(data, 0, static_cast<quint32>(file.size() + 1));
    EXPECT_THROW(TBitmap::FromFormData(data), EInvalidGraphic);
}

TEST(PictureTest, PictureDataNamesTheGraphicClassFirst) {
    const QByteArray file = makeBmp(24, {}, {{0x808000}});
    QByteArray sized(4, '\0');
    put32(sized, 0, static_cast<quint32>(file.size()));
    const TPicture picture = TPicture::FromFormData(QByteArray("\x07TBitmap") + sized + file);
    ASSERT_TRUE(picture.HasGraphic());
    EXPECT_EQ(picture.Bitmap().Pixel(0, 0), 0xFF808000u);
    EXPECT_FALSE(TPicture::FromFormData({}).HasGraphic());
    EXPECT_THROW(TPicture::FromFormData(QByteArray("\x05TIcon") + sized + file), EInvalidGraphic);
    EXPECT_THROW(TPicture::FromFormData(QByteArray("\x09TBitm")), EInvalidGraphic);
    EXPECT_THROW(TPicture::FromFormData(QByteArray("\x07TBitmap")), EInvalidGraphic);
}

} // namespace
