#include "framework/IndiceCol.h"

#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

int IndiceCol(const TDBGrid* grid, const QString& fieldName) {
    const TDBGridColumns& columns = grid->Columns();
    for (int i = 0; i < columns.Count(); ++i)
        if (columns[i]->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace ger
