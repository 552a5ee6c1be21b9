#pragma once
// TPicture: the graphic of an image control. Form data stores it as `Picture.Data = {...}`: the
// graphic's class name, one length byte then the characters ("TBitmap"), followed by that
// graphic's own data (for a bitmap: a 4-byte size, then a BMP file). Only bitmaps exist in
// this model; another class, or a malformed bitmap, raises EInvalidGraphic.

#include "platform/forms/TBitmap.h"

namespace ger {

class TPicture {
public:
    bool HasGraphic() const { return !m_bitmap.Empty(); }
    const TBitmap& Bitmap() const { return m_bitmap; }
    void SetBitmap(const TBitmap& bitmap) { m_bitmap = bitmap; }
    int Width() const { return m_bitmap.Width(); }
    int Height() const { return m_bitmap.Height(); }

    static TPicture FromFormData(const QByteArray& data);

    friend bool operator==(const TPicture&, const TPicture&) = default;

private:
    TBitmap m_bitmap;
};

} // namespace ger
