#include "framework/UnsavedRowMark.h"

#include "platform/db/TDataSet.h"
#include "platform/forms/grid/TCanvas.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

bool IsRowUnsaved(const TDBGrid& grid, int displayRow) {
    TDataSet* dataSet = grid.DataSet();
    if (!dataSet || !dataSet->Active() || displayRow < 0 || displayRow >= grid.RowCount())
        return false;
    TDataSet::ActiveRecordScope reading(*dataSet, displayRow);
    return dataSet->UpdateStatus() != usUnmodified;
}

// While a row is drawn the dataset's fields, and so its update status, read that row.
void DrawUnsavedRowCell(TDBGrid& grid, const TRect& rect, int dataCol, TColumn* column,
                        TGridDrawState state) {
    TDataSet* dataSet = grid.DataSet();
    if (!dataSet || dataSet->IsEmpty() || state.testFlag(gdSelected) ||
        dataSet->UpdateStatus() == usUnmodified)
        return;
    grid.Canvas()->Font().Color = UnsavedRowColor;
    grid.DefaultDrawColumnCell(rect, dataCol, column, state);
}

void ShowUnsavedRowHint(TDBGrid& grid, int x, int y) {
    int row = -1;
    int column = -1;
    const bool unsaved = grid.CellAt(QPoint(x, y), row, column) && IsRowUnsaved(grid, row);
    grid.SetHint(unsaved ? UnsavedRowHint : QString());
}

} // namespace ger
