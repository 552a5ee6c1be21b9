// TDBGrid: keys, rows and columns. The rules are listed in TDBGrid.h.

#include "platform/db/TDataSet.h"
#include "platform/forms/DialogTypes.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace ger {
namespace {

// The platform asks "Delete record?"; the users of this system read Portuguese.
const QString kDeleteRecordQuestion = QStringLiteral("Excluir registro?");

} // namespace

bool TDBGrid::WantsKey(Word key, TShiftState shift) const {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    case VK_TAB:
        // A closed grid lets Tab move the focus on, or the user could not leave it.
        return m_options.testFlag(dgTabs) && m_link.Active() && !shift.testFlag(ssCtrl) &&
               !shift.testFlag(ssAlt);
    case VK_RETURN:
        // Ctrl+Enter is the editor's: it clicks an ellipsis button.
        if (shift.testFlag(ssCtrl))
            return EditorStyle() == esEllipsis;
        return m_editorMode || m_link.Editing();
    case VK_ESCAPE:
        return m_editorMode || m_link.Editing();
    default:
        return false;
    }
}

void TDBGrid::DefaultKeyDown(Word& key, TShiftState shift) {
    if (!m_link.Active())
        return;
    if (shift.testFlag(ssCtrl)) {
        if (HandleControlKey(key))
            return;
    } else if (m_editorMode && HandleEditorKey(key, shift)) {
        return;
    }
    HandleGridKey(key, shift);
}

// With Ctrl: Delete deletes the row; Enter clicks the editor's ellipsis; Home / End go to the
// first / last row, Up / PageUp and Down / PageDown to the first / last row shown, Left / Right
// to the first / last column.
// Other keys do nothing in the grid.
bool TDBGrid::HandleControlKey(Word key) {
    TDataSet* dataSet = DataSet();
    switch (key) {
    case VK_DELETE:
        DeleteCurrentRow();
        return true;
    case VK_RETURN:
        UserClickEditButton();
        return true;
    case VK_HOME:
        dataSet->First();
        return true;
    case VK_END:
        dataSet->Last();
        return true;
    case VK_UP:
    case VK_PRIOR:
        dataSet->MoveBy(m_topRow - CurrentRow());
        return true;
    case VK_DOWN:
    case VK_NEXT:
        dataSet->MoveBy(std::min(RowCount(), m_topRow + VisibleRowCount()) - 1 - CurrentRow());
        return true;
    case VK_LEFT:
        MoveCol(NextVisibleColumn(-1, 1), 1);
        return true;
    case VK_RIGHT:
        MoveCol(NextVisibleColumn(m_columns.Count(), -1), -1);
        return true;
    default:
        return true;
    }
}

// Keys the in-place editor keeps for itself; the rest go on to the grid.
bool TDBGrid::HandleEditorKey(Word key, TShiftState) {
    switch (key) {
    case VK_LEFT:
    case VK_HOME:
        if (m_editor.LeftSide())
            return false;
        m_editor.MoveCaret(key);
        emit editorChanged();
        return true;
    case VK_RIGHT:
    case VK_END:
        if (m_editor.RightSide())
            return false;
        m_editor.MoveCaret(key);
        emit editorChanged();
        return true;
    case VK_DELETE:
        if (CanEditModify()) {
            m_editor.DeleteForward();
            m_link.SetModified(true);
            emit editorChanged();
        }
        return true;
    case VK_F2:
        m_editor.Deselect();
        emit editorChanged();
        return true;
    default:
        return false;
    }
}

void TDBGrid::HandleGridKey(Word key, TShiftState shift) {
    const bool rowSelect = m_options.testFlag(dgRowSelect);
    switch (key) {
    case VK_UP:
        PriorRow();
        break;
    case VK_DOWN:
        NextRow();
        break;
    case VK_LEFT:
        if (rowSelect)
            PriorRow();
        else
            MoveCol(NextVisibleColumn(m_selectedIndex, -1), -1);
        break;
    case VK_RIGHT:
        if (rowSelect)
            NextRow();
        else
            MoveCol(NextVisibleColumn(m_selectedIndex, 1), 1);
        break;
    case VK_HOME:
        if (rowSelect)
            DataSet()->First();
        else
            MoveCol(NextVisibleColumn(-1, 1), 1);
        break;
    case VK_END:
        if (rowSelect)
            DataSet()->Last();
        else
            MoveCol(NextVisibleColumn(m_columns.Count(), -1), -1);
        break;
    case VK_NEXT:
        DataSet()->MoveBy(std::max(1, VisibleRowCount()));
        break;
    case VK_PRIOR:
        DataSet()->MoveBy(-std::max(1, VisibleRowCount()));
        break;
    case VK_INSERT:
        InsertRow();
        break;
    case VK_TAB:
        if (!shift.testFlag(ssAlt))
            Tab(!shift.testFlag(ssShift));
        break;
    case VK_ESCAPE:
        m_link.Reset();
        if (!m_options.testFlag(dgAlwaysShowEditor))
            HideEditor();
        break;
    case VK_F2:
        ShowEditor();
        break;
    default:
        break;
    }
}

