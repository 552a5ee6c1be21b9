#pragma once
// TDBGrid: the data-aware grid. It shows the rows of its DataSource's dataset, one column per
// TColumn, and edits the current cell in place. The current row is the dataset's cursor; the
// current column is SelectedIndex (an index into Columns).
//
// Rules of the platform, in the order a keystroke meets them (OnKeyDown and OnKeyPress run
// first and can swallow a key by setting it to 0; see TWinControl):
//   Up / Down           the previous / next row; leaving a row posts its edit first (the
//                       dataset's CheckBrowseMode), and a post that raises (EAbort included)
//                       keeps the row and the edit. Down on the last row appends a row (with
//                       dgEditing, a modifiable dataset and a grid not ReadOnly). On an inserted
//                       row nobody changed, Down does nothing on the last row (and cancels it
//                       elsewhere) and Up cancels it when it is the last row.
//   PageUp / PageDown   VisibleRowCount rows up / down; Ctrl+Home / Ctrl+End the first / last row
//   Left / Right        the previous / next visible column (rows with dgRowSelect); while the
//                       editor is up they first move its caret, and leave the cell only from
//                       the edge of its text
//   Home / End          the first / last column
//   Tab / Shift+Tab     with dgTabs: the next / previous cell, wrapping to the next / previous
//                       row (so Tab on the last cell of the last row appends, as Down does)
//   Insert              inserts a row (same conditions as appending)
//   Ctrl+Delete         deletes the current row; with dgConfirmDelete it first asks
//                       "Excluir registro?" (the platform's "Delete record?", in the users'
//                       language) with Yes and No, and deletes only on Yes
//   Escape              editor text changed: gives the field's text back to the editor;
//                       otherwise cancels the dataset's edit or insert. Hides the editor.
//   F2                  shows the in-place editor (inside it: caret to the end)
//   Ctrl+Enter          with the editor's ellipsis button shown: clicks it (OnEditButtonClick)
//   Enter               writes the editor's text to the field and shows or hides the editor
//                       (with dgAlwaysShowEditor it selects the editor's text instead)
//   a character         shows the editor (its text all selected, so the character replaces it)
//                       and types, when the cell can be modified (below); Backspace likewise
//   a click             on another cell moves there (posting, as above); on the current cell
//                       it shows the editor
//
// Editing a cell. The in-place editor can be up (EditorMode) only with dgEditing and without
// dgRowSelect. Typing changes the dataset only through the data source: the first change puts
// the dataset into edit (AutoEdit), and is refused when the grid, the data source's link, the
// column or the field is read-only or the dataset cannot be modified. The editor holds the
// field's Text (OnGetText with DisplayText false), and its text is written to the field with
// SetText when the row is posted, the column or row changes, Enter is pressed or the focus
// leaves the grid: a one-character field keeps the first character ("nao" stores "n").
// Choosing from a pick list writes the chosen text to the field at once ("Sim" stores "S").
// The editor's button (EditorStyle) is an ellipsis for cbsEllipsis columns, a drop-down for
// cbsAuto columns with a pick list, else none; UserClickEditButton runs OnEditButtonClick for
// an ellipsis.
//
// Columns. Moving to another column first writes the editor's text, then runs OnColExit (which
// may raise to stay), then OnColEnter. The focus leaving the grid writes the editor's text;
// with dgCancelOnExit an inserted row that neither the dataset nor the editor changed is
// cancelled instead.
//
// Drawing. Paint(canvas) draws through a TCanvas: the background, the titles (dgTitles), the
// indicator (dgIndicator), every visible cell of the visible rows, then the grid lines. For
// each data cell it sets the brush and font (highlight colours for the selected cell when the
// grid has the focus or dgAlwaysShowSelection), draws the field's DisplayText
// (DefaultDrawColumnCell, unless DefaultDrawing is off), then runs OnDrawColumnCell with the
// cell's rectangle, column index, column and state. While a row is drawn the dataset's fields
// read that row. Canvas() is the canvas being painted on (outside painting, a recording one).
//
// Observability for renderers and dumps: RowCount, TopRow, VisibleRowCount, CurrentRow,
// DisplayText(row, column), TitleText, CellRect, CellAt, the editor's state, and the signals
// below. With no dataset open the grid has no rows and no SelectedField.
//
// Signals (besides TWinControl's):
//   currentCellChanged()  the current row or column changed
//   editorChanged()       the in-place editor was shown or hidden, or its text or button changed
//   editingChanged()      the dataset entered or left edit or insert
//   dataChanged()         rows or values changed (repaint the cells)
//   layoutChanged()       columns, options, widths or titles changed

#include "platform/forms/TWinControl.h"
#include "platform/forms/grid/GridDataLink.h"
#include "platform/forms/grid/GridInplaceEditor.h"
#include "platform/forms/grid/GridTypes.h"
#include "platform/forms/grid/RecordingCanvas.h"
#include "platform/forms/grid/TDBGridColumns.h"

#include <QStringList>

namespace ger {

class TColumn;
class TDataSet;
class TDataSource;
class TField;

class TDBGrid : public TWinControl {
    Q_OBJECT
public:
    explicit TDBGrid(TComponent* AOwner);
    ~TDBGrid() override;

    QString ClassName() const override { return QStringLiteral("TDBGrid"); }

    TDataSource* DataSource() const { return m_link.DataSource(); }
    void SetDataSource(TDataSource* dataSource);
    // The link's dataset, or null.
    TDataSet* DataSet() const { return m_link.DataSet(); }
    const GridDataLink& DataLink() const { return m_link; }

    TDBGridOptions Options() const { return m_options; }
    void SetOptions(TDBGridOptions options);
    TDBGridColumns& Columns() { return m_columns; }
    const TDBGridColumns& Columns() const { return m_columns; }

