#pragma once
// TPen: how a canvas draws lines and frames.

#include "platform/forms/TColor.h"

namespace ger {

struct TPen {
    TColor Color = clBlack;
    int Width = 1;

    friend bool operator==(const TPen&, const TPen&) = default;
};

} // namespace ger