bool TDBGrid::CanAppendOrInsert() const {
    return m_options.testFlag(dgEditing) && !m_readOnly && !m_link.ReadOnly() &&
           DataSet()->CanModify();
}

// An inserted row that neither the dataset nor the editor has changed.
bool TDBGrid::InsertedRowUnchanged() const {
    const TDataSet* dataSet = DataSet();
    return dataSet->State() == dsInsert && !dataSet->Modified() && !m_link.Modified();
}

void TDBGrid::NextRow() {
    TDataSet* dataSet = DataSet();
    if (InsertedRowUnchanged()) {
        if (CurrentRow() < RowCount() - 1)
            dataSet->Cancel();
        return;
    }
    dataSet->MoveBy(1);
    if (dataSet->Eof() && CanAppendOrInsert())
        dataSet->Append();
}

void TDBGrid::PriorRow() {
    TDataSet* dataSet = DataSet();
    if (InsertedRowUnchanged() && CurrentRow() == RowCount() - 1)
        dataSet->Cancel();
    else
        dataSet->MoveBy(-1);
}

void TDBGrid::InsertRow() {
    if (CanAppendOrInsert())
        DataSet()->Insert();
}

void TDBGrid::DeleteCurrentRow() {
    TDataSet* dataSet = DataSet();
    if (m_readOnly || m_link.ReadOnly() || !dataSet->CanModify() || dataSet->IsEmpty())
        return;
    if (m_options.testFlag(dgConfirmDelete) &&
        Application().Dialogs().MessageDlg(kDeleteRecordQuestion, mtConfirmation,
                                           TMsgDlgButtons(mbYes | mbNo)) != mrYes)
        return;
    dataSet->Delete();
}

// Moving to another row by clicking it. Leaving an inserted row that was cancelled (or
// posted) shifts the rows below it, so the target is found again after the current row has
// been settled.
void TDBGrid::MoveToRow(int row) {
    TDataSet* dataSet = DataSet();
    const bool wasInserting = dataSet->State() == dsInsert;
    const int insertedAt = CurrentRow();
    const int countBefore = RowCount();
    dataSet->CheckBrowseMode();
    if (wasInserting && RowCount() < countBefore && row > insertedAt)
        --row;
    if (row != CurrentRow())
        dataSet->MoveBy(row - CurrentRow());
}

int TDBGrid::NextVisibleColumn(int from, int direction) const {
    for (int i = from + direction; i >= 0 && i < m_columns.Count(); i += direction)
        if (m_columns[i]->Visible())
            return i;
    return -1;
}

// The column move of the platform: the editor's text is written, OnColExit may keep the
// column (by raising, or by moving elsewhere itself), then OnColEnter.
void TDBGrid::MoveCol(int column, int direction) {
    if (column < 0 || column >= m_columns.Count())
        return;
    if (direction == 0 && !m_columns[column]->Visible()) {
        const int next = NextVisibleColumn(column, 1);
        column = next >= 0 ? next : NextVisibleColumn(column, -1);
        if (column < 0)
            return;
    }
    m_link.UpdateRecord();
    if (column == m_selectedIndex)
        return;
    const int old = m_selectedIndex;
    if (!m_inColExit) {
        {
            const QScopedValueRollback guard(m_inColExit, true);
            if (OnColExit && !IsLoadingState())
                OnColExit(this);
        }
        if (m_selectedIndex != old)
            return;
    }
    m_selectedIndex = column;
    if (!m_options.testFlag(dgAlwaysShowEditor))
        HideEditor();
    ReloadEditor();
    emit currentCellChanged();
    emit editorChanged();
    if (OnColEnter && !IsLoadingState())
        OnColEnter(this);
}

void TDBGrid::Tab(bool goForward) {
    if (goForward) {
        const int next = NextVisibleColumn(m_selectedIndex, 1);
        if (next >= 0) {
            MoveCol(next, 1);
            return;
        }
        NextRow();
        MoveCol(NextVisibleColumn(-1, 1), 1);
        return;
    }
    const int previous = NextVisibleColumn(m_selectedIndex, -1);
    if (previous >= 0) {
        MoveCol(previous, -1);
    } else if (CurrentRow() > 0) {
        PriorRow();
        MoveCol(NextVisibleColumn(m_columns.Count(), -1), -1);
    }
}

void TDBGrid::UserClick(const QPoint& at) {
    int row = -1;
    int column = -1;
    if (m_link.Active() && CellAt(at, row, column) && row >= 0) {
        if (row == CurrentRow() && column == m_selectedIndex) {
            ShowEditor();
        } else {
            m_link.UpdateRecord();
            if (row != CurrentRow())
                MoveToRow(row);
            if (column >= 0)
                MoveCol(column, 0);
        }
    }
    TWinControl::UserClick(at);
}

void TDBGrid::ScrollToCurrent() {
    const int count = RowCount();
    const int visible = std::max(1, VisibleRowCount());
    const int current = CurrentRow();
    int top = m_topRow;
    if (current >= 0 && current < top)
        top = current;
    if (current >= top + visible)
        top = current - visible + 1;
    top = std::clamp(top, 0, std::max(0, count - visible));
    if (top == m_topRow)
        return;
    m_topRow = top;
    emit dataChanged();
}

} // namespace ger
