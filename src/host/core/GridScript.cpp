#include "host/core/GridScript.h"

#include "platform/db/TDataSet.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "script/ScriptError.h"
#include "script/ScriptedUser.h"

#include <algorithm>

namespace ger {
namespace {

TDBGrid& AsGrid(TControl& control) {
    auto* grid = dynamic_cast<TDBGrid*>(&control);
    if (!grid)
        throw ScriptError(QStringLiteral("%1 is not a data grid").arg(control.Name()));
    return *grid;
}

// Indexes into Columns of the columns the grid shows, left to right.
QList<int> ShownColumns(const TDBGrid& grid) {
    QList<int> shown;
    for (int i = 0; i < grid.Columns().Count(); ++i)
        if (grid.Columns()[i]->Visible())
            shown.append(i);
    return shown;
}

QString StateName(const TDataSet* dataSet) {
    switch (dataSet ? dataSet->State() : dsInactive) {
    case dsInactive:
        return QStringLiteral("closed");
    case dsBrowse:
        return QStringLiteral("browse");
    case dsEdit:
        return QStringLiteral("edit");
    case dsInsert:
        return QStringLiteral("insert");
    }
    return {};
}

// Cells padded to the width of the widest text of their column, separated by " | ".
QStringList Table(const std::vector<QStringList>& rows) {
    std::vector<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            widths.resize(std::max<size_t>(widths.size(), static_cast<size_t>(c) + 1), 0);
            widths[static_cast<size_t>(c)] =
                std::max(widths[static_cast<size_t>(c)], row.at(c).size());
        }
    QStringList lines;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype c = 0; c < row.size(); ++c)
            cells.append(row.at(c).leftJustified(widths[static_cast<size_t>(c)]));
        QString line = cells.join(QStringLiteral(" | "));
        while (line.endsWith(u' '))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

} // namespace

bool SelectGridCell(TControl& control, int row, int column) {
    TDBGrid& grid = AsGrid(control);
    TCustomForm* form = grid.ParentForm();
    if (!form)
        throw ScriptError(QStringLiteral("%1 is on no form").arg(grid.Name()));
    const QList<int> shown = ShownColumns(grid);
    if (column < 1 || column > shown.size())
        throw ScriptError(QStringLiteral("%1 shows no column %2 (it shows %3)")
                              .arg(grid.Name())
                              .arg(column)
                              .arg(shown.size()));
    return ScriptedUser(*form).SelectCell(grid.Name(), row - 1, shown.at(column - 1));
}

bool PickInCurrentCell(TCustomForm& form, const QString& text) {
    auto* grid = dynamic_cast<TDBGrid*>(form.FocusedControl());
    if (!grid)
        throw ScriptError(
            QStringLiteral("pick: no combo box or data grid has the focus on %1").arg(form.Name()));
    return ScriptedUser(form).PickFromList(grid->Name(), text);
}

QStringList DumpGridRows(const TControl& control) {
    const auto* grid = dynamic_cast<const TDBGrid*>(&control);
    if (!grid)
        return {};
    const QList<int> columns = ShownColumns(*grid);
    const int first = grid->TopRow();
    const int end = std::min(grid->RowCount(), first + grid->VisibleRowCount());
    const int current = grid->CurrentRow();
    const int selected = grid->SelectedIndex();
    QStringList lines{
        QStringLiteral("dataset %1, rows %2, current row %3, column \"%4\"")
            .arg(StateName(grid->DataSet()))
            .arg(end > first
                     ? QStringLiteral("%1-%2 of %3").arg(first + 1).arg(end).arg(grid->RowCount())
                     : QStringLiteral("none"))
            .arg(current >= 0 && grid->RowCount() > 0 ? QString::number(current + 1)
                                                      : QStringLiteral("none"))
            .arg(selected >= 0 ? grid->TitleText(selected) : QString())};
    std::vector<QStringList> table;
    QStringList titles{QString(), QStringLiteral("#")};
    for (int c : columns)
        titles.append(grid->TitleText(c));
    table.push_back(titles);
    for (int row = first; row < end; ++row) {
        QStringList cells{row == current ? QStringLiteral("*") : QString(),
                          QString::number(row + 1)};
        for (int c : columns)
            cells.append(grid->DisplayText(row, c));
        table.push_back(cells);
    }
    return lines + Table(table);
}

} // namespace ger
