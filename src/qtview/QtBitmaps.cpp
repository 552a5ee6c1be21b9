#include "qtview/QtBitmaps.h"

#include <algorithm>

namespace ger {

QImage ToQImage(const TBitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.Width(); ++x)
            line[x] = bitmap.Pixel(x, y);
    }
    return image;
}

QImage ToQImage(const TBitmap& bitmap, TColor transparent) {
    QImage image = ToQImage(bitmap);
    const QRgb key = ColorToArgb(transparent) | 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return image;
}

QRect GlyphRect(const TBitmap& bitmap, int count, int index) {
    if (count <= 1 || bitmap.Width() < count)
        return QRect(0, 0, bitmap.Width(), bitmap.Height());
    const int width = bitmap.Width() / count;
    return QRect(width * std::clamp(index, 0, count - 1), 0, width, bitmap.Height());
}

} // namespace ger
