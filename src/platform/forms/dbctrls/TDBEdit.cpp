#include "platform/forms/dbctrls/TDBEdit.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"
#include "platform/forms/dbctrls/DataControlProperties.h"

#include <QScopedValueRollback>

namespace ger {

TDBEdit::TDBEdit(TComponent* AOwner)
    : TCustomMaskEdit(AOwner) {
    m_link.OnDataChange = [this] { dataChange(); };
    m_link.OnUpdateData = [this] { updateData(); };
    m_link.OnFocusControl = [this](TField* field) { return focusControl(field); };
}

TDBEdit::~TDBEdit() {
    m_link.OnDataChange = nullptr;
    m_link.OnUpdateData = nullptr;
    m_link.OnFocusControl = nullptr;
    m_link.SetDataSource(nullptr);
}

void TDBEdit::SetDataSource(TDataSource* dataSource) {
    m_link.SetDataSource(dataSource);
}

void TDBEdit::dataChange() {
    const QScopedValueRollback showing(m_showingField, true);
    const TField* field = m_link.Field();
    if (!field) {
        SetEditMask(QString());
        SetText(QString());
        SetModified(false);
        return;
    }
    SetEditMask(field->EditMask());
    if (IsMasked())
        SetText(field->Text());
    else
        SetText(m_focused && m_link.CanModify() ? field->Text() : field->DisplayText());
    if (!IsMasked() && field->DataType() == ftString)
        SetMaxLength(field->Size());
    SetModified(false);
}

void TDBEdit::updateData() {
    ValidateEdit();
    if (TField* field = m_link.Field())
        field->SetText(Text());
}

bool TDBEdit::focusControl(TField*) {
    if (!CanFocus())
        return false;
    SetFocus();
    return true;
}

void TDBEdit::Change() {
    if (!m_showingField)
        m_link.SetModified();
    TCustomMaskEdit::Change();
}

void TDBEdit::DoEnter() {
    m_focused = true;
    m_link.Reset();
    TCustomMaskEdit::DoEnter();
}

void TDBEdit::DoExit() {
    m_link.UpdateRecord();
    TCustomMaskEdit::DoExit();
    m_focused = false;
    m_link.Reset();
}

void TDBEdit::DefaultKeyDown(Word& key, TShiftState shift) {
    if (key == VK_DELETE && !ReadOnly() && !m_link.EditField()) {
        key = 0;
        return;
    }
    TCustomMaskEdit::DefaultKeyDown(key, shift);
}

void TDBEdit::DefaultKeyPress(QChar& key) {
    if (key == QChar(u'\x1b')) {
        m_link.Reset();
        SelectAll();
        key = QChar();
        return;
    }
    if ((key == QChar(u'\b') || key.unicode() >= 32) && !ReadOnly() && !m_link.EditField()) {
        key = QChar();
        return;
    }
    TCustomMaskEdit::DefaultKeyPress(key);
}

void TDBEdit::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(DataControlProperties<TDBEdit>(), *this, property, context))
        TCustomMaskEdit::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TDBEdit)

} // namespace ger
