// TDBGrid: the in-place editor of the current cell, its button and its pick list.

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

// The editor can be up with dgEditing, without dgRowSelect, on a column, while the grid has
// the focus (or always, with dgAlwaysShowEditor).
bool TDBGrid::CanEditShow() const {
    return m_link.Active() && m_options.testFlag(dgEditing) && !m_options.testFlag(dgRowSelect) &&
           m_selectedIndex >= 0 && m_selectedIndex < m_columns.Count() &&
           (Focused() || m_options.testFlag(dgAlwaysShowEditor));
}

// Whether the current cell may change; puts the dataset into edit through the data source
// (AutoEdit) when it may. A Before event that refuses raises out of here.
bool TDBGrid::CanEditModify() {
    if (m_readOnly || !m_link.Active() || m_link.ReadOnly())
        return false;
    if (m_selectedIndex < 0 || m_selectedIndex >= m_columns.Count())
        return false;
    const TColumn* column = m_columns[m_selectedIndex];
    const TField* field = column->Field();
    if (column->ReadOnly() || !field || field->ReadOnly() || !field->DataSet()->CanModify())
        return false;
    m_link.Edit();
    return m_link.Editing();
}

void TDBGrid::SetEditorMode(bool value) {
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TDBGrid::ShowEditor() {
    if (m_editorMode || !CanEditShow())
        return;
    m_editorMode = true;
    const TField* field = SelectedField();
    m_editor.Load(field ? field->Text() : QString());
    emit editorChanged();
}

void TDBGrid::HideEditor() {
    if (!m_editorMode)
        return;
    m_editorMode = false;
    emit editorChanged();
}

// The editor shows the field again, unless it holds text not yet written.
void TDBGrid::ReloadEditor() {
    if (!m_editorMode || m_link.Modified())
        return;
    const TField* field = SelectedField();
    m_editor.Load(field ? field->Text() : QString());
    emit editorChanged();
}

void TDBGrid::TypeIntoEditor(QChar key) {
    ShowEditor();
    if (!m_editorMode || !CanEditModify())
        return;
    if (key == QLatin1Char('\b'))
        m_editor.DeleteBackward();
    else
        m_editor.TypeChar(key);
    m_link.SetModified(true);
    emit editorChanged();
}

void TDBGrid::WriteEditorText() {
    m_link.UpdateRecord();
}

void TDBGrid::DefaultKeyPress(QChar& key) {
    if (!m_link.Active())
        return;
    if (key == QLatin1Char('\r')) {
        if (m_options.testFlag(dgAlwaysShowEditor)) {
            m_editor.SelectAll();
            emit editorChanged();
            return;
        }
        WriteEditorText();
        SetEditorMode(!m_editorMode);
        return;
    }
    if (key == QLatin1Char('\b') || key.unicode() >= 32) {
        if (m_options.testFlag(dgEditing) && !m_options.testFlag(dgRowSelect))
            TypeIntoEditor(key);
    }
}

TEditStyle TDBGrid::EditorStyle() const {
    if (!m_editorMode)
        return esSimple;
    const TColumn* column = m_columns[m_selectedIndex];
    switch (column->ButtonStyle()) {
    case cbsEllipsis:
        return esEllipsis;
    case cbsAuto:
        return column->Field() && !column->PickList().isEmpty() && !column->ReadOnly() ? esPickList
                                                                                       : esSimple;
    case cbsNone:
        break;
    }
    return esSimple;
}

QStringList TDBGrid::EditorPickList() const {
    if (m_selectedIndex < 0 || m_selectedIndex >= m_columns.Count())
        return {};
    return m_columns[m_selectedIndex]->PickList();
}

void TDBGrid::UserClickEditButton() {
    if (EditorStyle() == esEllipsis && OnEditButtonClick)
        OnEditButtonClick(this);
}

// As the platform's drop-down list does on closing with a choice: the chosen text goes to the
// field through its Text, when the cell may change.
void TDBGrid::UserChoosePickItem(int index) {
    const QStringList items = EditorPickList();
    if (EditorStyle() != esPickList || index < 0 || index >= items.size())
        return;
    if (!CanEditModify())
        return;
    if (TField* field = SelectedField())
        field->SetText(items[index]);
}

} // namespace ger
