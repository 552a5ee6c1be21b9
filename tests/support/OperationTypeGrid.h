#pragma once
// The per-branch grid of the screens, in small, for the grid's tests in the model and in the
// Qt renderer: a client dataset cdsTpOperFil of operation types with two one-character flags
// shown as "Sim"/"Não", its data source dtsTpOperFil, a grid dbgPadrao with three columns (the
// operation read-only by the column, the flags with the pick list "Sim", "Não"), and an edit
// edtOutro below the grid to move the focus to.
//
//   OperationTypeGrid parts = BuildOperationTypeGrid(*form, {400, 200, options});
//   LoadOperationTypes(*parts.cds, OperationTypesPacket());

#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/grid/GridTypes.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <QString>
#include <vector>

namespace ger::test {

// Three operation types ("01 - Venda" S N, "02 - Devolução" N S, "03 - Remessa" NULL S), then
// up to `rows` others ("04 - Outra" S S, ...) for a grid that scrolls.
inline QByteArray OperationTypesPacket(int rows = 3) {
    const auto text = [](const char* value) -> PacketValue { return QString::fromUtf8(value); };
    std::vector<PacketRow> data{{text("01 - Venda"), text("S"), text("N")},
                                {text("02 - Devolução"), text("N"), text("S")},
                                {text("03 - Remessa"), std::nullopt, text("S")}};
    for (int i = 4; i <= rows; ++i)
        data.push_back(
            {QStringLiteral("%1 - Outra").arg(i, 2, 10, QChar('0')), text("S"), text("S")});
    return DataPacket{{{"OPERACAO", 35}, {"IDLIBERADO", 1}, {"IDLANCMANUAL", 1}}, data}.Encode();
}

// OnGetText of the flags: "Não" for "N", "Sim" for anything else, NULL included.
inline void FlagText(TField* sender, QString& text, bool) {
    text = sender->AsString() == QLatin1String("N") ? QStringLiteral("Não") : QStringLiteral("Sim");
}

// What differs between the callers: the grid's size and options, and the columns' widths.
struct OperationTypeGridShape {
    int width = 0;
    int height = 0;
    TDBGridOptions options;
    // 0 leaves a column at the grid's default width.
    int operationWidth = 0;
    int flagWidth = 0;
};

struct OperationTypeGrid {
    TClientDataSet* cds = nullptr;
    TDataSource* dts = nullptr;
    TDBGrid* grid = nullptr;
    TEdit* other = nullptr;
};

// The components on `form`, owned by it; the dataset stays closed (LoadOperationTypes opens it).
inline OperationTypeGrid BuildOperationTypeGrid(TCustomForm& form,
                                                const OperationTypeGridShape& shape) {
    OperationTypeGrid parts;
    parts.cds = new TClientDataSet(&form);
    parts.cds->SetName(QStringLiteral("cdsTpOperFil"));
    parts.dts = new TDataSource(&form);
    parts.dts->SetName(QStringLiteral("dtsTpOperFil"));
    parts.dts->SetDataSet(parts.cds);
    parts.grid = new TDBGrid(&form);
    parts.grid->SetName(QStringLiteral("dbgPadrao"));
    parts.grid->SetParent(&form);
    parts.grid->SetBounds(0, 0, shape.width, shape.height);
    parts.grid->SetOptions(shape.options);
    parts.grid->SetDataSource(parts.dts);
    for (const char* name : {"OPERACAO", "IDLIBERADO", "IDLANCMANUAL"}) {
        TColumn* column = parts.grid->Columns().Add();
        column->SetFieldName(QString::fromLatin1(name));
        const int width = column->Index() == 0 ? shape.operationWidth : shape.flagWidth;
        if (width > 0)
            column->SetWidth(width);
        if (column->Index() > 0)
            column->SetPickList({QStringLiteral("Sim"), QStringLiteral("Não")});
    }
    parts.grid->Columns()[0]->SetReadOnly(true);
    parts.other = new TEdit(&form);
    parts.other->SetName(QStringLiteral("edtOutro"));
    parts.other->SetParent(&form);
    parts.other->SetTop(250);
    return parts;
}

// Opens the dataset on `packet` and shows its flags as "Sim"/"Não".
inline void LoadOperationTypes(TClientDataSet& cds, const QByteArray& packet) {
    cds.SetData(packet);
    cds.FieldByName(QStringLiteral("IDLIBERADO"))->OnGetText = FlagText;
    cds.FieldByName(QStringLiteral("IDLANCMANUAL"))->OnGetText = FlagText;
}

} // namespace ger::test
