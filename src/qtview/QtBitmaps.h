#pragma once
// The model's pictures (TBitmap: opaque 0xAARRGGBB pixels) as Qt images.

#include "platform/forms/TBitmap.h"

#include <QImage>
#include <QRect>

namespace ger {

QImage ToQImage(const TBitmap& bitmap);
// The bitmap with every pixel of `transparent` made fully transparent (as glyphs and
// transparent images are drawn on the platform).
QImage ToQImage(const TBitmap& bitmap, TColor transparent);
// One of `count` equally wide images laid side by side (a speed button's glyphs: normal,
// disabled, down...); the whole bitmap when it holds fewer.
QRect GlyphRect(const TBitmap& bitmap, int count, int index);

} // namespace ger
