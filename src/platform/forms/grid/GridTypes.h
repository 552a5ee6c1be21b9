#pragma once
// Options, styles, states and events of the data grid, named as on the platform so that form
// data (`Options = [dgEditing, dgTitles]`, `ButtonStyle = cbsEllipsis`) reads directly.

#include "platform/core/Events.h"
#include "platform/forms/grid/TRect.h"

#include <QFlags>
#include <functional>

namespace ger {

class TColumn;

enum TDBGridOption {
    dgEditing = 0x1,               // cells can be edited in place
    dgAlwaysShowEditor = 0x2,      // the in-place editor is up whenever the grid has the focus
    dgTitles = 0x4,                // a title row above the data
    dgIndicator = 0x8,             // a narrow column left of the data marking the current row
    dgColumnResize = 0x10,         // the user may resize and move columns
    dgColLines = 0x20,             // lines between columns
    dgRowLines = 0x40,             // lines between rows
    dgTabs = 0x80,                 // Tab and Shift+Tab move between cells
    dgRowSelect = 0x100,           // the whole row is selected; no in-place editing
    dgAlwaysShowSelection = 0x200, // the selection is shown without the focus too
    dgConfirmDelete = 0x400,       // Ctrl+Delete asks before deleting
    dgCancelOnExit = 0x800,        // an unmodified inserted row is cancelled when the focus leaves
    dgMultiSelect = 0x1000         // accepted and kept; several rows are never selected here
};
Q_DECLARE_FLAGS(TDBGridOptions, TDBGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDBGridOptions)

// The platform's default options of a new grid.
constexpr TDBGridOptions DefaultDBGridOptions() {
    return TDBGridOptions(dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines |
                          dgRowLines | dgTabs | dgConfirmDelete | dgCancelOnExit);
}

// The button of a column's in-place editor: a drop-down for a pick list (cbsAuto), an ellipsis
// that runs OnEditButtonClick (cbsEllipsis), or none.
enum TColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };

// What the in-place editor of the current cell shows beside its text.
enum TEditStyle { esSimple, esEllipsis, esPickList };

// Whether the columns were declared (customized) or follow the dataset's fields (default).
enum TDBGridColumnsState { csDefault, csCustomized };

enum TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// What the indicator column shows for a row.
enum class RowIndicator { None, Current, Editing, Inserting };

using TDrawColumnCellEvent = std::function<void(TObject* Sender, const TRect& Rect, int DataCol,
                                                TColumn* Column, TGridDrawState State)>;

} // namespace ger
