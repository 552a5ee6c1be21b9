#include "platform/forms/TBitmap.h"

#include "platform/forms/FormsExceptions.h"

#include <algorithm>

namespace ger {
namespace {

constexpr qint64 kMaxSide = 16384;

[[noreturn]] void invalid(const char* why) {
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid: %1").arg(QLatin1String(why)));
}

// Little-endian reads that refuse to go past the end of the data.
class Reader {
public:
    explicit Reader(const QByteArray& data)
        : m_data(data) {}
    quint32 u32(qint64 at) const { return quint32(u16(at)) | (quint32(u16(at + 2)) << 16); }
    quint16 u16(qint64 at) const { return quint16(u8(at) | (u8(at + 1) << 8)); }
    qint32 i32(qint64 at) const { return static_cast<qint32>(u32(at)); }
    quint8 u8(qint64 at) const {
        if (at < 0 || at >= m_data.size())
            invalid("truncated data");
        return static_cast<quint8>(m_data[at]);
    }
    qint64 size() const { return m_data.size(); }

private:
    const QByteArray& m_data;
};

struct Header {
    qint64 pixelOffset = 0;
    qint64 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // rows; negative in the file for a top-down bitmap
    bool topDown = false;
    int bitsPerPixel = 0;
    qint64 paletteSize = 0;
};

Header readHeader(const Reader& r) {
    if (r.size() < 14 + 40)
        invalid("truncated header");
    if (r.u8(0) != 'B' || r.u8(1) != 'M')
        invalid("no BM signature");
    Header h;
    const qint64 fileSize = r.u32(2);
    if (fileSize > r.size())
        invalid("truncated file");
    h.pixelOffset = r.u32(10);
    h.headerSize = r.u32(14);
    if (h.headerSize != 40 && h.headerSize != 108 && h.headerSize != 124)
        invalid("unsupported header");
    h.width = r.i32(18);
    const qint64 height = r.i32(22);
    h.topDown = height < 0;
    h.height = h.topDown ? -height : height;
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide)
        invalid("bad dimensions");
    if (r.u16(26) != 1)
        invalid("bad plane count");
    h.bitsPerPixel = r.u16(28);
    if (h.bitsPerPixel != 1 && h.bitsPerPixel != 4 && h.bitsPerPixel != 8 && h.bitsPerPixel != 24)
        invalid("unsupported bit depth");
    if (r.u32(30) != 0)
        invalid("compressed bitmaps are not supported");
    if (h.bitsPerPixel <= 8) {
        const qint64 maxColours = qint64(1) << h.bitsPerPixel;
        const qint64 used = r.u32(46);
        h.paletteSize = used == 0 ? maxColours : used;
        if (h.paletteSize > maxColours)
            invalid("palette too large");
    }
    if (h.pixelOffset < 14 + h.headerSize + h.paletteSize * 4)
        invalid("pixel data overlaps the header");
    return h;
}

std::vector<quint32> readPalette(const Reader& r, const Header& h) {
    std::vector<quint32> palette;
    const qint64 start = 14 + h.headerSize;
    for (qint64 i = 0; i < h.paletteSize; ++i) {
        const qint64 at = start + i * 4;
        palette.push_back(0xFF000000u | (quint32(r.u8(at + 2)) << 16) |
                          (quint32(r.u8(at + 1)) << 8) | r.u8(at));
    }
    return palette;
}

quint32 pixelAt(const Reader& r, const Header& h, const std::vector<quint32>& palette,
                qint64 rowStart, qint64 x) {
    if (h.bitsPerPixel == 24) {
        const qint64 at = rowStart + x * 3;
        return 0xFF000000u | (quint32(r.u8(at + 2)) << 16) | (quint32(r.u8(at + 1)) << 8) |
               r.u8(at);
    }
    const qint64 bit = x * h.bitsPerPixel;
    const quint8 byte = r.u8(rowStart + bit / 8);
    const int shift = 8 - h.bitsPerPixel - static_cast<int>(bit % 8);
    const quint32 index = (byte >> shift) & ((1u << h.bitsPerPixel) - 1);
    if (index >= palette.size())
        invalid("palette index out of range");
    return palette[index];
}

} // namespace

TBitmap::TBitmap(int width, int height, quint32 argb)
    : m_width(std::max(0, width))
    , m_height(std::max(0, height))
    , m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), argb) {}

quint32 TBitmap::Pixel(int x, int y) const {
    return m_pixels.at(static_cast<size_t>(y) * static_cast<size_t>(m_width) +
                       static_cast<size_t>(x));
}

void TBitmap::SetPixel(int x, int y, quint32 argb) {
    m_pixels.at(static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)) =
        argb;
}

TColor TBitmap::TransparentColor() const {
    return Empty() ? clNone : ColorFromArgb(Pixel(0, m_height - 1));
}

TBitmap TBitmap::FromBmp(const QByteArray& file) {
    const Reader r(file);
    const Header h = readHeader(r);
    const std::vector<quint32> palette = readPalette(r, h);
    const qint64 stride = ((h.width * h.bitsPerPixel + 31) / 32) * 4;
    if (h.pixelOffset + stride * h.height > r.size())
        invalid("truncated pixel data");
    TBitmap bitmap(static_cast<int>(h.width), static_cast<int>(h.height));
    for (qint64 row = 0; row < h.height; ++row) {
        const qint64 y = h.topDown ? row : h.height - 1 - row;
        const qint64 rowStart = h.pixelOffset + row * stride;
        for (qint64 x = 0; x < h.width; ++x)
            bitmap.SetPixel(static_cast<int>(x), static_cast<int>(y),
                            pixelAt(r, h, palette, rowStart, x));
    }
    return bitmap;
}

TBitmap TBitmap::FromFormData(const QByteArray& data) {
    if (data.isEmpty())
        return {};
    if (data.startsWith("BM"))
        return FromBmp(data);
    const Reader r(data);
    const qint64 size = r.u32(0);
    if (size > data.size() - 4)
        invalid("truncated data");
    return FromBmp(data.mid(4, size));
}

} // namespace ger
