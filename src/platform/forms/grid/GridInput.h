#pragma once
// GridInput: what the person at the screen does to a data grid, as calls on the model, for
// renderers and the scripted user (see UserInput for the rules every action follows). Each
// call is one user action through the dispatch boundary and returns true when it ran without
// an exception.
//
// Clicking a cell gives the grid the focus first (by the focus rules), then moves to the cell:
// another row posts the current one first, another column runs OnColExit and OnColEnter.
// Clicking the current cell brings up its in-place editor. The editor's button and its pick
// list act only while the editor shows them.

namespace ger {

class TDBGrid;

class GridInput {
public:
    static bool ClickCell(TDBGrid& grid, int row, int column);
    static bool DoubleClickCell(TDBGrid& grid, int row, int column);
    static bool ClickEditButton(TDBGrid& grid);
    static bool ChoosePickItem(TDBGrid& grid, int index);
};

} // namespace ger
