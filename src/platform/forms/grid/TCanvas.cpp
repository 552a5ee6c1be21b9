#include "platform/forms/grid/TCanvas.h"

#include <cstdlib>

namespace ger {

// A font of height h (in pixels, negative on the platform) averages about 0.55 h per
// character: 6 pixels for the platform's default MS Sans Serif 8 (height -11).
int TCanvas::TextWidth(const QString& text) const {
    const int height = std::abs(m_font.Height);
    return static_cast<int>(text.size()) * ((height * 55 + 50) / 100);
}

// The line height of the default font is 13 pixels: its character height plus 2.
int TCanvas::TextHeight(const QString&) const {
    return std::abs(m_font.Height) + 2;
}

} // namespace ger
