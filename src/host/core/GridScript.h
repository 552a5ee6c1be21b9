#pragma once
// The data grid's part of the script language: selecting a cell, picking from the current
// cell's pick list, and the grid's rows as the `dump` command prints them.

#include <QString>
#include <QStringList>

namespace ger {

class TControl;
class TCustomForm;

// Clicks the cell at a 1-based row and column as shown. ScriptError when `control` is no grid
// or the grid shows no such cell.
bool SelectGridCell(TControl& control, int row, int column);
// Picks `text` from the pick list of the current cell of the grid that has the focus on `form`.
bool PickInCurrentCell(TCustomForm& form, const QString& text);
// The title line and one line per row; nothing for a control that is no grid.
QStringList DumpGridRows(const TControl& control);

} // namespace ger
