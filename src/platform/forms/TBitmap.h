#pragma once
// TBitmap: a picture of our own, QtCore only: width, height and opaque 0xAARRGGBB pixels, top
// row first. It decodes the Windows BMP files that form data embeds (glyphs, images):
// uncompressed, 1, 4, 8 or 24 bits per pixel, with the 40-byte header or its 108- and
// 124-byte successors. Decoding is strict: a truncated or malformed file, a compressed one, a
// palette index past the palette, raise EInvalidGraphic; nothing is read out of bounds.

#include "platform/forms/TColor.h"

#include <QByteArray>
#include <vector>

namespace ger {

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, quint32 argb = 0xFF000000u);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    quint32 Pixel(int x, int y) const;
    void SetPixel(int x, int y, quint32 argb);
    const std::vector<quint32>& Pixels() const { return m_pixels; }
    // The platform's default transparent colour of a bitmap: its bottom-left pixel.
    TColor TransparentColor() const;

    // A BMP file as stored on disk ("BM" header first).
    static TBitmap FromBmp(const QByteArray& file);
    // A bitmap property's form data (`Glyph.Data = {...}`): the size of the file in 4 bytes,
    // little-endian, then the file; a bare BMP file is accepted too.
    static TBitmap FromFormData(const QByteArray& data);

    friend bool operator==(const TBitmap&, const TBitmap&) = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<quint32> m_pixels;
};

} // namespace ger
