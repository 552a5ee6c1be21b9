#pragma once
// Horizontal alignment of a text, as on the platform: shared by the controls (labels, panels,
// grid columns) and by the dataset's fields, so both layers name it once.

namespace ger {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

} // namespace ger
