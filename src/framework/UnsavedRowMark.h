#pragma once
// The mark of a row whose write the server did not take. Such a row keeps its posted change
// unmerged in the client dataset's change log; the grid draws it in maroon (a contrast of
// about 10:1 on the grids' cream) and its hint says "não gravado", until the change is written
// or the list is loaded again.
//
//   void TfrmX::dbgXDrawColumnCell(TObject*, const TRect& Rect, int DataCol, TColumn* Column,
//                                  TGridDrawState State) {
//       DrawUnsavedRowCell(*dbgX, Rect, DataCol, Column, State);
//   }
//   void TfrmX::dbgXMouseMove(TObject*, TShiftState, int X, int Y) {
//       ShowUnsavedRowHint(*dbgX, X, Y);
//   }

#include "platform/forms/TColor.h"
#include "platform/forms/grid/GridTypes.h"

#include <QString>

namespace ger {

class TColumn;
class TDBGrid;
struct TRect;

inline constexpr TColor UnsavedRowColor = clMaroon;
inline const QString UnsavedRowHint = QStringLiteral("não gravado");

// The grid's display row holds a posted change that is not merged.
bool IsRowUnsaved(const TDBGrid& grid, int displayRow);
// For OnDrawColumnCell: draws an unselected cell of the row being drawn in UnsavedRowColor
// when that row is unsaved, and leaves every other cell as the grid drew it.
void DrawUnsavedRowCell(TDBGrid& grid, const TRect& rect, int dataCol, TColumn* column,
                        TGridDrawState state);
// For OnMouseMove: the grid's hint says whether the row under the point is unsaved.
void ShowUnsavedRowHint(TDBGrid& grid, int x, int y);

} // namespace ger
