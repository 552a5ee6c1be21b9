#pragma once
// IndiceCol: the position of a data grid's column bound to a field, for code that changes that
// column (its button style, its read-only flag):
//
//   dbgTipoOperCli->Columns()[IndiceCol(dbgTipoOperCli,
//   "CDTIPOOPER")]->SetButtonStyle(cbsEllipsis);
//
// Columns are matched by their FieldName without regard to case, as field names are, so the
// answer does not depend on whether the dataset is open. The first matching column wins; with
// none, -1, which Columns() refuses as an index (naming the grid).

#include <QString>

namespace ger {

class TDBGrid;

int IndiceCol(const TDBGrid* grid, const QString& fieldName);

} // namespace ger
