#pragma once
// Colours and fonts of the model as Qt shows them. System colours (clBtnFace, clWindow,
// clInfoBk...) take the platform's classic scheme through ColorToArgb, so a screen looks the
// same on every desktop theme and owner-drawn cells match the colours the model computes.

#include "platform/forms/TColor.h"
#include "platform/forms/TFont.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace ger {

QColor ToQColor(TColor color);
// The font's Height in pixels (negative: character height; positive: cell height, taken as a
// little larger than the characters), its name and its styles.
QFont ToQFont(const TFont& font);

// Paints a mirror widget in the model's colours: `background` for the window and the base of
// edits in every state, the font's colour for text while enabled. The disabled text colour is
// left to the style, so disabled controls look disabled.
// The text of disabled controls.
extern const QColor DisabledTextColor;

void ApplyColors(QWidget& widget, TColor background, const TFont& font, bool fillBackground);

} // namespace ger
