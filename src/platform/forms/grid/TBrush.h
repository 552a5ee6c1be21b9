#pragma once
// TBrush: how a canvas fills areas (FillRect, the ground of TextRect, the transparent pixels of
// BrushCopy).

#include "platform/forms/TColor.h"

namespace ger {

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;

    friend bool operator==(const TBrush&, const TBrush&) = default;
};

} // namespace ger
