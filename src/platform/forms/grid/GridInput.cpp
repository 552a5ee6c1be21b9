#include "platform/forms/grid/GridInput.h"

#include "platform/forms/Dispatch.h"
#include "platform/forms/UserInput.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

bool GridInput::ClickCell(TDBGrid& grid, int row, int column) {
    return UserInput::Click(grid, grid.CellRect(row, column).Center());
}

bool GridInput::DoubleClickCell(TDBGrid& grid, int row, int column) {
    return UserInput::DoubleClick(grid, grid.CellRect(row, column).Center());
}

bool GridInput::ClickEditButton(TDBGrid& grid) {
    return Dispatch([&grid] { grid.UserClickEditButton(); });
}

bool GridInput::ChoosePickItem(TDBGrid& grid, int index) {
    return Dispatch([&grid, index] { grid.UserChoosePickItem(index); });
}

} // namespace ger