    // The current column's index, -1 when there are no columns.
    int SelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(int index);
    // The current column's field; null while the dataset is not open.
    TField* SelectedField() const;
    // Selects the first column showing the field (nothing when none does).
    void SetSelectedField(TField* field);

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool value) { m_defaultDrawing = value; }
    const TFont& TitleFont() const { return m_titleFont; }
    void SetTitleFont(const TFont& font);
    TColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(TColor color);

    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    TNotifyEvent OnEditButtonClick;
    TDrawColumnCellEvent OnDrawColumnCell;

    // Rows: display rows of the dataset (stored rows plus one being inserted), 0-based.
    int RowCount() const;
    int CurrentRow() const;
    int TopRow() const { return m_topRow; }
    int VisibleRowCount() const;
    // Height of a data row and of the title row, in pixels, without the grid line.
    int RowHeight() const;
    static constexpr int IndicatorWidth = 11;
    // What the grid shows: the field's DisplayText in a cell (empty without a field), a
    // column's title, the indicator of a row.
    QString DisplayText(int row, int column) const;
    QString TitleText(int column) const;
    RowIndicator Indicator(int row) const;
    // A cell's rectangle in client coordinates; row -1 is the title row.
    TRect CellRect(int row, int column) const;
    // The data cell at a point in client coordinates (row -1 for a title); false outside.
    bool CellAt(const QPoint& point, int& row, int& column) const;
    // With dgColumnResize: the visible column whose right edge is within a few pixels of a
    // point of the title row, which the person may drag; -1 elsewhere.
    int ColumnEdgeAt(const QPoint& point) const;
    // The person dragged that column's edge: its width, never below MinColumnWidth.
    void UserResizeColumn(int column, int width);
    static constexpr int MinColumnWidth = 8;

    // The in-place editor of the current cell.
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool value);
    const GridInplaceEditor& Editor() const { return m_editor; }
    QString EditorText() const { return m_editor.Text(); }
    // The editor text differs from the field (not yet written).
    bool EditorModified() const { return m_link.Modified(); }
    TEditStyle EditorStyle() const;
    // The current column's pick list ("Sim", "Não"), whether or not it is shown.
    QStringList EditorPickList() const;
    // The user's actions on the editor's button: the ellipsis runs OnEditButtonClick; an item
    // of the drop-down list is written to the field (when the cell can be modified). Nothing
    // happens when the editor shows no such button.
    void UserClickEditButton();
    void UserChoosePickItem(int index);

    void Paint(TCanvas& canvas);
    void DrawCells(TCanvas& canvas);
    void DefaultDrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column,
                               TGridDrawState State);
    TCanvas* Canvas();

    bool FocusesOnClick() const override { return true; }
    bool WantsKey(Word key, TShiftState shift) const override;
    void DoEnter() override;
    void DoExit() override;
    void UserClick(const QPoint& at) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void currentCellChanged();
    void editorChanged();
    void editingChanged();
    void dataChanged();
    void layoutChanged();

protected:
    void DefaultKeyDown(Word& key, TShiftState shift) override;
    void DefaultKeyPress(QChar& key) override;
    int NonClientBorder() const override { return m_borderStyle == bsSingle ? 2 : 0; }
    void Loaded() override;

private:
    friend class GridDataLink;
    friend class TDBGridColumns;

    // Data link notifications (TDBGrid.cpp).
    void LinkActive();
    void LinkDataChanged();
    void LinkRecordChanged(TField* field);
    void LinkEditingChanged();
    void LinkLayoutChanged();
    void LinkUpdateData();
    bool LinkFocusControl(TField* field);
    void ColumnsChanged();

    // Navigation (TDBGridNavigation.cpp).
    void NextRow();
    void PriorRow();
    void MoveToRow(int row);
    void MoveCol(int column, int direction);
    void Tab(bool goForward);
    void DeleteCurrentRow();
    void InsertRow();
    bool HandleControlKey(Word key);
    void HandleGridKey(Word key, TShiftState shift);
    bool HandleEditorKey(Word key, TShiftState shift);
    int NextVisibleColumn(int from, int direction) const;
    bool CanAppendOrInsert() const;
    bool InsertedRowUnchanged() const;
    void ScrollToCurrent();

    // The in-place editor (TDBGridEditor.cpp).
    bool CanEditShow() const;
    bool CanEditModify();
    void ShowEditor();
    void HideEditor();
    void ReloadEditor();
    void TypeIntoEditor(QChar key);
    void WriteEditorText();

    // Drawing (TDBGridDrawing.cpp).
    int ColumnLeft(int column) const;
    int DataTop() const;
    int RowPitch() const;
    int DrawnRowEnd() const;
    void DrawTitles(TCanvas& canvas);
    void DrawIndicator(TCanvas& canvas);
    void DrawRow(TCanvas& canvas, int row);
    void DrawLines(TCanvas& canvas);
    TGridDrawState CellState(int row, int column) const;

    GridDataLink m_link;
    TDBGridColumns m_columns;
    GridInplaceEditor m_editor;
    RecordingCanvas m_idleCanvas;
    TCanvas* m_paintCanvas = nullptr;
    TDBGridOptions m_options = DefaultDBGridOptions();
    TBorderStyle m_borderStyle = bsSingle;
    TFont m_titleFont;
    TColor m_fixedColor = clBtnFace;
    int m_selectedIndex = -1;
    int m_topRow = 0;
    int m_lastRow = -1;
    bool m_readOnly = false;
    bool m_defaultDrawing = true;
    bool m_editorMode = false;
    bool m_inColExit = false;
};

} // namespace ger
