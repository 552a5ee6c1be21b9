// TDBGrid: properties, form data and what the data link reports.

#include "platform/forms/grid/TDBGrid.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/grid/TColumn.h"

#include <algorithm>

namespace ger {
namespace {

TDBGridOptions readOptions(const FormDataProperty& p) {
    TDBGridOptions options;
    for (const QString& ident : p.value.asSet(p.name))
        options |= EnumFromIdent<TDBGridOption>(p.name, ident,
                                                {{"dgEditing", dgEditing},
                                                 {"dgAlwaysShowEditor", dgAlwaysShowEditor},
                                                 {"dgTitles", dgTitles},
                                                 {"dgIndicator", dgIndicator},
                                                 {"dgColumnResize", dgColumnResize},
                                                 {"dgColLines", dgColLines},
                                                 {"dgRowLines", dgRowLines},
                                                 {"dgTabs", dgTabs},
                                                 {"dgRowSelect", dgRowSelect},
                                                 {"dgAlwaysShowSelection", dgAlwaysShowSelection},
                                                 {"dgConfirmDelete", dgConfirmDelete},
                                                 {"dgCancelOnExit", dgCancelOnExit},
                                                 {"dgMultiSelect", dgMultiSelect}});
    return options;
}

const PropertyTable<TDBGrid>& gridProperties() {
    using T = TDBGrid&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TDBGrid> table{
        {"datasource",
         [](T t, P p, C c) {
             ReadReference<TDataSource>(p, c, "data source",
                                        [&t](TDataSource* source) { t.SetDataSource(source); });
         }},
        {"options", [](T t, P p, C) { t.SetOptions(readOptions(p)); }},
        {"columns", [](T t, P p, C c) { t.Columns().ReadCollection(p, c); }},
        {"readonly", [](T t, P p, C) { t.SetReadOnly(ReadBool(p)); }},
        {"borderstyle",
         [](T t, P p, C) {
             t.SetBorderStyle(
                 ReadEnum<TBorderStyle>(p, {{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
         }},
        {"defaultdrawing", [](T t, P p, C) { t.SetDefaultDrawing(ReadBool(p)); }},
        {"fixedcolor", [](T t, P p, C) { t.SetFixedColor(ReadColor(p)); }},
        {"oncolenter", [](T t, P p, C c) { t.OnColEnter = ReadEvent<TNotifyEvent>(p, c); }},
        {"oncolexit", [](T t, P p, C c) { t.OnColExit = ReadEvent<TNotifyEvent>(p, c); }},
        {"oneditbuttonclick",
         [](T t, P p, C c) { t.OnEditButtonClick = ReadEvent<TNotifyEvent>(p, c); }},
        {"ondrawcolumncell",
         [](T t, P p, C c) { t.OnDrawColumnCell = ReadEvent<TDrawColumnCellEvent>(p, c); }},
    };
    return table;
}

} // namespace

TDBGrid::TDBGrid(TComponent* AOwner)
    : TWinControl(AOwner)
    , m_link(this)
    , m_columns(this) {
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
    SetTabStop(true);
}

TDBGrid::~TDBGrid() {
    m_link.Detach();
    m_link.SetDataSource(nullptr);
}

void TDBGrid::SetDataSource(TDataSource* dataSource) {
    m_link.SetDataSource(dataSource);
}

void TDBGrid::SetOptions(TDBGridOptions options) {
    if (options == m_options)
        return;
    m_options = options;
    if (!CanEditShow())
        HideEditor();
    else if (m_options.testFlag(dgAlwaysShowEditor))
        ShowEditor();
    ScrollToCurrent();
    emit layoutChanged();
    emit editorChanged();
    emit changed();
}

TField* TDBGrid::SelectedField() const {
    if (!m_link.Active() || m_selectedIndex < 0 || m_selectedIndex >= m_columns.Count())
        return nullptr;
    return m_columns[m_selectedIndex]->Field();
}

void TDBGrid::SetSelectedIndex(int index) {
    MoveCol(index, 0);
}

void TDBGrid::SetSelectedField(TField* field) {
    if (!field)
        return;
    for (int i = 0; i < m_columns.Count(); ++i) {
        if (m_columns[i]->Field() == field) {
            SetSelectedIndex(i);
            return;
        }
    }
}

void TDBGrid::SetReadOnly(bool readOnly) {
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    emit changed();
}

void TDBGrid::SetBorderStyle(TBorderStyle style) {
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    ScrollToCurrent();
    emit layoutChanged();
    emit changed();
}

void TDBGrid::SetTitleFont(const TFont& font) {
    if (font == m_titleFont)
        return;
    m_titleFont = font;
    emit layoutChanged();
    emit changed();
}

void TDBGrid::SetFixedColor(TColor color) {
    if (color == m_fixedColor)
        return;
    m_fixedColor = color;
    emit changed();
}

int TDBGrid::RowCount() const {
    return m_link.RecordCount();
}

int TDBGrid::CurrentRow() const {
    return m_link.ActiveRecord();
}

void TDBGrid::DoEnter() {
    TWinControl::DoEnter();
    if (m_options.testFlag(dgAlwaysShowEditor))
        ShowEditor();
}

// Leaving the grid writes the editor's text; with dgCancelOnExit an inserted row nobody
// changed is cancelled instead. An exception keeps the focus here (the form's focus rules).
void TDBGrid::DoExit() {
    if (m_link.Active()) {
        if (m_options.testFlag(dgCancelOnExit) && InsertedRowUnchanged())
            DataSet()->Cancel();
        else
            WriteEditorText();
    }
    TWinControl::DoExit();
    if (!m_options.testFlag(dgAlwaysShowEditor))
        HideEditor();
}

void TDBGrid::Loaded() {
    TWinControl::Loaded();
    ScrollToCurrent();
}

// The data link's notifications.

void TDBGrid::LinkActive() {
    m_columns.RebuildColumns();
    m_topRow = 0;
    m_lastRow = CurrentRow();
    if (!m_link.Active())
        HideEditor();
    else if (m_selectedIndex < 0 || m_selectedIndex >= m_columns.Count() ||
             !m_columns[m_selectedIndex]->Visible())
        m_selectedIndex = NextVisibleColumn(-1, 1);
    ScrollToCurrent();
    ReloadEditor();
    emit dataChanged();
    emit currentCellChanged();
}

void TDBGrid::LinkDataChanged() {
    ScrollToCurrent();
    const int row = CurrentRow();
    const bool rowChanged = row != m_lastRow;
    // An empty grid still has its first row on screen: a row inserted into an empty dataset
    // appears where the editor already is, so the editor stays.
    const bool editorMoved = std::max(row, 0) != std::max(m_lastRow, 0);
    m_lastRow = row;
    if (editorMoved && !m_options.testFlag(dgAlwaysShowEditor))
        HideEditor();
    ReloadEditor();
    emit dataChanged();
    if (rowChanged)
        emit currentCellChanged();
}

void TDBGrid::LinkRecordChanged(TField* field) {
    if (!field || field == SelectedField()) {
        m_link.SetModified(false);
        ReloadEditor();
    }
    emit dataChanged();
}

void TDBGrid::LinkEditingChanged() {
    if (!m_link.Editing())
        ReloadEditor();
    emit editingChanged();
    emit dataChanged();
}

void TDBGrid::LinkLayoutChanged() {
    m_columns.RebuildColumns();
    emit layoutChanged();
}

void TDBGrid::LinkUpdateData() {
    if (TField* field = SelectedField())
        field->SetText(m_editor.Text());
}

// The platform's FocusControl on a field the grid shows: that column becomes current, the grid
// takes the focus and the editor comes up on the cell.
bool TDBGrid::LinkFocusControl(TField* field) {
    SetSelectedField(field);
    if (SelectedField() != field)
        return false;
    if (CanFocus())
        SetFocus();
    if (!Focused())
        return false;
    ShowEditor();
    return true;
}

void TDBGrid::ColumnsChanged() {
    if (m_columns.Count() == 0)
        m_selectedIndex = -1;
    else if (m_selectedIndex < 0 || m_selectedIndex >= m_columns.Count())
        m_selectedIndex = std::max(0, NextVisibleColumn(-1, 1));
    if (!CanEditShow())
        HideEditor();
    ReloadEditor();
    emit layoutChanged();
    emit editorChanged();
}

void TDBGrid::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (ReadFromTable(gridProperties(), *this, property, context))
        return;
    if (property.name.startsWith(QLatin1String("TitleFont."), Qt::CaseInsensitive)) {
        TFont font = m_titleFont;
        font.ReadProperty(property.name.mid(10), property);
        SetTitleFont(font);
        return;
    }
    TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TDBGrid)

} // namespace ger
